// Reading the three sheet formats into rows of cells: CSV quoting, delimiters and encodings,
// XLSX workbooks written by two different writers, our own XLS export, and files that are no
// sheet at all.
#include "core/spreadsheet.h"
#include "core/win1252.h"
#include "sheets/sheet_read.h"

#include "files.h"
#include "hostile_sheets.h"
#include "qt_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using sheets::SheetError;
using sheets::SheetRows;

namespace {

QString fixture(const char* name) {
    return QDir(QStringLiteral(QUORVIX_TEST_DATA)).filePath(QString::fromLatin1(name));
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    testing_support::writeFile(path, bytes);
    return path;
}

} // namespace

TEST(SheetCsv, QuotingDelimitersAndLineEnds) {
    struct Case {
        const char* what;
        QByteArray bytes;
        SheetRows rows;
    };
    const Case cases[] = {
        {"semicolons, quoted delimiter, line break and doubled quotes",
         "Nome;Note\r\n\"Rossi; Mario\";\"prima\r\nseconda\"\r\n\"Bianchi \"\"Lu\"\"\";x\r\n",
         {{"Nome", "Note"}, {"Rossi; Mario", "prima\r\nseconda"}, {"Bianchi \"Lu\"", "x"}}},
        {"commas, LF ends, no final line end",
         "Nome,Citt\xc3\xa0\n\"Verdi, Anna\",Roma\nNeri,\"\"",
         {{"Nome", "Citt\u00e0"}, {"Verdi, Anna", "Roma"}, {"Neri", ""}}},
        {"tabs, with commas and semicolons inside cells",
         "Nome\tNote\nRossi\ta, b; c\n",
         {{"Nome", "Note"}, {"Rossi", "a, b; c"}}},
        {"semicolons when every cell also holds commas",
         "Cognome, nome;Via, civico\nRossi, Mario;Via Roma, 1\nBianchi, Lucia;Via Po, 2\n",
         {{"Cognome, nome", "Via, civico"},
          {"Rossi, Mario", "Via Roma, 1"},
          {"Bianchi, Lucia", "Via Po, 2"}}},
        {"a blank line keeps its place, empty cells stay",
         "A;B;C\n\n1;;3\n",
         {{"A", "B", "C"}, {}, {"1", "", "3"}}},
        {"a quote inside an unquoted cell is text; CR alone ends a line",
         "A;B\r5\" pollici;x\r",
         {{"A", "B"}, {"5\" pollici", "x"}}},
        {"an unterminated quote takes the rest of the file",
         "A;B\n\"aperta;x\ny\n",
         {{"A", "B"}, {"aperta;x\ny\n"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sheets::readCsv(c.bytes).rows, c.rows);
    }
}

TEST(SheetCsv, EncodingsWithAndWithoutByteOrderMark) {
    const QString name = QStringLiteral("Niccol\u00f2 D'Amico \u20ac");
    QByteArray utf16le("\xFF\xFE", 2);
    const QString text = u"Nome\n"_qs + name + u'\n';
    utf16le.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBFNome\n" + name.toUtf8() + '\n'},
        {"UTF-8 without a mark", "Nome\n" + name.toUtf8() + '\n'},
        {"Windows-1252", "Nome\n" + core::toWin1252(name) + '\n'},
        {"UTF-16 with its mark", utf16le},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SheetRows rows = sheets::readCsv(c.bytes).rows;
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0], QStringList{u"Nome"_qs}); // no mark left in the first heading
        EXPECT_EQ(rows[1], QStringList{name});
    }
}

