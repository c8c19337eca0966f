#include "deadline_fixture.h"
#include "deadlines/deadline_record.h"
#include "deadlines/frm_scadenzario.h"
#include "fake_platform.h"
#include "files.h"
#include "keys.h"
#include "members/member_archive.h"
#include "platform/text_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace deadlines;
using platform::MsgKind;
using testing_support::child;
using testing_support::fileBytes;
using testing_support::press;
using testing_support::type;

const QString kNeeded =
    QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");
const QString kValid = QStringLiteral(
    "\n\r\n\rPer poter salvare la scheda \u00e8 necessario indicare una data valida.");
const QString kAppended = QStringLiteral("La scheda corrente \u00e8 stata salvata in archivio.");
const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// The deadline window with a year opened on the record panel.
struct RecordPanel {
    testing_support::Harness h;
    TfrmScadenzario w{h.ctx};

    explicit RecordPanel(const char* year = "2026") {
        h.windows.add(&w);
        w.show();
        open(year);
    }
    void open(const char* year) {
        w.close();
        w.show();
        edit("txtAnno")->setText(QLatin1String(year));
        child<QPushButton>(&w, "btnApri")->click();
    }
    QLineEdit* edit(const char* name) const {
        return child<QLineEdit>(const_cast<TfrmScadenzario*>(&w), name);
    }
    QComboBox* combo(const char* name) const {
        return child<QComboBox>(const_cast<TfrmScadenzario*>(&w), name);
    }
    QCheckBox* check(const char* name) const {
        return child<QCheckBox>(const_cast<TfrmScadenzario*>(&w), name);
    }
    QString label(const char* name) const {
        return child<QLabel>(const_cast<TfrmScadenzario*>(&w), name)->text();
    }
    void pick(const char* name, const QString& item) const {
        QComboBox* c = combo(name);
        c->setCurrentIndex(c->findText(item));
        ASSERT_EQ(c->currentText(), item);
    }
    void click(const char* name) { child<QToolButton>(&w, name)->click(); }
    QString focus() const { return w.focusWidget() ? w.focusWidget()->objectName() : QString(); }
    QString lastText() const {
        return h.fake.messages.empty() ? QString() : h.fake.lastMessage().text;
    }
    QString file() const { return h.path(QStringLiteral("%1.sca").arg(w.year())); }

    void fillValid(const char* day = "15", const char* month = "Marzo") {
        pick("txtGiorno", QLatin1String(day));
        pick("txtMese", QLatin1String(month));
        pick("txtOreApp", "09");
        pick("txtMinutiApp", "30");
        edit("txtAvviso")->setText("5");
        edit("txtPagatore")->setText("Rossi Anna");
        edit("txtBeneficiario")->setText("Circolo Aurora");
        edit("txtDettagli")->setText("Quota annuale");
    }
};

TEST(ScadenzarioRecord, OpeningAYearShowsANewSheet) {
    RecordPanel r;
    EXPECT_EQ(r.label("lblAnno"), "2026");
    EXPECT_EQ(r.combo("txtGiorno")->currentText(), "");
    EXPECT_EQ(r.combo("txtMese")->currentText(), "");
    EXPECT_EQ(r.combo("txtOreApp")->currentText(), "00");
    EXPECT_EQ(r.combo("txtMinutiApp")->currentText(), "00");
    EXPECT_EQ(r.edit("txtCosto")->text(), "0,00");
    EXPECT_EQ(r.label("lblPosizione"), "");
    EXPECT_EQ(r.focus(), "txtGiorno");
    EXPECT_EQ(r.combo("txtGiorno")->count(), 31);
    EXPECT_EQ(r.combo("txtMinutiApp")->count(), 60);
    EXPECT_EQ(r.edit("txtDettagli")->maxLength(), 250);
}

