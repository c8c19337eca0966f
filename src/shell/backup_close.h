#pragma once

#include "platform/context.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QDialog;
class QProgressBar;
class QWidget;

namespace shell {

// How far a backup or restore has gone, shown only once the work has lasted `afterMs`: in `bar`
// when the window has one, else in a small window of its own.
class ProgressNotice {
public:
    ProgressNotice(QWidget* parent, QString text, QProgressBar* bar = nullptr, int afterMs = 1000);
    ~ProgressNotice();
    ProgressNotice(const ProgressNotice&) = delete;
    ProgressNotice& operator=(const ProgressNotice&) = delete;

    void update(qint64 done, qint64 total);
    bool shown() const { return shown_; }

private:
    QWidget* parent_;
    QString text_;
    QPointer<QProgressBar> bar_;
    QDialog* own_ = nullptr;
    int afterMs_;
    bool shown_ = false;
    QElapsedTimer started_, painted_;
};

// At start, before any window reads the data: finishes or undoes a restore cut short, and says
// so. False when it could not and the program must not go on.
bool finishRestoreAtStart(platform::Context& ctx);

// When the program ends: a backup into Backup/ when the newest there is as old as the setting
// says, then the rotation. A failure is told in one message; the program ends either way.
void backupOnClose(platform::Context& ctx);

} // namespace shell
