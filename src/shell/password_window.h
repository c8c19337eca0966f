#pragma once

#include "platform/context.h"
#include "platform/problem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace shell {

// What the login and the password-change window share: a fixed window without title-bar
// buttons, centred on the screen, focus in the first field when shown; masked fields, each
// highlighted while focused; "OK" (`cmdOK`) enabled only while every field holds more than
// blanks, checked after every change and every key release; a button `cmdEsci` that closes the
// window; the hidden scratch label `lblMemory`.
class PasswordWindow : public QWidget {
    Q_OBJECT
public:
    virtual void ok() = 0; // cmdOK

protected:
    PasswordWindow(platform::Context& ctx, const QString& className, const QString& caption,
                   QSize size);

    QLineEdit* addPasswordField(const QString& name, QRect place);
    void addButtons(QRect okPlace, const QString& exitText, QRect exitPlace);
    // Shows the problem, focuses its field and empties it. True when there was one.
    bool refuse(const std::optional<platform::Problem>& problem);
    // Empties every field and `lblMemory`.
    void clearAll();

    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    platform::Context& ctx_;

private:
    void updateOk();

    QList<QLineEdit*> fields_;
    QPushButton* cmdOK_ = nullptr;
    QLabel* lblMemory_;
};

} // namespace shell
