#pragma once

#include "platform/context.h"
#include "shell/backup.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QProgressBar;
class QSpinBox;
class QTableWidget;

namespace shell {

// The backups of the program folder: the list (Backup/ and the folder last chosen), a backup now
// or into a chosen folder, the restore, the folder, and the settings of the automatic backups.
class TfrmBackup : public QDialog {
    Q_OBJECT
public:
    TfrmBackup(platform::Context& ctx, QWidget* parent);

    void refresh();
    void createNow();
    void createIn();
    // The backup selected in the list, or one picked in a file dialog when none is.
    void restore();
    void openFolder();
    void showHelp();

    // A restore replaced the data: every window must be built again from the files.
    bool restored() const { return restored_; }
    // A restore stopped past its journal: the program must end and finish it at the next start.
    bool unfinished() const { return unfinished_; }
    // The paths listed, in the order of the rows.
    const QStringList& listed() const { return paths_; }

    void done(int result) override;

private:
    QString selectedPath() const;
    void restoreFrom(const QString& zipPath);
    void saveSettings();
    // The outcome of a backup the user asked for, shown under the name it is known by.
    void tellCreated(const BackupResult& result, const QString& shownName);

    platform::Context& ctx_;
    QTableWidget* grdCopie_;
    QSpinBox* txtGiorni_;
    QSpinBox* txtConserva_;
    QProgressBar* prgCopia_;
    QLabel* lblStato_;
    QStringList paths_;
    int savedDays_ = 0, savedKeep_ = 0;
    bool restored_ = false;
    bool unfinished_ = false;
};

} // namespace shell
