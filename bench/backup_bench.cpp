// A backup, its check and a restore of a program folder with n members and n movements (at
// 100,000 each about 620 MB), beside a plain read of the same two files. Run:
// build/bench/bench_backup_bench
#include "bench_kit.h"
#include "cashbook/movement_record.h"
#include "cashbook/movement_save.h"
#include "generated_archive.h"
#include "shell/backup.h"
#include "shell/backup_restore.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <random>

#include <sys/resource.h>

namespace {

QString folderWith(int n) {
    return bench::folderOnce(n, [](const QString& dir, int n) {
        bench::writeMemberArchive(dir, n);
        std::mt19937 rng(n);
        using namespace cashbook;
        bench::writeRecords(QDir(dir).filePath(u"2026.eur"_qs), movementLayout(), n, [&](int i) {
            const bool income = rng() % 3 != 0;
            const QDate day = QDate(2026, 1, 1).addDays(int(rng() % 365));
            const QString amount = QString::number(rng() % 100000) + u",50"_qs;
            QStringList v(MovementFieldCount, QString());
            v[Entrata] = income ? kYes : kNo;
            v[Uscita] = income ? kNo : kYes;
            v[Data] = day.toString(u"dd/MM/yyyy"_qs);
            v[Causale] = u"Quota sociale "_qs + QString::number(i % 97);
            v[Importo] = amount;
            v[Totale] = signedTotal(income, amount);
            v[Pagatore] = u"Socio "_qs + QString::number(rng() % 100000);
            v[Ricevuta] = u"CRO "_qs + QString::number(100000 + i);
            v[Saldato] = kYes;
            return v;
        });
        QFile ini(QDir(dir).filePath(u"Tesserini.ini"_qs));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Dati Ente]\r\nRiga1=Circolo\r\n");
    });
}

const QDateTime kWhen({2026, 3, 15}, {10, 30});

void peakMemory(benchmark::State& state) {
    rusage use{};
    ::getrusage(RUSAGE_SELF, &use);
    state.counters["peak_MB"] = double(use.ru_maxrss) / 1024.0;
}

// The backup the check and the restore work on; a refusal is reported, not taken for a zip.
bool backedUp(benchmark::State& state, const QString& dir, const QString& zip) {
    const shell::BackupResult r = shell::writeBackup(dir, zip, kWhen, {});
    if (!r.ok) state.SkipWithError(("backup refused: " + r.reason).toStdString().c_str());
    return r.ok;
}

void BM_ReadIntoMemory(benchmark::State& state) {
    const QString dir = folderWith(int(state.range(0)));
    std::vector<char> buffer(4 << 20);
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& name : {u"Tesserati.pro"_qs, u"2026.eur"_qs}) {
            QFile f(QDir(dir).filePath(name));
            f.open(QIODevice::ReadOnly);
            for (qint64 got; (got = f.read(buffer.data(), qint64(buffer.size()))) > 0;)
                total += got;
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadIntoMemory)->Apply(bench::smallAndLarge)->UseRealTime();

// Written through a temporary file, synced, renamed, then read back whole.
void BM_Backup(benchmark::State& state) {
    const QString dir = folderWith(int(state.range(0)));
    QTemporaryDir out;
    qint64 zipSize = 0;
    for (auto _ : state) {
        const shell::BackupResult r =
            shell::writeBackup(dir, QDir(out.path()).filePath(u"copia.zip"_qs), kWhen, {});
        if (!r.ok) {
            state.SkipWithError(r.reason.toStdString().c_str());
            break;
        }
        zipSize = QFileInfo(r.path).size();
    }
    state.counters["zip_MB"] = double(zipSize) / 1e6;
    peakMemory(state);
}
BENCHMARK(BM_Backup)->Apply(bench::smallAndLarge)->UseRealTime();

void BM_Verify(benchmark::State& state) {
    const QString dir = folderWith(int(state.range(0)));
    QTemporaryDir out;
    const QString zip = QDir(out.path()).filePath(u"copia.zip"_qs);
    if (!backedUp(state, dir, zip)) return;
    for (auto _ : state) {
        const auto m = shell::verifyBackup(zip);
        if (const QString* problem = std::get_if<QString>(&m))
            state.SkipWithError(problem->toStdString().c_str());
    }
}
BENCHMARK(BM_Verify)->Apply(bench::smallAndLarge)->UseRealTime();

// The whole restore: check, locks, the backup of the data there, the files written and renamed.
void BM_Restore(benchmark::State& state) {
    const QString dir = folderWith(int(state.range(0)));
    QTemporaryDir out, target;
    const QString zip = QDir(out.path()).filePath(u"copia.zip"_qs);
    if (!backedUp(state, dir, zip)) return;
    const auto checked = shell::verifyBackup(zip);
    if (const QString* problem = std::get_if<QString>(&checked)) {
        state.SkipWithError(problem->toStdString().c_str());
        return;
    }
    const shell::Manifest& m = std::get<shell::Manifest>(checked);
    // The folder holds data already, as it does when a restore is needed.
    const auto first = shell::restoreBackup(target.path(), zip, m, kWhen);
    if (first.outcome != shell::RestoreResult::Outcome::Done) {
        state.SkipWithError(first.reason.toStdString().c_str());
        return;
    }
    QDir(QDir(target.path()).filePath(shell::kBackupFolder)).removeRecursively();
    for (auto _ : state) {
        const auto r = shell::restoreBackup(target.path(), zip, m, kWhen);
        if (r.outcome != shell::RestoreResult::Outcome::Done)
            state.SkipWithError(r.reason.toStdString().c_str());
        state.PauseTiming();
        QDir(QDir(target.path()).filePath(shell::kBackupFolder)).removeRecursively();
        state.ResumeTiming();
    }
    peakMemory(state);
}
BENCHMARK(BM_Restore)->Apply(bench::smallAndLarge)->UseRealTime();

} // namespace
