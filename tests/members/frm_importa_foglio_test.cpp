// The import window on the fake desktop: opened from the member window, its column matches and
// preview, the one import of the accepted rows, and files that cannot be imported.
#include "members/frm_importa_foglio.h"
#include "members/member_archive.h"

#include "files.h"
#include "member_fixture.h"
#include "member_window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace members;
using member_fixture::addMember;
using members_test::child;
using platform::Answer;
using platform::MsgKind;

namespace {

QString writeSheet(const testing_support::Harness& h, const QString& name, const QString& text) {
    const QString path = h.dir.filePath(u"fogli_"_qs + name);
    testing_support::writeFile(path, text.toUtf8());
    return path;
}

// The preview as text: one line per row, its cells joined with "|".
QStringList preview(QWidget* w) {
    auto* model = child<QTableView>(w, u"grdAnteprima"_qs)->model();
    QStringList lines;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        lines << cells.join(u'|');
    }
    return lines;
}

QStringList previewHeader(QWidget* w) {
    auto* model = child<QTableView>(w, u"grdAnteprima"_qs)->model();
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c)
        out << model->headerData(c, Qt::Horizontal).toString();
    return out;
}

QComboBox* fieldOfColumn(QWidget* w, int column) {
    return qobject_cast<QComboBox*>(
        child<QTableWidget>(w, u"grdColonne"_qs)->cellWidget(column, 1));
}

void click(QWidget* w, const QString& name) {
    child<QPushButton>(w, name)->click();
}

} // namespace

TEST(FrmImportaFoglio, PreviewThenOneImportOfTheGoodRowsOnly) {
    members_test::MemberWindow m;
    auto& h = m.h;
    addMember(h.dir.path(), {{Tesserato, u"Rossi Mario"_qs}, {NumTessera, u"1"_qs}});
    const QString file =
        writeSheet(h, u"soci.csv"_qs,
                   u"Cognome e nome;Tessera n.;Data rilascio;Data scadenza;Carica\r\n"
                   u"Verdi Anna;2;01/01/2026;31/12/2026;Segretaria\r\n"
                   u"Neri Paolo;3;31/04/2026;31/12/2026;\r\n"
                   u"Rossi Mario;1;01/01/2026;31/12/2026;\r\n"
                   u"Bianchi Lucia;4;01/01/2026;31/12/2026;"_qs +
                       QString(51, u'c') + u"\r\n"_qs);

    QStringList before, after;
    bool enabledBefore = false, enabledAfter = true;
    h.fake.fileAnswers = {file};
    h.fake.onModal = [&](QDialog& d) {
        EXPECT_EQ(d.objectName(), u"TfrmImportaFoglio"_qs);
        EXPECT_EQ(d.windowTitle(), u" Quorvix 5.0 - Importazione soci da foglio di calcolo"_qs);
        click(&d, u"btnSfoglia"_qs);
        before = preview(&d);
        enabledBefore = child<QPushButton>(&d, u"btnImporta"_qs)->isEnabled();
        click(&d, u"btnImporta"_qs);
        after = preview(&d);
        enabledAfter = child<QPushButton>(&d, u"btnImporta"_qs)->isEnabled();
        return int(QDialog::Accepted);
    };
    auto* command = child<QToolButton>(m.w.get(), u"cmdImportaFoglio"_qs);
    EXPECT_EQ(command->toolTip(), u"Importa in archivio le schede dei soci da un foglio di calcolo "
                                  u"(CSV, XLSX o XLS)."_qs);
    command->click();

    ASSERT_EQ(h.fake.modalDialogs, QStringList{u"TfrmImportaFoglio"_qs});
    const QString badDate = u"La data di rilascio della tessera 31/04/2026 non esiste. Per poter "
                            u"salvare la scheda è necessario indicare una data valida nel formato "
                            u"gg/mm/aaaa."_qs;
    const QStringList want = {
        u"2|Verdi Anna|Segretaria|2|01/01/2026|31/12/2026|OK"_qs,
        u"3|Neri Paolo||3|31/04/2026|31/12/2026|"_qs + badDate,
        u"4|Rossi Mario||1|01/01/2026|31/12/2026|Già presente in archivio (scheda n. 1)."_qs,
        u"5|Bianchi Lucia|"_qs + QString(51, u'c') +
            u"|4|01/01/2026|31/12/2026|Il campo \"Carica ricoperta\" accetta al massimo 50 "
            u"caratteri: il valore ne ha 51."_qs,
    };
    EXPECT_EQ(before, want);
    EXPECT_TRUE(enabledBefore);

    // One question, one import of the good row, one message.
    ASSERT_EQ(h.fake.messages.size(), 2u);
    EXPECT_EQ(h.fake.messages[0].kind, MsgKind::Question);
    EXPECT_EQ(h.fake.messages[0].text, importQuestion(1, 3));
    EXPECT_EQ(h.fake.messages[1].kind, MsgKind::Information);
    EXPECT_EQ(h.fake.messages[1].text,
              u"Importazione completata: 1 socio è stato importato in archivio.\n\r\n\r"
              u"3 righe del foglio sono state escluse."_qs);
    MemberArchive archive(h.dir.path());
    ASSERT_EQ(archive.count(), 2);
    EXPECT_EQ(archive.read(2)->values,
              member_fixture::memberValues({{Tesserato, u"Verdi Anna"_qs},
                                            {Carica, u"Segretaria"_qs},
                                            {NumTessera, u"2"_qs},
                                            {DataRil, u"01/01/2026"_qs},
                                            {DataScade, u"31/12/2026"_qs}}));
    // The imported row now shows as present, and cannot be imported twice.
    EXPECT_EQ(after[0], u"2|Verdi Anna|Segretaria|2|01/01/2026|31/12/2026|Già presente in "
                        u"archivio (scheda n. 2)."_qs);
    EXPECT_FALSE(enabledAfter);
}

