#include "book/page_generation.h"
#include "book_fixture.h"
#include "core/record_file.h"
#include "members/member_archive.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace book;
using namespace book_test;

const QDate kToday(2026, 3, 15);

struct TestMember {
    const char* name;
    const char* card;
    const char* issued = "10/01/2026";
    const char* role = "Socio";
    const char* fee = "50,00";
    bool cancelled = false;
};

QStringList memberValues(const TestMember& m) {
    QStringList v(members::MemberFieldCount);
    v[members::Tesserato] = QString::fromUtf8(m.name);
    v[members::Carica] = QString::fromUtf8(m.role);
    v[members::NumTessera] = QString::fromUtf8(m.card);
    v[members::DataRil] = QString::fromUtf8(m.issued);
    v[members::DataScade] = u"31/12/2026"_qs;
    v[members::DataNasc] = u"02/03/1980"_qs;
    v[members::ComuneNasc] = u"Roma"_qs;
    v[members::CodFisc] = u"RSSMRA80C02H501X"_qs;
    v[members::IndirizzoRes] = u"Via Po 3"_qs;
    v[members::CapRes] = u"00198"_qs;
    v[members::ComuneRes] = u"Roma"_qs;
    v[members::ProvRes] = u"RM"_qs;
    v[members::Recapito] = u"06 5551234"_qs;
    v[members::Titoli] = QString::fromUtf8(m.fee);
    v[members::Preavviso] = u"0"_qs;
    v[members::Annullata] = m.cancelled ? members::kYes : members::kNo;
    return v;
}

void addMembers(const QString& folder, const std::vector<TestMember>& people) {
    std::vector<QStringList> records;
    for (const TestMember& m : people)
        records.push_back(memberValues(m));
    ASSERT_TRUE(members::MemberArchive(folder).archive().appendAll(records));
}

PageValues heading() {
    return page({}).mid(0, HeadingFieldCount);
}

QStringList namesOf(const GenerationPlan& plan, RowOutcome outcome) {
    QStringList out;
    for (const PlannedRow& r : plan.rows)
        if (r.outcome == outcome) out << r.name;
    return out;
}

// The text stored in `field` of raw page record `record`, read at its offset by the layout.
QString storedField(const QByteArray& record, int field) {
    const int at = pageLayout().offset(field);
    const int length = quint8(record[at]);
    EXPECT_LE(length, kPageFields[field].capacity) << kPageFields[field].name;
    return QString::fromLatin1(record.mid(at + 1, length));
}

TEST(PageGeneration, TenMembersFillThreePagesContinuingTheRunningNumbers) {
    QTemporaryDir dir;
    // Rows 1 to 3 are on the register's only page; the new pages go on from 4.
    const QString path = writeRegister(dir.path(), u"Libro.lib"_qs,
                                       {page({{A(Ordine), u"1"_qs},
                                              {A(Socio), u"Primo Socio"_qs},
                                              {A(Tessera), u"T-901"_qs},
                                              {B(Ordine), u"3"_qs},
                                              {B(Socio), u"Terzo Socio"_qs}})});
    // Added out of name order, so the order is the plan's.
    std::vector<TestMember> people;
    const char* names[] = {"Verdi Anna", "Bianchi Luca", "Rossi Mario", "Neri Carla",
                           "Gialli Piero", "Azzurri Sara", "Marroni Ugo", "Viola Elsa",
                           "Bruni Dario", "Costa Irene"};
    for (int i = 0; i < 10; ++i)
        people.push_back({names[i], nullptr});
    QList<QByteArray> cards;
    for (int i = 0; i < 10; ++i)
        cards << QByteArray("T-") + QByteArray::number(101 + i);
    for (int i = 0; i < 10; ++i)
        people[size_t(i)].card = cards[i].constData();
    addMembers(dir.path(), people);

    EXPECT_EQ(nextRunningNumber(path), 4);
    GenerationRequest request;
    request.firstNumber = *nextRunningNumber(path);
    request.heading = heading();
    const GenerationPlan plan = planPages(dir.path(), path, request, kToday);
    ASSERT_TRUE(plan.ok);
    EXPECT_EQ(plan.pageCount, 3);
    EXPECT_EQ(plan.added, 10);
    EXPECT_EQ(generatePages(path, plan, request.heading), GenerationResult::Written);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 4 * kPageRecordLength);
    QStringList sorted;
    for (const char* n : names)
        sorted << QString::fromUtf8(n);
    sorted.sort();
    const int rowsOnPage[] = {4, 4, 2};
    int member = 0;
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE("new page " + std::to_string(p + 1));
        const QByteArray record = bytes.mid((p + 1) * kPageRecordLength, kPageRecordLength);
        for (int f = 0; f < HeadingFieldCount; ++f)
            EXPECT_EQ(storedField(record, f), heading()[f]);
        for (int r = 0; r < kRows; ++r) {
            const auto at = [r](RowField f) { return rowField(r, f); };
            if (r >= rowsOnPage[p]) {
                for (int f = 0; f < RowFieldCount; ++f)
                    EXPECT_EQ(storedField(record, at(RowField(f))), QString()) << "row " << r;
                continue;
            }
            const QString name = sorted[member];
            const int original = int(std::find(std::begin(names), std::end(names),
                                               std::string_view(name.toStdString())) -
                                     std::begin(names));
            EXPECT_EQ(storedField(record, at(Ordine)), QString::number(4 + member));
            EXPECT_EQ(storedField(record, at(Socio)), name);
            EXPECT_EQ(storedField(record, at(LuogoNasc)), u"Roma"_qs);
            EXPECT_EQ(storedField(record, at(DataNasc)), u"02/03/1980"_qs);
            EXPECT_EQ(storedField(record, at(CodFiscSocio)), u"RSSMRA80C02H501X"_qs);
            EXPECT_EQ(storedField(record, at(Indirizzo)), u"Via Po 3 00198 Roma RM"_qs);
            EXPECT_EQ(storedField(record, at(Telefono)), u"06 5551234"_qs);
            EXPECT_EQ(storedField(record, at(Tessera)), QString::fromLatin1(cards[original]));
            EXPECT_EQ(storedField(record, at(DataAmm)), u"10/01/2026"_qs);
            EXPECT_EQ(storedField(record, at(Quota)), u"50,00"_qs);
            for (RowField f : {DataUsc, Motivo, Annotazioni})
                EXPECT_EQ(storedField(record, at(f)), QString());
            ++member;
        }
        for (int f = kFirstAttachment; f < kPageFieldCount; ++f)
            EXPECT_EQ(storedField(record, f), QString());
    }
    EXPECT_EQ(nextRunningNumber(path), 14);
}

