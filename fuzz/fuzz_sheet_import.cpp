// The spreadsheet import readers over any bytes: CSV and HTML on the input itself; XLSX both on
// the input as a package and on a package built from it, so the XML readers get past the zip
// checks. Input split at NUL bytes gives the parts, in kParts order.
#include "sheets/sheet_read.h"

#include <QBuffer>

#include <quazip.h>
#include <quazipfile.h>

namespace {

const char* const kParts[] = {"xl/workbook.xml", "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                              "xl/styles.xml", "xl/_rels/workbook.xml.rels"};

const char kPackageRels[] =
    "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/"
    "2006/relationships\"><Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/"
    "officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
    "</Relationships>";

bool addPart(QuaZip& zip, const QString& name, const QByteArray& bytes) {
    QuaZipFile part(&zip);
    if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, 0)) return false;
    part.write(bytes);
    part.close();
    return part.getZipError() == ZIP_OK;
}

QByteArray packageOf(const QByteArray& data) {
    QByteArray package;
    QBuffer buffer(&package);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate)) return {};
    addPart(zip, QStringLiteral("_rels/.rels"), kPackageRels);
    const QList<QByteArray> parts = data.split('\0');
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(std::size(kParts)); ++i)
        addPart(zip, QString::fromLatin1(kParts[i]), parts[i]);
    zip.close();
    return package;
}

void readPackage(QByteArray package) {
    QBuffer device(&package);
    device.open(QIODevice::ReadOnly);
    sheets::readXlsx(device);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.startsWith("PK")) {
        readPackage(bytes);
        return 0;
    }
    sheets::readCsv(bytes);
    sheets::readHtmlSheet(bytes);
    readPackage(packageOf(bytes));
    return 0;
}