TEST(FrmImportaFoglio, ChangingAColumnsFieldChecksAgain) {
    testing_support::Harness h;
    TfrmImportaFoglio w(h.ctx, nullptr);
    ASSERT_TRUE(w.openSheet(writeSheet(h, u"a.csv"_qs,
                                       u"Socio,Telefonino,Rilascio,Scadenza tessera\n"
                                       u"Verdi Anna,333 1234567,01/01/2026,31/12/2026\n"_qs)));
    EXPECT_EQ(fieldOfColumn(&w, 0)->currentText(), u"Cognome e nome Socio"_qs);
    EXPECT_EQ(fieldOfColumn(&w, 1)->currentText(), u"(ignora)"_qs);
    EXPECT_EQ(previewHeader(&w),
              (QStringList{u"Riga"_qs, u"Cognome e nome Socio"_qs, u"Tessera n."_qs,
                           u"Data rilascio"_qs, u"Data scadenza"_qs, u"Esito"_qs}));

    fieldOfColumn(&w, 1)->setCurrentText(u"Tel. cellulare"_qs);
    EXPECT_EQ(previewHeader(&w).at(5), u"Tel. cellulare"_qs);
    EXPECT_EQ(w.plan().rows.at(0).values[TelCel], u"333 1234567"_qs);
    EXPECT_TRUE(child<QPushButton>(&w, u"btnImporta"_qs)->isEnabled());

    fieldOfColumn(&w, 0)->setCurrentText(u"(ignora)"_qs);
    EXPECT_EQ(w.plan().rows.at(0).result,
              u"Per salvare la scheda è necessario indicare il nome del tesserato."_qs);
    EXPECT_FALSE(child<QPushButton>(&w, u"btnImporta"_qs)->isEnabled());
}

TEST(FrmImportaFoglio, NothingHappensWithoutAGoodFileOrAYes) {
    testing_support::Harness h;
    TfrmImportaFoglio w(h.ctx, nullptr);
    const QString good = writeSheet(h, u"a.csv"_qs,
                                    u"Socio;Rilascio;Scadenza tessera\n"
                                    u"Verdi Anna;01/01/2026;31/12/2026\n"_qs);
    ASSERT_TRUE(w.openSheet(good));

    // Cancelling the file dialog, and a file that is no sheet, leave the window as it was.
    h.fake.fileAnswers = {QString()};
    click(&w, u"btnSfoglia"_qs);
    EXPECT_TRUE(h.fake.messages.empty());
    const QString bad = h.dir.filePath(u"foto.xlsx"_qs);
    testing_support::writeFile(bad, "PK\x03\x04 non un foglio");
    h.fake.fileAnswers = {bad};
    click(&w, u"btnSfoglia"_qs);
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(h.fake.lastMessage().text,
              sheetProblem(sheets::SheetFile::failed(sheets::SheetError::NotASheet)).text);
    EXPECT_EQ(child<QLineEdit>(&w, u"txtFile"_qs)->text(), good);
    EXPECT_EQ(preview(&w).size(), 1);

    // "No" to the question writes nothing.
    h.fake.answers = {Answer::No};
    click(&w, u"btnImporta"_qs);
    EXPECT_EQ(h.fake.messages.size(), 2u);
    EXPECT_FALSE(QFile::exists(h.path(kMemberFileName)));
}
