#include "book/book_windows.h"
#include "book/frm_registro.h"
#include "book/page_record.h"
#include "book/registers.h"
#include "book_fixture.h"
#include "book_window_fixture.h"
#include "core/record_file.h"
#include "members/member_archive.h"
#include "platform/frm_allega_cartella.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace book;
using namespace book_test;
using platform::MsgKind;
using testing_support::child;

namespace {

struct Editor {
    testing_support::Harness h;
    TfrmRegistro w{h.ctx};
    Editor() { h.windows.add(&w); }

    // As the register list hands a register over.
    void open(const QString& fileName) {
        w.hide();
        child<QLabel>(&w, u"lblFile"_qs)->setText(h.path(fileName));
        child<QLabel>(&w, u"lblNome"_qs)->setText(registerDisplayName(fileName));
        w.show();
    }
    QLineEdit* edit(const QString& name) { return child<QLineEdit>(&w, name); }
    QString text(const QString& name) { return edit(name)->text(); }
    QString label(const char* name) { return child<QLabel>(&w, QLatin1String(name))->text(); }
    QString position() { return label("lblPosizione"); }
    // Types a page: every edit field of `page` (the dates too: the picker writes them).
    void fill(const PageValues& page) {
        for (int f = 0; f < kFirstAttachment; ++f)
            edit(controlName(f))->setText(page[f]);
        for (int f = kFirstAttachment; f < kPageFieldCount; ++f)
            child<QLabel>(&w, controlName(f))->setText(page[f]);
    }
    std::vector<PageValues> stored(const QString& fileName) {
        std::vector<PageValues> pages;
        QFile f(h.path(fileName));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(bytes.size() % kPageRecordLength, 0);
        for (qsizetype at = 0; at + kPageRecordLength <= bytes.size(); at += kPageRecordLength)
            pages.push_back(pageLayout().loadAll(bytes.constData() + at));
        return pages;
    }
};

// A page with a value in every field, each different.
PageValues fullPage(int n) {
    PageValues p = emptyPage();
    for (int f = 0; f < kPageFieldCount; ++f)
        p[f] = (QString::number(n) + u'-' + QString::number(f)).left(kPageFields[f].capacity);
    p[CodFisc] = u"97012340583"_qs;
    for (int r = 0; r < kRows; ++r) {
        p[rowField(r, CodFiscSocio)] = u"RSSMRA80A01H50"_qs + QString::number(n) + QChar(u'A' + r);
        p[rowField(r, Quota)] = QString::number(n) + u"5,00"_qs;
        for (RowField d : {DataNasc, DataAmm, DataUsc})
            p[rowField(r, d)] = u"0"_qs + QString::number(n) + u"/03/2026"_qs;
    }
    return p;
}

} // namespace

TEST(PageEditor, ACreatedRegisterOpensEmptyKeepingThePreviousHeading) {
    Editor e;
    writeRegister(
        e.h.dir.path(), u"Libro 2025.lib"_qs,
        {page({{A(Ordine), u"1"_qs}, {A(Socio), u"Rossi"_qs}, {Presidente, u"Neri"_qs}})});
    e.open(u"Libro 2025.lib"_qs);
    EXPECT_EQ(e.position(), "1");
    EXPECT_EQ(e.text(u"txtSocio_A"_qs), "Rossi");

    ASSERT_EQ(createRegister(e.h.dir.path(), u"Soci 2026"_qs), CreateResult::Created);
    e.open(u"Soci 2026.lib"_qs);
    EXPECT_EQ(e.label("lblNome"), "Soci 2026");
    EXPECT_EQ(e.position(), "");
    EXPECT_EQ(e.text(u"txtSocio_A"_qs), "");
    EXPECT_EQ(e.text(u"txtOrdine_A"_qs), "");
    EXPECT_EQ(e.text(u"txtPresidente"_qs), "Neri"); // the heading of the register shown before
    EXPECT_EQ(e.text(u"txtNumero"_qs), "7");
    EXPECT_EQ(QFile(e.h.path(u"Soci 2026.lib"_qs)).size(), 0);
    EXPECT_TRUE(e.h.fake.messages.empty());
}

