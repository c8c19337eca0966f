#include "cards/card_sheets.h"
#include "cards_fixture.h"
#include "core/record_file.h"
#include "golden.h"
#include "members/frm_sospesi.h"
#include "members/frm_trova_anagrafica.h"
#include "pdf_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using namespace cards;
using namespace cards_test;

const QDate kToday(2026, 3, 15);

// Twenty members "Socio 01".."Socio 20", card numbers "T-001".."T-020"; member 3 has a photo.
void addTwenty(const testing_support::Harness& h) {
    for (int i = 1; i <= 20; ++i)
        members::MemberArchive(h.ctx.folder)
            .save(0, memberValues(QStringLiteral("Socio %1").arg(i, 2, 10, QChar(u'0')),
                                  i % 2 ? u"Socio"_qs : u"Consigliere"_qs,
                                  QStringLiteral("T-%1").arg(i, 3, 10, QChar(u'0'))));
    ASSERT_TRUE(members::writeJpeg(h.path(members::photoFileName(3)), picture(600, 800)));
    ASSERT_TRUE(writeOrganisation(h.path(kSettingsFileName),
                                  {u"Circolo Aurora"_qs, u"Via Roma 1 - Roma"_qs,
                                   u"Tel. 06 123456"_qs, u"Valida per l'anno 2026"_qs}));
    ASSERT_TRUE(writeLogo(h.path(kLogoFileName), picture(200, 100, Qt::darkGreen)));
}

// Asked in an order that is not the file's: the last ten first, then the first ten.
std::vector<qint64> mixedOrder() {
    std::vector<qint64> out;
    for (qint64 n = 20; n >= 11; --n)
        out.push_back(n);
    for (qint64 n = 1; n <= 10; ++n)
        out.push_back(n);
    return out;
}

int pdfPages(const QString& path) {
    return int(testing_support::pdfText(path).count(QChar(u'\f')));
}

TEST(CardSheets, TwentyMembersFillThreeSheetsInTheOrderAsked) {
    testing_support::Harness h;
    addTwenty(h);
    const std::vector<qint64> order = mixedOrder();
    const std::optional<CardBatch> batch = readCardBatch(h.ctx.folder, order);
    ASSERT_TRUE(batch);
    ASSERT_EQ(batch->sheetCount(), 3);

    QString outline;
    for (int s = 0; s < 3; ++s) {
        reports::Report sheet = batchSheet(*batch, s, h.ctx.folder, kToday);
        for (int slot = 0; slot < kSheetSlots; ++slot) {
            const size_t at = size_t(s * kSheetSlots + slot);
            const QString name = sheet.object(u"txtTesserato"_qs + slotSuffix(slot)).text();
            const QString want =
                at < order.size() ? QStringLiteral("Socio %1").arg(order[at], 2, 10, QChar(u'0'))
                                  : QString(); // cleared slots of the last sheet
            EXPECT_EQ(name, want) << "sheet " << s + 1 << " slot " << slot + 1;
        }
        outline += testing_support::paintedOutline(sheet);
    }
    // Nine, nine and two cards; the last seven slots are cleared cards under the heading and logo.
    EXPECT_TRUE(testing_support::matchesGolden(u"card_sheets"_qs, outline));
}

