#include "member_window_fixture.h"

#include "files.h"
#include "member_fixture.h"

#include "members/member_archive.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

using members_test::MemberWindow;
using members_test::press;
using members_test::type;
using testing_support::child;
using testing_support::fileBytes;

QCheckBox* cancelled(const MemberWindow& m) {
    return child<QCheckBox>(m.w.get(), QStringLiteral("chkAnnullata"));
}

TEST(MemberWindowFlag, CancelledFlagRoundTrip) {
    MemberWindow m;
    m.fillValid(QStringLiteral("Rossi Mario"));
    cancelled(m)->setChecked(true);
    m.save();
    const QString pro = m.h.path(QStringLiteral("Tesserati.pro"));
    EXPECT_EQ(fileBytes(pro).mid(1255, 3), QByteArray("\x02S\xEC"));

    m.w->newSheet();
    m.w->first();
    EXPECT_TRUE(cancelled(m)->isChecked());
    cancelled(m)->setChecked(false);
    m.save();
    EXPECT_EQ(fileBytes(pro).mid(1255, 3), QByteArray("\x02No"));
    m.w->newSheet();
    cancelled(m)->setChecked(true);
    m.w->first();
    EXPECT_FALSE(cancelled(m)->isChecked());
}

// Neither word: unticked, never the state of the sheet shown before.
TEST(MemberWindowFlag, ForeignFlagLoadsUnticked) {
    MemberWindow m;
    QStringList v(members::MemberFieldCount, QString());
    v[members::Tesserato] = QStringLiteral("Estero");
    v[members::Annullata] = QStringLiteral("X");
    members::MemberArchive(m.h.ctx.folder).save(0, v);

    for (bool before : {true, false}) {
        cancelled(m)->setChecked(before);
        m.w->first();
        EXPECT_FALSE(cancelled(m)->isChecked());
    }
    // Saving it writes a proper flag.
    m.set(QStringLiteral("txtDataRil"), QStringLiteral("01/01/2026"));
    m.set(QStringLiteral("txtDataScade"), QStringLiteral("01/01/2027"));
    m.set(QStringLiteral("txtPreavviso"), QStringLiteral("0"));
    m.save();
    EXPECT_EQ(members::MemberArchive(m.h.ctx.folder).read(1)->values[members::Annullata],
              members::kNo);
}

