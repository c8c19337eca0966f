#pragma once

#include "platform/ui.h"

class QLabel;
class QLineEdit;

namespace cashbook {

// The year chooser: the year whose file the movement window works on. "Apri" hands the year
// file's path to the movement window (yearOpened) and shows it.
class TfrmMenuMovimenti : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmMenuMovimenti(platform::Context& ctx);
    QString mode() const;

public slots:
    void open(); // "Apri"

signals:
    void yearOpened(const QString& path, const QString& year);

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    QLineEdit* txtAnno_;
    QLabel* lblMemory_;
};

} // namespace cashbook
