#include "fake_platform.h"
#include "platform/screen_fit.h"
#include "platform/ui.h"

#include <QDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using testing_support::child;

// The available area of common laptop and desktop screens at common scaling, below a 32-pixel
// desktop panel: 1366 x 768 at 100, 125 and 150 %, 1920 x 1080 at 150 %.
QRect available(int width, int height, double scale) {
    return QRect(0, 32, int(width / scale), int(height / scale) - 32);
}
const QRect kScreens[] = {available(1366, 768, 1.0), available(1366, 768, 1.25),
                          available(1366, 768, 1.5), available(1920, 1080, 1.5)};

// A fixed-size dialog as the program draws them, with its last button in the bottom corner.
struct Drawn {
    QDialog dialog;
    QPushButton* last = new QPushButton(QStringLiteral("Chiudi"), &dialog);
    explicit Drawn(QSize size) {
        platform::setupDialog(&dialog, QStringLiteral("TfrmProva"), QStringLiteral(" Prova"), size);
        last->setObjectName(QStringLiteral("btnChiudi"));
        last->setGeometry(size.width() - 110, size.height() - 40, 100, 30);
    }
};

TEST(ScreenFit, DialogsFitEveryScreenAndKeepTheirDesignedContent) {
    testing_support::Harness h;
    for (const QRect& screen : kScreens)
        for (const QSize designed :
             {QSize(995, 640), QSize(900, 640), QSize(862, 560), QSize(460, 170)}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 on %3x%4")
                             .arg(designed.width())
                             .arg(designed.height())
                             .arg(screen.width())
                             .arg(screen.height())
                             .toStdString());
            Drawn d(designed);
            platform::fitDialog(&d.dialog, screen);
            const QRect frame(d.dialog.pos(), d.dialog.size() + platform::kFrameAllowance);
            EXPECT_TRUE(screen.contains(frame));

            auto* scroll = child<QScrollArea>(&d.dialog, QStringLiteral("scrContenuto"));
            const bool fits =
                designed.width() + platform::kFrameAllowance.width() <= screen.width() &&
                designed.height() + platform::kFrameAllowance.height() <= screen.height();
            EXPECT_EQ(scroll == nullptr, fits);
            // The controls stay where they were drawn, and the last one can be scrolled to.
            ASSERT_EQ(child<QPushButton>(&d.dialog, QStringLiteral("btnChiudi")), d.last);
            EXPECT_EQ(d.last->geometry().bottomRight(),
                      QPoint(designed.width() - 11, designed.height() - 11));
            if (scroll) {
                d.dialog.show();
                scroll->ensureWidgetVisible(d.last, 0, 0);
                const QRect seen(d.last->mapTo(&d.dialog, QPoint()), d.last->size());
                EXPECT_TRUE(d.dialog.rect().contains(seen));
                d.dialog.hide();
            }
        }
}

TEST(ScreenFit, ADialogFollowsItsOpenerButNeverLeavesTheScreen) {
    testing_support::Harness h;
    const QRect screen = kScreens[1];
    QWidget opener;
    opener.setGeometry(screen.right() - 200, screen.bottom() - 100, 600, 400);
    opener.show();
    Drawn d({460, 170});
    platform::fitDialog(&d.dialog, screen);
    EXPECT_TRUE(
        screen.contains(QRect(d.dialog.pos(), d.dialog.size() + platform::kFrameAllowance)));
}

TEST(ScreenFit, WorkAreasScrollTheirPanelOnSmallScreensAndCentreItOnLargeOnes) {
    testing_support::Harness h;
    platform::WorkArea area(h.ctx, QStringLiteral("TfrmProva"), QStringLiteral(" Prova"));
    auto* last = new QPushButton(area.panel());
    last->setGeometry(885, 650, 100, 30);
    for (const QRect& screen : kScreens) {
        SCOPED_TRACE(screen.width());
        EXPECT_LE(area.minimumSizeHint().width(), screen.width());
        EXPECT_LE(area.minimumSize().height(), screen.height());
        area.resize(screen.size() - platform::kFrameAllowance);
        area.show();
        EXPECT_EQ(area.panel()->size(), QSize(995, 692));
        auto* scroll = child<QScrollArea>(&area, QStringLiteral("scrContenuto"));
        ASSERT_NE(scroll, nullptr);
        scroll->ensureWidgetVisible(last, 0, 0);
        EXPECT_TRUE(area.rect().contains(QRect(last->mapTo(&area, QPoint()), last->size())));
        area.hide();
    }
    area.resize(1600, 900);
    area.show();
    EXPECT_EQ(area.panel()->mapTo(&area, QPoint()), QPoint((1600 - 995) / 2, (900 - 692) / 2));
}

} // namespace
