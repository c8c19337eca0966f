// Spreadsheet files made to hurt the import, written by the tests and the memory driver that
// need them (never checked in: the long one is 50 MB, the bomb inflates to 500 MB).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <quazip.h>
#include <quazipfile.h>

#include <algorithm>

namespace hostile_sheets {

// One heading row of 60,000 columns, about 800 KB.
inline bool writeWideCsv(const QString& path) {
    QByteArray row;
    for (int c = 1; c <= 60000; ++c)
        row += "Colonna" + QByteArray::number(c) + ';';
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(row + "\r\n") == row.size() + 2 && f.flush();
}

// A million members, about 50 MB.
inline bool writeLongCsv(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QByteArray block = "Socio;Tessera n.;Rilascio;Scadenza tessera\r\n";
    for (int i = 1; i <= 1000000; ++i) {
        block += "Socio numero " + QByteArray::number(i) + ';' + QByteArray::number(i) +
                 ";01/01/2026;31/12/2026\r\n";
        if (block.size() > (1 << 20) || i == 1000000) {
            if (f.write(block) != block.size()) return false;
            block.clear();
        }
    }
    return f.flush();
}

namespace detail {
inline bool addPart(QuaZip& zip, const char* name, const QByteArray& head, qint64 blanks = 0,
                    const QByteArray& tail = {}) {
    QuaZipFile part(&zip);
    if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromLatin1(name)), nullptr, 0,
                   Z_DEFLATED, 9))
        return false;
    part.write(head);
    const QByteArray chunk(1 << 20, ' ');
    for (qint64 left = blanks; left > 0; left -= chunk.size())
        part.write(chunk.constData(), std::min<qint64>(left, chunk.size()));
    part.write(tail);
    part.close();
    return part.getZipError() == ZIP_OK;
}
} // namespace detail

// The start and end of a sheet part, for sheets written by a test.
inline const QByteArray kSheetStart =
    "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
    "2006/main\"><sheetData>";
inline const QByteArray kSheetEnd = "</sheetData></worksheet>";

// A well-formed workbook of one sheet: `head`, `blanks` blanks, then `tail`; the cell styles
// `styles` (the inside of a styleSheet) when given.
inline bool writeWorkbook(const QString& path, const QByteArray& head, qint64 blanks = 0,
                          const QByteArray& tail = kSheetEnd, const QByteArray& styles = {}) {
    const QByteArray ns = "http://schemas.openxmlformats.org/";
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate)) return false;
    const bool ok =
        detail::addPart(zip, "_rels/.rels",
                        "<?xml version=\"1.0\"?><Relationships xmlns=\"" + ns +
                            "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                            "officeDocument/2006/relationships/officeDocument\" "
                            "Target=\"xl/workbook.xml\"/></Relationships>") &&
        detail::addPart(zip, "xl/workbook.xml",
                        "<?xml version=\"1.0\"?><workbook xmlns=\"" + ns +
                            "spreadsheetml/2006/main\" xmlns:r=\"" + ns +
                            "officeDocument/2006/relationships\"><sheets><sheet name=\"Soci\" "
                            "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>") &&
        detail::addPart(zip, "xl/_rels/workbook.xml.rels",
                        "<?xml version=\"1.0\"?><Relationships xmlns=\"" + ns +
                            "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                            "officeDocument/2006/relationships/worksheet\" "
                            "Target=\"worksheets/sheet1.xml\"/>" +
                            (styles.isEmpty() ? QByteArray()
                                              : "<Relationship Id=\"rId2\" Type=\"" + ns +
                                                    "officeDocument/2006/relationships/styles\" "
                                                    "Target=\"styles.xml\"/>") +
                            "</Relationships>") &&
        (styles.isEmpty() ||
         detail::addPart(zip, "xl/styles.xml",
                         "<?xml version=\"1.0\"?><styleSheet xmlns=\"" + ns +
                             "spreadsheetml/2006/main\">" + styles + "</styleSheet>")) &&
        detail::addPart(zip, "xl/worksheets/sheet1.xml", head, blanks, tail);
    zip.close();
    return ok && zip.getZipError() == ZIP_OK;
}

// A "zip bomb" of about 500 KB: a well-formed workbook whose sheet holds 500 MB of blanks.
inline bool writeZipBomb(const QString& path) {
    return writeWorkbook(
        path, kSheetStart + "<row r=\"1\"><c t=\"inlineStr\"><is><t>Socio</t></is></c></row>",
        qint64(500) << 20);
}

} // namespace hostile_sheets