TEST(CardSheets, AChosenRecordThatCannotBeReadPrintsNothing) {
    struct Case {
        const char* what;
        std::vector<qint64> records;
        bool removeArchive;
    };
    const Case cases[] = {
        {"a record past the end", {1, 2, 21}, false},
        {"a record number 0", {0, 1}, false},
        {"no archive at all", {1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::Harness h;
        addTwenty(h);
        if (c.removeArchive) {
            ASSERT_TRUE(QFile::remove(h.path(members::kMemberFileName)));
        }
        printCards(h.ctx, nullptr, c.records);
        EXPECT_TRUE(h.fake.modalDialogs.isEmpty());
        EXPECT_TRUE(h.fake.printCalls.empty());
        ASSERT_EQ(h.fake.messages.size(), 1u);
        EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Error);
        EXPECT_EQ(h.fake.lastMessage().text, core::archiveAccessMessage());
    }
}

TEST(CardSheets, PreviewThenPrintGiveEveryPageInThePrompt) {
    testing_support::Harness h;
    addTwenty(h);
    h.fake.pdfPath = testing_support::reportOutputPath(h.dir, u"card_sheets.pdf"_qs);
    QStringList texts;
    std::vector<int> pages;
    h.fake.onModal = [&](QDialog& d) {
        texts << child<QLabel>(&d, u"lblTesto"_qs)->text() << d.windowTitle();
        child<QPushButton>(&d, u"btnAnteprima"_qs)->click();
        EXPECT_EQ(d.result(), 0) << "the preview leaves the prompt open";
        pages.push_back(pdfPages(h.fake.pdfPath));
        child<QPushButton>(&d, u"btnStampa"_qs)->click();
        pages.push_back(pdfPages(h.fake.pdfPath));
        return d.result();
    };
    printCards(h.ctx, nullptr, mixedOrder());
    EXPECT_EQ(h.fake.modalDialogs, QStringList{u"TfrmStampaTessereSoci"_qs});
    EXPECT_EQ(texts, (QStringList{u"Stampa delle tessere di 20 Soci su 3 fogli A4 orizzontali."_qs,
                                  u" Stampa tessere dei Soci su fogli A4"_qs}));
    ASSERT_EQ(h.fake.printCalls.size(), 2u);
    EXPECT_TRUE(h.fake.printCalls[0].preview);
    EXPECT_TRUE(h.fake.printCalls[0].options.pageNavigation);
    EXPECT_FALSE(h.fake.printCalls[1].preview);
    EXPECT_EQ(h.fake.printCalls[1].layout.orientation(), QPageLayout::Landscape);
    if (testing_support::pdfText(h.fake.pdfPath).isEmpty()) GTEST_SKIP() << "pdftotext missing";
    EXPECT_EQ(pages, (std::vector<int>{3, 3}));
    const QString text = testing_support::pdfText(h.fake.pdfPath);
    EXPECT_LT(text.indexOf(u"Socio 20"_qs), text.indexOf(u"Socio 01"_qs));
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST(CardSheets, MemberListsHandTheirListedMembersOver) {
    testing_support::Harness h;
    addTwenty(h);
    {
        members::TfrmTrovaAnagrafica search(h.ctx, nullptr, u"tessera"_qs);
        EXPECT_EQ(child<QPushButton>(&search, u"btnStampaTessere"_qs), nullptr)
            << "no button where the program prints no cards";
    }
    std::vector<std::vector<qint64>> asked;
    h.ctx.actions.printCards = [&](QWidget*, const std::vector<qint64>& records) {
        asked.push_back(records);
    };
    members::TfrmTrovaAnagrafica search(h.ctx, nullptr, u"tessera"_qs);
    child<QLineEdit>(&search, u"txtCarica"_qs)->setText(u"consigliere"_qs);
    search.search();
    auto* button = child<QPushButton>(&search, u"btnStampaTessere"_qs);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), u"Stampa tessere"_qs);
    button->click();

    h.fake.todayValue = QDate(2027, 1, 10); // every card has expired
    members::TfrmSospesi due(h.ctx, nullptr);
    child<QPushButton>(&due, u"btnStampaTessere"_qs)->click();

    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], (std::vector<qint64>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    ASSERT_EQ(asked[1].size(), 20u);
    EXPECT_EQ(asked[1].front(), 1);
    EXPECT_EQ(asked[1].back(), 20);
    EXPECT_TRUE(h.fake.messages.empty());

    // The lines carry their records: a member saved over since the list was read is still the
    // record listed, and its card is printed as it now stands.
    members::MemberArchive(h.ctx.folder).save(20, memberValues(u"Altro Nome"_qs));
    child<QPushButton>(&due, u"btnStampaTessere"_qs)->click();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[2], asked[1]);
    EXPECT_TRUE(h.fake.messages.empty());
}

} // namespace
