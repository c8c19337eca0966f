#pragma once

#include "platform/context.h"

#include <QDialog>

namespace shell {

// About: the logo, an e-mail link to the maker and "Chiudi".
class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    TfrmInfo(platform::Context& ctx, QWidget* owner);
    void writeMail();

private:
    platform::Context& ctx_;
};

// Credits: the logo, a link to the maker's site and "Chiudi".
class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    TfrmSplash(platform::Context& ctx, QWidget* owner);
    void openSite();

private:
    platform::Context& ctx_;
};

} // namespace shell
