#pragma once

#include "platform/ui.h"

class QLabel;

namespace cashbook {

// The cash-book menu: record movements or summarise the balance. Closing it shows the year
// chooser, the balance window or the main menu, by the mode its buttons set.
class TfrmMenuPrimanota : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmMenuPrimanota(platform::Context& ctx);
    QString mode() const;

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    void closeWith(const QString& mode);
    QLabel* lblMemory_;
};

} // namespace cashbook
