// Importing members from a generated XLSX workbook: reading it, checking every row and
// appending the accepted ones, beside a plain read of the same file.
// Run: build/bench/bench_sheet_import
#include "members/member_archive.h"
#include "members/sheet_import.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <quazip.h>
#include <quazipfile.h>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace members;

namespace {

const char* const kSurnames[] = {"Rossi", "Bianchi", "Verdi", "Neri",    "Colombo",
                                 "Ricci", "Marino",  "Greco", "De Luca", "D'Amico"};
const char* const kTowns[] = {"Roma RM",   "Milano MI",  "Napoli NA",
                              "Torino TO", "Bologna BO", "Città di Castello PG"};

QByteArray xmlText(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}

bool addPart(QuaZip& zip, const char* name, const QByteArray& bytes) {
    QuaZipFile part(&zip);
    if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromLatin1(name)))) return false;
    part.write(bytes);
    part.close();
    return part.getZipError() == ZIP_OK;
}

// A workbook as spreadsheet programs write one: shared strings, day serials under a date
// style, numbers; n members, built once.
QString workbook(int n) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> made;
    auto& dir = made[n];
    if (dir) return QDir(dir->path()).filePath(u"soci.xlsx"_qs);
    dir = std::make_unique<QTemporaryDir>();
    const QString path = QDir(dir->path()).filePath(u"soci.xlsx"_qs);

    QStringList shared;
    const auto s = [&](const QString& text) {
        shared << text;
        return QByteArray::number(shared.size() - 1);
    };
    const char* headings[] = {"Cognome",       "Nome",      "Tessera n.",    "Data rilascio",
                              "Data scadenza", "Nato il",   "Comune",        "CAP",
                              "E-mail",        "Cellulare", "Quota sociale", "Note"};
    QByteArray sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\""
                       "http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                       "<row r=\"1\">";
    for (const char* h : headings)
        sheet += "<c t=\"s\"><v>" + s(QString::fromUtf8(h)) + "</v></c>";
    sheet += "</row>";
    const qint64 base = QDate(1899, 12, 30).toJulianDay();
    for (int i = 0; i < n; ++i) {
        const qint64 issued = QDate(2026, 1, 1).addDays(i % 300).toJulianDay() - base;
        const qint64 born = QDate(1950, 1, 1).addDays(i % 20000).toJulianDay() - base;
        sheet += "<row r=\"" + QByteArray::number(i + 2) + "\">";
        sheet += "<c t=\"s\"><v>" + s(QString::fromUtf8(kSurnames[i % 10])) + "</v></c>";
        sheet += "<c t=\"s\"><v>" + s(u"Nome %1"_qs.arg(i)) + "</v></c>";
        sheet += "<c><v>" + QByteArray::number(i + 1) + "</v></c>";
        sheet += "<c s=\"1\"><v>" + QByteArray::number(issued) + "</v></c>";
        sheet += "<c s=\"1\"><v>" + QByteArray::number(issued + 364) + "</v></c>";
        sheet += "<c s=\"1\"><v>" + QByteArray::number(born) + "</v></c>";
        sheet += "<c t=\"s\"><v>" + s(QString::fromUtf8(kTowns[i % 6])) + "</v></c>";
        sheet += "<c><v>" + QByteArray::number(100 + i % 90000) + "</v></c>";
        sheet += "<c t=\"s\"><v>" + s(u"socio%1@esempio.it"_qs.arg(i)) + "</v></c>";
        sheet += "<c t=\"s\"><v>" + s(u"333 %1"_qs.arg(1000000 + i)) + "</v></c>";
        sheet += "<c><v>25.5</v></c>";
        sheet += "<c t=\"s\"><v>" + s(u"Quota versata in contanti il giorno del rinnovo"_qs) +
                 "</v></c></row>";
    }
    sheet += "</sheetData></worksheet>";
    QByteArray strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"http://schemas."
                         "openxmlformats.org/spreadsheetml/2006/main\">";
    for (const QString& t : shared)
        strings += "<si><t>" + xmlText(t) + "</t></si>";
    strings += "</sst>";

    QuaZip zip(path);
    zip.open(QuaZip::mdCreate);
    const QByteArray ns = "http://schemas.openxmlformats.org/";
    addPart(zip, "[Content_Types].xml",
            "<?xml version=\"1.0\"?><Types xmlns=\"" + ns + "package/2006/content-types\"/>");
    addPart(zip, "_rels/.rels",
            "<?xml version=\"1.0\"?><Relationships xmlns=\"" + ns +
                "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                "officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
                "</Relationships>");
    addPart(zip, "xl/workbook.xml",
            "<?xml version=\"1.0\"?><workbook xmlns=\"" + ns +
                "spreadsheetml/2006/main\" xmlns:r=\"" + ns +
                "officeDocument/2006/relationships\"><sheets><sheet name=\"Soci\" sheetId=\"1\" "
                "r:id=\"rId1\"/></sheets></workbook>");
    addPart(zip, "xl/_rels/workbook.xml.rels",
            "<?xml version=\"1.0\"?><Relationships xmlns=\"" + ns +
                "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                "officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
                "<Relationship Id=\"rId2\" Type=\"" +
                ns +
                "officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>"
                "<Relationship Id=\"rId3\" Type=\"" +
                ns +
                "officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
                "</Relationships>");
    addPart(zip, "xl/styles.xml",
            "<?xml version=\"1.0\"?><styleSheet xmlns=\"" + ns +
                "spreadsheetml/2006/main\"><cellXfs count=\"2\"><xf numFmtId=\"0\"/>"
                "<xf numFmtId=\"14\"/></cellXfs></styleSheet>");
    addPart(zip, "xl/sharedStrings.xml", strings);
    addPart(zip, "xl/worksheets/sheet1.xml", sheet);
    zip.close();
    return path;
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

