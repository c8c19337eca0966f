#include "platform/attachments.h"
#include "platform/frm_allega_cartella.h"
#include "platform/shell_open.h"

#include "fake_platform.h"
#include "files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace platform;
using platform::Answer;
using platform::MsgKind;
using testing_support::child;
using testing_support::fileBytes;
using testing_support::Harness;
using testing_support::writeFile;

namespace {

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00e8 presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

// A long-lived caller holding the six hidden labels, registered as the member window.
struct AttachFixture : ::testing::Test {
    Harness h;
    QTemporaryDir elsewhere; // where the user's own files are
    std::unique_ptr<QWidget> caller = std::make_unique<QWidget>();

    AttachFixture() {
        caller->setObjectName(QStringLiteral("TfrmAnagrafica"));
        for (const char* name :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
            (new QLabel(caller.get()))->setObjectName(QLatin1String(name));
        h.windows.add(caller.get());
    }

    QString label(const char* name) const { return child<QLabel>(caller.get(), name)->text(); }
    void setLabel(const char* name, const QString& t) {
        child<QLabel>(caller.get(), name)->setText(t);
    }
    QString attached(const QString& name) const {
        return QDir(h.path(kAttachmentsFolder)).filePath(name);
    }
    QString userFile(const QString& name, const QByteArray& data) {
        const QString p = QDir(elsewhere.path()).filePath(name);
        writeFile(p, data);
        return p;
    }

    // Opens the dialog from the caller, lets `script` act on it, then clicks `closeWith`.
    bool run(const std::function<void(QDialog&)>& script, const char* closeWith = "btnApplica") {
        h.fake.onModal = [&](QDialog& d) {
            script(d);
            child<QPushButton>(&d, closeWith)->click();
            return d.result();
        };
        return editAttachments(h.ctx, caller.get(), QStringLiteral("anagrafica"));
    }
};

void click(QDialog& d, const char* name) {
    child<QAbstractButton>(&d, name)->click();
}
QLineEdit* edit(QDialog& d, const char* name) {
    return child<QLineEdit>(&d, name);
}

} // namespace

TEST_F(AttachFixture, BrowseCopiesTheFileAndApplyHandsTheTextsToTheCaller) {
    setLabel("lblFile02", QStringLiteral("  patente.jpg "));
    setLabel("lblDesc02", QStringLiteral("Patente"));
    h.fake.fileAnswers.push_back(userFile(QStringLiteral("contratto.pdf"), "PDF-1"));

    ASSERT_TRUE(run([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblMemory"))->text(), "anagrafica");
        EXPECT_EQ(edit(d, "txtFile02")->text(), "patente.jpg"); // filled trimmed
        click(d, "btnSfoglia01");
        edit(d, "txtDesc01")->setText(QStringLiteral("  Contratto firmato "));
    }));

    ASSERT_EQ(h.fake.fileDialogs.size(), 1u);
    EXPECT_EQ(h.fake.fileDialogs[0].title, "Selezionare il file da allegare:");
    EXPECT_EQ(h.fake.fileDialogs[0].filter, "Tutti i file (*.*)");
    EXPECT_EQ(fileBytes(attached("contratto.pdf")), "PDF-1");
    EXPECT_TRUE(h.fake.messages.empty());
    EXPECT_EQ(label("lblFile01"), "contratto.pdf");
    EXPECT_EQ(label("lblDesc01"), "Contratto firmato");
    EXPECT_EQ(label("lblFile02"), "patente.jpg");
    EXPECT_EQ(label("lblDesc02"), "Patente");
    EXPECT_EQ(QDir(h.path(kAttachmentsFolder)).entryList(QDir::Files),
              QStringList{"contratto.pdf"});
}

TEST_F(AttachFixture, ExistingNameAsksAndOnlyYesReplaces) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        writeFile(attached("ricevuta.pdf"), "OLD");
        h.fake.messages.clear();
        h.fake.answers = {answer};
        h.fake.fileAnswers.push_back(userFile(QStringLiteral("ricevuta.pdf"), "NEW"));

        ASSERT_TRUE(run([](QDialog& d) { click(d, "btnSfoglia03"); }));

