#include "checks/check_dialog.h"

#include "core/text.h"
#include "platform/ui.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>

namespace checks {

CheckDialog::CheckDialog(platform::Context& ctx, QWidget* opener, const Form& form)
    : QDialog(opener), ctx_(ctx), digitsOnly_(form.digitsOnly) {
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
    field_->installEventFilter(this);
    if (form.liveUpper) connect(field_, &QLineEdit::textChanged, this, &CheckDialog::normalise);

    btnControlla_ = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla_->setObjectName(QStringLiteral("btnControlla"));
    btnControlla_->setGeometry(230, 122, 100, 30);
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(340, 122, 100, 30);
    connect(btnControlla_, &QPushButton::clicked, this, &CheckDialog::controlla);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

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

void CheckDialog::normalise() {
    const QString text = field_->text();
    const QString fixed = core::upperAscii(core::trimText(text));
    if (fixed == text) return;
    // Keep the caret where it was in the text that stays.
    // Blanks cut from the front move it left (a final "x" stops the trim at the end).
    const qsizetype leading = text.size() + 1 - core::trimText(text + u'x').size();
    const int caret = field_->cursorPosition() - int(leading);
    field_->setText(fixed);
    field_->setCursorPosition(std::clamp(caret, 0, int(fixed.size())));
}

bool CheckDialog::eventFilter(QObject* watched, QEvent* e) {
    if (watched != field_ || e->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btnControlla_->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    if (!digitsOnly_) return false;
    const QString typed = key->text();
    const bool digit = typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9' &&
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !digit; // every other key, Tab included, is swallowed
}

} // namespace checks
