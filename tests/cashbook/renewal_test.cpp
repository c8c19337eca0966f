// The renewal of the members due: the grid, the options, the question, and the one step that
// writes the member file and the cash book together.
#include "cashbook/balance.h"
#include "cashbook/frm_rinnovo.h"
#include "cashbook/movement_record.h"
#include "cashbook/renewal.h"
#include "core/file_faults.h"
#include "core/record_file.h"
#include "fake_platform.h"
#include "files.h"
#include "members/frm_sospesi.h"
#include "members/member_archive.h"
#include "members/member_record.h"
#include "platform/shell_open.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace cashbook;
using testing_support::child;
using testing_support::fileBytes;
using testing_support::Harness;
using M = members::MemberField;

namespace {

using MemberSet = std::initializer_list<std::pair<M, QString>>;

qint64 addMember(const QString& folder, MemberSet set) {
    QStringList v;
    for (int i = 0; i < members::MemberFieldCount; ++i)
        v << QString();
    v[M::Annullata] = members::kNo;
    v[M::Preavviso] = u"0"_qs;
    for (const auto& [f, text] : set)
        v[f] = text;
    return *members::MemberArchive(folder).save(0, v);
}

// Today is 15/03/2026 (the fake desktop's day). Due: Rossi, Bianchi (29/02 of a leap year),
// Verdi (inside his notice, an unreadable fee), Blu (no fee). Not shown: Neri (not due yet) and
// Gialli (cancelled).
void smallArchive(const QString& folder) {
    addMember(folder, {{M::Tesserato, u"Rossi Carlo"_qs}, {M::NumTessera, u"101"_qs},
                       {M::DataRil, u"01/03/2025"_qs}, {M::DataScade, u"10/03/2026"_qs},
                       {M::Titoli, u"25"_qs}, {M::Email, u"rossi@esempio.it"_qs},
                       {M::Recapito, u"333 1234567"_qs}, {M::CodFisc, u"RSSCRL80A01H501U"_qs},
                       {M::Note, u"socio fondatore"_qs}});
    addMember(folder, {{M::Tesserato, u"Neri Paolo"_qs}, {M::NumTessera, u"104"_qs},
                       {M::DataScade, u"31/12/2026"_qs}, {M::Titoli, u"25"_qs}});
    addMember(folder, {{M::Tesserato, u"Bianchi Anna"_qs}, {M::NumTessera, u"102"_qs},
                       {M::DataRil, u"01/03/2023"_qs}, {M::DataScade, u"29/02/2024"_qs},
                       {M::Titoli, u"\u20ac 30,5"_qs}, {M::Email, u"anna@esempio.it"_qs}});
    addMember(folder, {{M::Tesserato, u"Verdi Luca"_qs}, {M::NumTessera, u"103"_qs},
                       {M::DataScade, u"20/03/2026"_qs}, {M::Preavviso, u"10"_qs},
                       {M::Titoli, u"dieci euro"_qs}});
    addMember(folder, {{M::Tesserato, u"Gialli Eva"_qs}, {M::NumTessera, u"105"_qs},
                       {M::DataScade, u"01/01/2025"_qs}, {M::Annullata, members::kYes}});
    addMember(folder, {{M::Tesserato, u"Blu Marco"_qs}, {M::NumTessera, u"106"_qs},
                       {M::DataScade, u"01/01/2026"_qs}});
}

struct Window {
    Harness h;
    std::unique_ptr<TfrmRinnovo> w;
    RenewalGridModel* model = nullptr;

    explicit Window(bool withArchive = true) {
        if (withArchive) smallArchive(h.dir.path());
        open();
    }
    void open() {
        w = std::make_unique<TfrmRinnovo>(h.ctx, nullptr);
        model = qobject_cast<RenewalGridModel*>(
            child<QTableView>(w.get(), u"grdRinnovo"_qs)->model());
    }
    QString cell(int row, int column) const {
        return model->index(row, column).data().toString();
    }
    QStringList rowTexts(int row) const {
        QStringList out{model->ticked(row) ? u"x"_qs : u"-"_qs};
        for (int c = RenewalGridModel::Name; c < RenewalGridModel::ColumnCount; ++c)
            out << cell(row, c);
        return out;
    }
    void click(const QString& name) { child<QPushButton>(w.get(), name)->click(); }
};

QString memberPath(const Harness& h) {
    return h.path(members::kMemberFileName);
}

} // namespace

