// Every list and export window over one table: a damaged record in the middle is left out and
// told, an unreadable file gives the access message, and of two identical lines the one picked
// (double click or Enter) is the one loaded.
#include "book/frm_trova_registro.h"
#include "book/page_record.h"
#include "cashbook/frm_exp_movimenti.h"
#include "cashbook/frm_sospesi_mov.h"
#include "cashbook/frm_trova_movimenti.h"
#include "cashbook/movement_record.h"
#include "core/list_rows.h"
#include "core/record_file.h"
#include "deadlines/deadline_record.h"
#include "deadlines/frm_exp_scadenze.h"
#include "deadlines/frm_riepiloghi.h"
#include "deadlines/frm_trova_scadenzario.h"
#include "members/frm_exp_anagrafica.h"
#include "members/frm_importa_soci.h"
#include "members/frm_sospesi.h"
#include "members/frm_trova_anagrafica.h"
#include "members/member_record.h"
#include "fake_platform.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testing_support::child;
using testing_support::Harness;

namespace {

// One window over one file: where the file is, a record the window lists (identical for every
// record written), how the window opens and what it picked.
struct ListCase {
    const char* name;
    QString file;
    const core::RecordLayout& layout;
    std::function<void(QStringList& values)> listed;
    std::function<std::unique_ptr<QDialog>(Harness& h)> open;
    std::function<std::optional<qint64>(QDialog* window)> picked; // empty for export grids
};

template <class W> std::optional<qint64> pickedRecord(QDialog* w) {
    return static_cast<W*>(w)->pickedRecord();
}
template <class W> std::optional<qint64> chosenMovement(QDialog* w) {
    const auto m = static_cast<W*>(w)->chosen();
    return m ? std::optional<qint64>(m->number) : std::nullopt;
}
template <class W, class... Args> std::function<std::unique_ptr<QDialog>(Harness&)> opens(Args... args) {
    return [=](Harness& h) { return std::unique_ptr<QDialog>(new W(h.ctx, nullptr, args...)); };
}
// A search window opens on its filters: "Cerca" with none lists every record it can.
template <class W> std::unique_ptr<QDialog> searched(std::unique_ptr<QDialog> w) {
    child<QPushButton>(w.get(), u"btnCerca"_qs)->click();
    return w;
}

const QString kMovements = u"2026.prn"_qs;

void activeMember(QStringList& v) {
    v[members::Tesserato] = u"Rossi Mario"_qs;
    v[members::Annullata] = u"No"_qs;
    v[members::DataScade] = u"01/01/2026"_qs;
    v[members::Preavviso] = u"0"_qs;
}
void pendingMovement(QStringList& v) {
    v[cashbook::Causale] = u"Quota"_qs;
    v[cashbook::Saldato] = u"No"_qs;
    v[cashbook::DataSca] = u"01/01/2026"_qs;
    v[cashbook::Preavviso] = u"0"_qs;
}
void unpaidDeadline(QStringList& v) {
    v[deadlines::Dettagli] = u"Affitto"_qs;
    v[deadlines::Effettuata] = u"No"_qs;
}
void numberedPage(QStringList& v) {
    v[book::Numero] = u"1"_qs;
    v[book::rowField(0, book::Socio)] = u"Rossi Mario"_qs;
}

std::vector<ListCase> cases() {
    const QString deadlineFile = deadlines::yearFileName(2026);
    const auto deadlineArchive = [deadlineFile](Harness& h) {
        return core::Archive(h.dir.path(), deadlineFile, deadlines::deadlineLayout());
    };
    return {
        {"member search", members::kMemberFileName, members::memberLayout(), activeMember,
         [](Harness& h) {
             return searched<members::TfrmTrovaAnagrafica>(std::unique_ptr<QDialog>(
                 new members::TfrmTrovaAnagrafica(h.ctx, nullptr, u"anagrafica"_qs)));
         },
         pickedRecord<members::TfrmTrovaAnagrafica>},
        {"renewal list", members::kMemberFileName, members::memberLayout(), activeMember,
         opens<members::TfrmSospesi>(), pickedRecord<members::TfrmSospesi>},
        {"book picker", members::kMemberFileName, members::memberLayout(), activeMember,
         opens<members::TfrmImportaSoci>(u"libro"_qs), pickedRecord<members::TfrmImportaSoci>},
        {"member export", members::kMemberFileName, members::memberLayout(), activeMember,
         opens<members::TfrmExpAnagrafica>(), {}},
        {"movement search", kMovements, cashbook::movementLayout(), pendingMovement,
         [](Harness& h) {
             return searched<cashbook::TfrmTrovaMovimenti>(std::unique_ptr<QDialog>(
                 new cashbook::TfrmTrovaMovimenti(h.ctx, nullptr, h.path(kMovements),
                                                  u"movimenti"_qs)));
         },
         chosenMovement<cashbook::TfrmTrovaMovimenti>},
        {"pending movements", kMovements, cashbook::movementLayout(), pendingMovement,
         [](Harness& h) {
             return std::unique_ptr<QDialog>(
                 new cashbook::TfrmSospesiMov(h.ctx, nullptr, h.path(kMovements)));
         },
         chosenMovement<cashbook::TfrmSospesiMov>},
        {"movement export", kMovements, cashbook::movementLayout(), pendingMovement,
         [](Harness& h) {
             return std::unique_ptr<QDialog>(
                 new cashbook::TfrmExpMovimenti(h.ctx, nullptr, h.path(kMovements)));
         },
         {}},
        {"deadline summary", deadlineFile, deadlines::deadlineLayout(), unpaidDeadline,
         [deadlineArchive](Harness& h) {
             return std::unique_ptr<QDialog>(
                 new deadlines::TfrmConfermati(h.ctx, nullptr, deadlineArchive(h)));
         },
         pickedRecord<deadlines::TfrmConfermati>},
        {"deadline search", deadlineFile, deadlines::deadlineLayout(), unpaidDeadline,
         [deadlineArchive](Harness& h) {
             return searched<deadlines::TfrmTrovaScadenzario>(
                 std::unique_ptr<QDialog>(new deadlines::TfrmTrovaScadenzario(
                     h.ctx, nullptr, deadlineArchive(h), u"Scadenzario"_qs)));
         },
         pickedRecord<deadlines::TfrmTrovaScadenzario>},
        {"deadline year export", deadlineFile, deadlines::deadlineLayout(), unpaidDeadline,
         [deadlineArchive](Harness& h) {
             return std::unique_ptr<QDialog>(
                 new deadlines::TfrmExpScadenzario(h.ctx, nullptr, deadlineArchive(h)));
         },
         {}},
        {"page list", u"Registro.lib"_qs, book::pageLayout(), numberedPage,
         [](Harness& h) {
             return std::unique_ptr<QDialog>(
                 new book::TfrmTrovaRegistro(h.ctx, nullptr, h.path(u"Registro.lib"_qs)));
         },
         [](QDialog* w) -> std::optional<qint64> {
             const auto page = static_cast<book::TfrmTrovaRegistro*>(w)->picked();
             return page ? std::optional<qint64>(page->number) : std::nullopt;
         }},
    };
}

// Two identical listed records with a damaged one between them.
void writeWithDamage(Harness& h, const ListCase& c) {
    QStringList values(c.layout.fieldCount());
    c.listed(values);
    const core::Archive archive(h.dir.path(), c.file, c.layout);
    ASSERT_TRUE(archive.save(0, values));
    ASSERT_TRUE(archive.save(0, values));
    ASSERT_TRUE(archive.save(0, values));
    QFile f(archive.path());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(c.layout.recordLength()); // record 2: every length byte past its field
    f.write(QByteArray(c.layout.recordLength(), '\xff'));
}

platform::TextList* listOf(QDialog* w) {
    return w->findChild<platform::TextList*>(u"lstRecords"_qs);
}

} // namespace

