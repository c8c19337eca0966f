#include "cashbook/movement_lists.h"

#include "cashbook_fixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cashbook;
using namespace cashbook_fixture;

namespace {

struct Year {
    QTemporaryDir dir;
    QString path = yearPath(dir.path());
    core::Archive archive = yearArchive(path);
    qint64 add(const QStringList& v) { return addMovement(path, v); }
};

MovementFilters filters(std::initializer_list<std::pair<MovementField, QString>> set) {
    MovementFilters f;
    for (const auto& [field, text] : set)
        for (size_t i = 0; i < kSearchFields.size(); ++i)
            if (kSearchFields[i] == field) f[i] = text;
    return f;
}

} // namespace

TEST(MovementLists, LineHasTheFixedColumns) {
    Year y;
    y.add(expense(u"12,50"_qs, {{Causale, u"Affitto sala"_qs},
                                {DataSca, u"20/12/2026"_qs},
                                {Pagatore, u"Circolo"_qs},
                                {Beneficiario, u"Comune di Roma"_qs}}));
    const core::ListRows l = searchMovements(y.archive, {});
    ASSERT_EQ(l.lines.size(), 1);
    EXPECT_EQ(l.lines[0], u"Affitto sala"_qs + QString(28, u' ') + u"  Scad. 20/12/2026  Da: "_qs +
                              u"Circolo"_qs + QString(23, u' ') + u"  A: Comune di Roma"_qs +
                              QString(16, u' ') + u"  Importo: -12,50"_qs);
}

TEST(MovementLists, SearchCombinesTheFiltersInUseWithAnd) {
    Year y;
    y.add(income(u"10,00"_qs, {{Causale, u"Quota sociale"_qs}, {Data, u"05/03/2026"_qs}}));
    y.add(income(u"20,00"_qs, {{Causale, u"Affitto"_qs}, {Data, u"10/03/2026"_qs}}));
    y.add(income(u"30,00"_qs, {{Causale, u"Quota corso"_qs}, {Data, u"01/04/2026"_qs}}));

    EXPECT_EQ(searchMovements(y.archive, {}).lines.size(), 3);
    EXPECT_EQ(searchMovements(y.archive, filters({{Data, u"/03/"_qs}})).lines.size(), 2);
    EXPECT_EQ(searchMovements(y.archive, filters({{Causale, u"QUOTA"_qs}, {Data, u"/03/"_qs}}))
                  .lines.size(),
              1);
    // Sorted by their text, so by reason.
    const QStringList all = searchMovements(y.archive, {}).lines;
    EXPECT_TRUE(all[0].startsWith(u"Affitto"_qs));
    EXPECT_TRUE(all[2].startsWith(u"Quota sociale"_qs));
}

// A filter of blanks is not in use: it must not stand in for a real filter that fails.
TEST(MovementLists, ABlankFilterLetsNothingThroughThatFailsARealFilter) {
    Year y;
    y.add(income(u"10,00"_qs, {{Causale, u"Quota sociale"_qs}, {Note, u"pagato in contanti"_qs}}));
    y.add(income(u"20,00"_qs, {{Causale, u"Affitto"_qs}, {Note, u"a rate"_qs}}));
    const MovementFilters f = filters({{Causale, u"quota"_qs}, {Note, u" "_qs}});
    EXPECT_EQ(core::filtersInUse(f), 1);
    const core::ListRows l = searchMovements(y.archive, f);
    ASSERT_EQ(l.lines.size(), 1);
    EXPECT_TRUE(l.lines[0].startsWith(u"Quota sociale"_qs));
    EXPECT_EQ(searchMovements(y.archive, filters({{Note, u"  "_qs}})).lines.size(), 2);
}

TEST(MovementLists, PendingFromTheNoticeDayUntilSettled) {
    const QStringList due =
        movementValues({{DataSca, u"20/12/2026"_qs}, {Preavviso, u"5"_qs}, {Saldato, kNo}});
    QStringList settled = due;
    settled[Saldato] = kYes;
    Year y;
    y.add(due);
    y.add(settled);
    const struct {
        QDate today;
        int listed;
    } days[] = {{{2026, 12, 14}, 0}, {{2026, 12, 15}, 1}, {{2026, 12, 20}, 1}, {{2027, 2, 1}, 1}};
    for (const auto& d : days)
        EXPECT_EQ(pendingMovements(y.archive, d.today).lines.size(), d.listed)
            << d.today.toString().toStdString();
}

TEST(MovementLists, PendingSkipsAndCountsAnUnreadableDueDate) {
    Year y;
    y.add(movementValues({{Causale, u"B"_qs}, {Saldato, kNo}}));
    y.add(movementValues({{Causale, u"A"_qs}, {Saldato, kNo}, {Preavviso, u"x"_qs}}));
    y.add(movementValues({{Causale, u"C"_qs}, {Saldato, kNo}}));
    y.add(movementValues({{Causale, u"D"_qs}, {DataSca, u"bad"_qs}})); // settled: not looked at
    const core::ListRows l = pendingMovements(y.archive, {2026, 3, 15});
    EXPECT_TRUE(l.readWhole);
    EXPECT_EQ(l.skipped, 1);
    ASSERT_EQ(l.lines.size(), 2);
    EXPECT_TRUE(l.lines[0].startsWith(u"B "_qs));
    EXPECT_EQ(l.records, (std::vector<qint64>{1, 3}));
}

TEST(MovementLists, AFileThatCannotBeReadIsNotReadWhole) {
    Year y;
    y.add(movementValues({}));
    QFile::remove(y.path);
    ASSERT_TRUE(QDir().mkdir(y.path)); // a folder where the file was
    EXPECT_FALSE(searchMovements(y.archive, {}).readWhole);
}
