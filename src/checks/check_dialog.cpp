#include "checks/check_dialog.h"

#include "platform/buttons.h"
#include "platform/input_rules.h"
#include "platform/ui.h"

#include <QFile>
#include <QLabel>

namespace checks {

CheckDialog::CheckDialog(platform::Context& ctx, QWidget* opener, const Form& form)
    : QDialog(opener), ctx_(ctx) {
    platform::setupDialog(this, form.className, form.caption, {460, 170});

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcona"));
    if (QFile::exists(form.art)) // the artwork may not be linked in (tests)
        icon->setPixmap(QIcon(form.art).pixmap(48, 48));
    icon->setGeometry(20, 20, 48, 48);

    auto* instruction =
        platform::makeLabel(this, form.instruction, QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);
    instruction->setGeometry(86, 16, 354, 40);

    field_ = platform::makeEdit(this, form.fieldName, form.maxLength);
    field_->setGeometry(86, 66, 354, 24);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(11);
    field_->setFont(mono);
    platform::addHighlight(field_);
    if (form.digitsOnly) platform::digitsOnly(field_);
    if (form.liveUpper) platform::upperTrimmedWhileTyping(field_);

    btnControlla_ = platform::makeButton(this, QStringLiteral("btnControlla"),
                                         QStringLiteral("Controlla"), {230, 122, 100, 30});
    auto* btnChiudi = platform::makeButton(this, QStringLiteral("btnChiudi"),
                                           QStringLiteral("Chiudi"), {340, 122, 100, 30});
    connect(btnControlla_, &QPushButton::clicked, this, &CheckDialog::controlla);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    platform::chainEnter({field_, btnControlla_});

    field_->setFocus();
}

void CheckDialog::setValue(const QString& text) {
    if (text.size() > field_->maxLength()) field_->setMaxLength(text.size());
    field_->setText(text);
}

void CheckDialog::controlla() {
    check();
}

void CheckDialog::refuse(const QString& warning) {
    ctx_.platform.message(this, platform::MsgKind::Warning, warning);
    field_->setFocus();
}

void CheckDialog::verdict(platform::MsgKind kind, const QString& text) {
    ctx_.platform.message(this, kind, text);
    accept();
}

} // namespace checks