TEST(EveryList, ADamagedRecordIsLeftOutAndTold) {
    for (const ListCase& c : cases()) {
        Harness h;
        writeWithDamage(h, c);
        const auto w = c.open(h);
        ASSERT_FALSE(h.fake.messages.empty()) << c.name;
        EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning) << c.name;
        EXPECT_EQ(h.fake.lastMessage().text,
                  u"Attenzione: 1 schede non leggibili non sono state incluse nel riepilogo."_qs)
            << c.name;
        if (c.picked) {
            EXPECT_EQ(listOf(w.get())->records(), (std::vector<qint64>{1, 3})) << c.name;
            continue;
        }
        // A grid that left a record out is never exported, in either format.
        auto* grid = static_cast<platform::ExportWindow*>(w.get());
        EXPECT_EQ(grid->rowCount(), 2) << c.name;
        for (const char* button : {"cmdEsporta", "cmdEsportaXlsx"}) {
            h.fake.messages.clear();
            child<QToolButton>(grid, QString::fromLatin1(button))->click();
            ASSERT_EQ(h.fake.messages.size(), 1u) << c.name << button;
            EXPECT_EQ(h.fake.lastMessage().kind, platform::MsgKind::Warning) << c.name;
        }
        EXPECT_TRUE(QDir(h.dir.path()).entryList({u"*.xls"_qs, u"*.xlsx"_qs}).isEmpty())
            << c.name;
    }
}

TEST(EveryList, AFileThatCannotBeReadGivesTheAccessMessage) {
    for (const ListCase& c : cases()) {
        Harness h;
        ASSERT_TRUE(QDir(h.dir.path()).mkdir(c.file)); // a folder where the file should be
        const auto w = c.open(h);
        if (!c.picked) { // the grid opens empty; its export is refused
            h.fake.messages.clear();
            for (const char* button : {"cmdEsporta", "cmdEsportaXlsx"})
                child<QToolButton>(w.get(), QString::fromLatin1(button))->click();
            ASSERT_EQ(h.fake.messages.size(), 2u) << c.name;
        }
        ASSERT_FALSE(h.fake.messages.empty()) << c.name;
        EXPECT_EQ(h.fake.lastMessage().text, core::archiveAccessMessage()) << c.name;
    }
}

TEST(EveryList, OfTwoIdenticalLinesTheOnePickedIsLoaded) {
    for (const ListCase& c : cases()) {
        if (!c.picked) continue;
        for (const bool enter : {false, true}) {
            Harness h;
            writeWithDamage(h, c);
            const auto w = c.open(h);
            platform::TextList* list = listOf(w.get());
            ASSERT_EQ(list->count(), 2) << c.name;
            ASSERT_EQ(list->lines()[0], list->lines()[1]) << c.name;
            if (enter) {
                list->selectRow(1);
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                emit list->doubleClicked(list->model()->index(1, 0));
            }
            EXPECT_EQ(w->result(), QDialog::Accepted) << c.name << enter;
            EXPECT_EQ(c.picked(w.get()), 3) << c.name << (enter ? " by Enter" : " by double click");
        }
    }
}
