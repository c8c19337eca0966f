#pragma once

#include "platform/ui.h"

#include <vector>

class QLabel;
class QToolButton;

namespace platform {

// The pictures every menu has in its right-hand corners: the guide (imgGuida) at `top`, and the
// exit (imgEsci) at the bottom.
struct MenuCorners {
    QString guideTip;
    int guideTop = 16;
    QString exitTip; // empty: no exit picture
};

// A menu work area whose choices close it with a mode word, kept in the hidden label lblMemory
// ("avvio" on every show). Closing switches to the window its route names for the word; any
// other word, "avvio" included, leads back to the main menu.
class MenuWindow : public WorkArea {
    Q_OBJECT
public:
    struct Route {
        QString mode;
        QString window;
    };
    MenuWindow(Context& ctx, const QString& className, const QString& caption,
               std::vector<Route> routes);
    QString mode() const;

protected:
    // imgGuida shows `help`; imgEsci closes with "avvio".
    void addCorners(const MenuCorners& corners, const HelpTopic& help);
    void closeWith(const QString& mode);
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    std::vector<Route> routes_;
    QLabel* lblMemory_;
};

// The guide picture of a work area without a mode word, in the same corner as the menus'.
QToolButton* addGuideCorner(Context& ctx, QWidget* window, const MenuCorners& corners,
                            const HelpTopic& help);

// A corner picture of a menu or start panel: a 48-pixel button at `topLeft` with the 40-pixel
// artwork ":/art/<art>.svg".
QToolButton* cornerPicture(QWidget* parent, const QString& name, const QString& art,
                           const QString& tip, QPoint topLeft);

// A picture of our own artwork, drawn at `size` and centred in `place`.
QLabel* addPicture(QWidget* parent, const QString& art, int size, QRect place);

} // namespace platform
