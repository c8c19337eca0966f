#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace platform {

// Warning, Error and Information show OK and Cancel; Question shows Yes and No; Plain shows OK;
// SaveQuestion shows Yes, No and Cancel.
enum class MsgKind { Warning, Error, Information, Question, Plain, SaveQuestion };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialog {
    QString title;
    QString filter;        // "Immagini JPEG (*.jpg);;Tutti i file (*.*)"
    QString directory;     // starting folder, may be empty
    QString proposedName;  // save dialogs
    QString defaultSuffix; // added by the save dialog when the user types none ("jpg")
};

// Paints every page of a prepared report onto the printer it is given (calling newPage()).
using RenderPages = std::function<void(QPrinter& printer)>;

// What a preview offers beside its standard buttons. Only a report whose pages the user leafs
// through asks for more.
struct PreviewOptions {
    bool pageNavigation = false; // page thumbnails and first/previous/next/last page
    bool operator==(const PreviewOptions&) const = default;
};

using FrameHandler = std::function<void(const QImage& frame)>;

// A page of the context help: its title and paragraphs. Each feature folder keeps its topics
// in one file of its own.
struct HelpTopic {
    QString title;
    QStringList paragraphs;
};

// Everything that touches the desktop. Windows receive it when they are built; tests hand
// them a fake that records each call and answers from a script.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Answer message(QWidget* parent, MsgKind kind, const QString& text) = 0;

    // Empty text when the user cancels.
    virtual QString openFileName(QWidget* parent, const FileDialog& options) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialog& options) = 0;

    // Hands a quoted path, a web address or a "mailto:" link to the desktop's default open
    // action. False when the desktop refused it (no program takes that kind of link).
    virtual bool shellOpen(const QString& command) = 0;

    // Print dialog, then the chosen printer. False when the user cancelled.
    virtual bool print(QWidget* parent, const QPageLayout& layout, const RenderPages& render) = 0;
    // Modal, maximised preview at 100 %, returns when closed.
    virtual void preview(QWidget* parent, const QPageLayout& layout, const RenderPages& render,
                         const PreviewOptions& options = {}) = 0;

    // Shows a dialog modally and returns its result (QDialog::Accepted / Rejected).
    virtual int runModal(QDialog& dialog) = 0;

    virtual void playSound(const QString& path) = 0;
    virtual void stopSound() = 0;

    // Starts the default camera; frames reach `onFrame` on the GUI thread. False when there is
    // no camera (the caller keeps its placeholder and reports nothing).
    virtual bool startCamera(QObject* owner, const FrameHandler& onFrame) = 0;
    virtual void stopCamera() = 0;

    // The help window on `topic`, modal over `owner`.
    virtual void showHelp(QWidget* owner, const HelpTopic& topic) = 0;

    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

// The Italian title of each message kind.
QString messageTitle(MsgKind kind);

} // namespace platform