TEST(Renewal, GridShowsTheMembersDueWithTheirFeesAndBothExpiryOptions) {
    Window t;
    using C = RenewalGridModel;
    ASSERT_EQ(t.model->rowCount(), 4);
    const QStringList headers{u"Rinnova"_qs,        u"Cognome e nome Socio"_qs, u"Tessera n."_qs,
                              u"Scadenza attuale"_qs, u"Nuova scadenza"_qs,     u"Quota"_qs,
                              u"E-mail"_qs,          u"Esito"_qs};
    for (int c = 0; c < C::ColumnCount; ++c)
        EXPECT_EQ(t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  headers[c]);
    // Tick, name, card, expiry, new expiry (one year on; 29/02 -> 28/02), fee, e-mail, outcome.
    const QStringList expected[] = {
        {u"x"_qs, u"Bianchi Anna"_qs, u"102"_qs, u"29/02/2024"_qs, u"28/02/2025"_qs, u"30,50"_qs,
         u"anna@esempio.it"_qs, u"OK"_qs},
        {u"-"_qs, u"Blu Marco"_qs, u"106"_qs, u"01/01/2026"_qs, u"01/01/2027"_qs, u""_qs, u""_qs,
         u"Quota mancante"_qs},
        {u"x"_qs, u"Rossi Carlo"_qs, u"101"_qs, u"10/03/2026"_qs, u"10/03/2027"_qs, u"25,00"_qs,
         u"rossi@esempio.it"_qs, u"OK"_qs},
        {u"-"_qs, u"Verdi Luca"_qs, u"103"_qs, u"20/03/2026"_qs, u"20/03/2027"_qs,
         u"dieci euro"_qs, u""_qs, u"Quota non leggibile"_qs},
    };
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(t.rowTexts(r), expected[r]) << "row " << r;
    EXPECT_TRUE(child<QRadioButton>(t.w.get(), u"optUnAnno"_qs)->isChecked());
    EXPECT_EQ(child<QLineEdit>(t.w.get(), u"txtDataRil"_qs)->text(), u"15/03/2026"_qs);
    EXPECT_TRUE(child<QCheckBox>(t.w.get(), u"chkPrimanota"_qs)->isChecked());
    EXPECT_EQ(child<QLineEdit>(t.w.get(), u"txtCausale"_qs)->text(), u"Quota associativa 2027"_qs);
    EXPECT_EQ(child<QLineEdit>(t.w.get(), u"txtPagamento"_qs)->text(), u"Contanti"_qs);

    // "Tutte al": one date for all, and the default reason follows its year.
    child<QRadioButton>(t.w.get(), u"optDataFissa"_qs)->setChecked(true);
    child<QLineEdit>(t.w.get(), u"txtDataFissa"_qs)->setText(u"31/12/2028"_qs);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(t.cell(r, C::NewExpiry), u"31/12/2028"_qs);
    EXPECT_EQ(child<QLineEdit>(t.w.get(), u"txtCausale"_qs)->text(), u"Quota associativa 2028"_qs);
    // A reason typed by the user is kept.
    child<QLineEdit>(t.w.get(), u"txtCausale"_qs)->setText(u"Quota 2028"_qs);
    child<QRadioButton>(t.w.get(), u"optUnAnno"_qs)->setChecked(true);
    EXPECT_EQ(child<QLineEdit>(t.w.get(), u"txtCausale"_qs)->text(), u"Quota 2028"_qs);
    EXPECT_EQ(t.cell(0, C::NewExpiry), u"28/02/2025"_qs);

    // A fee typed right ticks the row; spoiled again, it unticks it.
    ASSERT_TRUE(t.model->setData(t.model->index(3, C::FeeColumn), u"12"_qs, Qt::EditRole));
    EXPECT_EQ(t.rowTexts(3)[0], u"x"_qs);
    EXPECT_EQ(t.cell(3, C::FeeColumn), u"12,00"_qs);
    EXPECT_EQ(t.cell(3, C::Outcome), u"OK"_qs);
    ASSERT_TRUE(t.model->setData(t.model->index(3, C::FeeColumn), u"12.5"_qs, Qt::EditRole));
    EXPECT_EQ(t.rowTexts(3)[0], u"-"_qs);
    EXPECT_EQ(t.cell(3, C::Outcome), u"Quota non leggibile"_qs);
}

