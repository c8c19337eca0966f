// Whole selections at once: 1,000 cards on nine-card sheets to a PDF, and 1,000 register pages
// generated from 4,000 members (planned and appended). Run: build/bench/bench_selection_pages_bench
#include "bench_kit.h"
#include "book/page_generation.h"
#include "cards/card_sheets.h"
#include "generated_archive.h"
#include "members/member_photo.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

// n members, every one with a photo of a camera's size, so each sheet reads nine.
QString membersWithPhotos(int n) {
    return bench::folderOnce(n, [](const QString& dir, int n) {
        bench::writeMemberArchive(dir, n);
        QImage photo(1200, 1600, QImage::Format_RGB32);
        photo.fill(QColor(180, 140, 120));
        const QString first = QDir(dir).filePath(members::photoFileName(1));
        members::writeJpeg(first, photo);
        for (int i = 2; i <= n; ++i)
            QFile::copy(first, QDir(dir).filePath(members::photoFileName(i)));
    });
}

void BM_CardsToPdf(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString dir = membersWithPhotos(n);
    std::vector<qint64> records;
    for (int i = n; i >= 1; --i)
        records.push_back(i);
    const QString pdf = QDir(dir).filePath(u"tessere.pdf"_qs);
    for (auto _ : state) {
        auto batch = cards::readCardBatch(dir, records);
        if (!batch) state.SkipWithError("archive not read");
        const platform::PrintJob job = cards::cardSheetsJob(
            std::make_shared<const cards::CardBatch>(std::move(*batch)), dir, QDate(2026, 3, 15));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(job.layout);
        job.render(printer);
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["pdf_kb"] = double(QFile(pdf).size()) / 1024;
}
BENCHMARK(BM_CardsToPdf)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_GeneratePages(benchmark::State& state) {
    const int pages = int(state.range(0));
    // About one in ten generated members is cancelled: enough members for the pages asked.
    const QString dir = bench::folderOnce(pages, [](const QString& dir, int pages) {
        bench::writeMemberArchive(dir, pages * 4 * 10 / 9 + 20);
    });
    book::GenerationRequest request;
    request.heading = {u"1"_qs, u"Circolo Culturale Il Faro"_qs, u"97012340583"_qs, {}, {}};
    const QString path = QDir(dir).filePath(u"Libro.lib"_qs);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        QFile(path).open(QIODevice::WriteOnly);
        state.ResumeTiming();
        book::GenerationPlan plan = book::planPages(dir, path, request, QDate(2026, 3, 15));
        // Exactly the pages asked: the rest of the members are left out of this run.
        int kept = 0;
        for (book::PlannedRow& r : plan.rows)
            if (r.outcome == book::RowOutcome::Added && ++kept > pages * 4)
                r.outcome = book::RowOutcome::Refused;
        plan.pageCount = pages;
        if (book::generatePages(path, plan, request.heading) != book::GenerationResult::Written)
            state.SkipWithError("not written");
    }
    state.SetItemsProcessed(state.iterations() * pages);
}
BENCHMARK(BM_GeneratePages)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
