#pragma once

#include "platform/context.h"

#include <QString>

#include <array>
#include <functional>

class QWidget;

namespace platform {

// The folder of attached documents, shared by every archive and record.
inline const QString kAttachmentsFolder = QStringLiteral("Documenti_Allegati");

// The three attachment slots of a record: bare file names and descriptions.
struct AttachmentSlots {
    std::array<QString, 3> files;
    std::array<QString, 3> descs;
    bool operator==(const AttachmentSlots&) const = default;
};

enum class AttachOutcome {
    Copied,       // the file is now in the folder under its own name
    KeptExisting, // a file of that name was there and the user chose to keep it
    SameFile,     // the chosen file already is the one in the folder: left untouched
    Failed,       // folder or copy failed; nothing under the name was changed
};

// The name an attachment is kept under: the source's bare name, unless the record could not
// hold it (characters outside Windows-1252 become "_", a name over 250 characters is cut
// before its extension); saved as it was, such a name would point at no file.
QString attachmentName(const QString& source);

// Copies `source` into `folder` (created when missing) under its attachment name. When a different
// file of that name is already there, `confirmOverwrite` decides. The copy is written beside
// the destination and renamed over it, so a failed copy never leaves a truncated file.
AttachOutcome attachFile(const QString& source, const QString& folder,
                         const std::function<bool()>& confirmOverwrite);

// The six hidden labels of a record window (lblFile01..lblDesc03), made in `parent`, read
// trimmed and written back; every window with attachments names them so.
void addAttachmentLabels(QWidget* parent);
AttachmentSlots readAttachmentLabels(const QWidget* window);
void writeAttachmentLabels(QWidget* window, const AttachmentSlots& att);

} // namespace platform
