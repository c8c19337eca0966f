// The power goes after every operation of every write path, and the disk comes back in each
// state a POSIX file system may leave (sim_disk.h). Reopened through the program's own code,
// every save reported before the cut is there and whole, everything else is old or new and
// whole, the first open leaves no journal and a second open changes nothing.
#include "book/registers.h"
#include "core/file_system.h"
#include "core/ini_file.h"
#include "core/record_file.h"
#include "core/scramble.h"
#include "platform/attachments.h"
#include "members/member_photo.h"
#include "pictures.h"
#include "platform/export_flow.h"
#include "shell/backup.h"
#include "shell/password_store.h"
#include "files.h"
#include "sim_disk.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <optional>

using core::RecordFile;
using testing_support::SimDisk;

namespace {

const QString kFolder = QStringLiteral("/disk");
constexpr int L = 2764;

QString at(const QString& name) {
    return kFolder + u'/' + name;
}

QByteArray image(quint32 record, quint32 version) {
    return testing_support::recordImage(record, version, L);
}

QByteArray records(std::initializer_list<quint32> versions) {
    QByteArray out;
    quint32 n = 0;
    for (quint32 v : versions)
        out += image(++n, v);
    return out;
}

// What a path may hold: record files are checked record by record, other files whole.
struct Watch {
    QString path;
    bool records = false;
};

// One thing the program wrote and whether (and after which operation) it said so.
struct Event {
    QString path;
    qint64 record = 0;               // 0: the whole file
    std::optional<QByteArray> bytes; // nullopt: the file is gone
    int reportedAfter = INT_MAX;
};

struct Writes {
    SimDisk& disk;
    std::vector<Event> events;
    void wrote(const QString& path, qint64 record, std::optional<QByteArray> bytes, bool ok) {
        EXPECT_TRUE(ok) << "the write failed on a healthy disk: " << path.toStdString();
        events.push_back({path, record, std::move(bytes), ok ? disk.operations() : INT_MAX});
    }
    void saved(const QString& path, qint64 record, const QByteArray& bytes, bool ok) {
        wrote(path, record, bytes, ok);
    }
};

struct Case {
    const char* name;
    std::vector<Watch> watches;
    std::function<void(SimDisk&)> before; // durable before the first operation
    std::function<void(Writes&)> act;
    // The starting versions of what is watched, when not what `before` left on the disk
    // (a torn record with its journal: the journal's record is the old one).
    std::function<void(std::map<std::pair<QString, qint64>, std::optional<QByteArray>>&)> old = {};
};

QByteArray journalFor(qint64 offset, const QByteArray& oldRecord) {
    QByteArray j("QVJRNL01", 8);
    const qint32 len = L;
    j.append(reinterpret_cast<const char*>(&offset), 8);
    j.append(reinterpret_cast<const char*>(&len), 4);
    j.append(oldRecord);
    quint32 h = 2166136261u;
    for (char c : j)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    j.append(reinterpret_cast<const char*>(&h), 4);
    return j;
}

bool saveRecord(Writes& run, const QString& path, qint64 n, const QByteArray& bytes) {
    RecordFile f(path, L);
    bool ok = f.open();
    if (ok && n > 0) {
        ok = f.overwrite(n, bytes.constData());
    } else if (ok) {
        const auto got = f.append(bytes.constData());
        ok = got.has_value();
        n = got.value_or(0);
    }
    f.close();
    run.saved(path, n, bytes, ok);
    return ok;
}

const QString kIniText = QStringLiteral("[Dati Ente]\r\nRiga1=Circolo\r\nRiga2=Via Roma\r\n");

// Backups: the zip is missing or whole, and taking it never changes the data it reads.
std::vector<Case> backupCases() {
    const QString archive = at(u"Tesserati.pro"_qs);
    const QString zip = at(u"Backup/Quorvix-2026-03-15-1030.zip"_qs);
    std::vector<Case> out;
    out.push_back({"backup",
                   {{zip}, {archive, true}},
                   [=](SimDisk& d) {
                       d.put(archive, records({0, 0, 0}));
                       d.put(at(u"Tesserini.ini"_qs), kIniText.toLatin1());
                       d.put(at(platform::kAttachmentsFolder + u"/contratto.pdf"_qs),
                             QByteArray(3000, 'P'));
                   },
                   [=](Writes& r) {
                       const auto b = shell::backupIntoFolder(kFolder, at(shell::kBackupFolder),
                                                              QDateTime({2026, 3, 15}, {10, 30}),
                                                              {}, 10);
                       r.wrote(zip, 0, r.disk.contents(zip), b.ok);
                   }});
    return out;
}

std::vector<Case> cases() {
    const QString archive = at(u"Tesserati.pro"_qs);
    std::vector<Case> out;
    out.push_back({"overwrite twice",
                   {{archive, true}},
                   [=](SimDisk& d) {
                       d.put(archive, records({0, 0, 0}));
                   },
                   [=](Writes& r) {
                       saveRecord(r, archive, 2, image(2, 1));
                       saveRecord(r, archive, 2, image(2, 2));
                   }});
    out.push_back({"append to a new archive",
                   {{archive, true}},
                   [](SimDisk&) {},
                   [=](Writes& r) {
                       saveRecord(r, archive, 0, image(1, 1));
                       saveRecord(r, archive, 0, image(2, 1));
                   }});
    out.push_back({"import then append",
                   {{archive, true}},
                   [=](SimDisk& d) {
                       d.put(archive, records({0, 0}));
                   },
                   [=](Writes& r) {
                       RecordFile f(archive, L);
                       const bool open = f.open();
                       const auto first = open ? f.appendAll(3,
                                                             [](qint64 i, char* rec) {
                                                                 const QByteArray b =
                                                                     image(quint32(3 + i), 1);
                                                                 std::memcpy(rec, b.constData(), L);
                                                             })
                                               : std::nullopt;
                       f.close();
                       for (quint32 i = 0; i < 3; ++i)
                           r.saved(archive, 3 + i, image(3 + i, 1), first == 3);
                       saveRecord(r, archive, 0, image(6, 1));
                   }});
    out.push_back({"recovery then save",
                   {{archive, true}},
                   [=](SimDisk& d) {
                       // A power cut in the middle of an overwrite of record 2.
                       QByteArray torn = records({0, 0, 0});
                       torn.replace(L + 600, 1000, QByteArray(1000, 'X'));
                       d.put(archive, torn);
                       d.put(RecordFile::journalPath(archive), journalFor(L, image(2, 0)));
                   },
                   [=](Writes& r) { saveRecord(r, archive, 3, image(3, 1)); },
                   [=](auto& old) {
                       old[{archive, 2}] = image(2, 0);
                   }});

    const QString ini = at(u"Tesserini.ini"_qs);
    const auto iniWrite = [=](Writes& r) {
        const bool ok = core::IniFile::write(ini, u"Dati Ente"_qs, u"Riga1"_qs, u"Nuovo"_qs);
        r.wrote(ini, 0, r.disk.contents(ini), ok);
    };
    out.push_back({"INI new", {{ini}}, [](SimDisk&) {}, iniWrite});
    out.push_back(
        {"INI existing", {{ini}}, [=](SimDisk& d) { d.put(ini, kIniText.toLatin1()); }, iniWrite});

    const QString store = at(shell::kPasswordStoreFile);
    out.push_back({"password change",
                   {{store}},
                   [=](SimDisk& d) {
                       d.put(store, "[Accesso]\r\nValore=" +
                                        core::scramble(shell::kInitialPassword).toLatin1() +
                                        "\r\n");
                   },
                   [=](Writes& r) {
                       const bool ok = shell::writeStoredPassword(store, u"NUOVA"_qs);
                       r.wrote(store, 0, r.disk.contents(store), ok);
                   }});

    const QString sheet = at(u"Tesserati.xls"_qs);
    out.push_back({"export",
                   {{sheet}},
                   [=](SimDisk& d) { d.put(sheet, "vecchio file"); },
                   [=](Writes& r) {
                       static const core::SheetColumn columns[] = {{u"Nome"_qs, 250}};
                       const QStringList names = {u"Rossi"_qs, u"Bianchi"_qs};
                       const platform::SpreadsheetExport e{
                           u"Tesserati.xls"_qs, u"Foglio"_qs, columns, names.size(),
                           [&](qsizetype row, qsizetype) { return names[row]; }};
                       const bool ok = platform::saveSpreadsheet(sheet, e);
                       r.wrote(sheet, 0, r.disk.contents(sheet), ok);
                   }});

    const QString photo = at(u"Foto/1.jpg"_qs);
    out.push_back({"photo",
                   {{photo}},
                   [=](SimDisk& d) {
                       d.addFolder(at(u"Foto"_qs));
                       d.put(photo, "vecchia foto");
                   },
                   [=](Writes& r) {
                       const bool ok =
                           members::writeJpeg(photo, testing_support::picture(40, 30, Qt::blue));
                       r.wrote(photo, 0, r.disk.contents(photo), ok);
                   }});

    const QString attached = at(platform::kAttachmentsFolder + u"/contratto.pdf"_qs);
    out.push_back({"attachment",
                   {{attached}},
                   [=](SimDisk& d) { d.put(at(u"contratto.pdf"_qs), QByteArray(3000, 'P')); },
                   [=](Writes& r) {
                       const auto outcome = platform::attachFile(at(u"contratto.pdf"_qs),
                                                                at(platform::kAttachmentsFolder),
                                                                [] { return true; });
                       r.wrote(attached, 0, r.disk.contents(attached),
                               outcome == platform::AttachOutcome::Copied);
                   }});

    const QString book = at(u"Soci 2026.lib"_qs);
    out.push_back(
        {"register create and delete",
         {{book}},
         [](SimDisk&) {},
         [=](Writes& r) {
             r.wrote(book, 0, QByteArray(),
                     book::createRegister(kFolder, u"Soci 2026"_qs) == book::CreateResult::Created);
             r.wrote(book, 0, std::nullopt, book::deleteRegister(kFolder, u"Soci 2026.lib"_qs));
         }});
    for (Case& c : backupCases())
        out.push_back(std::move(c));
    return out;
}

// What each watched thing may hold after a cut following `operation`: the versions from the
// last one reported on.
using Versions = std::vector<std::optional<QByteArray>>;

Versions allowed(const Versions& all, const std::vector<int>& reported, int operation) {
    size_t from = 0;
    for (size_t i = 1; i < all.size(); ++i)
        if (reported[i] <= operation) from = i;
    return Versions(all.begin() + qsizetype(from), all.end());
}

bool among(const Versions& v, const std::optional<QByteArray>& x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

TEST(PowerCut, EveryWritePathKeepsReportedSavesAndLeavesOldOrNewWhole) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        SimDisk live;
        live.addFolder(kFolder);
        live.addFolder(at(platform::kAttachmentsFolder)); // made durable by makeFolder anyway
        c.before(live);
        // The versions each watched thing goes through, starting with what is there.
        std::map<std::pair<QString, qint64>, std::pair<Versions, std::vector<int>>> history;
        std::map<std::pair<QString, qint64>, std::optional<QByteArray>> old;
        for (const Watch& w : c.watches) {
            const auto bytes = live.contents(w.path);
            if (!w.records) {
                old[{w.path, 0}] = bytes;
                continue;
            }
            for (qint64 n = 1; bytes && n * L <= bytes->size(); ++n)
                old[{w.path, n}] = bytes->mid((n - 1) * L, L);
        }
        if (c.old) c.old(old);
        for (const auto& [key, bytes] : old)
            history[key] = {{bytes}, {-1}};

        Writes run{live, {}};
        {
            core::UseFileSystem use(live);
            live.record();
            c.act(run);
        }
        for (const Event& e : run.events) {
            auto& h = history[{e.path, e.record}];
            if (h.first.empty()) { // a record that did not exist
                h.first.push_back(std::nullopt);
                h.second.push_back(-1);
            }
            h.first.push_back(e.bytes);
            h.second.push_back(e.reportedAfter);
        }

        for (int op = 0; op <= live.operations(); ++op) {
            int variant = 0;
            for (SimDisk& disk : SimDisk::crashes(live.stateAfter(op), 48, unsigned(op))) {
                SCOPED_TRACE(testing::Message()
                             << "cut after operation " << op << ", state " << variant++);
                core::UseFileSystem use(disk);
                for (const Watch& w : c.watches) {
                    if (!w.records) {
                        const auto& [versions, reported] = history[{w.path, 0}];
                        const auto now = disk.contents(w.path);
                        EXPECT_TRUE(among(allowed(versions, reported, op), now))
                            << w.path.toStdString() << " holds "
                            << now.value_or("<missing>").left(60).toStdString();
                        continue;
                    }
                    RecordFile f(w.path, L);
                    ASSERT_TRUE(f.open(RecordFile::Access::Read));
                    EXPECT_FALSE(disk.contents(RecordFile::journalPath(w.path)))
                        << "a journal outlived the first open";
                    qint64 mustHave = 0;
                    for (const auto& [key, h] : history) {
                        if (key.first != w.path) continue;
                        if (allowed(h.first, h.second, op).front())
                            mustHave = std::max(mustHave, key.second);
                    }
                    EXPECT_GE(f.count(), mustHave) << "a reported record is gone";
                    QByteArray r(L, '\0');
                    for (qint64 n = 1; n <= f.count(); ++n) {
                        ASSERT_TRUE(f.read(n, r.data()));
                        const auto& [versions, reported] = history[{w.path, n}];
                        EXPECT_TRUE(among(allowed(versions, reported, op), r))
                            << "record " << n << " is neither a reported save nor old or new";
                    }
                    f.close();
                    const auto afterFirst = disk.allFiles();
                    RecordFile again(w.path, L);
                    ASSERT_TRUE(again.open());
                    again.close();
                    EXPECT_EQ(disk.allFiles(), afterFirst) << "a second open changed the disk";
                }
            }
        }
    }
}