TEST(PageGeneration, MembersAlreadyInTheRegisterAreLeftOut) {
    QTemporaryDir dir;
    const QString path = writeRegister(
        dir.path(), u"Libro.lib"_qs,
        {page({{A(Ordine), u"1"_qs}, {A(Socio), u"Rossi Mario"_qs}, {A(Tessera), u"T-3"_qs}})});
    addMembers(dir.path(), {{"Arancio Ada", "T-1"},
                            {"Blu Bice", "T-2"},
                            {"Rossi Mario", "T-3"},
                            {"Doppio Dino", "T-2"}, // the same card twice in the choice
                            {"Senza Tessera", ""}});
    GenerationRequest request;
    request.firstNumber = 2;
    request.heading = heading();
    const GenerationPlan plan = planPages(dir.path(), path, request, kToday);
    EXPECT_EQ(namesOf(plan, RowOutcome::InRegister),
              (QStringList{u"Doppio Dino"_qs, u"Rossi Mario"_qs}));
    EXPECT_EQ(namesOf(plan, RowOutcome::Added),
              (QStringList{u"Arancio Ada"_qs, u"Blu Bice"_qs, u"Senza Tessera"_qs}));
    EXPECT_EQ(plan.inRegister, 2);
    for (const PlannedRow& r : plan.rows)
        if (r.outcome == RowOutcome::InRegister) {
            EXPECT_EQ(r.esito, u"Già nel Libro Soci"_qs);
        }
    ASSERT_EQ(generatePages(path, plan, request.heading), GenerationResult::Written);

    // Planned again, nothing is left to add.
    const GenerationPlan again = planPages(dir.path(), path, request, kToday);
    EXPECT_EQ(again.added, 1) << "a member without a card number cannot be recognised";
    EXPECT_EQ(namesOf(again, RowOutcome::Added), QStringList{u"Senza Tessera"_qs});
}

