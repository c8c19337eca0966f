#pragma once

#include "platform/ui.h"

class QLabel;

namespace book {

// The members'-book menu: create a register or fill one in. Its mode word says where closing
// leads: "avvio" the main menu, "crea" the creation window, "compila" the register list.
class TfrmMenuRegistro : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmMenuRegistro(platform::Context& ctx);
    QString mode() const;

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    void closeWith(const QString& mode);

    QLabel* lblMemory_;
};

} // namespace book