TEST(MemberWindowFlag, DamagedRecordAmongGoodOnes) {
    MemberWindow m;
    members::MemberArchive archive(m.h.ctx.folder);
    QStringList v(members::MemberFieldCount, QString());
    v[members::Tesserato] = QStringLiteral("Buono Uno");
    v[members::Annullata] = members::kNo;
    archive.save(0, v);
    // Record 2: every length byte 255 and bytes that are not text; then half a record.
    member_fixture::appendRaw(m.h.ctx.folder, QByteArray(members::kMemberRecordLength, '\xFF'));
    v[members::Tesserato] = QStringLiteral("Buono Tre");
    archive.save(0, v);
    member_fixture::appendRaw(m.h.ctx.folder, QByteArray(1000, '\x07'));

    m.w->first();
    m.w->next();
    EXPECT_EQ(m.position(), QStringLiteral("2"));
    // Each field shows at most what its control accepts, never the next field's bytes.
    EXPECT_EQ(m.edit(QStringLiteral("txtDataRil"))->text().size(), 10);
    EXPECT_EQ(m.edit(QStringLiteral("txtSesso"))->text().size(), 1);
    m.w->next();
    EXPECT_EQ(m.edit(QStringLiteral("txtTesserato"))->text(), QStringLiteral("Buono Tre"));
    m.w->next(); // the half record is not a record
    EXPECT_EQ(m.position(), QStringLiteral("3"));
    m.w->last();
    EXPECT_EQ(m.position(), QStringLiteral("3"));
    EXPECT_TRUE(m.h.fake.messages.empty());

    // A record number that is not there any more: the access message, the window unchanged.
    EXPECT_FALSE(m.w->loadRecord(9));
    EXPECT_EQ(m.h.fake.lastMessage().kind, platform::MsgKind::Error);
    EXPECT_EQ(m.lastText(),
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                             "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                             "installazione del programma."));
    EXPECT_EQ(m.position(), QStringLiteral("3"));
}

// Typed text per field and what the field (and then the record) holds.
struct Typed {
    const char* control;
    const char* keys;
    const char* held;
};

std::vector<Typed> memberTyping(int i) {
    static const char* names[] = {"Rossi Mario", "Bianchi Anna Maria", "D'Angelo Lucia"};
    std::vector<Typed> t = {
        {"txtTesserato", names[i], names[i]},
        {"txtCarica", "Consigliere", "Consigliere"},
        {"txtNumTessera", "A-001", "A-001"},
        {"txtDataNasc", "12/05/1970", "12/05/1970"},
        {"txtComuneNasc", "Napoli", "Napoli"},
        {"txtProvNasc", "na", "NA"},
        {"txtSesso", "f", "F"},
        {"txtComuneRes", "Roma", "Roma"},
        {"txtProvRes", "xy", "XY"},
        {"txtCapRes", "00184", "00184"},
        {"txtIndirizzoRes", "Via Merulana 12", "Via Merulana 12"},
        {"txtTitoli", "123456789012345", "123456789012345"},
        {"txtTelCasa", "06 1234567", "06 1234567"},
        {"txtTelUff", "06 7654321", "06 7654321"},
        {"txtTelCel", "333 1234567", "333 1234567"},
        {"txtRecapito", "Ufficio", "Ufficio"},
        {"txtFax", "06 111", "06 111"},
        {"txtEmail", " socio@example.it ", "socio@example.it"},
        {"txtCodFisc", "rssmra70e12f839x", "RSSMRA70E12F839X"},
        {"txtCarta", "4111 1111-1111 1111", "4111111111111111"},
        {"txtScadeCarta", "12/29", "12/29"},
        {"txtPartitaIva", "0123456789012", "01234567890"},
        {"txtIban", "it60 x054 2811", "IT60X0542811"},
        {"txtIntestatario", "Rossi Mario", "Rossi Mario"},
        {"txtNote", "Socio fondatore, à è ì ò ù", "Socio fondatore, à è ì ò ù"},
    };
    return t;
}

TEST(MemberWindowRoundTrip, ThreeMembersTypedSavedAndReadBack) {
    MemberWindow m;
    m.w->show();
    m.w->activateWindow();
    QDate pick;
    m.h.fake.onModal = [&](QDialog& d) {
        child<QCalendarWidget>(&d, QStringLiteral("calAppuntamenti"))->setSelectedDate(pick);
        child<QPushButton>(&d, QStringLiteral("btnImportaData"))->click();
        return d.result();
    };
    for (int i = 0; i < 3; ++i) {
        m.w->newSheet();
        for (const Typed& t : memberTyping(i)) {
            QWidget* field = child<QWidget>(m.w.get(), QLatin1String(t.control));
            field->setFocus();
            type(field, QString::fromUtf8(t.keys));
        }
        QLineEdit* notice = m.edit(QStringLiteral("txtPreavviso"));
        press(notice, Qt::Key_Backspace);
        type(notice, QStringLiteral("3x0"));
        pick = QDate(2025, 1 + i, 5);
        press(m.edit(QStringLiteral("txtDataRil")), Qt::Key_Space, QStringLiteral(" "));
        pick = QDate(2026, 1 + i, 4);
        press(m.edit(QStringLiteral("txtDataScade")), Qt::Key_D, QStringLiteral("d"));
        m.save();
        EXPECT_EQ(m.position(), QString::number(i + 1));
    }
    EXPECT_EQ(QFile(m.h.path(QStringLiteral("Tesserati.pro"))).size(), 3 * 2764);
    EXPECT_EQ(m.h.fake.texts(),
              QStringList(3, QStringLiteral("La scheda corrente è stata inserita in archivio.")));

    members::MemberArchive archive(m.h.ctx.folder);
    for (int i = 0; i < 3; ++i) {
        const auto stored = archive.read(i + 1);
        ASSERT_TRUE(stored);
        m.w->newSheet();
        m.w->loadRecord(i + 1);
        for (const Typed& t : memberTyping(i)) {
            const int f = members::memberLayout().indexOf(QLatin1String(t.control).mid(3));
            EXPECT_EQ(stored->values[f], QString::fromUtf8(t.held)) << t.control;
            QWidget* field = child<QWidget>(m.w.get(), QLatin1String(t.control));
            const QString shown = qobject_cast<QComboBox*>(field)
                                      ? static_cast<QComboBox*>(field)->currentText()
                                      : static_cast<QLineEdit*>(field)->text();
            EXPECT_EQ(shown, QString::fromUtf8(t.held)) << t.control;
        }
        EXPECT_EQ(stored->values[members::Preavviso], QStringLiteral("30"));
        EXPECT_EQ(stored->values[members::DataRil], QStringLiteral("05/0%1/2025").arg(i + 1));
        EXPECT_EQ(stored->values[members::DataScade], QStringLiteral("04/0%1/2026").arg(i + 1));
        EXPECT_EQ(stored->values[members::Annullata], members::kNo);
    }
}

} // namespace

namespace {

TEST(MemberWindowLoad, StoredValuesLongerThanTheTypingLimitSurviveLoadAndSave) {
    MemberWindow m;
    QStringList v(members::MemberFieldCount, QString());
    v[members::Tesserato] = QStringLiteral("Verdi");
    v[members::DataRil] = QStringLiteral("01/01/2026");
    v[members::DataScade] = QStringLiteral("01/01/2027");
    v[members::Preavviso] = QStringLiteral("15");
    v[members::Annullata] = members::kNo;
    v[members::Titoli] = QStringLiteral("Quota ordinaria 2026 versata con bonifico");
    members::MemberArchive archive(m.h.ctx.folder);
    archive.save(0, v);

    m.w->first();
    EXPECT_EQ(m.edit(QStringLiteral("txtTitoli"))->text(), v[members::Titoli]);
    m.save();
    EXPECT_EQ(archive.read(1)->values, v);

    // A new sheet types within the limit again.
    m.w->newSheet();
    EXPECT_EQ(m.edit(QStringLiteral("txtTitoli"))->maxLength(), 15);
}

} // namespace
