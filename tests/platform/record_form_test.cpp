#include "core/archive.h"
#include "core/record_file.h"
#include "fake_platform.h"
#include "files.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using platform::Binding;
using platform::InputRule;
using platform::MsgKind;
using testing_support::child;

// A small archive: a name, a drop-down choice, a flag, a hidden label and a field no control shows.
enum Field { Nome, Scelta, Flag, Nascosto, Riservato, FieldCount };
constexpr core::Field kFields[] = {
    {"Nome", 20}, {"Scelta", 10}, {"Flag", 2}, {"Nascosto", 20}, {"Riservato", 20}};
const core::RecordLayout& layout() {
    static const core::RecordLayout l(kFields);
    return l;
}
constexpr Binding kBindings[] = {
    {"txtNome", Nome, 8, InputRule::Plain, "cboScelta"},
    {"cboScelta", Scelta, 0, InputRule::Plain, "txtNome"},
    {"chkFlag", Flag, 0, InputRule::Plain, nullptr},
    {"lblNascosto", Nascosto, 0, InputRule::Plain, nullptr},
};

struct Window {
    testing_support::Harness h;
    QWidget w;
    QLineEdit* nome = new QLineEdit(&w);
    QComboBox* scelta = new QComboBox(&w);
    QCheckBox* flag = new QCheckBox(&w);
    QLabel* nascosto = new QLabel(&w);
    QLabel* position = new QLabel(&w);
    platform::RecordForm form{h.ctx, &w, layout(), kBindings};
    core::Archive archive{h.dir.path(), QStringLiteral("Prova.dat"), layout()};

    Window() {
        nome->setObjectName(QStringLiteral("txtNome"));
        scelta->setObjectName(QStringLiteral("cboScelta"));
        scelta->addItems({QStringLiteral("Uno"), QStringLiteral("Due")});
        flag->setObjectName(QStringLiteral("chkFlag"));
        nascosto->setObjectName(QStringLiteral("lblNascosto"));
        position->setObjectName(QStringLiteral("lblPosizione"));
        form.bind(position);
    }
    QStringList record(const char* nome, const char* scelta, const char* flag,
                       const char* riservato = "") const {
        return {QString::fromUtf8(nome), QString::fromUtf8(scelta), QString::fromUtf8(flag),
                QStringLiteral("doc.pdf"), QString::fromUtf8(riservato)};
    }
};

TEST(RecordForm, LoadsAndStoresEveryKindOfControlAndKeepsUnboundFields) {
    Window t;
    ASSERT_TRUE(t.archive.save(0, t.record("Anna", "Due", "S\u00ec", "segreto")));
    ASSERT_TRUE(t.form.load(t.archive, 1));
    EXPECT_EQ(t.nome->text(), QStringLiteral("Anna"));
    EXPECT_EQ(t.scelta->currentText(), QStringLiteral("Due"));
    EXPECT_TRUE(t.flag->isChecked());
    EXPECT_EQ(t.nascosto->text(), QStringLiteral("doc.pdf"));
    EXPECT_EQ(t.position->text(), QStringLiteral("1"));
    EXPECT_EQ(t.nome->maxLength(), 8);

    t.nome->setText(QStringLiteral("  Bruno "));
    t.flag->setChecked(false);
    ASSERT_EQ(t.form.save(t.archive), 1);
    // The field no control shows goes back as it was loaded.
    EXPECT_EQ(*t.archive.read(1), t.record("Bruno", "Due", "No", "segreto"));

    // A value the drop-down does not list selects nothing; New empties everything.
    t.form.setText(Scelta, QStringLiteral("Tre"));
    EXPECT_EQ(t.scelta->currentIndex(), -1);
    t.form.clear();
    QStringList empty(FieldCount, QString());
    empty[Flag] = QStringLiteral("No");
    EXPECT_EQ(t.form.values(), empty);
    EXPECT_EQ(t.position->text(), QString());
    ASSERT_EQ(t.form.save(t.archive), 2);
}

