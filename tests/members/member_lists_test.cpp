#include "members/member_lists.h"

#include "member_fixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace members;
using namespace member_fixture;

namespace {

struct MemberLists : ::testing::Test {
    QTemporaryDir dir;
    QString folder() const { return dir.path(); }
    static QStringList names(const QStringList& lines) {
        QStringList out;
        for (const QString& l : lines)
            out << l.left(30).trimmed();
        return out;
    }
    MemberFilters filters(std::initializer_list<std::pair<MemberField, QString>> set) {
        MemberFilters f;
        for (const auto& [field, text] : set)
            f[size_t(std::find(kFilterFields.begin(), kFilterFields.end(), field) -
                     kFilterFields.begin())] = text;
        return f;
    }
};

} // namespace

TEST_F(MemberLists, LinesArePaddedAndCutToTheirWidths) {
    addMember(folder(), {{Tesserato, u"Rossi Carlo"_qs},
                         {NumTessera, u"A-0012345678901234567890"_qs},
                         {DataScade, u"31/12/2026"_qs},
                         {Recapito, u"333 1234567890"_qs},
                         {CodFisc, u"RSSCRL80A01H501U"_qs},
                         {Note, u"  pagato in contanti "_qs}});
    const QString search = searchMembers(folder(), {}).lines.value(0);
    EXPECT_EQ(search,
              u"Rossi Carlo                     Tessera n. A-001234567890123456  Scad. 31/12/2026"
              u"  Tel. 333 12345678  pagato in contanti"_qs);
    const QString picker = pickerMembers(folder()).lines.value(0);
    EXPECT_EQ(picker, u"Rossi Carlo                     C.F. RSSCRL80A01H501U  Scad. 31/12/2026"
                      u"  Tel. 333 1234567890  Note: pagato in contanti"_qs);
}

TEST_F(MemberLists, SearchCombinesFiltersAndNeverListsCancelledMembers) {
    addMember(folder(), {{Tesserato, u"Rossi Carlo"_qs}, {ComuneRes, u"Roma"_qs}});
    addMember(folder(), {{Tesserato, u"Grosso Anna"_qs}, {ComuneRes, u"Bologna"_qs}});
    addMember(folder(), {{Tesserato, u"ROSSINI Ugo"_qs}, {ComuneRes, u"ROMAGNANO"_qs}});
    addMember(folder(),
              {{Tesserato, u"Rossi Bruno"_qs}, {ComuneRes, u"Roma"_qs}, {Annullata, kYes}});
    addMember(folder(),
              {{Tesserato, u"Rossi Dario"_qs}, {ComuneRes, u"Roma"_qs}, {Annullata, u"no"_qs}});
    addMember(folder(), {{Tesserato, u"Èrcole Rossi"_qs}, {ComuneRes, u"Città"_qs}});
    addMember(folder(), {{Tesserato, u""_qs}, {Note, u"senza nome .*[("_qs}});
    addMember(folder(),
              {{Tesserato, u"Bianchi Luca"_qs}, {ComuneRes, u"Citt\u00e0 di Castello"_qs}});

    struct Case {
        MemberFilters filters;
        QStringList expected;
    };
    const Case cases[] = {
        {filters({}),
         {u""_qs, u"Bianchi Luca"_qs, u"Grosso Anna"_qs, u"Rossi Carlo"_qs, u"ROSSINI Ugo"_qs,
          u"Èrcole Rossi"_qs}},
        {filters({{Tesserato, u"ros"_qs}}),
         {u"Grosso Anna"_qs, u"Rossi Carlo"_qs, u"ROSSINI Ugo"_qs, u"Èrcole Rossi"_qs}},
        {filters({{Tesserato, u"rossi"_qs}, {ComuneRes, u"roma"_qs}}),
         {u"Rossi Carlo"_qs, u"ROSSINI Ugo"_qs}},
        {filters({{Tesserato, u"rossi"_qs}, {ComuneRes, u"   "_qs}}),
         {u"Rossi Carlo"_qs, u"ROSSINI Ugo"_qs, u"Èrcole Rossi"_qs}},
        // A filter of blanks is not in use: it neither counts nor matches, so the blank in
        // "Città di Castello" does not stand in for the name that is not there.
        {filters({{Tesserato, u"verdi"_qs}, {ComuneRes, u" "_qs}}), {}},
        {filters({{ComuneRes, u" "_qs}, {Note, u" \t"_qs}}),
         {u""_qs, u"Bianchi Luca"_qs, u"Grosso Anna"_qs, u"Rossi Carlo"_qs, u"ROSSINI Ugo"_qs,
          u"Èrcole Rossi"_qs}},
        {filters({{ComuneRes, u"di c"_qs}}), {u"Bianchi Luca"_qs}}, // inner blanks do count
        {filters({{Tesserato, u"\u0142"_qs}}), {}}, // a letter the archive cannot hold
        {filters({{Tesserato, u"èrcole"_qs}}), {}}, // È is not folded to è
        {filters({{Tesserato, u"Èrcole"_qs}, {ComuneRes, u"CITTà"_qs}}), {u"Èrcole Rossi"_qs}},
        {filters({{Note, u".*[("_qs}}), {u""_qs}},                    // plain text, not a pattern
        {filters({{Tesserato, u" rossi"_qs}}), {u"Èrcole Rossi"_qs}}, // as typed: the blank counts
        {filters({{Tesserato, u"rossi"_qs}, {Note, u"zzz"_qs}}), {}},
    };
    for (const Case& c : cases) {
        const core::ListRows found = searchMembers(folder(), c.filters);
        EXPECT_TRUE(found.readWhole);
        EXPECT_EQ(names(found.lines), c.expected) << c.filters[0].toStdString();
    }
    EXPECT_EQ(core::filtersInUse(filters({{Tesserato, u"a"_qs}, {Carica, u" \t "_qs}, {Note, u"b"_qs}})),
              2);
    EXPECT_EQ(countLine(4), u"Il presente riepilogo contiene 4 schede."_qs);
}