TEST(Renewal, FeesAreReadAsTheCashBookStoresThem) {
    const struct {
        const char16_t* stored;
        const char16_t* amount;
        const char16_t* problem;
    } cases[] = {
        {u"25", u"25,00", u""},
        {u" 7,5 \u20ac", u"7,50", u""},
        {u"\u20ac1,005", u"1,01", u""},
        {u"", u"", u"Quota mancante"},
        {u"\u20ac", u"", u"Quota mancante"},
        {u"25 euro", u"25 euro", u"Quota non leggibile"},
        {u"-5", u"-5", u"Quota non leggibile"},
        {u"1.000,00", u"1.000,00", u"Quota non leggibile"},
        {u"123456789012,00", u"123456789012,00", u"Quota troppo grande"}, // +Totale > 15
    };
    for (const auto& c : cases) {
        const Fee fee = readFee(QString::fromUtf16(c.stored));
        EXPECT_EQ(fee.amount, QString::fromUtf16(c.amount)) << QString::fromUtf16(c.stored).toStdString();
        EXPECT_EQ(fee.problem, QString::fromUtf16(c.problem)) << QString::fromUtf16(c.stored).toStdString();
    }
    EXPECT_EQ(oneYearAfter(QDate(2024, 2, 29)), QDate(2025, 2, 28));
    EXPECT_EQ(oneYearAfter(QDate(2027, 2, 28)), QDate(2028, 2, 28));
    EXPECT_EQ(oneYearAfter(QDate(2025, 12, 31)), QDate(2026, 12, 31));
}

// The grid folds each name once; the order must stay Qt's case-insensitive comparison, equal
// names in reading order: across accents, the sharp s, final sigma, names that are prefixes,
// and characters beyond the first plane (surrogate pairs, one with a case).
TEST(Renewal, GridOrderIsTheCaseInsensitiveComparisonOfTheNames) {
    const char16_t* pieces[] = {u"rossi",  u"ROSSI",      u"Rossini",    u"\u00e0",     u"\u00c0",
                                u"\u00df", u"ss",         u"\u03c2",     u"\u03a3",     u"\u03c3",
                                u"z",      u"\U00010400", u"\U00010428", u"\U0001F600", u" "};
    std::mt19937 rng(5);
    std::vector<RenewalRow> rows;
    for (int i = 0; i < 600; ++i) {
        QString name;
        for (int k = int(rng() % 4); k >= 0; --k)
            name += QString::fromUtf16(pieces[rng() % std::size(pieces)]);
        RenewalRow r;
        r.record = i + 1;
        r.name = name;
        rows.push_back(r);
    }
    std::vector<RenewalRow> expected = rows;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const RenewalRow& a, const RenewalRow& b) {
                         return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
                     });
    sortByName(rows);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].record, expected[i].record) << i << " " << rows[i].name.toStdString();
}