TEST(SheetXlsx, WorkbooksFromTwoWriters) {
    struct Case {
        const char* file;
        SheetRows rows;
    };
    const Case cases[] = {
        // Shared strings, numbers and date cells under a custom date format.
        {"soci_libreoffice.xlsx",
         {{"Cognome", "Nome", "Tessera n.", "Data rilascio", "Data scadenza", "Data di nascita",
           "CAP", "Comune", "Provincia", "E-mail", "Quota sociale", "Tessera annullata"},
          {"Rossi", "Mario", "101", "15/01/2026", "31/12/2026", "05/03/1961", "100", "Roma", "RM",
           "mario.rossi@example.it", "25,5", "No"},
          {"Bianchi", "Lucia", "102", "01/02/2026", "31/01/2027", "29/02/1984", "40121", "Bologna",
           "BO", "lucia@example.it", "30", "No"},
          {"D'Amico", "Niccol\u00f2", "103", "10/03/2026", "10/03/2027", "", "20121", "Milano",
           "MI", "", "", "S\u00ec"}}},
        // Written by hand: inline and rich strings, a built-in date format, a boolean, a
        // formula's text, cells without references, a blank row, the first sheet not named
        // sheet1.xml.
        {"soci_a_mano.xlsx",
         {{"Cognome e nome Socio", "Tessera n.", "Data di rilascio", "Data di scadenza", "Nato il",
           "Cellulare", "Annullata", "Note"},
          {"Verdi Anna", "T-7", "01/01/2026", "31/12/2026", "27/03/1975", "3331234567", "No",
           "prima riga\nseconda riga"},
          {},
          {"Neri Paolo", "T-8", "01/02/2026", "31/01/2027", "", "", "S\u00ec"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const sheets::SheetFile sheet = sheets::readSheetFile(fixture(c.file));
        ASSERT_EQ(sheet.error, SheetError::None);
        EXPECT_EQ(sheet.rows, c.rows);
    }
}

// A number under a format with fixed decimals reads as the sheet shows it: rounded half up on
// the digits the workbook stores (a fee of 1.005 shows 1,01, where a double gives 1,00).
TEST(SheetXlsx, FixedDecimalsAreRoundedOnTheStoredDigits) {
    const struct {
        const char* value;
        int style; // 1: two decimals, 2: four, 3: built-in "0.00", 0: general
        const char* shown;
    } cases[] = {
        {"1.005", 1, "1,01"},
        {"2.675", 3, "2,68"},
        {"-1.005", 1, "-1,01"},
        {"25.5", 1, "25,50"},
        {"25", 1, "25,00"},
        {"9.995", 1, "10,00"},
        {"0.00015", 2, "0,0002"},
        {"12.34567", 2, "12,3457"},
        {"1.5E-3", 1, "0,00"}, // written with an exponent: the double's reading
        {"1234567890123456789", 1, "1234567890123456789"}, // a long code keeps its digits
        {"25.5", 0, "25,5"},
    };
    QByteArray sheet = hostile_sheets::kSheetStart;
    for (const auto& c : cases)
        sheet +=
            "<row><c s=\"" + QByteArray::number(c.style) + "\"><v>" + c.value + "</v></c></row>";
    const QByteArray styles =
        "<numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"#,##0.00 "
        "&quot;\xe2\x82\xac&quot;\"/>"
        "<numFmt numFmtId=\"165\" formatCode=\"0.0000\"/></numFmts>"
        "<cellXfs count=\"4\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
        "<xf numFmtId=\"2\"/></cellXfs>";
    QTemporaryDir dir;
    const QString path = dir.filePath(u"quote.xlsx"_qs);
    ASSERT_TRUE(hostile_sheets::writeWorkbook(path, sheet, 0, hostile_sheets::kSheetEnd, styles));
    const sheets::SheetFile read = sheets::readSheetFile(path);
    ASSERT_EQ(read.error, SheetError::None);
    ASSERT_EQ(read.rows.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(read.rows[i], QStringList{QString::fromUtf8(cases[i].shown)}) << cases[i].value;
}

TEST(SheetHtml, OurOwnExportReadsBack) {
    const core::SheetColumn columns[] = {{u"Nome"_qs, 100}, {u"Note"_qs, 100}};
    const std::vector<QStringList> data = {
        {u"Rossi & Figli <srl>"_qs, u"quota 25 \u20ac\ndue righe"_qs},
        {u"Bianchi"_qs, QString()},
    };
    const QByteArray xls = core::spreadsheetDocument(u"Foglio"_qs, columns, data);
    const sheets::SheetFile sheet = sheets::readHtmlSheet(xls);
    ASSERT_EQ(sheet.error, SheetError::None);
    const SheetRows want = {{"Nome", "Note"}, data[0], data[1]};
    EXPECT_EQ(sheet.rows, want);

    // A sheet written without escaping keeps a stray "<" and "&" as text.
    const auto raw = sheets::readHtmlSheet(
        "<html><body><table x:str><tr><td>A</td></tr><tr><td style=\"x\">Rossi <Mario> & c."
        "</td></tr></table></body></html>");
    ASSERT_EQ(raw.error, SheetError::None);
    EXPECT_EQ(raw.rows.at(1), QStringList{u"Rossi <Mario> & c."_qs});
}

TEST(SheetFile, FilesThatCannotBeImported) {
    QTemporaryDir dir;
    QFile lo(fixture("soci_libreoffice.xlsx"));
    ASSERT_TRUE(lo.open(QIODevice::ReadOnly));
    const QByteArray xlsx = lo.readAll();
    struct Case {
        const char* what;
        QString path;
        SheetError error;
    };
    const Case cases[] = {
        {"missing file", dir.filePath(u"manca.csv"_qs), SheetError::Unreadable},
        {"a folder", dir.path(), SheetError::Unreadable},
        {"an old binary workbook",
         writeFile(dir, u"vecchio.xls"_qs,
                   QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0", 11)),
         SheetError::NotASheet},
        {"a picture",
         writeFile(dir, u"foto.csv"_qs, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
         SheetError::NotASheet},
        {"a cut XLSX", writeFile(dir, u"rotto.xlsx"_qs, xlsx.left(xlsx.size() / 2)),
         SheetError::NotASheet},
        {"an HTML page without a table",
         writeFile(dir, u"pagina.xls"_qs, "<html><body><p>niente</p></body></html>"),
         SheetError::NotASheet},
        {"an empty file", writeFile(dir, u"vuoto.csv"_qs, {}), SheetError::Empty},
        {"blank lines and empty cells only", writeFile(dir, u"bianco.csv"_qs, "\r\n ; ;\r\n\r\n"),
         SheetError::Empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sheets::readSheetFile(c.path).error, c.error);
    }
}
