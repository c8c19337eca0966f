#pragma once

#include "platform/context.h"

#include <QWidget>

namespace shell {

inline const QString kMakerSite = QStringLiteral("https://www.quorvix.it");
inline const QString kMakerMail = QStringLiteral("info@quorvix.it");

// The main menu: six work areas, help, about, credits, the web banner and the exit.
class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAvvio(platform::Context& ctx);

    void openArea(const QString& windowName);
    void showHelp();
    void showInfo();
    void showCredits();
    void showBackups();
    void quit();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    platform::Context& ctx_;
    QWidget* panel_;
};

} // namespace shell