TEST(Renewal, RenewsTheTickedMembersAndRecordsTheirFeesInTheCashBook) {
    Window t;
    t.model->setData(t.model->index(3, RenewalGridModel::FeeColumn), u"12"_qs, Qt::EditRole);
    const QByteArray before = fileBytes(memberPath(t.h));
    t.click(u"btnRinnova"_qs);

    ASSERT_EQ(t.h.fake.messages.size(), 2u) << t.h.fake.texts().join(u" | ").toStdString();
    EXPECT_EQ(t.h.fake.messages[0].kind, platform::MsgKind::Question);
    EXPECT_EQ(t.h.fake.messages[0].text,
              u"Verranno rinnovate 3 tessere e registrate 3 quote in primanota, per un totale di "
              u"67,50 \u20ac. Procedere?"_qs);
    EXPECT_EQ(t.h.fake.messages[1].kind, platform::MsgKind::Information);
    EXPECT_EQ(t.h.fake.messages[1].text,
              u"Sono state rinnovate 3 tessere e registrate 3 quote in primanota, per un totale "
              u"di 67,50 \u20ac."_qs);

    // The member file: the two dates of the renewed, nothing else anywhere.
    const members::MemberArchive archive(t.h.dir.path());
    ASSERT_EQ(archive.count(), 6);
    const std::map<qint64, QString> renewedTo = {
        {1, u"10/03/2027"_qs}, {3, u"28/02/2025"_qs}, {4, u"20/03/2027"_qs}};
    const QByteArray after = fileBytes(memberPath(t.h));
    ASSERT_EQ(after.size(), before.size());
    for (qint64 n = 1; n <= 6; ++n) {
        SCOPED_TRACE(testing::Message() << "member " << n);
        const int L = members::kMemberRecordLength;
        const QByteArray oldRecord = before.mid((n - 1) * L, L);
        const QByteArray newRecord = after.mid((n - 1) * L, L);
        const auto it = renewedTo.find(n);
        if (it == renewedTo.end()) {
            EXPECT_EQ(newRecord, oldRecord);
            continue;
        }
        const QStringList o = members::memberLayout().loadAll(oldRecord.constData());
        const QStringList v = members::memberLayout().loadAll(newRecord.constData());
        for (int f = 0; f < members::MemberFieldCount; ++f) {
            const QString want = f == M::DataRil     ? u"15/03/2026"_qs
                                 : f == M::DataScade ? it->second
                                                     : o[f];
            EXPECT_EQ(v[f], want) << members::kMemberFields[f].name;
        }
    }

    // The cash book of 2026: one income per member in grid order, byte for byte at the
    // stored offsets of the movement record.
    const QByteArray year = fileBytes(t.h.path(u"2026.eur"_qs));
    ASSERT_EQ(year.size(), 3 * kMovementRecordLength);
    struct Payer {
        QString name, card, fee, email, contact, code;
    };
    const Payer payers[] = {
        {u"Bianchi Anna"_qs, u"102"_qs, u"30,50"_qs, u"anna@esempio.it"_qs, {}, {}},
        {u"Rossi Carlo"_qs, u"101"_qs, u"25,00"_qs, u"rossi@esempio.it"_qs, u"333 1234567"_qs,
         u"RSSCRL80A01H501U"_qs},
        {u"Verdi Luca"_qs, u"103"_qs, u"12,00"_qs, {}, {}, {}},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "movement " << i + 1);
        const Payer& p = payers[i];
        const char* rec = year.constData() + i * kMovementRecordLength;
        QByteArray expected(kMovementRecordLength, '\0');
        const auto put = [&](int offset, const QString& text) {
            const QByteArray b = text.toLatin1(); // all of these are in both code pages
            expected[offset] = char(b.size());
            std::memcpy(expected.data() + offset + 1, b.constData(), size_t(b.size()));
        };
        put(0, u"S\u00ec"_qs);           // Entrata
        put(3, u"No"_qs);                // Uscita
        put(6, u"15/03/2026"_qs);        // Data
        put(17, u"Quota associativa 2027"_qs); // Causale
        put(519, u"15/03/2026"_qs);      // DataSca
        put(530, u"0"_qs);               // Preavviso
        put(534, p.fee);                 // Importo
        put(550, u'+' + p.fee);          // Totale
        put(566, p.name);                // Pagatore
        put(617, p.contact);             // RecapitoPag
        put(668, p.code);                // CodFisc
        put(697, p.card);                // Categoria
        put(748, p.email);               // Email
        put(799, u"Contanti"_qs);        // Pagamento
        put(1905, u"S\u00ec"_qs);        // Saldato
        EXPECT_EQ(QByteArray(rec, kMovementRecordLength).toHex(), expected.toHex());
        EXPECT_EQ(QByteArray(rec, 3), QByteArray("\x02S\xEC", 3)); // "Sì" in Windows-1252
    }

    // The balance of that year counts the fees.
    const Balance b = computeBalance(yearArchive(t.h.path(u"2026.eur"_qs)), QString(),
                                     QDate(2026, 1, 1), QDate(2026, 12, 31), QDate(2026, 3, 15));
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.lines.size(), 3);
    EXPECT_EQ(b.income, core::CentsTotal(6750));
    EXPECT_EQ(b.expenses, core::CentsTotal(0));
    EXPECT_EQ(totalText(b.total), u"67,50 \u20ac"_qs);

    // Done: no second renewal from the same grid; the cards and the e-mail are offered.
    EXPECT_FALSE(child<QPushButton>(t.w.get(), u"btnRinnova"_qs)->isEnabled());
    EXPECT_TRUE(child<QPushButton>(t.w.get(), u"btnEmail"_qs)->isEnabled());
    EXPECT_EQ(t.w->renewedRecords(), (std::vector<qint64>{3, 1, 4}));
}