TEST(ScadenzarioRecord, SaveChecksInOrderThenAppends) {
    RecordPanel r;
    r.combo("txtOreApp")->setCurrentIndex(-1);
    r.combo("txtMinutiApp")->setCurrentIndex(-1);
    struct Step {
        std::function<void()> fix;
        MsgKind kind;
        QString text;
        const char* focus;
    };
    const Step steps[] = {
        {[] {}, MsgKind::Warning, kNeeded + "il giorno della scadenza.", "txtGiorno"},
        {[&] { r.pick("txtGiorno", "31"); }, MsgKind::Warning, kNeeded + "il mese della scadenza.",
         "txtMese"},
        {[&] { r.pick("txtMese", "Aprile"); }, MsgKind::Warning,
         kNeeded + "l'ora dell'appuntamento.", "txtOreApp"},
        {[&] { r.pick("txtOreApp", "09"); }, MsgKind::Warning,
         kNeeded + "i minuti dell'ora dell'appuntamento.", "txtMinutiApp"},
        {[&] { r.pick("txtMinutiApp", "30"); }, MsgKind::Warning,
         kNeeded + "i giorni di preavviso.", "txtAvviso"},
        {[&] { r.edit("txtAvviso")->setText("5"); }, MsgKind::Warning,
         kNeeded + "il nome del Pagatore.", "txtPagatore"},
        {[&] { r.edit("txtPagatore")->setText("  Rossi Anna "); }, MsgKind::Warning,
         kNeeded + "il nome del Beneficiario.", "txtBeneficiario"},
        {[&] { r.edit("txtBeneficiario")->setText("Circolo Aurora"); }, MsgKind::Warning,
         kNeeded + "la causale della scadenza.", "txtDettagli"},
        {[&] { r.edit("txtDettagli")->setText("Quota annuale"); }, MsgKind::Plain,
         "Attenzione: la data 31/04/2026 non esiste." + kValid, "txtGiorno"},
    };
    for (const Step& s : steps) {
        s.fix();
        r.w.save();
        ASSERT_FALSE(r.h.fake.messages.empty());
        EXPECT_EQ(r.h.fake.lastMessage().kind, s.kind) << s.text.toStdString();
        EXPECT_EQ(r.lastText(), s.text);
        EXPECT_EQ(r.focus(), s.focus) << s.text.toStdString();
        EXPECT_EQ(fileBytes(r.file()).size(), 0) << "nothing written";
    }
    r.pick("txtGiorno", "30");
    r.w.save();
    EXPECT_EQ(r.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(r.lastText(), kAppended);
    EXPECT_EQ(r.label("lblPosizione"), "1");
    EXPECT_EQ(r.label("lblData"), "30/04/2026");
    EXPECT_EQ(r.label("lblOra"), "09:30");
}

TEST(ScadenzarioRecord, TwentyNinthOfFebruaryByLeapYear) {
    for (const char* year : {"2024", "2026"}) {
        RecordPanel r(year);
        r.fillValid("29", "Febbraio");
        r.w.save();
        if (QLatin1String(year) == QLatin1String("2024")) {
            EXPECT_EQ(r.lastText(), kAppended);
            EXPECT_EQ(r.label("lblData"), "29/02/2024");
        } else {
            EXPECT_EQ(r.lastText(), "Attenzione: la data 29/02/2026 non esiste." + kValid);
            EXPECT_EQ(r.label("lblPosizione"), "");
        }
    }
}

TEST(ScadenzarioRecord, YearZeroOpensButCannotSave) {
    RecordPanel r("0000");
    EXPECT_EQ(r.w.yearFile(), r.h.path("0000.sca"));
    r.fillValid();
    r.w.save();
    EXPECT_EQ(r.h.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(r.lastText(), "Attenzione: la data 15/03/0000 non esiste." + kValid);
    EXPECT_FALSE(QFile::exists(r.h.path("0000.sca")));
}

TEST(ScadenzarioRecord, SavedRecordReadsBackAndSavingAgainOverwrites) {
    RecordPanel r;
    r.fillValid();
    r.edit("txtCodFisc")->setText("RSSNNA80A41H501X");
    r.edit("txtCosto")->setText("7");
    r.edit("txtNote")->setText("Caff\u00e8");
    r.check("chkDaConfermare")->setChecked(true);
    r.w.save();
    ASSERT_EQ(r.lastText(), kAppended);

    QStringList expected = deadline_tests::deadline("15/03/2026", "5");
    expected[CodFisc] = "RSSNNA80A41H501X";
    expected[Costo] = "7,00"; // normalised although the field never lost the focus
    expected[Note] = "Caff\u00e8";
    expected[DaConfermare] = kYes;
    const auto stored = deadline_tests::yearArchive(r.h.ctx.folder, 2026).read(1);
    ASSERT_TRUE(stored);
    for (int f = 0; f < DeadlineFieldCount; ++f)
        EXPECT_EQ((*stored)[f], expected[f]) << kDeadlineFields[f].name;
    EXPECT_EQ(fileBytes(r.file()).mid(1362, 6), QByteArray("\x02\x53\xEC\x02\x4E\x6F", 6));

    r.edit("txtPagatore")->setText("Bianchi Luca");
    r.check("chkDaConfermare")->setChecked(false);
    r.w.save();
    EXPECT_EQ(r.lastText(), kOverwritten);
    EXPECT_EQ(r.label("lblPosizione"), "1");
    EXPECT_EQ(fileBytes(r.file()).size(), kDeadlineRecordLength);
    EXPECT_EQ(deadline_tests::yearArchive(r.h.ctx.folder, 2026).read(1)->at(Pagatore),
              "Bianchi Luca");
    EXPECT_EQ(fileBytes(r.file()).mid(1362, 3), QByteArray("\x02\x4E\x6F", 3));
}

TEST(ScadenzarioRecord, AmountNormalisedOnLeavingAndTooLongAmountRefused) {
    RecordPanel r;
    QLineEdit* costo = r.edit("txtCosto");
    costo->clear();
    type(costo, "1a2-,5x");
    EXPECT_EQ(costo->text(), "12,5");
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(costo, &out);
    EXPECT_EQ(costo->text(), "12,50");

    r.fillValid();
    r.w.save();
    const QByteArray before = fileBytes(r.file());
    costo->setText("1234567890123,5"); // fifteen characters, sixteen once normalised
    r.w.save();
    EXPECT_EQ(r.h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_TRUE(r.lastText().contains("Importo in euro"));
    EXPECT_TRUE(r.lastText().startsWith("Attenzione: "));
    EXPECT_EQ(r.focus(), "txtCosto");
    EXPECT_EQ(costo->text(), "1234567890123,50"); // shown whole, not cut
    EXPECT_EQ(fileBytes(r.file()), before);
}

TEST(ScadenzarioRecord, DuplicateKeepsTheSheetButDateAndTime) {
    RecordPanel r;
    r.w.duplicate();
    EXPECT_EQ(r.h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(r.lastText(), "Attenzione: la duplicazione di una scheda pu\u00f2 avvenire soltanto "
                            "dopo che questa \u00e8 stata inserita in archivio.");

    r.fillValid();
    r.edit("txtCosto")->setText("99,50");
    r.check("chkDaConfermare")->setChecked(true);
    r.check("chkEffettuata")->setChecked(true);
    r.w.save();
    r.w.duplicate();
    EXPECT_EQ(r.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(r.lastText(), "E' ora possibile apportare le proprie modifiche alla scheda "
                            "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in "
                            "archivio.");
    EXPECT_EQ(r.label("lblPosizione"), "");
    EXPECT_EQ(r.combo("txtGiorno")->currentText(), "");
    EXPECT_EQ(r.combo("txtMese")->currentText(), "");
    EXPECT_EQ(r.combo("txtOreApp")->currentText(), "00");
    EXPECT_EQ(r.combo("txtMinutiApp")->currentText(), "00");
    EXPECT_EQ(r.focus(), "txtGiorno");
    EXPECT_EQ(r.edit("txtPagatore")->text(), "Rossi Anna");
    EXPECT_EQ(r.edit("txtBeneficiario")->text(), "Circolo Aurora");
    EXPECT_EQ(r.edit("txtDettagli")->text(), "Quota annuale");
    EXPECT_EQ(r.edit("txtCosto")->text(), "99,50");
    EXPECT_TRUE(r.check("chkDaConfermare")->isChecked());
    EXPECT_TRUE(r.check("chkEffettuata")->isChecked());

    r.pick("txtGiorno", "15");
    r.pick("txtMese", "Aprile");
    r.w.save();
    EXPECT_EQ(r.lastText(), kAppended);
    EXPECT_EQ(r.label("lblPosizione"), "2");
    const auto copy = deadline_tests::yearArchive(r.h.ctx.folder, 2026).read(2);
    EXPECT_EQ(copy->at(Data), "15/04/2026");
    EXPECT_EQ(copy->at(Ora), "00:00");
    EXPECT_EQ(copy->at(Costo), "99,50");
}

TEST(ScadenzarioRecord, NavigationLoadsWholeRecords) {
    RecordPanel r;
    r.w.first();
    EXPECT_EQ(r.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(r.lastText(), "L'archivio non contiene nessuna scheda.");

    const auto archive = deadline_tests::yearArchive(r.h.ctx.folder, 2026);
    QStringList one = deadline_tests::deadline("10/03/2026", "5", "08", "15");
    one[Effettuata] = kYes;
    QStringList two = deadline_tests::deadline("20/12/2026", "0", "17", "45");
    two[Pagatore] = "Verdi Carlo";
    ASSERT_TRUE(archive.save(0, one));
    ASSERT_TRUE(archive.save(0, two));

    r.w.next(); // from a new sheet: record 1
    EXPECT_EQ(r.label("lblPosizione"), "1");
    EXPECT_EQ(r.combo("txtGiorno")->currentText(), "10");
    EXPECT_EQ(r.combo("txtMese")->currentText(), "Marzo");
    EXPECT_EQ(r.combo("txtOreApp")->currentText(), "08");
    EXPECT_EQ(r.combo("txtMinutiApp")->currentText(), "15");
    EXPECT_EQ(r.label("lblData"), "10/03/2026");
    EXPECT_EQ(r.label("lblOra"), "08:15");
    EXPECT_TRUE(r.check("chkEffettuata")->isChecked());
    r.w.last();
    EXPECT_EQ(r.label("lblPosizione"), "2");
    EXPECT_EQ(r.edit("txtPagatore")->text(), "Verdi Carlo");
    EXPECT_FALSE(r.check("chkEffettuata")->isChecked());
    EXPECT_EQ(r.w.values(), two);
    r.w.previous();
    EXPECT_EQ(r.combo("txtMese")->currentText(), "Marzo");

    r.click("cmdNuovo");
    EXPECT_EQ(r.label("lblPosizione"), "");
    EXPECT_EQ(r.label("lblAnno"), "2026");
    EXPECT_EQ(r.edit("txtPagatore")->text(), "");
    EXPECT_EQ(r.edit("txtCosto")->text(), "0,00");
}

// A record of another year kept in this year's file does not carry its year into New.
TEST(ScadenzarioRecord, NewKeepsTheOpenedYear) {
    RecordPanel r;
    ASSERT_TRUE(deadline_tests::yearArchive(r.h.ctx.folder, 2026)
                    .save(0, deadline_tests::deadline("10/03/2025", "5")));
    r.w.first();
    EXPECT_EQ(r.label("lblAnno"), "2025");
    r.click("cmdNuovo");
    EXPECT_EQ(r.label("lblAnno"), "2026");
    r.fillValid("15", "Dicembre");
    r.w.save();
    EXPECT_EQ(r.lastText(), kAppended);
    EXPECT_EQ(deadline_tests::yearArchive(r.h.ctx.folder, 2026).read(2)->at(Data), "15/12/2026");
}

TEST(ScadenzarioRecord, PayerImportFillsSixFields) {
    RecordPanel r;
    QStringList member(members::MemberFieldCount);
    member[members::Tesserato] = "Bianchi Ugo";
    member[members::CodFisc] = "BNCGUO80A01H501U";
    member[members::NumTessera] = "T-7";
    member[members::Carica] = "Tesoriere";
    member[members::TelCel] = "333 1234567";
    member[members::Recapito] = "06 7654321";
    member[members::Email] = "ugo@example.org";
    member[members::Annullata] = members::kNo;
    ASSERT_TRUE(members::MemberArchive(r.h.ctx.folder).save(0, member));

    r.pick("txtGiorno", "15");
    r.edit("txtCosto")->setText("10,00");
    r.check("chkEffettuata")->setChecked(true);
    QString mode;
    r.h.fake.onModal = [&](QDialog& d) {
        mode = child<QLabel>(&d, "lblMemory")->text();
        child<QPushButton>(&d, "btnCerca")->click();
        auto* list = child<platform::TextList>(&d, "lstRecords");
        list->selectRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
        return d.result();
    };
    r.click("impPag");
    EXPECT_EQ(mode, "scadenzario");
    EXPECT_EQ(r.edit("txtPagatore")->text(), "Bianchi Ugo");
    EXPECT_EQ(r.edit("txtCodFisc")->text(), "BNCGUO80A01H501U");
    EXPECT_EQ(r.edit("txtNumTessera")->text(), "T-7");
    EXPECT_EQ(r.edit("txtCarica")->text(), "Tesoriere");
    EXPECT_EQ(r.edit("txtTelCel")->text(), "333 1234567");
    EXPECT_EQ(r.edit("txtRecapito")->text(), "06 7654321");
    EXPECT_EQ(r.combo("txtGiorno")->currentText(), "15");
    EXPECT_EQ(r.edit("txtCosto")->text(), "10,00");
    EXPECT_TRUE(r.check("chkEffettuata")->isChecked());
    EXPECT_EQ(fileBytes(r.file()).size(), 0); // nothing saved
}

TEST(ScadenzarioRecord, CodeCheckOpensTheRightWindow) {
    struct {
        const char* code;
        const char* window;
    } cases[] = {{"12345678901", "TfrmPartitaIva"},
                 {"RSSNNA80A41H501X", "TfrmCodFisc"},
                 {"", "TfrmCodFisc"}};
    for (const auto& c : cases) {
        RecordPanel r;
        r.edit("txtCodFisc")->setText(c.code);
        r.click("btnCodFisc");
        EXPECT_EQ(r.h.fake.modalDialogs, QStringList{c.window}) << c.code;
    }
}

TEST(ScadenzarioRecord, KeyRules) {
    RecordPanel r;
    QComboBox* day = r.combo("txtGiorno");
    type(day, "1");
    EXPECT_EQ(day->currentText(), "") << "a drop-down box takes no typed characters";
    QLineEdit* avviso = r.edit("txtAvviso");
    type(avviso, "1x0-");
    EXPECT_EQ(avviso->text(), "10");
    QLineEdit* codFisc = r.edit("txtCodFisc");
    type(codFisc, " rss");
    EXPECT_EQ(codFisc->text(), "RSS");
}

TEST(ScadenzarioRecord, HelpAndCloseFromTheRecordPanel) {
    RecordPanel r;
    r.click("cmdGuida");
    ASSERT_EQ(r.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(r.h.fake.helpTopics[0].title, "Scadenzario pagamenti.");
    r.click("cmdEsci");
    EXPECT_TRUE(r.w.isHidden());
    EXPECT_EQ(r.w.windowTitle(), " Quorvix 5.0 - Scadenzario pagamenti");
    EXPECT_FALSE(child<QWidget>(&r.w, "panAvvio")->isHidden());
}

} // namespace
