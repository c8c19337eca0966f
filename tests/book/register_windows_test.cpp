#include "book/book_windows.h"
#include "book/frm_apri_registro.h"
#include "book/frm_crea_registro.h"
#include "book/frm_frontespizio_reg.h"
#include "book/frm_menu_registro.h"
#include "book/registers.h"
#include "book_window_fixture.h"
#include "files.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace book;
using platform::MsgKind;
using namespace book_test;
using testing_support::child;

namespace {

// The book's windows and a stand-in for the main menu.
struct BookWindows {
    testing_support::Harness h;
    QWidget menu;
    BookWindows() {
        menu.setObjectName(u"TfrmAvvio"_qs);
        h.windows.add(&menu);
        addBookWindows(h.ctx);
    }
    ~BookWindows() {
        for (QWidget* w : h.windows.all())
            if (w != &menu) delete w;
    }
    QWidget* get(const char* name) { return h.windows.find(QLatin1String(name)); }
    void show(const char* name) { h.windows.switchTo(QLatin1String(name), &menu); }
    QString shown() const {
        QStringList names;
        for (QWidget* w : h.windows.all())
            if (w->isVisible()) names << w->objectName();
        return names.join(u',');
    }
    QListWidget* list() { return child<QListWidget>(get("TfrmApriRegistro"), u"lstFiles"_qs); }
    QString countLine() { return child<QLabel>(get("TfrmApriRegistro"), u"lblCreati"_qs)->text(); }
    void select(const QString& item) {
        const auto found = list()->findItems(item, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << item.toStdString();
        list()->setCurrentItem(found[0]);
    }
};

void touch(const QString& path, const QByteArray& bytes = {}) {
    testing_support::writeFile(path, bytes);
}

} // namespace

TEST(BookMenu, ModeWordDecidesWhereClosingLeads) {
    BookWindows b;
    const std::pair<const char*, const char*> cases[] = {{"btnCrea", "TfrmCreaRegistro"},
                                                         {"btnCompila", "TfrmApriRegistro"},
                                                         {"imgEsci", "TfrmAvvio"}};
    for (const auto& [button, next] : cases) {
        b.show("TfrmMenuRegistro");
        auto* menu = static_cast<TfrmMenuRegistro*>(b.get("TfrmMenuRegistro"));
        EXPECT_EQ(menu->mode(), "avvio");
        click(menu, button);
        EXPECT_EQ(b.shown(), QLatin1String(next)) << button;
        b.get(next)->hide();
    }
    click(b.get("TfrmMenuRegistro"), "imgGuida");
    ASSERT_EQ(b.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(b.h.fake.helpTopics[0].title, "Creazione e compilazione di un Libro Soci.");
}

TEST(CreateRegister, TypingAndPastingDropFileNameCharacters) {
    BookWindows b;
    b.show("TfrmCreaRegistro");
    auto* field = child<QLineEdit>(b.get("TfrmCreaRegistro"), u"txtFile"_qs);
    field->setText(u"vecchio"_qs);
    b.get("TfrmCreaRegistro")->hide();
    b.show("TfrmCreaRegistro"); // each show starts empty
    EXPECT_EQ(field->text(), "");
    testing_support::type(field, u"Soci: \"2026\" ç/ñ|°*?<>\\ÇÑ"_qs);
    EXPECT_EQ(field->text(), "Soci 2026 |");
    field->clear();
    QApplication::clipboard()->setText(u"a:b\r\nc\u0000d\u001b"_qs);
    field->paste();
    EXPECT_EQ(field->text(), "ab cd");
    EXPECT_EQ(field->maxLength(), 250);
}

TEST(CreateRegister, CreatesAnEmptyRegisterAndReturnsToTheMainMenu) {
    BookWindows b;
    b.show("TfrmCreaRegistro");
    QWidget* w = b.get("TfrmCreaRegistro");
    child<QLineEdit>(w, u"txtFile"_qs)->setText(u"  Soci 2026 "_qs);
    click(w, "btnApplica");
    ASSERT_EQ(b.h.fake.messages.size(), 1u);
    EXPECT_EQ(b.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(b.h.fake.lastMessage().text, createdMessage());
    const QFileInfo file(b.h.path(u"Soci 2026.lib"_qs));
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
    EXPECT_EQ(b.shown(), "TfrmAvvio");

    // Listed with its count line.
    b.show("TfrmApriRegistro");
    ASSERT_EQ(b.list()->count(), 1);
    EXPECT_EQ(b.list()->item(0)->text(), "Soci 2026.lib");
    EXPECT_EQ(b.countLine(), "Sono stati creati 1 Libri Soci.");
}

TEST(CreateRegister, RefusesAPastedNameThatLeavesTheFolder) {
    BookWindows b;
    QDir(b.h.dir.path()).mkdir(u"Documenti_Allegati"_qs);
    touch(b.h.path(u"Soci.lib"_qs), "page");
    b.show("TfrmCreaRegistro");
    QWidget* w = b.get("TfrmCreaRegistro");
    auto* field = child<QLineEdit>(w, u"txtFile"_qs);
    const std::pair<const char*, QString> cases[] = {
        {"../fuori", unsafeNameMessage()},
        {"Documenti_Allegati/x", unsafeNameMessage()},
        {"", emptyNameMessage()},
        {" Soci ", nameUsedMessage()},
    };
    for (const auto& [name, message] : cases) {
        b.h.fake.messages.clear();
        field->setText(QString::fromUtf8(name));
        click(w, "btnApplica");
        ASSERT_EQ(b.h.fake.messages.size(), 1u) << name;
        EXPECT_EQ(b.h.fake.lastMessage().kind, MsgKind::Warning) << name;
        EXPECT_EQ(b.h.fake.lastMessage().text, message) << name;
        EXPECT_TRUE(w->isVisible()) << name;
    }
    QDir parent(b.h.dir.path());
    parent.cdUp();
    EXPECT_FALSE(QFile::exists(parent.filePath(u"fuori.lib"_qs)));
    EXPECT_TRUE(QDir(b.h.path(u"Documenti_Allegati"_qs)).isEmpty());
    EXPECT_EQ(QDir(b.h.dir.path()).entryList(QDir::Files), QStringList{u"Soci.lib"_qs});
    QFile existing(b.h.path(u"Soci.lib"_qs));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "page");
}

TEST(CreateRegister, ANameTheFileSystemRefusesFailsAndCreatesNothing) {
    BookWindows b;
    b.show("TfrmCreaRegistro");
    QWidget* w = b.get("TfrmCreaRegistro");
    // 250 accented letters: more bytes than a file name may hold.
    child<QLineEdit>(w, u"txtFile"_qs)->setText(QString(250, QChar(0xE9)));
    click(w, "btnApplica");
    ASSERT_EQ(b.h.fake.messages.size(), 1u);
    EXPECT_EQ(b.h.fake.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(b.h.fake.lastMessage().text,
              createFailedMessage(QString(250, QChar(0xE9)) + u".lib"_qs));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(QDir(b.h.dir.path()).isEmpty());
    click(w, "imgGuida");
    ASSERT_EQ(b.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(b.h.fake.helpTopics[0].title, "Applicazione Creazione Libro Soci.");
}

TEST(RegisterList, WarnsWithoutRegistersOrSelection) {
    BookWindows b;
    b.show("TfrmApriRegistro");
    QWidget* w = b.get("TfrmApriRegistro");
    EXPECT_EQ(b.countLine(), "Sono stati creati 0 Libri Soci.");
    click(w, "btnApri");
    click(w, "btnElimina");
    touch(b.h.path(u"A.lib"_qs));
    static_cast<TfrmApriRegistro*>(w)->fill();
    click(w, "btnApri");
    click(w, "btnElimina");
    EXPECT_EQ(b.h.fake.texts(), (QStringList{emptyListMessage(), emptyListMessage(),
                                             selectToOpenMessage(), selectToDeleteMessage()}));
    EXPECT_TRUE(w->isVisible());
}

TEST(RegisterList, OpensTheExactFileInTheEditor) {
    BookWindows b;
    touch(b.h.path(u" Soci.lib"_qs), "made elsewhere");
    touch(b.h.path(u"Soci.lib"_qs));
    b.show("TfrmApriRegistro");
    b.select(u" Soci.lib"_qs);
    click(b.get("TfrmApriRegistro"), "btnApri");
    QWidget* editor = b.get("TfrmRegistro");
    EXPECT_EQ(child<QLabel>(editor, u"lblFile"_qs)->text(), b.h.path(u" Soci.lib"_qs));
    EXPECT_EQ(child<QLabel>(editor, u"lblNome"_qs)->text(), " Soci");
    EXPECT_EQ(b.shown(), "TfrmRegistro");
    EXPECT_TRUE(b.h.fake.messages.empty());

    // Shown again, it is back in mode "avvio": closing leads to the main menu.
    b.show("TfrmApriRegistro");
    auto* w = static_cast<TfrmApriRegistro*>(b.get("TfrmApriRegistro"));
    EXPECT_EQ(w->mode(), "avvio");
    click(w, "btnAnnulla");
    EXPECT_EQ(b.shown(), "TfrmAvvio,TfrmRegistro");
}

TEST(RegisterList, DeletesTheSelectedFileAfterConfirmation) {
    BookWindows b;
    touch(b.h.path(u" Soci.lib"_qs), "made elsewhere");
    touch(b.h.path(u"Soci.lib"_qs), "ours");
    b.show("TfrmApriRegistro");
    QWidget* w = b.get("TfrmApriRegistro");
    b.select(u" Soci.lib"_qs);
    b.h.fake.answers = {platform::Answer::No};
    click(w, "btnElimina");
    EXPECT_TRUE(QFile::exists(b.h.path(u" Soci.lib"_qs)));
    EXPECT_EQ(b.h.fake.lastMessage().kind, MsgKind::Question);
    EXPECT_EQ(b.h.fake.lastMessage().text, confirmDeleteQuestion());

    b.select(u" Soci.lib"_qs);
    click(w, "btnElimina");
    EXPECT_FALSE(QFile::exists(b.h.path(u" Soci.lib"_qs)));
    EXPECT_TRUE(QFile::exists(b.h.path(u"Soci.lib"_qs)));
    EXPECT_EQ(b.h.fake.lastMessage().text, deletedMessage());
    EXPECT_EQ(b.countLine(), "Sono stati creati 1 Libri Soci.");

    b.select(u"Soci.lib"_qs);
    click(w, "btnElimina");
    EXPECT_EQ(b.list()->count(), 0);
    EXPECT_EQ(b.countLine(), "Sono stati creati 0 Libri Soci.");
}

TEST(RegisterList, TitlePageOpensWithOrWithoutSelection) {
    BookWindows b;
    b.show("TfrmApriRegistro");
    click(b.get("TfrmApriRegistro"), "btnFrontespizio");
    EXPECT_EQ(b.h.fake.modalDialogs, QStringList{u"TfrmFrontespizioReg"_qs});
    click(b.get("TfrmApriRegistro"), "imgGuida");
    ASSERT_EQ(b.h.fake.helpTopics.size(), 1u);
    EXPECT_EQ(b.h.fake.helpTopics[0].title, "Applicazione Compilazione Libro Soci.");
}
