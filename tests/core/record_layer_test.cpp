#include "core/navigation.h"
#include "core/record_file.h"
#include "core/record_layout.h"
#include "core/win1252.h"
#include "files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace core;
using testing_support::fileBytes;
using testing_support::writeFile;

namespace {
constexpr Field kFields[] = {{"Nome", 5}, {"Flag", 2}, {"Note", 10}};
const RecordLayout kLayout(kFields);
} // namespace

TEST(RecordLayout, OffsetsAndLengthComeFromTheTable) {
    EXPECT_EQ(kLayout.recordLength(), 6 + 3 + 11);
    EXPECT_EQ(kLayout.offset(1), 6);
    EXPECT_EQ(kLayout.offset(2), 9);
    EXPECT_EQ(kLayout.indexOf("Note"), 2);
    EXPECT_EQ(kLayout.indexOf("Nope"), -1);
}

TEST(RecordLayout, StoreLoadRoundTrips) {
    struct Case {
        QString stored;
        QString loaded;
    } cases[] = {
        {"  Anna \t", "Anna"},    // blanks and controls at the ends go
        {"Rossi Mario", "Rossi"}, // cut at the capacity
        {QString::fromUtf8("Sì"), QString::fromUtf8("Sì")},
        {QString::fromUtf8("€ 5"), QString::fromUtf8("€ 5")}, // 0x80 in the code page
        {QString::fromUtf8("漢字"), "??"},                    // outside the code page: one "?" each
        {QString::fromUtf8("a😀b"), "a?b"},                    // a surrogate pair is one character
        {"", ""},
    };
    for (const auto& c : cases) {
        std::vector<char> rec(kLayout.recordLength(), 0);
        kLayout.store(rec.data(), 0, c.stored);
        EXPECT_EQ(kLayout.load(rec.data(), 0), c.loaded) << c.stored.toStdString();
    }
}

TEST(RecordLayout, FlagBytesAreExact) {
    std::vector<char> rec(kLayout.recordLength(), 0);
    kLayout.store(rec.data(), 1, QString::fromUtf8("Sì"));
    EXPECT_EQ(QByteArray(rec.data() + 6, 3), QByteArray("\x02S\xEC", 3));
}

TEST(RecordLayout, ShortValueHidesTheRemainsOfALongerOne) {
    std::vector<char> rec(kLayout.recordLength(), 0);
    kLayout.store(rec.data(), 2, "0123456789");
    kLayout.store(rec.data(), 2, "ab");
    EXPECT_EQ(kLayout.load(rec.data(), 2), "ab");
    EXPECT_EQ(rec[9 + 3], '2'); // the old bytes are still there, unread
}

TEST(RecordLayout, DamagedLengthByteIsClampedToTheCapacity) {
    std::vector<char> rec(kLayout.recordLength(), 'x');
    rec[0] = char(200); // field "Nome" claims 200 bytes
    rec[6] = 2;
    rec[7] = 'N';
    rec[8] = 'o';
    EXPECT_EQ(kLayout.load(rec.data(), 0), "xxxxx");
    EXPECT_EQ(kLayout.load(rec.data(), 1), "No");
}

// Lists read the stored bytes instead of loading: every way a field can be stored must read
// back as load() gives it, padded and cut the same way.
TEST(RecordLayout, StoredBytesReadAsLoadDoes) {
    struct Case {
        int length;        // the length byte of "Note" (capacity 10)
        const char* bytes; // what follows it
        int width;
        QString appended;
    } cases[] = {
        {4, "Anna", -1, "Anna"},
        {8, " \tAnna\x7F\x01", -1, "Anna"},             // trimmed at both ends
        {4, "Anna", 6, "Anna  "},                       // padded
        {10, "0123456789", 4, "0123"},                  // cut
        {200, "0123456789", -1, "0123456789"},          // damaged length byte
        {3, "\x80 5", -1, QStringLiteral(u"\u20ac 5")}, // 0x80..0x9F through the table
        {3, "S\xEC!", 5, QStringLiteral(u"S\u00ec!  ")},
        {2, "\x81\x9D", -1, QStringLiteral(u"\u0081\u009D")}, // undefined: C1 controls
        {3, "   ", 3, "   "},
        {0, "", -1, ""},
    };
    for (const Case& c : cases) {
        std::vector<char> rec(kLayout.recordLength(), 'x');
        const QByteArray field = char(c.length) + QByteArray(c.bytes);
        std::copy(field.begin(), field.end(), rec.begin() + kLayout.offset(2));
        const QString loaded = kLayout.load(rec.data(), 2);
        QString out = "<";
        kLayout.appendText(out, rec.data(), 2, c.width);
        EXPECT_EQ(out, "<" + c.appended) << field.toHex().toStdString();
        EXPECT_EQ(fromWin1252(kLayout.bytes(rec.data(), 2).toByteArray()), loaded)
            << field.toHex().toStdString();
        if (c.width < 0) {
            EXPECT_EQ(c.appended, loaded);
        }
    }
}