TEST(PageEditor, SavesPagesFieldByFieldAndDuplicatesWithoutAttachments) {
    Editor e;
    ASSERT_EQ(createRegister(e.h.dir.path(), u"Soci 2026"_qs), CreateResult::Created);
    e.open(u"Soci 2026.lib"_qs);
    std::vector<PageValues> typed;
    for (int n = 1; n <= 3; ++n) {
        click(&e.w, "cmdNuovo");
        typed.push_back(fullPage(n));
        e.fill(typed.back());
        click(&e.w, "cmdSalva");
        EXPECT_EQ(e.position(), QString::number(n));
        EXPECT_EQ(e.h.fake.lastMessage().kind, MsgKind::Information);
        EXPECT_EQ(e.h.fake.lastMessage().text, "La scheda corrente è stata inserita in archivio.");
    }
    e.open(u"Soci 2026.lib"_qs); // reopens on the last page
    EXPECT_EQ(e.position(), "3");
    EXPECT_EQ(e.w.values(), typed[2]);

    click(&e.w, "cmdIndietro");
    EXPECT_EQ(e.position(), "2");
    click(&e.w, "cmdDuplica");
    EXPECT_EQ(e.h.fake.lastMessage().text,
              "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
              "termine premere Salva per inserire la scheda in archivio.");
    EXPECT_EQ(e.position(), "");
    EXPECT_EQ(e.label("lblFile01"), "");
    click(&e.w, "cmdSalva");
    EXPECT_EQ(e.position(), "4");

    PageValues copy = typed[1];
    for (int f = kFirstAttachment; f < kPageFieldCount; ++f)
        copy[f].clear();
    typed.push_back(copy);
    const std::vector<PageValues> pages = e.stored(u"Soci 2026.lib"_qs);
    ASSERT_EQ(pages.size(), 4u);
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (int f = 0; f < kPageFieldCount; ++f)
            EXPECT_EQ(pages[p][f], typed[p][f]) << "page " << p + 1 << " " << kPageFields[f].name;

    // Saving again overwrites the page shown.
    e.edit(u"txtMotivo_D"_qs)->setText(u"Trasferimento"_qs);
    click(&e.w, "cmdSalva");
    EXPECT_EQ(e.h.fake.lastMessage().text,
              "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    EXPECT_EQ(e.stored(u"Soci 2026.lib"_qs).size(), 4u);
    EXPECT_EQ(e.stored(u"Soci 2026.lib"_qs)[3][rowField(3, Motivo)], "Trasferimento");
}

TEST(PageEditor, NewKeepsTheHeadingAndDuplicateNeedsASavedPage) {
    Editor e;
    writeRegister(e.h.dir.path(), u"R.lib"_qs, {fullPage(1)});
    e.open(u"R.lib"_qs);
    click(&e.w, "cmdNuovo");
    EXPECT_EQ(e.position(), "");
    for (int f = 0; f < kPageFieldCount; ++f) {
        const QString shown =
            f < kFirstAttachment ? e.text(controlName(f)) : e.label(controlName(f).toLatin1());
        EXPECT_EQ(shown, f < HeadingFieldCount ? fullPage(1)[f] : QString()) << kPageFields[f].name;
    }
    EXPECT_EQ(e.w.focusWidget(), e.edit(u"txtOrdine_A"_qs));
    click(&e.w, "cmdDuplica");
    EXPECT_EQ(e.h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(e.h.fake.lastMessage().text,
              "Attenzione: la duplicazione di una scheda può avvenire "
              "soltanto dopo che questa è stata inserita in archivio.");
}

TEST(PageEditor, SaveRefusesAMissingFiscalCodeAndWritesNothing) {
    Editor e;
    ASSERT_EQ(createRegister(e.h.dir.path(), u"R"_qs), CreateResult::Created);
    e.open(u"R.lib"_qs);
    PageValues p = fullPage(1);
    p[CodFisc].clear();
    e.fill(p);
    click(&e.w, "cmdSalva");
    EXPECT_EQ(e.h.fake.texts(), QStringList{u"Attenzione: per salvare la scheda è necessario "
                                            u"indicare il codice fiscale dell'Associazione."_qs});
    EXPECT_EQ(e.h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(e.w.focusWidget(), e.edit(u"txtCodFisc"_qs));
    EXPECT_EQ(QFile(e.h.path(u"R.lib"_qs)).size(), 0);
}

TEST(PageEditor, ImportedMemberFillsRowBAndAFeeTooLongIsRefused) {
    Editor e;
    ASSERT_EQ(createRegister(e.h.dir.path(), u"R"_qs), CreateResult::Created);
    QStringList member(members::MemberFieldCount);
    member[members::Tesserato] = u"Bianchi Anna"_qs;
    member[members::ComuneNasc] = u"Napoli"_qs;
    member[members::DataNasc] = u"02/03/1990"_qs;
    member[members::CodFisc] = u"BNCNNA90C42F839X"_qs;
    member[members::IndirizzoRes] = u"Via Roma 1"_qs; // no postcode
    member[members::ComuneRes] = u"Roma"_qs;
    member[members::ProvRes] = u"RM"_qs;
    member[members::Recapito] = u"333 1234567"_qs;
    member[members::NumTessera] = u"T-9"_qs;
    member[members::DataRil] = u"10/01/2026"_qs;
    member[members::Titoli] = u"30,00 più 5,00 di iscrizione"_qs; // 28 characters
    member[members::Annullata] = members::kNo;
    ASSERT_TRUE(members::MemberArchive(e.h.dir.path()).save(0, member));

    e.open(u"R.lib"_qs);
    e.fill(page({{A(Ordine), u"1"_qs},
                 {A(Socio), u"Rossi"_qs},
                 {B(Ordine), u"2"_qs},
                 {B(Motivo), u"resta"_qs},
                 {B(Annotazioni), u"nota"_qs}}));
    QString mode;
    e.h.fake.onModal = [&](QDialog& d) {
        mode = child<QLabel>(&d, u"lblMemory"_qs)->text();
        doubleClick(&d, 0);
        return d.result();
    };
    click(&e.w, "impSocio_B");
    EXPECT_EQ(mode, "socio_b");
    const std::pair<const char*, const char*> expected[] = {
        {"txtSocio_B", "Bianchi Anna"},
        {"txtLuogoNasc_B", "Napoli"},
        {"txtDataNasc_B", "02/03/1990"},
        {"txtCodFisc_B", "BNCNNA90C42F839X"},
        {"txtIndirizzo_B", "Via Roma 1  Roma RM"},
        {"txtTelefono_B", "333 1234567"},
        {"txtTessera_B", "T-9"},
        {"txtDataAmm_B", "10/01/2026"},
        {"txtQuota_B", "30,00 più 5,00 di iscrizione"}, // shown whole
        {"txtOrdine_B", "2"},                           // left as they were
        {"txtMotivo_B", "resta"},
        {"txtAnnotazioni_B", "nota"},
        {"txtSocio_A", "Rossi"},
    };
    for (const auto& [control, text] : expected)
        EXPECT_EQ(e.text(QLatin1String(control)), QString::fromUtf8(text)) << control;

    click(&e.w, "cmdSalva");
    EXPECT_EQ(e.h.fake.texts(), QStringList{u"Attenzione: per salvare la scheda è necessario che "
                                            u"la quota sociale nella riga B non superi 15 "
                                            u"caratteri."_qs});
    EXPECT_EQ(e.w.focusWidget(), e.edit(u"txtQuota_B"_qs));
    EXPECT_EQ(QFile(e.h.path(u"R.lib"_qs)).size(), 0);

    e.edit(u"txtQuota_B"_qs)->setText(u"35,00"_qs);
    click(&e.w, "cmdSalva");
    ASSERT_EQ(e.stored(u"R.lib"_qs).size(), 1u);
    EXPECT_EQ(e.stored(u"R.lib"_qs)[0][B(Quota)], "35,00");
    EXPECT_EQ(e.stored(u"R.lib"_qs)[0][B(Indirizzo)], "Via Roma 1  Roma RM");
}

TEST(PageEditor, KeyRulesOfCodesFeesNamesAndDates) {
    Editor e;
    e.open(u"R.lib"_qs);
    struct Case {
        const char* control;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"txtCodFisc_A", "abc-1 x", "ABC1X"},
        {"txtCodFisc", "12.3a", "123A"},
        {"txtQuota_C", "12.50", "1250"},
        {"txtQuota_D", "12,50 €", "12,50"},
        {"txtSocio_B", "Rossi-Bianchi Maria", "Rossi-Bianchi Maria"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = e.edit(QLatin1String(c.control));
        testing_support::type(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.control;
    }
    QLineEdit* code = e.edit(u"txtCodFisc_A"_qs);
    testing_support::press(code, Qt::Key_Home); // dropped like every key not listed
    EXPECT_EQ(code->cursorPosition(), 5);
    testing_support::press(code, Qt::Key_Left);
    EXPECT_EQ(code->cursorPosition(), 4);

    testing_support::type(e.edit(u"txtSocio_A"_qs), QString(60, u'x'));
    EXPECT_EQ(e.text(u"txtSocio_A"_qs).size(), 50);

    // Date fields: Delete empties, any other key opens the picker in the field's mode.
    QStringList modes;
    e.h.fake.onModal = [&](QDialog& d) {
        modes << child<QLabel>(&d, u"lblMemory"_qs)->text();
        return int(QDialog::Rejected);
    };
    QLineEdit* admission = e.edit(u"txtDataAmm_B"_qs);
    admission->setText(u"01/01/2026"_qs);
    testing_support::press(admission, Qt::Key_Return);
    testing_support::type(e.edit(u"txtDataUsc_D"_qs), u"5"_qs);
    EXPECT_EQ(modes, (QStringList{u"dataamm_b"_qs, u"datausc_d"_qs}));
    EXPECT_EQ(admission->text(), "01/01/2026");
    testing_support::press(admission, Qt::Key_Delete);
    EXPECT_EQ(admission->text(), "");
}

TEST(PageEditor, PageListLoadsTheChosenPage) {
    Editor e;
    writeRegister(e.h.dir.path(), u"R.lib"_qs,
                  {page({{A(Ordine), u"1"_qs}, {A(Socio), u"Rossi"_qs}}),
                   page({{A(Ordine), u"2"_qs}, {A(Socio), u"Verdi"_qs}}),
                   page({{A(Ordine), u"3"_qs}, {A(Socio), u"Neri"_qs}})});
    e.open(u"R.lib"_qs);
    e.h.fake.onModal = [](QDialog& d) {
        EXPECT_EQ(child<QLabel>(&d, u"lblMemory"_qs)->text(), "registro");
        doubleClick(&d, 1);
        return d.result();
    };
    click(&e.w, "cmdTrova");
    EXPECT_EQ(e.h.fake.modalDialogs, QStringList{u"TfrmTrovaRegistro"_qs});
    EXPECT_EQ(e.position(), "2");
    EXPECT_EQ(e.text(u"txtSocio_A"_qs), "Verdi");
}

TEST(PageEditor, CheckAttachAndHelpOpenTheirWindows) {
    Editor e;
    e.open(u"R.lib"_qs);
    QString attachMode;
    e.h.fake.onModal = [&](QDialog& d) {
        if (auto* attach = qobject_cast<platform::TfrmAllegaCartella*>(&d))
            attachMode = attach->mode();
        return int(QDialog::Rejected);
    };
    e.edit(u"txtCodFisc"_qs)->setText(u"97012340583"_qs);
    click(&e.w, "btnCodFisc");
    e.edit(u"txtCodFisc"_qs)->setText(u"RSSMRA80A01H501U"_qs);
    click(&e.w, "btnCodFisc");
    click(&e.w, "cmdFile");
    EXPECT_EQ(e.h.fake.modalDialogs,
              (QStringList{u"TfrmPartitaIva"_qs, u"TfrmCodFisc"_qs, u"TfrmAllegaCartella"_qs}));
    EXPECT_EQ(attachMode, "registro");
    click(&e.w, "cmdGuida");
    ASSERT_EQ(e.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(e.h.fake.helpTopics[0].title, "Applicazione Compilazione Libro Soci.");
}

TEST(PageEditor, StatusLineDescribesTheControlUnderThePointer) {
    Editor e;
    e.open(u"R.lib"_qs);
    QLabel* info = child<QLabel>(&e.w, u"panInfo"_qs);
    EXPECT_EQ(info->text(), "Pronto per archiviare una nuova scheda...");
    const std::pair<const char*, const char*> hints[] = {
        {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i "
                       "dati correnti."},
        {"cmdFile", "Allega file alla scheda corrente."},
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"impSocio_C", "Importa i dati dall'archivio anagrafico dei soci."},
        {"txtDataNasc_D", "Fai clic su questo campo e premi un tasto qualsiasi per importare una "
                          "data dal calendario."},
    };
    for (const auto& [control, hint] : hints) {
        QWidget* w = child<QWidget>(&e.w, QLatin1String(control));
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QApplication::sendEvent(w, &enter);
        EXPECT_EQ(info->text(), QString::fromUtf8(hint)) << control;
        QApplication::sendEvent(w, &leave);
        EXPECT_EQ(info->text(), "") << control;
    }
}

TEST(PageEditor, PrintAndPreviewTakeTheFieldsAsTheyStandWhenPressed) {
    Editor e;
    writeRegister(e.h.dir.path(), u"R.lib"_qs,
                  {page({{A(Ordine), u"1"_qs}, {A(Socio), u"Rossi"_qs}})});
    e.open(u"R.lib"_qs);
    e.h.fake.pdfPath = e.h.path(u"pagina.pdf"_qs);
    QStringList prompts;
    e.h.fake.onModal = [&](QDialog& d) {
        prompts << d.objectName() + u'|' + d.windowTitle();
        // Edited after the window opened, before the button: the print shows it.
        e.edit(u"txtSocio_A"_qs)->setText(u"Rossi Maria"_qs);
        click(&d, d.objectName() == u"TfrmStampaRegistro" ? "btnStampa" : "btnAnteprima");
        return d.result();
    };
    click(&e.w, "cmdStampa");
    const QString printed = pdfText(e.h.fake.pdfPath);
    click(&e.w, "cmdNuovo");
    click(&e.w, "cmdAnteprima");
    EXPECT_EQ(prompts, (QStringList{u"TfrmStampaRegistro| Stampa scheda"_qs,
                                    u"TfrmAnteprimaRegistro| Anteprima di stampa"_qs}));
    ASSERT_EQ(e.h.fake.printCalls.size(), 2u);
    EXPECT_FALSE(e.h.fake.printCalls[0].preview);
    EXPECT_TRUE(e.h.fake.printCalls[1].preview);
    for (const auto& call : e.h.fake.printCalls)
        EXPECT_EQ(call.layout.orientation(), QPageLayout::Landscape);
    if (printed.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    EXPECT_TRUE(printed.contains(u"Rossi Maria"_qs));
    EXPECT_TRUE(printed.contains(u"Pag. 1"_qs));
    EXPECT_FALSE(pdfText(e.h.fake.pdfPath).contains(u"Pag. 1"_qs)); // a new page has no number
    EXPECT_TRUE(e.h.fake.messages.empty());
}
