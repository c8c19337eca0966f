// The renewal of the members due: the grid read from the member file, then the whole step to
// both files (every member's dates rewritten, one movement each appended), as the window runs
// it. Run: build/bench/bench_renewal
#include "bench_kit.h"

#include "cashbook/renewal.h"
#include "members/member_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2026, 3, 15);

// n active members, all due, each with a fee.
QString archive(int n) {
    return bench::folderOnce(n, [](const QString& dir, int n) {
        using namespace members;
        bench::writeRecords(QDir(dir).filePath(kMemberFileName), memberLayout(), n, [](int i) {
            QStringList v(MemberFieldCount);
            v[Tesserato] = u"Socio "_qs + QString::number(100000 + (i * 7919) % 100000);
            v[NumTessera] = u"T-"_qs + QString::number(i + 1);
            v[DataRil] = u"01/03/2025"_qs;
            v[DataScade] = QDate(2026, 1, 1).addDays(i % 70).toString(u"dd/MM/yyyy"_qs);
            v[Preavviso] = u"15"_qs;
            v[Titoli] = i % 3 ? u"25"_qs : u"30,50"_qs;
            v[Email] = u"socio"_qs + QString::number(i) + u"@esempio.it"_qs;
            v[Recapito] = u"333 "_qs + QString::number(1000000 + i);
            v[CodFisc] = u"RSSMRA80A01H501U"_qs;
            v[Annullata] = kNo;
            return v;
        });
    });
}

void BM_ReadIntoMemory(benchmark::State& state) {
    bench::readWholeFile(state,
                         QDir(archive(int(state.range(0)))).filePath(members::kMemberFileName));
}
BENCHMARK(BM_ReadIntoMemory)->Apply(bench::threeSizes);

void BM_RenewalGrid(benchmark::State& state) {
    const QString folder = archive(int(state.range(0)));
    for (auto _ : state) {
        const auto rows = cashbook::renewalRows(folder, kToday);
        if (qint64(rows.rows.size()) != state.range(0)) state.SkipWithError("rows missing");
        benchmark::DoNotOptimize(rows.rows.data());
    }
}
BENCHMARK(BM_RenewalGrid)->Apply(bench::threeSizes);

void BM_RenewGridToBothFiles(benchmark::State& state) {
    const QString source = QDir(archive(int(state.range(0)))).filePath(members::kMemberFileName);
    cashbook::RenewalOptions options;
    options.issueDate = kToday;
    options.reason = u"Quota associativa 2027"_qs;
    options.payment = u"Contanti"_qs;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        QFile::copy(source, dir.filePath(members::kMemberFileName));
        state.ResumeTiming();
        const auto rows = cashbook::renewalRows(dir.path(), kToday);
        std::vector<cashbook::RenewalRequest> requests;
        requests.reserve(rows.rows.size());
        for (const auto& r : rows.rows)
            requests.push_back({r.record, r.fingerprint, r.fee});
        const auto result = cashbook::renewMembers(dir.path(), requests, options, kToday);
        if (result.outcome != cashbook::RenewalResult::Outcome::Done ||
            result.renewed != state.range(0))
            state.SkipWithError("renewal failed");
    }
}
BENCHMARK(BM_RenewGridToBothFiles)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