TEST(PowerCut, TemporariesLeftByADeadProcessGoWithTheNextWrite) {
    SimDisk disk;
    disk.addFolder(kFolder);
    const QString ini = at(u"Tesserini.ini"_qs);
    disk.put(ini, kIniText.toLatin1());
    // 4242 is the simulated program itself (left over from before it restarted), 99 is gone.
    disk.put(ini + u".99.qvtmp"_qs, "mezzo file");
    disk.put(ini + u".4242.qvold"_qs, kIniText.toLatin1());
    disk.put(at(u"Altro.ini.99.qvtmp"_qs), "di un altro file");
    const core::UseFileSystem use(disk);
    ASSERT_TRUE(core::IniFile::write(ini, u"Dati Ente"_qs, u"Riga1"_qs, u"Nuovo"_qs));
    EXPECT_EQ(disk.entries(kFolder).size(), 2);
    EXPECT_TRUE(disk.contents(at(u"Altro.ini.99.qvtmp"_qs)));
}

TEST(PowerCut, AFullDiskFailsTheWriteAndKeepsTheOldFile) {
    SimDisk disk;
    disk.addFolder(kFolder);
    const QString ini = at(u"Tesserini.ini"_qs);
    const QString archive = at(u"Tesserati.pro"_qs);
    disk.put(ini, kIniText.toLatin1());
    disk.put(archive, records({0, 0}));
    disk.setFreeSpace(100);
    const core::UseFileSystem use(disk);
    EXPECT_FALSE(core::IniFile::write(ini, u"Dati Ente"_qs, u"Riga1"_qs, QString(200, u'x')));
    RecordFile f(archive, L);
    ASSERT_TRUE(f.open());
    EXPECT_FALSE(f.append(image(3, 1).constData()));
    f.close();
    EXPECT_EQ(disk.contents(ini), kIniText.toLatin1());
    EXPECT_EQ(disk.contents(archive), records({0, 0}));
    EXPECT_EQ(disk.entries(kFolder).size(), 2); // no temporary, no journal
}