TEST(Win1252, EveryByteSurvivesADecodeEncodeRoundTrip) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toWin1252(fromWin1252(all)), all);
}

TEST(RecordFile, CreatesMissingFileAndAppendsOverwritesCounts) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.pro");
    const int L = kLayout.recordLength();
    std::vector<char> rec(L, 0);
    RecordFile f(path, L);
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.count(), 0);
    EXPECT_TRUE(QFile::exists(path));
    kLayout.store(rec.data(), 0, "uno");
    EXPECT_EQ(f.append(rec.data()), 1);
    kLayout.store(rec.data(), 0, "due");
    EXPECT_EQ(f.append(rec.data()), 2);
    kLayout.store(rec.data(), 0, "UNO");
    EXPECT_TRUE(f.overwrite(1, rec.data()));
    EXPECT_FALSE(f.overwrite(3, rec.data()));
    EXPECT_FALSE(f.read(0, rec.data()));
    ASSERT_TRUE(f.read(2, rec.data()));
    EXPECT_EQ(kLayout.load(rec.data(), 0), "due");
    EXPECT_TRUE(f.close());
    EXPECT_EQ(fileBytes(path).size(), 2 * L);
}

TEST(RecordFile, IncompleteTailIsIgnoredAndOverwrittenByAppend) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.pro");
    const int L = kLayout.recordLength();
    writeFile(path, QByteArray(L + 7, '\x01'));
    RecordFile f(path, L);
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.count(), 1);
    std::vector<char> rec(L, 0);
    EXPECT_EQ(f.append(rec.data()), 2);
    f.close();
    EXPECT_EQ(fileBytes(path).size(), 2 * L);
}

TEST(RecordFile, ExistingFileThatCannotBeOpenedIsNeverEmptied) {
    QTemporaryDir dir;
    // A directory where the file should be, and a read-only file opened for writing.
    QDir(dir.path()).mkdir("dir.pro");
    RecordFile asDir(dir.filePath("dir.pro"), 20);
    EXPECT_FALSE(asDir.open());

    const QString path = dir.filePath("ro.pro");
    writeFile(path, QByteArray(40, 'z'));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    RecordFile ro(path, 20);
    ro.open(); // root may still open it; either way nothing is truncated
    EXPECT_EQ(fileBytes(path), QByteArray(40, 'z'));
    ro.close();
    EXPECT_EQ(fileBytes(path).size(), 40);
}

TEST(RecordFile, ScanVisitsEveryRecordAcrossBlocks) {
    QTemporaryDir dir;
    const int L = 3000;
    RecordFile f(dir.filePath("big.pro"), L);
    ASSERT_TRUE(f.open());
    // More than one 4 MB block.
    ASSERT_TRUE(f.appendAll(
        3000, [](qint64 i, char* rec) { storeField(rec, 10, QString::number(i + 1)); }));
    qint64 seen = 0;
    bool inOrder = true;
    ASSERT_TRUE(f.scan([&](qint64 n, const char* r) {
        inOrder = inOrder && loadField(r, 10) == QString::number(n);
        return ++seen < 2500;
    }));
    EXPECT_EQ(seen, 2500);
    EXPECT_TRUE(inOrder);
}

TEST(Navigation, Table) {
    using C = NavCommand;
    using K = NavStep::Kind;
    struct Case {
        C cmd;
        const char* label;
        qint64 count;
        K kind;
        qint64 record;
        bool clear;
    } cases[] = {
        {C::First, "", 0, K::Empty, 0, false},       {C::First, "3", 5, K::Read, 1, false},
        {C::Last, "", 0, K::Empty, 0, false},        {C::Last, "1", 5, K::Read, 5, false},
        {C::Next, "", 0, K::Empty, 0, true},         {C::Next, "", 5, K::Read, 1, false},
        {C::Next, "2", 5, K::Read, 3, false},        {C::Next, "5", 5, K::Nothing, 0, false},
        {C::Previous, "1", 0, K::Nothing, 0, false}, {C::Previous, "", 0, K::Empty, 0, false},
        {C::Previous, "", 5, K::Read, 1, false},     {C::Previous, "3", 5, K::Read, 2, false},
        {C::Previous, "1", 5, K::Nothing, 0, false}, {C::Previous, "9", 5, K::Read, 5, false},
        {C::Next, "abc", 5, K::Read, 1, false},
    };
    for (const auto& c : cases) {
        const NavStep s = navigate(c.cmd, c.label, c.count);
        EXPECT_EQ(s.kind, c.kind) << int(c.cmd) << " " << c.label << " " << c.count;
        if (c.kind == K::Read) {
            EXPECT_EQ(s.record, c.record) << int(c.cmd) << " " << c.label;
        }
        EXPECT_EQ(s.clearLabel, c.clear);
    }
}
