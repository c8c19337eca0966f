#include "core/archive.h"
#include "core/list_rows.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace core;

namespace {

constexpr Field kFields[] = {{"Nome", 20}, {"Data", 5}, {"Importo", 12}};
const RecordLayout kLayout(kFields);

// Lines made only when shown are sorted from the stored bytes of their pieces; lines made at
// once are sorted as texts. Both must give the same lines, in the same order, with the same
// records: across code-page bytes whose characters sort far from their byte (the euro sign,
// Y with diaeresis), letters that fold and the characters either side of a..z, pieces cut to
// their width, long shared starts and identical lines.
TEST(StoredListRows, SameLinesAndOrderAsLinesMadeAtOnce) {
    const QString alphabet = u"aAbB \u00e8\u00ff\u20ac\u0178_Z0`{@[z~"_qs;
    constexpr LinePiece kPieces[] = {{u"", 0, 14}, {u" | ", 1, 4}, {u" \u20ac ", 2, -1}};
    std::mt19937 rng(11);
    for (int round = 0; round < 6; ++round) {
        QTemporaryDir dir;
        const Archive archive(dir.path(), u"prova.dat"_qs, kLayout);
        std::vector<QStringList> records;
        for (int i = 0; i < 400; ++i) {
            QStringList v;
            // A long shared start, so ties reach past the first packed characters.
            QString name = (rng() % 3) ? u"Quota annuale"_qs.left(int(rng() % 14)) : QString();
            while (name.size() < int(rng() % 20))
                name += alphabet[int(rng() % alphabet.size())];
            v << name << QString::number(rng() % 3).repeated(int(rng() % 6))
              << QString::number(rng() % 50);
            records.push_back(i % 7 == 0 && i > 0 ? records.back() : v);
        }
        ASSERT_TRUE(archive.appendAll(records));

        const ListRows stored = listRows(archive, kPieces);
        // An ending (even an empty one) makes every line at once.
        const ListRows made =
            listRows(archive, kPieces, keepEvery, [](const char*) { return QStringView(); });
        ASSERT_EQ(stored.size(), 400);
        ASSERT_TRUE(stored.whole());
        EXPECT_EQ(stored.lines.toList(), made.lines.toList()) << "round " << round;
        EXPECT_EQ(stored.records, made.records) << "round " << round;

        // In file order, each line is its record's line.
        std::map<qint64, QString> lineOf;
        for (qsizetype i = 0; i < made.size(); ++i)
            lineOf[made.records[size_t(i)]] = made.lines.at(i);
        const ListRows inFile = fileOrderRows(archive, kPieces);
        ASSERT_EQ(inFile.size(), 400);
        for (qsizetype i = 0; i < inFile.size(); ++i) {
            ASSERT_EQ(inFile.records[size_t(i)], i + 1);
            ASSERT_EQ(inFile.lines.at(i), lineOf[i + 1]) << i;
        }
    }
}

} // namespace