TEST(Renewal, NoAtTheQuestionOrAMemberChangedMeanwhileWritesNothing) {
    Window t;
    const QByteArray before = fileBytes(memberPath(t.h));
    t.h.fake.answers = {platform::Answer::No};
    t.click(u"btnRinnova"_qs);
    ASSERT_EQ(t.h.fake.messages.size(), 1u);
    EXPECT_EQ(fileBytes(memberPath(t.h)), before);
    EXPECT_EQ(fileBytes(t.h.path(u"2026.eur"_qs)), testing_support::kMissingFile);
    EXPECT_TRUE(child<QPushButton>(t.w.get(), u"btnRinnova"_qs)->isEnabled());

    // Another copy saves Rossi's sheet after the grid was filled: nothing is renewed, the grid
    // is read again.
    const members::MemberArchive archive(t.h.dir.path());
    QStringList rossi = archive.read(1)->values;
    rossi[M::Note] = u"cambiato altrove"_qs;
    ASSERT_TRUE(archive.save(1, rossi));
    const QByteArray changed = fileBytes(memberPath(t.h));
    t.h.fake.messages.clear();
    t.click(u"btnRinnova"_qs);
    ASSERT_EQ(t.h.fake.messages.size(), 2u);
    EXPECT_EQ(t.h.fake.messages[1].text, renewalChangedMessage());
    EXPECT_EQ(fileBytes(memberPath(t.h)), changed);
    EXPECT_EQ(fileBytes(t.h.path(u"2026.eur"_qs)).size(), 0) << "a movement was written";
    // Read again, the grid renews at the next press.
    t.h.fake.messages.clear();
    t.click(u"btnRinnova"_qs);
    EXPECT_EQ(t.h.fake.messages.back().kind, platform::MsgKind::Information);
    EXPECT_EQ(fileBytes(t.h.path(u"2026.eur"_qs)).size(), 2 * kMovementRecordLength);
}