TEST_F(MemberLists, PickerListsEveryNamedMemberCancelledOnesToo) {
    addMember(folder(), {{Tesserato, u"verdi"_qs}});
    addMember(folder(), {{Tesserato, u"Bianchi"_qs}, {Annullata, kYes}});
    addMember(folder(), {{Tesserato, u"   "_qs}});
    addMember(folder(), {{Tesserato, u"Verdi"_qs}, {Annullata, u"??"_qs}});
    EXPECT_EQ(names(pickerMembers(folder()).lines),
              (QStringList{u"Bianchi"_qs, u"verdi"_qs, u"Verdi"_qs}));
}

TEST_F(MemberLists, EachLineCarriesItsRecordAndCancelledOnesAreMarkedOnRequest) {
    addMember(folder(), {{Tesserato, u"Neri"_qs}});
    addMember(folder(), {{Tesserato, u"Gialli"_qs}});
    addMember(folder(), {{Tesserato, u"Neri"_qs}, {Annullata, kYes}});
    addMember(folder(), {{Tesserato, u"Neri"_qs}});
    const core::ListRows active = searchMembers(folder(), {});
    EXPECT_EQ(names(active.lines), (QStringList{u"Gialli"_qs, u"Neri"_qs, u"Neri"_qs}));
    EXPECT_EQ(active.records, (std::vector<qint64>{2, 1, 4})); // identical lines in file order

    const core::ListRows every = searchMembers(folder(), filters({{Tesserato, u"neri"_qs}}), true);
    EXPECT_EQ(every.records, (std::vector<qint64>{1, 4, 3}));
    EXPECT_FALSE(every.lines[0].endsWith(u"(annullata)"_qs));
    EXPECT_TRUE(every.lines[2].endsWith(u"  (annullata)"_qs));
}

TEST_F(MemberLists, DamagedRecordsAndUnreadableArchives) {
    addMember(folder(), {{Tesserato, u"Alfa"_qs}});
    appendRaw(folder(), QByteArray(kMemberRecordLength, '\xff')); // every length byte too large
    addMember(folder(), {{Tesserato, u"Beta"_qs}});
    const core::ListRows found = searchMembers(folder(), {});
    EXPECT_TRUE(found.readWhole);
    EXPECT_EQ(names(found.lines),
              (QStringList{u"Alfa"_qs, u"Beta"_qs})); // the flag "ÿÿ" is not "No"
    EXPECT_EQ(found.skipped, 1);
    EXPECT_EQ(found.records, (std::vector<qint64>{1, 3}));
    EXPECT_EQ(pickerMembers(folder()).lines.size(), 2);

    QTemporaryDir other;
    QDir(other.path()).mkdir(kMemberFileName);
    EXPECT_FALSE(searchMembers(other.path(), {}).readWhole);
    EXPECT_FALSE(pickerMembers(other.path()).readWhole);
}

TEST_F(MemberLists, MissingArchiveIsCreatedEmpty) {
    const core::ListRows found = searchMembers(folder(), {});
    EXPECT_TRUE(found.readWhole);
    EXPECT_TRUE(found.lines.isEmpty());
    EXPECT_TRUE(QFile::exists(QDir(folder()).filePath(kMemberFileName)));
}