        ASSERT_EQ(h.fake.messages.size(), 1u);
        EXPECT_EQ(h.fake.messages[0].kind, MsgKind::Question);
        EXPECT_EQ(h.fake.messages[0].text, kOverwrite);
        EXPECT_EQ(fileBytes(attached("ricevuta.pdf")), answer == Answer::Yes ? "NEW" : "OLD");
        EXPECT_EQ(label("lblFile03"), "ricevuta.pdf"); // the name stays either way
    }
}

TEST_F(AttachFixture, CancelledFileDialogChangesNothing) {
    setLabel("lblFile01", QStringLiteral("vecchio.txt"));
    ASSERT_TRUE(run([](QDialog& d) {
        click(d, "btnSfoglia01"); // no file answer: cancelled
        EXPECT_EQ(edit(d, "txtFile01")->text(), "vecchio.txt");
    }));
    EXPECT_EQ(label("lblFile01"), "vecchio.txt");
    EXPECT_FALSE(QFileInfo::exists(h.path(kAttachmentsFolder)));
}

TEST_F(AttachFixture, AnnullaKeepsTheCopiedFileButNotTheTexts) {
    setLabel("lblFile01", QStringLiteral("vecchio.txt"));
    setLabel("lblDesc01", QStringLiteral("Vecchio"));
    h.fake.fileAnswers.push_back(userFile(QStringLiteral("nuovo.txt"), "N"));

    EXPECT_FALSE(run(
        [](QDialog& d) {
            click(d, "btnSfoglia01");
            edit(d, "txtDesc01")->setText(QStringLiteral("Nuovo"));
        },
        "btnAnnulla"));

    EXPECT_EQ(fileBytes(attached("nuovo.txt")), "N");
    EXPECT_EQ(label("lblFile01"), "vecchio.txt");
    EXPECT_EQ(label("lblDesc01"), "Vecchio");
}

TEST_F(AttachFixture, DeleteImageEmptiesOnlyTheNameAndDisablesApri) {
    writeFile(attached("tessera.pdf"), "T");
    setLabel("lblFile01", QStringLiteral("tessera.pdf"));
    setLabel("lblDesc01", QStringLiteral("Tessera"));

    ASSERT_TRUE(run([](QDialog& d) {
        EXPECT_TRUE(child<QPushButton>(&d, "btnApri01")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(&d, "btnApri02")->isEnabled());
        click(d, "imgCancella01");
        EXPECT_FALSE(child<QPushButton>(&d, "btnApri01")->isEnabled());
    }));

    EXPECT_EQ(label("lblFile01"), "");
    EXPECT_EQ(label("lblDesc01"), "Tessera");
    EXPECT_EQ(fileBytes(attached("tessera.pdf")), "T");
}

TEST_F(AttachFixture, ApriOpensTheQuotedPathEvenForOptionOrUrlLikeNames) {
    for (const QString& name : {QStringLiteral("verbale 2026.pdf"), QStringLiteral("-n.pdf"),
                                QStringLiteral("100%25.txt")}) {
        SCOPED_TRACE(name.toStdString());
        h.fake.opened.clear();
        setLabel("lblFile02", {});
        h.fake.fileAnswers.push_back(userFile(name, "X"));
        run([](QDialog& d) {
            EXPECT_FALSE(child<QPushButton>(&d, "btnApri02")->isEnabled());
            click(d, "btnSfoglia02");
            EXPECT_TRUE(child<QPushButton>(&d, "btnApri02")->isEnabled());
            click(d, "btnApri02");
        });
        const QString path = QDir::toNativeSeparators(attached(name));
        ASSERT_EQ(h.fake.opened, QStringList{'"' + path + '"'});
        const QUrl url = platform::desktopUrl(h.fake.opened[0]);
        EXPECT_TRUE(url.isLocalFile());
        EXPECT_EQ(url.toLocalFile(), QFileInfo(attached(name)).absoluteFilePath());
    }
}

// The copy never destroys its own source, nor leaves a half-written attachment.
TEST_F(AttachFixture, ChoosingTheAttachmentItselfOrALinkToItLeavesItUntouched) {
    writeFile(attached("statuto.pdf"), "ORIGINAL");
    const QString link = QDir(elsewhere.path()).filePath(QStringLiteral("statuto.pdf"));
    ASSERT_TRUE(QFile::link(attached("statuto.pdf"), link));

    for (const QString& source : {attached("statuto.pdf"), link}) {
        h.fake.fileAnswers.push_back(source);
        ASSERT_TRUE(run([](QDialog& d) { click(d, "btnSfoglia01"); }));
        EXPECT_EQ(fileBytes(attached("statuto.pdf")), "ORIGINAL");
        EXPECT_EQ(label("lblFile01"), "statuto.pdf");
    }
    EXPECT_TRUE(h.fake.messages.empty()); // nothing to replace, nothing to ask
}

