#pragma once

#include "platform/ui.h"

#include <optional>

class QLabel;
class QListWidget;

namespace book {

// The registers of the program folder: open one in the page editor, delete one, or edit the
// book's title page. Each item is a register's exact file name.
class TfrmApriRegistro : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmApriRegistro(platform::Context& ctx);

    QString mode() const;
    void fill(); // re-reads the folder

public slots:
    void openSelected();   // "Apri archivio"
    void deleteSelected(); // the recycle bin
    void editTitlePage();  // the title page

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    // The selected item's file name; shows the warning and gives nothing when there is none.
    std::optional<QString> selected(const QString& noSelectionMessage);

    QListWidget* lstFiles_;
    QLabel* lblCreati_;
    QLabel* lblMemory_;
    QString chosen_; // the file handed to the editor on closing in mode "registro"
};

} // namespace book
