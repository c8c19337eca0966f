#include "core/file_faults.h"
#include "core/ini_file.h"
#include "core/scramble.h"
#include "fake_platform.h"
#include "files.h"
#include "keys.h"
#include "shell/frm_avvio.h"
#include "shell/frm_cambia_password.h"
#include "shell/frm_password.h"
#include "shell/password_rules.h"
#include "shell/password_store.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace platform {
inline void PrintTo(const Problem& p, std::ostream* os) {
    *os << int(p.kind) << " \"" << p.text.toStdString() << "\" -> " << p.control.toStdString();
}
} // namespace platform

using namespace testing_support;
using platform::MsgKind;

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");

struct Shell : Harness {
    shell::TfrmPassword* login;
    shell::TfrmAvvio* menu;
    shell::TfrmCambiaPassword* change;

    Shell() {
        login = new shell::TfrmPassword(ctx);
        menu = new shell::TfrmAvvio(ctx);
        change = new shell::TfrmCambiaPassword(ctx, login);
        windows.add(login);
        windows.add(menu);
        windows.add(change);
        shell::writeStoredPassword(path(shell::kPasswordStoreFile), shell::kInitialPassword);
        login->show();
    }
    ~Shell() { qDeleteAll(windows.all()); }

    void typeLogin(const QString& text) {
        auto* edit = child<QLineEdit>(login, "txtPassword");
        edit->setText(text);
        press(edit, Qt::Key_Return);
    }
    void change3(const QString& oldPw, const QString& newPw, const QString& confirm) {
        child<QLineEdit>(change, "txtPasswordOld")->setText(oldPw);
        child<QLineEdit>(change, "txtPasswordNew")->setText(newPw);
        child<QLineEdit>(change, "txtConferma")->setText(confirm);
        child<QPushButton>(change, "cmdOK")->click();
    }
    void writeStore(const QByteArray& bytes) { writeFile(path(shell::kPasswordStoreFile), bytes); }
};

} // namespace