TEST(Renewal, WhatStopsThePressIsSaidAndFocused) {
    struct Case {
        const char* what;
        std::function<void(Window&)> set;
        QString warning;
    };
    const Case cases[] = {
        {"a fee ticked but unreadable",
         [](Window& t) {
             t.model->setData(t.model->index(3, 0), Qt::Checked, Qt::CheckStateRole);
         },
         u"Attenzione: la quota del socio Verdi Luca non \u00e8 valida.\n\r\n\rCorreggerla o "
         u"togliere la spunta."_qs},
        {"no reason",
         [](Window& t) { child<QLineEdit>(t.w.get(), u"txtCausale"_qs)->setText(u"  "_qs); },
         u"Attenzione: indicare la causale del pagamento."_qs},
        {"a fixed date missing",
         [](Window& t) { child<QRadioButton>(t.w.get(), u"optDataFissa"_qs)->setChecked(true); },
         u"Attenzione: indicare la data di scadenza delle tessere."_qs},
        {"nothing ticked",
         [](Window& t) {
             for (int r = 0; r < t.model->rowCount(); ++r)
                 t.model->setData(t.model->index(r, 0), Qt::Unchecked, Qt::CheckStateRole);
         },
         u"Attenzione: nessuna tessera da rinnovare."_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window t;
        const QByteArray before = fileBytes(memberPath(t.h));
        c.set(t);
        t.click(u"btnRinnova"_qs);
        ASSERT_EQ(t.h.fake.messages.size(), 1u);
        EXPECT_EQ(t.h.fake.messages[0].kind, platform::MsgKind::Warning);
        EXPECT_EQ(t.h.fake.messages[0].text, c.warning);
        EXPECT_EQ(fileBytes(memberPath(t.h)), before);
    }
    // Without the cash book a fee is not needed, and no year file is touched.
    Window t;
    child<QCheckBox>(t.w.get(), u"chkPrimanota"_qs)->setChecked(false);
    t.model->setData(t.model->index(3, 0), Qt::Checked, Qt::CheckStateRole);
    t.click(u"btnRinnova"_qs);
    EXPECT_EQ(t.h.fake.messages[0].text,
              u"Verranno rinnovate 3 tessere e registrate 0 quote in primanota, per un totale di "
              u"0,00 \u20ac. Procedere?"_qs);
    EXPECT_EQ(t.h.fake.messages.back().kind, platform::MsgKind::Information);
    EXPECT_EQ(fileBytes(t.h.path(u"2026.eur"_qs)), testing_support::kMissingFile);
    EXPECT_EQ(members::MemberArchive(t.h.dir.path()).read(4)->values[M::DataScade],
              u"20/03/2027"_qs);
}

// A failure at any write step of the renewal leaves the member file and the cash book both as
// they were, or both renewed, whichever file is opened first afterwards.
TEST(Renewal, AFailureAtAnyStepLeavesBothFilesOldOrBothNew) {
    for (const bool persistent : {false, true}) {
        bool completed = false;
        for (int at = 1; at < 80 && !completed; ++at) {
            SCOPED_TRACE(testing::Message() << (persistent ? "for good" : "once") << ", step " << at);
            Harness h;
            smallArchive(h.dir.path());
            ASSERT_TRUE(yearArchive(h.path(u"2026.eur"_qs)).touch());
            const QByteArray oldMembers = fileBytes(memberPath(h));
            const RenewalRows rows = renewalRows(h.dir.path(), h.fake.todayValue);
            std::vector<RenewalRequest> requests;
            for (const RenewalRow& r : rows.rows)
                if (r.problem.isEmpty()) requests.push_back({r.record, r.fingerprint, r.fee});
            ASSERT_EQ(requests.size(), 2u);
            RenewalOptions options;
            options.issueDate = h.fake.todayValue;
            options.reason = u"Quota associativa 2027"_qs;
            options.payment = u"Contanti"_qs;

            core::faults::arm(at, persistent);
            const RenewalResult result =
                renewMembers(h.dir.path(), requests, options, h.fake.todayValue);
            completed = core::faults::steps() < at;
            core::faults::disarm();

            // Whichever file is opened first recovers its part.
            const QString first = at % 2 ? memberPath(h) : h.path(u"2026.eur"_qs);
            {
                core::RecordFile f(first, first.endsWith(u".eur"_qs) ? kMovementRecordLength
                                                                     : members::kMemberRecordLength);
                ASSERT_TRUE(f.open());
            }
            {
                core::RecordFile m(memberPath(h), members::kMemberRecordLength);
                core::RecordFile y(h.path(u"2026.eur"_qs), kMovementRecordLength);
                ASSERT_TRUE(m.open() && y.open());
            }
            const bool membersOld = fileBytes(memberPath(h)) == oldMembers;
            const qint64 movements = fileBytes(h.path(u"2026.eur"_qs)).size();
            if (result.outcome == RenewalResult::Outcome::Done) {
                EXPECT_FALSE(membersOld);
                EXPECT_EQ(movements, 2 * kMovementRecordLength);
                EXPECT_EQ(members::MemberArchive(h.dir.path()).read(3)->values[M::DataScade],
                          u"28/02/2025"_qs);
            } else {
                EXPECT_TRUE(membersOld) << "the member file changed, the cash book did not";
                EXPECT_EQ(movements, 0) << "movements without their renewal";
            }
        }
        EXPECT_TRUE(completed);
    }
}

TEST(Renewal, ConfirmationGoesInBccFiftyAddressesAMessage) {
    QStringList addresses;
    for (int i = 0; i < 120; ++i)
        addresses << u"socio%1@esempio.it"_qs.arg(i);
    addresses.insert(7, u"  "_qs); // a member without an address is left out
    const QStringList links = confirmationMailCommands(addresses);
    ASSERT_EQ(links.size(), 3);
    int total = 0;
    for (int i = 0; i < 3; ++i) {
        const QUrl url = platform::desktopUrl(links[i]);
        const QString bcc = QUrlQuery(url).queryItemValue(u"bcc"_qs);
        const QStringList got = bcc.split(u',');
        EXPECT_EQ(got.size(), i < 2 ? 50 : 20);
        EXPECT_EQ(got.front(), u"socio%1@esempio.it"_qs.arg(i * 50));
        EXPECT_EQ(QUrlQuery(url).queryItemValue(u"subject"_qs, QUrl::FullyDecoded),
                  u"Conferma rinnovo tessera"_qs);
        total += int(got.size());
    }
    EXPECT_EQ(total, 120);

    // Through the window: one link for the two addresses; a refused link is said.
    Window t;
    t.click(u"btnRinnova"_qs);
    t.h.fake.openAccepted = false;
    t.h.fake.messages.clear();
    t.click(u"btnEmail"_qs);
    ASSERT_EQ(t.h.fake.opened.size(), 1);
    EXPECT_TRUE(t.h.fake.opened[0].contains(u"bcc=anna@esempio.it,rossi@esempio.it&"_qs));
    ASSERT_EQ(t.h.fake.messages.size(), 1u);
    EXPECT_EQ(t.h.fake.messages[0].text, platform::mailRefusedMessage());
}

TEST(Renewal, CardsPrintThroughTheLentCommandAndTheListOpensTheWindow) {
    {
        Window t; // nothing lent: no card button
        EXPECT_FALSE(child<QPushButton>(t.w.get(), u"btnTessere"_qs)->isVisibleTo(t.w.get()));
    }
    Window t(false);
    smallArchive(t.h.dir.path());
    std::vector<qint64> printed;
    t.h.ctx.actions.printCards = [&](QWidget*, const std::vector<qint64>& records) {
        printed = records;
    };
    t.open();
    auto* cards = child<QPushButton>(t.w.get(), u"btnTessere"_qs);
    EXPECT_TRUE(cards->isVisibleTo(t.w.get()));
    EXPECT_FALSE(cards->isEnabled());
    t.click(u"btnRinnova"_qs);
    cards->click();
    EXPECT_EQ(printed, (std::vector<qint64>{3, 1}));

    child<QToolButton>(t.w.get(), u"cmdGuida"_qs)->click();
    ASSERT_EQ(t.h.fake.helpTopics.size(), 1u);
    EXPECT_FALSE(t.h.fake.helpTopics[0].title.isEmpty());

    // The renewal list offers "Rinnova..." only when the renewal is lent to it, and shows the
    // list again afterwards: the renewed are no longer due.
    {
        members::TfrmSospesi list(t.h.ctx, nullptr);
        EXPECT_EQ(child<QPushButton>(&list, u"btnRinnova"_qs), nullptr);
    }
    int opened = 0;
    t.h.ctx.actions.renewDue = [&](QWidget*) { ++opened; };
    members::TfrmSospesi list(t.h.ctx, nullptr);
    auto* renew = child<QPushButton>(&list, u"btnRinnova"_qs);
    ASSERT_NE(renew, nullptr);
    EXPECT_EQ(renew->text(), u"Rinnova..."_qs);
    EXPECT_EQ(renew->toolTip(),
              u"Rinnova le tessere dei soci in elenco e registra le quote in primanota."_qs);
    renew->click();
    EXPECT_EQ(opened, 1);
}