TEST(PageGeneration, ChoiceAndOrderPickTheRows) {
    std::vector<TestMember> people = {
        {"Zeta Ugo", "10", "05/01/2026", "Presidente"},
        {"Alfa Eva", "9", "20/02/2026", "Socio"},
        {"Mezzo Ivo", "T-1", "15/12/2025", "Consigliere"},
        {"Beta Ada", "010", "01/03/2026", "Socio", "50,00", true}, // cancelled
        {"Gamma Leo", "2", "31/01/2026", "Vicepresidente"},
    };
    struct Case {
        const char* what;
        MemberChoice choice;
        PageOrder order;
        QDate from, to;
        const char* role;
        QStringList want;
    };
    const Case cases[] = {
        {"all active by name", MemberChoice::Active, PageOrder::ByName, {}, {}, "",
         {u"Alfa Eva"_qs, u"Gamma Leo"_qs, u"Mezzo Ivo"_qs, u"Zeta Ugo"_qs}},
        {"by card number, numbers by value", MemberChoice::Active, PageOrder::ByCardNumber, {}, {},
         "", {u"Gamma Leo"_qs, u"Alfa Eva"_qs, u"Zeta Ugo"_qs, u"Mezzo Ivo"_qs}},
        {"issued in January, ends included", MemberChoice::IssuedBetween, PageOrder::ByName,
         QDate(2026, 1, 5), QDate(2026, 1, 31), "", {u"Gamma Leo"_qs, u"Zeta Ugo"_qs}},
        {"the search's role filter, any case", MemberChoice::Search, PageOrder::ByName, {}, {},
         "PRES", {u"Gamma Leo"_qs, u"Zeta Ugo"_qs}},
        {"a filter the files cannot hold", MemberChoice::Search, PageOrder::ByName, {}, {},
         "\u4e2d", {}},
    };
    QTemporaryDir dir;
    const QString path = writeRegister(dir.path(), u"Libro.lib"_qs, {});
    addMembers(dir.path(), people);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GenerationRequest request;
        request.choice = c.choice;
        request.order = c.order;
        request.from = c.from;
        request.to = c.to;
        request.filters[1] = QString::fromUtf8(c.role); // Carica
        const GenerationPlan plan = planPages(dir.path(), path, request, kToday);
        ASSERT_TRUE(plan.ok);
        EXPECT_EQ(namesOf(plan, RowOutcome::Added), c.want);
    }
}

TEST(PageGeneration, ValuesThatDoNotFitAreRefusedRowByRow) {
    QTemporaryDir dir;
    const QString path = writeRegister(dir.path(), u"Libro.lib"_qs, {});
    addMembers(dir.path(), {{"Alfa Eva", "1"},
                            {"Beta Ada", "2", "10/01/2026", "Socio", "cinquanta euro annui"},
                            {"Gamma Leo", "3"}});
    GenerationRequest request;
    request.firstNumber = 1;
    request.heading = heading();
    const GenerationPlan plan = planPages(dir.path(), path, request, kToday);
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[1].outcome, RowOutcome::Refused);
    EXPECT_EQ(plan.rows[1].esito, u"Non inserito: quota sociale oltre 15 caratteri"_qs);
    // The refused row takes no running number and no place.
    EXPECT_EQ(plan.rows[2].number, 2);
    EXPECT_EQ(plan.rows[2].row, 1);
    EXPECT_EQ(plan.refused, 1);
    EXPECT_EQ(plan.pageCount, 1);
}

TEST(PageGeneration, ARegisterChangedSinceThePlanGetsNothing) {
    QTemporaryDir dir;
    const QString path = writeRegister(dir.path(), u"Libro.lib"_qs, {});
    addMembers(dir.path(), {{"Alfa Eva", "1"}});
    GenerationRequest request;
    request.heading = heading();
    const GenerationPlan plan = planPages(dir.path(), path, request, kToday);
    ASSERT_TRUE(pageArchive(path).save(0, page({{A(Ordine), u"1"_qs}, {A(Tessera), u"9"_qs}})));
    EXPECT_EQ(generatePages(path, plan, request.heading), GenerationResult::RegisterChanged);
    EXPECT_EQ(pageArchive(path).count(), 1);
}

TEST(PageGeneration, AKillInTheMiddleLeavesTheRegisterAsItWas) {
    QTemporaryDir dir;
    const QString path = writeRegister(
        dir.path(), u"Libro.lib"_qs,
        {page({{A(Ordine), u"1"_qs}, {A(Socio), u"Primo Socio"_qs}, {A(Tessera), u"X"_qs}})});
    // More pages than one write block holds, so the child is stopped between two blocks.
    std::vector<QByteArray> cards;
    std::vector<TestMember> people;
    for (int i = 0; i < 4000; ++i)
        cards.push_back(QByteArray::number(i + 1));
    for (int i = 0; i < 4000; ++i)
        people.push_back({"Socio", cards[size_t(i)].constData()});
    addMembers(dir.path(), people);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    GenerationRequest request;
    request.firstNumber = 2;
    request.heading = heading();
    const GenerationPlan plan = planPages(dir.path(), path, request, kToday);
    ASSERT_EQ(plan.pageCount, 1000);

    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(fds[0]);
        generatePages(path, plan, request.heading, [&](qint64 done) {
            if (done >= plan.pageCount) return;
            const char part = 1;
            if (::write(fds[1], &part, 1) != 1) ::_exit(3);
            for (;;)
                ::pause(); // killed here, part-way through
        });
        ::_exit(2); // never got part-way
    }
    ::close(fds[1]);
    char part = 0;
    const bool partWay = ::read(fds[0], &part, 1) == 1;
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(fds[0]);
    ASSERT_TRUE(partWay) << "the child finished before it could be stopped";
    EXPECT_GT(QFileInfo(path).size(), old.size()) << "the kill came after some pages were on disk";

    // The next open puts the register back as it was.
    EXPECT_EQ(pageArchive(path).count(), 1);
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
    EXPECT_FALSE(QFile::exists(core::RecordFile::journalPath(path)));
}

} // namespace