const QString kTooLong =
    QStringLiteral("Attenzione: la password non può superare i 255 caratteri.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    "reinserire entrambi i valori.");

TEST(Login, Rules) {
    const std::optional<QString> unreadable;
    const QString overlong(256, QChar('a'));
    struct Case {
        std::optional<QString> stored;
        QString typed;
        std::optional<platform::Problem> expected;
    } cases[] = {
        {"QUORVIX", "quorvix", {}},
        {"QUORVIX", "  QUORVIX \t", {}},
        {"QUORVIX", "QuOrViX", {}},
        {"QUORVIX", "quorvi", {{MsgKind::Plain, kWrong, "txtPassword"}}},
        {"", "quorvix", {{MsgKind::Plain, kWrong, "txtPassword"}}}, // missing store or key
        {unreadable, "quorvix", {{MsgKind::Plain, kReadError, {}}}},
        {"QUORVIX", overlong, {{MsgKind::Warning, kTooLong, "txtPassword"}}},
        {unreadable, overlong, {{MsgKind::Warning, kTooLong, "txtPassword"}}},
        {QString(255, QChar('A')), QString(255, QChar('a')), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::loginProblem(c.stored, c.typed), c.expected) << c.typed.toStdString();
}

TEST(PasswordChange, Rules) {
    const std::optional<QString> unreadable;
    const QString overlong(256, QChar('n'));
    struct Case {
        std::optional<QString> stored;
        shell::PasswordChange change;
        std::optional<platform::Problem> expected;
    } cases[] = {
        {"QUORVIX", {" quorvix ", " Segreto ", "Segreto\t"}, {}},
        {unreadable, {"quorvix", "x", "x"}, {{MsgKind::Plain, kChangeError, {}}}},
        {"QUORVIX",
         {"sbagliata", "nuova", "nuova"},
         {{MsgKind::Plain, kOldWrong, "txtPasswordOld"}}},
        {"", {"quorvix", "nuova", "nuova"}, {{MsgKind::Plain, kOldWrong, "txtPasswordOld"}}},
        // the old password is checked first
        {"QUORVIX", {"sbagliata", "abc", "x"}, {{MsgKind::Plain, kOldWrong, "txtPasswordOld"}}},
        // stored alike, but the confirmation is exact
        {"QUORVIX", {"quorvix", "abc", "ABC"}, {{MsgKind::Plain, kNotConfirmed, "txtPasswordNew"}}},
        {"QUORVIX",
         {"quorvix", overlong, overlong},
         {{MsgKind::Warning, kTooLong, "txtPasswordNew"}}},
        {"QUORVIX",
         {"quorvix", overlong, "n"},
         {{MsgKind::Plain, kNotConfirmed, "txtPasswordNew"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell::passwordChangeProblem(c.stored, c.change), c.expected)
            << c.change.oldPassword.toStdString() << " / " << c.change.newPassword.toStdString();
}

// The store as read from disk, with the login's rule on top.
TEST(Login, DamagedOrMissingStore) {
    struct Case {
        QByteArray store;
        QString message; // empty: the password is right
    } cases[] = {
        {"[Accesso]\r\nValore=ZZ\r\n", kReadError},                            // not hexadecimal
        {"[Altro]\r\nValore=" + core::scramble("QUORVIX").toLatin1(), kWrong}, // missing section
        {"", kWrong},
        // odd digit count: the last digit is ignored, so the password still matches
        {"[accesso]\nVALORE=" + core::scramble("QUORVIX").toLatin1() + "A", QString()},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(shell::kPasswordStoreFile);
        writeFile(path, c.store);
        const auto problem = shell::loginProblem(shell::readStoredPassword(path), "quorvix");
        EXPECT_EQ(problem ? problem->text : QString(), c.message) << c.store.toStdString();
    }
}

TEST(Login, WrongPasswordEmptiesTheFieldAndStays) {
    Shell s;
    s.typeLogin("quorvi");
    ASSERT_EQ(s.fake.messages.size(), 1u);
    EXPECT_EQ(s.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(s.fake.lastMessage().text, kWrong);
    EXPECT_TRUE(child<QLineEdit>(s.login, "txtPassword")->text().isEmpty());
    EXPECT_TRUE(s.login->isVisible());
    EXPECT_FALSE(s.menu->isVisible());
}

TEST(Login, OkFollowsTheTrimmedTextAndEnterOnBlanksDoesNothing) {
    Shell s;
    auto* ok = child<QPushButton>(s.login, "cmdOK");
    EXPECT_FALSE(ok->isEnabled());
    s.typeLogin("   ");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(s.fake.messages.empty());
    child<QLineEdit>(s.login, "txtPassword")->setText("x");
    EXPECT_TRUE(ok->isEnabled());
}

TEST(PasswordChange, FlowAndMessages) {
    Shell s;
    child<QPushButton>(s.login, "btnCambiaPassword")->click();
    EXPECT_TRUE(s.change->isVisible());
    EXPECT_FALSE(s.login->isVisible());

    // A refusal empties the field it names and puts the focus there; a new password goes
    // together with its confirmation.
    child<QLineEdit>(s.change, "txtConferma")->setFocus();
    s.change3("sbagliata", "nuova", "nuova");
    EXPECT_EQ(s.fake.lastMessage().text, kOldWrong);
    EXPECT_TRUE(child<QLineEdit>(s.change, "txtPasswordOld")->text().isEmpty());
    EXPECT_EQ(child<QLineEdit>(s.change, "txtPasswordNew")->text(), "nuova");
    EXPECT_EQ(child<QLineEdit>(s.change, "txtConferma")->text(), "nuova");
    EXPECT_EQ(s.change->focusWidget(), child<QLineEdit>(s.change, "txtPasswordOld"));

    s.change3("quorvix", "abc", "ABC"); // stored alike, but the confirmation is exact
    EXPECT_EQ(s.fake.lastMessage().text,
              "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
              "reinserire entrambi i valori.");
    EXPECT_EQ(child<QLineEdit>(s.change, "txtPasswordOld")->text(), "quorvix");
    EXPECT_TRUE(child<QLineEdit>(s.change, "txtPasswordNew")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(s.change, "txtConferma")->text().isEmpty());
    EXPECT_EQ(s.change->focusWidget(), child<QLineEdit>(s.change, "txtPasswordNew"));

    s.change3("quorvix", " Segreto ", "Segreto");
    EXPECT_EQ(s.fake.lastMessage().text, "Modifica della password completata con successo.");
    EXPECT_EQ(s.fake.lastMessage().kind, MsgKind::Plain);
    EXPECT_FALSE(s.change->isVisible());
    EXPECT_TRUE(s.login->isVisible());
    EXPECT_EQ(core::IniFile::read(s.path("unins000.dll"), "Accesso", "Valore"),
              core::scramble("SEGRETO"));

    const size_t before = s.fake.messages.size();
    s.typeLogin("quorvix");
    EXPECT_EQ(s.fake.messages.size(), before + 1);
    EXPECT_EQ(s.fake.lastMessage().text, kWrong);
    s.typeLogin("segreto");
    EXPECT_TRUE(s.menu->isVisible());
}

TEST(PasswordChange, UnreadableStoreReportsTheFailureAndKeepsTheWindow) {
    Shell s;
    s.login->changePassword();
    QFile::remove(s.path("unins000.dll"));
    QDir(s.dir.path()).mkdir("unins000.dll"); // a directory in the store's place
    s.change3("quorvix", "y", "y");
    EXPECT_EQ(s.fake.lastMessage().text,
              "Attenzione: si è verificato un errore durante la procedura di modifica della "
              "password. Si consiglia di reinstallare il software.");
    EXPECT_TRUE(s.change->isVisible());
    EXPECT_EQ(child<QLineEdit>(s.change, "txtPasswordNew")->text(), "y");
}

TEST(PasswordChange, ChiudiReturnsToAnEmptyLogin) {
    Shell s;
    child<QLineEdit>(s.login, "txtPassword")->setText("abc");
    s.login->changePassword();
    child<QPushButton>(s.change, "cmdEsci")->click();
    EXPECT_TRUE(s.login->isVisible());
    EXPECT_TRUE(child<QLineEdit>(s.login, "txtPassword")->text().isEmpty());
    EXPECT_TRUE(s.fake.messages.empty());
}

TEST(PasswordChange, FailureAtEveryStepKeepsTheOldPassword) {
    for (const bool persistent : {false, true}) {
        bool completed = false;
        for (int step = 1; step < 20 && !completed; ++step) {
            SCOPED_TRACE(testing::Message()
                         << "step " << step << (persistent ? " for good" : " once"));
            Shell s;
            const QByteArray before = fileBytes(s.path("unins000.dll"));
            s.login->changePassword();
            core::faults::arm(step, persistent);
            s.change3("quorvix", "nuova", "nuova");
            completed = core::faults::steps() < step;
            core::faults::disarm();
            const QByteArray after = fileBytes(s.path("unins000.dll"));
            if (s.fake.lastMessage().text == "Modifica della password completata con successo.") {
                EXPECT_EQ(shell::readStoredPassword(s.path("unins000.dll")), "NUOVA");
            } else {
                EXPECT_EQ(after, before);
                EXPECT_TRUE(s.change->isVisible());
                EXPECT_TRUE(s.fake.lastMessage().text.contains("modifica della password"));
            }
            EXPECT_EQ(QDir(s.dir.path()).entryList(QDir::Files), QStringList{"unins000.dll"});
        }
        EXPECT_TRUE(completed);
    }
}
