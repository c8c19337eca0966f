#pragma once

#include "platform/menu_window.h"

class QLineEdit;

namespace cashbook {

// The year chooser: the year whose file the movement window works on. "Apri" hands the year
// file's path to the movement window (yearOpened) and shows it.
class TfrmMenuMovimenti : public platform::MenuWindow {
    Q_OBJECT
public:
    explicit TfrmMenuMovimenti(platform::Context& ctx);

public slots:
    void open(); // "Apri"

signals:
    void yearOpened(const QString& path, const QString& year);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* txtAnno_;
};

} // namespace cashbook
