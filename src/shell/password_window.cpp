#include "shell/password_window.h"

#include "core/text.h"
#include "platform/buttons.h"
#include "platform/look.h"
#include "platform/ui.h"

#include <QEvent>
#include <QScreen>

namespace shell {

PasswordWindow::PasswordWindow(platform::Context& ctx, const QString& className,
                               const QString& caption, QSize size)
    : ctx_(ctx) {
    setObjectName(className);
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size);
    platform::look::useFont(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf8, 0xfa, 0xfd));
    setPalette(pal);
    setAutoFillBackground(true);

    lblMemory_ = new QLabel(this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();
}

QLineEdit* PasswordWindow::addPasswordField(const QString& name, QRect place) {
    auto* e = platform::makeEdit(this, name, 0);
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #aab4c2; border-radius: 3px; padding: 0 6px; "
                       "background: white; }"
                       "QLineEdit:focus { border-color: #1f4e99; }"));
    e->setGeometry(place);
    platform::addHighlight(e);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textChanged, this, &PasswordWindow::updateOk);
    fields_ << e;
    return e;
}

void PasswordWindow::addButtons(QRect okPlace, const QString& exitText, QRect exitPlace) {
    cmdOK_ = platform::makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), okPlace);
    cmdOK_->setEnabled(false);
    platform::look::makePrimary(cmdOK_);
    auto* cmdEsci = platform::makeButton(this, QStringLiteral("cmdEsci"), exitText, exitPlace);
    platform::look::makeSecondary(cmdEsci);
    connect(cmdOK_, &QPushButton::clicked, this, &PasswordWindow::ok);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void PasswordWindow::updateOk() {
    if (!cmdOK_) return; // fields are built before the buttons
    bool filled = true;
    for (const QLineEdit* f : fields_)
        filled = filled && !core::trimText(f->text()).isEmpty();
    cmdOK_->setEnabled(filled);
}

bool PasswordWindow::refuse(const std::optional<platform::Problem>& problem) {
    if (!platform::showProblem(ctx_, this, problem)) return false;
    for (QLineEdit* f : fields_)
        if (f->objectName() == problem->control) f->clear();
    return true;
}

void PasswordWindow::clearAll() {
    for (QLineEdit* f : fields_)
        f->clear();
    lblMemory_->clear();
}

bool PasswordWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyRelease && fields_.contains(watched)) updateOk();
    return QWidget::eventFilter(watched, e);
}

void PasswordWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    if (!fields_.isEmpty()) fields_.first()->setFocus();
}

} // namespace shell
