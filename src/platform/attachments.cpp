#include "platform/attachments.h"

#include "core/text.h"
#include "core/win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>

#include <filesystem>

namespace platform {

namespace {

const char* const kFileLabels[] = {"lblFile01", "lblFile02", "lblFile03"};
const char* const kDescLabels[] = {"lblDesc01", "lblDesc02", "lblDesc03"};

bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    // Follows links, so a link to the destination counts as the destination.
    return std::filesystem::equivalent(QFileInfo(a).filesystemFilePath(),
                                       QFileInfo(b).filesystemFilePath(), ec);
}

bool copyInto(const QString& source, const QString& dest) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(dest);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (;;) {
        const QByteArray block = in.read(1 << 20);
        if (block.isEmpty()) break;
        if (out.write(block) != block.size()) {
            out.cancelWriting();
            break;
        }
    }
    if (in.error() != QFileDevice::NoError) out.cancelWriting();
    // Renames over the destination only when everything was written.
    return out.commit();
}

QString labelText(const QWidget* window, const char* name) {
    const auto* label = window->findChild<const QLabel*>(QLatin1String(name));
    return label ? core::trimText(label->text()) : QString();
}

void setLabelText(QWidget* window, const char* name, const QString& text) {
    if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) label->setText(text);
}

constexpr qsizetype kNameCapacity = 250; // File01..File03 in every record that has them

} // namespace

QString attachmentName(const QString& source) {
    const QString name = QFileInfo(source).fileName();
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype width = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString c = name.mid(i, width);
        i += width - 1;
        out += c != u"?" && core::toWin1252(c) == "?" ? QStringLiteral("_") : c;
    }
    if (out.size() > kNameCapacity) {
        const QString suffix = QFileInfo(out).suffix();
        const qsizetype keep = suffix.isEmpty() || suffix.size() > 20 ? 0 : suffix.size() + 1;
        out = out.left(kNameCapacity - keep) + out.right(keep);
    }
    return out;
}

AttachOutcome attachFile(const QString& source, const QString& folder,
                         const std::function<bool()>& confirmOverwrite) {
    const QString name = attachmentName(source);
    if (name.isEmpty() || !QDir().mkpath(folder)) return AttachOutcome::Failed;
    const QString dest = QDir(folder).filePath(name);
    if (QFileInfo::exists(dest)) {
        if (sameFile(source, dest)) return AttachOutcome::SameFile;
        if (!confirmOverwrite()) return AttachOutcome::KeptExisting;
    }
    return copyInto(source, dest) ? AttachOutcome::Copied : AttachOutcome::Failed;
}

void addAttachmentLabels(QWidget* parent) {
    for (const char* kind : {"lblFile", "lblDesc"})
        for (int i = 1; i <= 3; ++i) {
            auto* hidden = new QLabel(parent);
            hidden->setObjectName(QLatin1String(kind) + QStringLiteral("0%1").arg(i));
            hidden->hide();
        }
}

AttachmentSlots readAttachmentLabels(const QWidget* window) {
    AttachmentSlots att;
    for (int i = 0; i < 3; ++i) {
        att.files[i] = labelText(window, kFileLabels[i]);
        att.descs[i] = labelText(window, kDescLabels[i]);
    }
    return att;
}

void writeAttachmentLabels(QWidget* window, const AttachmentSlots& att) {
    for (int i = 0; i < 3; ++i) {
        setLabelText(window, kFileLabels[i], att.files[i]);
        setLabelText(window, kDescLabels[i], att.descs[i]);
    }
}

} // namespace platform