TEST_F(AttachFixture, FailedCopyKeepsTheExistingAttachmentAndLeavesNoStrayFile) {
    writeFile(attached("foto.png"), "KEEP");
    // The chosen file vanished before the copy: Yes to replacing must not lose the old one.
    h.fake.fileAnswers.push_back(QDir(elsewhere.path()).filePath(QStringLiteral("foto.png")));
    ASSERT_TRUE(run([](QDialog& d) { click(d, "btnSfoglia01"); }));

    EXPECT_EQ(fileBytes(attached("foto.png")), "KEEP");
    EXPECT_EQ(QDir(h.path(kAttachmentsFolder)).entryList(QDir::Files | QDir::Hidden),
              QStringList{"foto.png"});
    EXPECT_EQ(label("lblFile01"), "foto.png");          // silent: the name still goes in
    EXPECT_EQ(h.fake.texts(), QStringList{kOverwrite}); // the question only, no failure message
}

// The record keeps names in Windows-1252, 250 characters at most: the copy takes a name that
// survives the save, so the saved record still points at it.
TEST(AttachFile, NamesTheRecordCannotHoldAreMadeStorable) {
    const QString longBase(260, u'a');
    struct Case {
        QString chosen, kept;
    } cases[] = {
        {"/x/Ricevuta € 10 - perché?.pdf", "Ricevuta € 10 - perché?.pdf"},
        {"/x/报告 док.pdf", "__ ___.pdf"},
        {"/x/foto 😀.jpg", "foto _.jpg"},
        {"/x/" + longBase + ".pdf", QString(246, u'a') + ".pdf"},
        {"/x/" + longBase, QString(250, u'a')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(attachmentName(c.chosen), c.kept) << c.chosen.toStdString();
}

TEST_F(AttachFixture, ANameOutsideTheCodePageIsCopiedUnderItsStorableName) {
    h.fake.fileAnswers.push_back(userFile(QStringLiteral("报告.pdf"), "R"));
    ASSERT_TRUE(run([](QDialog& d) { click(d, "btnSfoglia01"); }));
    EXPECT_EQ(label("lblFile01"), "__.pdf");
    EXPECT_EQ(fileBytes(attached("__.pdf")), "R");
}

TEST(AttachFile, FolderThatCannotBeCreatedFailsSilently) {
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("blocco")), "a file, not a folder");
    writeFile(dir.filePath(QStringLiteral("doc.txt")), "D");
    bool asked = false;
    EXPECT_EQ(attachFile(dir.filePath(QStringLiteral("doc.txt")),
                         dir.filePath(QStringLiteral("blocco/Documenti_Allegati")),
                         [&] { return asked = true; }),
              AttachOutcome::Failed);
    EXPECT_FALSE(asked);
}

// No Enter action is given in this window: Enter in a description (or a name) field opens no
// file dialog, closes nothing and leaves the texts as they are.
TEST_F(AttachFixture, EnterInTheFieldsDoesNothing) {
    setLabel("lblDesc02", QStringLiteral("Patente"));
    h.fake.onModal = [&](QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        for (const char* name : {"txtDesc01", "txtDesc02", "txtDesc03", "txtFile01"}) {
            QLineEdit* field = edit(d, name);
            field->setFocus();
            for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
                QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
                QCoreApplication::sendEvent(field, &down);
                QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QStringLiteral("\r"));
                QCoreApplication::sendEvent(field, &up);
            }
            EXPECT_TRUE(d.isVisible()) << name;
            EXPECT_EQ(d.focusWidget(), field) << name;
        }
        EXPECT_EQ(edit(d, "txtDesc02")->text(), "Patente");
        d.hide();
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(editAttachments(h.ctx, caller.get(), QStringLiteral("anagrafica")));
    EXPECT_TRUE(h.fake.fileDialogs.empty());
    EXPECT_TRUE(h.fake.opened.isEmpty());
    EXPECT_EQ(label("lblDesc02"), "Patente");
}
