#pragma once

#include "platform/attachments.h"
#include "platform/context.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace platform {

// " Allega file": up to three documents copied into Documenti_Allegati, each with a
// description. Returns the six texts; the caller applies them by its mode word.
class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(platform::Context& ctx, QWidget* parent = nullptr);

    void setMode(const QString& mode);
    QString mode() const;
    void setAttachments(const AttachmentSlots& att);
    AttachmentSlots attachments() const; // trimmed field texts

private:
    void browse(int slot);
    void openAttachment(int slot);
    QString folder() const;

    platform::Context& ctx_;
    QLabel* lblMemory_;
    std::array<QLineEdit*, 3> txtFile_{};
    std::array<QLineEdit*, 3> txtDesc_{};
    std::array<QPushButton*, 3> btnApri_{};
};

// Opens the dialog in `mode` ("anagrafica", "registro", "movimenti") over `caller`, filled from
// the caller's six labels; on "Applica e chiudi" writes the texts back into those labels.
// True when they were applied.
bool editAttachments(platform::Context& ctx, QWidget* caller, const QString& mode);

} // namespace platform