void BM_ReadIntoMemory(benchmark::State& state) {
    const QString path = workbook(int(state.range(0)));
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadIntoMemory)->Apply(sizes);

void BM_ReadXlsx(benchmark::State& state) {
    const QString path = workbook(int(state.range(0)));
    for (auto _ : state) {
        const sheets::SheetFile sheet = sheets::readSheetFile(path);
        if (sheet.rows.size() != size_t(state.range(0)) + 1) state.SkipWithError("rows lost");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadXlsx)->Apply(sizes);

// What the import window does from the file to the archive: read, match, check against the
// archive, append every accepted row in one step.
void BM_ImportXlsx(benchmark::State& state) {
    const QString path = workbook(int(state.range(0)));
    QTemporaryDir folder;
    const QDate today(2026, 3, 15);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(MemberArchive(folder.path()).path());
        state.ResumeTiming();
        const sheets::SheetFile sheet = sheets::readSheetFile(path);
        const auto existing = archiveMemberKeys(folder.path());
        const ImportPlan plan =
            checkSheet(sheet.rows, matchColumns(sheet.rows[0]), *existing, today);
        if (plan.accepted != state.range(0)) state.SkipWithError("rows refused");
        if (!importAccepted(folder.path(), plan)) state.SkipWithError("import failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportXlsx)->Apply(sizes);

// An HTML sheet of 5 MB whose cells are runs of one character that opens markup and never
// closes it: "<" (a tag) or "&" (an entity). The argument is the size in bytes.
QByteArray htmlRun(char run, qint64 bytes) {
    const QByteArray row = "<tr><td>" + QByteArray(30000, run) + "</td></tr>";
    QByteArray html = "<table>";
    while (html.size() + row.size() <= bytes)
        html += row;
    return html;
}

void BM_ReadHtmlAngles(benchmark::State& state) {
    const QByteArray html = htmlRun('<', state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(sheets::readHtmlSheet(html));
}
BENCHMARK(BM_ReadHtmlAngles)->Arg(5 << 20)->Unit(benchmark::kMillisecond);

void BM_ReadHtmlAmpersands(benchmark::State& state) {
    const QByteArray html = htmlRun('&', state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(sheets::readHtmlSheet(html));
}
BENCHMARK(BM_ReadHtmlAmpersands)->Arg(5 << 20)->Unit(benchmark::kMillisecond);

// The floor of the two rows above: a file of the same size read whole.
void readHtmlFile(benchmark::State& state) {
    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(u"angoli.xls"_qs);
    if (!QFile::exists(path)) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(htmlRun('<', state.range(0)));
    }
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}
[[maybe_unused]] const auto* kHtmlFloor =
    benchmark::RegisterBenchmark("BM_ReadIntoMemory", readHtmlFile) -> Arg(5 << 20)
        -> Unit(benchmark::kMillisecond);

} // namespace
