#include "core/record_file.h"
#include "book/frm_trova_registro.h"
#include "book/page_list.h"
#include "book_fixture.h"
#include "book_window_fixture.h"
#include "fake_platform.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace book;
using namespace book_test;
using testing_support::child;

namespace {

struct PageListWindow {
    testing_support::Harness h;
    QWidget editor;
    QString path;
    explicit PageListWindow(std::initializer_list<PageValues> pages)
        : path(writeRegister(h.dir.path(), u"Soci.lib"_qs, pages)) {}
};

PageValues member(const QString& name, const QString& president = {}) {
    return page({{A(Ordine), u"1"_qs}, {A(Socio), name}, {Presidente, president}});
}

} // namespace

TEST(PageListWindow, FindsInARingAndKeepsTheSelectionWithoutMatch) {
    PageListWindow f(
        {member(u"Rossi Mario"_qs), member(u"Verdi Anna"_qs), member(u"Rossini Carla"_qs)});
    TfrmTrovaRegistro w(f.h.ctx, &f.editor, f.path);
    EXPECT_EQ(w.list()->count(), 3);
    EXPECT_EQ(w.list()->selectedRow(), -1);
    auto* key = child<QLineEdit>(&w, u"txtTrova"_qs);
    auto* trova = child<QPushButton>(&w, u"btnTrova"_qs);
    const std::pair<const char*, int> steps[] = {
        {"ROSS", 0}, {"ROSS", 2}, {"ROSS", 0}, {"nessuno", 0}, {"anna", 1}};
    for (const auto& [typed, row] : steps) {
        key->setText(QLatin1String(typed));
        trova->click();
        EXPECT_EQ(w.list()->selectedRow(), row) << typed;
    }
    EXPECT_TRUE(f.h.fake.messages.empty());
}

TEST(PageListWindow, APickLoadsThePageOfTheLinePickedWhole) {
    PageListWindow f({member(u"Rossi Mario"_qs, u"prima"_qs), member(u"Verdi Anna"_qs),
                      member(u"Rossi Mario"_qs, u"terza"_qs)});
    TfrmTrovaRegistro w(f.h.ctx, &f.editor, f.path);
    ASSERT_EQ(w.list()->lines()[0], w.list()->lines()[2]);
    w.pick(2);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    ASSERT_TRUE(w.picked());
    EXPECT_EQ(w.picked()->number, 3);
    EXPECT_EQ(w.picked()->values[Presidente], "terza");
    EXPECT_EQ(w.picked()->values.size(), kPageFieldCount);
}

TEST(PageListWindow, APageThatCannotBeReadChangesNothing) {
    PageListWindow f({member(u"Rossi Mario"_qs), member(u"Verdi Anna"_qs)});
    TfrmTrovaRegistro w(f.h.ctx, &f.editor, f.path);
    QFile::resize(f.path, kPageRecordLength + 10); // page 2 cut short meanwhile
    w.pick(1);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(w.picked());
    EXPECT_EQ(f.h.fake.lastMessage().text, core::archiveAccessMessage());
}

TEST(PageListWindow, PrintsTheListUnderItsTitle) {
    PageListWindow f({member(u"Rossi Mario"_qs), member(u"Verdi Anna"_qs)});
    TfrmTrovaRegistro w(f.h.ctx, &f.editor, f.path);
    f.h.fake.pdfPath = f.h.path(u"elenco.pdf"_qs);
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    ASSERT_EQ(f.h.fake.printCalls.size(), 1u);
    const QString text = pdfText(f.h.fake.pdfPath);
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    EXPECT_TRUE(text.contains(u"Riepilogo pagine Libro Soci"_qs));
    EXPECT_TRUE(text.contains(u"Socio: Verdi Anna"_qs));
}

TEST(PageListWindow, EmptyListFindsNothingAndPrintsItsTitle) {
    PageListWindow f({});
    TfrmTrovaRegistro w(f.h.ctx, &f.editor, f.path);
    child<QPushButton>(&w, u"btnTrova"_qs)->click();
    ASSERT_EQ(f.h.fake.messages.size(), 1u);
    EXPECT_EQ(f.h.fake.lastMessage().kind, platform::MsgKind::Plain);
    EXPECT_EQ(f.h.fake.lastMessage().text,
              "Ricerca non applicabile: la lista non contiene nessuna voce.");
    child<QPushButton>(&w, u"btnStampa"_qs)->click();
    ASSERT_EQ(f.h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(f.h.fake.printCalls[0].preview);
}