TEST(RecordForm, NavigationMessagesAndFailuresChangeNothing) {
    Window t;
    t.form.navigate(t.archive, core::NavCommand::First);
    ASSERT_EQ(t.h.fake.messages.size(), 1u);
    EXPECT_EQ(t.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(t.h.fake.lastMessage().text,
              QStringLiteral("L'archivio non contiene nessuna scheda."));

    ASSERT_TRUE(t.archive.save(0, t.record("Anna", "Uno", "No")));
    ASSERT_TRUE(t.archive.save(0, t.record("Bruno", "Due", "No")));
    qint64 shown = 0;
    t.form.onShown = [&](qint64 n) { shown = n; };
    t.form.navigate(t.archive, core::NavCommand::Next); // from a new sheet: record 1
    EXPECT_EQ(t.nome->text(), QStringLiteral("Anna"));
    t.form.navigate(t.archive, core::NavCommand::Last);
    EXPECT_EQ(t.nome->text(), QStringLiteral("Bruno"));
    EXPECT_EQ(shown, 2);
    t.form.navigate(t.archive, core::NavCommand::Next); // at the end: nothing, silently
    EXPECT_EQ(t.h.fake.messages.size(), 1u);

    // An unreadable archive: the access message, the screen as it was.
    t.nome->setText(QStringLiteral("In corso"));
    core::Archive broken(t.h.dir.path(), QStringLiteral("cartella"), layout());
    QDir(t.h.dir.path()).mkdir(QStringLiteral("cartella"));
    t.form.navigate(broken, core::NavCommand::First);
    EXPECT_FALSE(t.form.load(broken, 1));
    EXPECT_FALSE(t.form.save(broken));
    ASSERT_EQ(t.h.fake.messages.size(), 4u);
    EXPECT_EQ(t.h.fake.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(t.h.fake.lastMessage().text, core::archiveAccessMessage());
    EXPECT_EQ(t.nome->text(), QStringLiteral("In corso"));
    EXPECT_EQ(t.position->text(), QStringLiteral("2"));
}

TEST(RecordForm, DuplicateKeepsTheFieldsResetsTheNamedOnesAndAppendsOnSave) {
    Window t;
    EXPECT_FALSE(t.form.duplicate(t.archive, {}, "txtNome"));
    EXPECT_EQ(t.h.fake.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(t.h.fake.lastMessage().text,
              QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                             "dopo che questa è stata inserita in archivio."));

    ASSERT_TRUE(t.archive.save(0, t.record("Anna", "Uno", "S\u00ec")));
    ASSERT_TRUE(t.form.load(t.archive, 1));
    const int reset[] = {Nascosto};
    t.w.show();
    t.w.activateWindow();
    ASSERT_TRUE(t.form.duplicate(t.archive, reset, "cboScelta",
                                 [&] { t.form.setText(Flag, QStringLiteral("No")); }));
    EXPECT_EQ(t.h.fake.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(t.h.fake.lastMessage().text,
              QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                             "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda in "
                             "archivio."));
    EXPECT_EQ(t.position->text(), QString());
    EXPECT_EQ(t.nascosto->text(), QString());
    EXPECT_FALSE(t.flag->isChecked());
    EXPECT_EQ(t.w.focusWidget(), t.scelta);
    ASSERT_EQ(t.form.save(t.archive), 2);
    EXPECT_EQ((*t.archive.read(2))[Nome], QStringLiteral("Anna"));
}

// Nothing is stored changed: a value the code page or the field cannot hold is refused with the
// field named and focused; a flag that is neither word loads unticked.
TEST(RecordForm, StoresTextsOnlyAsTheyAre) {
    Window t;
    t.w.show();
    ASSERT_TRUE(t.archive.save(0, t.record("Anna", "Uno", "S\u00ec")));
    ASSERT_TRUE(t.archive.save(0, t.record("Annamaria Rossi", "Due", "Forse")));
    ASSERT_TRUE(t.form.load(t.archive, 1));
    ASSERT_TRUE(t.flag->isChecked());
    ASSERT_TRUE(t.form.load(t.archive, 2));
    EXPECT_FALSE(t.flag->isChecked());
    EXPECT_EQ(t.nome->text(), QStringLiteral("Annamaria Rossi")); // longer than typing allows

    const QString tooLong(21, u'x');
    const struct {
        QWidget* control;
        QString text;
        QString said;
    } cases[] = {
        {t.nome, QStringLiteral("\u0141ukasz"), QStringLiteral("\"\u0141\" del campo Nome")},
        {t.nome, QStringLiteral("Chiara \U0001F600"), QStringLiteral("\"\U0001F600\"")},
        {t.nome, tooLong, QStringLiteral("campo Nome contiene 21 caratteri")},
        {t.nascosto, tooLong, QStringLiteral("campo Nascosto contiene 21 caratteri")},
    };
    const QByteArray before = testing_support::fileBytes(t.archive.path());
    for (const auto& c : cases) {
        ASSERT_TRUE(t.form.load(t.archive, 2));
        t.form.setText(c.control == t.nome ? Nome : Nascosto, c.text);
        t.h.fake.messages.clear();
        EXPECT_FALSE(t.form.save(t.archive)) << c.said.toStdString();
        ASSERT_EQ(t.h.fake.messages.size(), 1u);
        EXPECT_EQ(t.h.fake.lastMessage().kind, MsgKind::Warning);
        EXPECT_TRUE(t.h.fake.lastMessage().text.contains(c.said)) << c.said.toStdString();
        EXPECT_EQ(t.w.focusWidget() == t.nome, c.control == t.nome) << c.said.toStdString();
        t.nome->clearFocus();
        t.form.setText(Nome, QStringLiteral("Anna")); // leaves the sheet unchanged for load
        t.form.markUnchanged();
    }
    EXPECT_EQ(testing_support::fileBytes(t.archive.path()), before);
    ASSERT_TRUE(t.form.load(t.archive, 2));
    ASSERT_TRUE(t.form.save(t.archive));
    EXPECT_EQ((*t.archive.read(2))[Flag], QStringLiteral("No"));
}

} // namespace

namespace {

TEST(Highlight, AFieldOutlivesItsRemovedFrame) {
    QWidget w;
    auto* field = new QLineEdit(&w);
    field->setObjectName(QStringLiteral("txtNome"));
    delete platform::addHighlight(field);
    w.show();
    field->setFocus();
    field->move(10, 10);
    field->clearFocus();
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("effNome")), nullptr);
}

} // namespace
