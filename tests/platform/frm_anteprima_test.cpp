#include "platform/frm_anteprima.h"
#include "platform/qt_platform.h"

#include "fake_platform.h"
#include "pdf_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::child;
using testing_support::Harness;

namespace {

const QPageLayout kLandscape(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());

// Two pages, each with its number: what any prepared report hands the engine.
RenderPages twoPages(int* renders = nullptr) {
    return [renders](QPrinter& printer) {
        if (renders) ++*renders;
        QPainter p(&printer);
        p.drawText(QPointF(200, 200), QStringLiteral("Pagina uno"));
        printer.newPage();
        p.drawText(QPointF(200, 200), QStringLiteral("Pagina due"));
    };
}

// Three pages, each a different share of black, so their thumbnails differ.
RenderPages threePages() {
    return [](QPrinter& printer) {
        QPainter p(&printer);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        for (int i = 1; i <= 3; ++i) {
            if (i > 1) printer.newPage();
            p.fillRect(QRect(0, 0, page.width() * i / 4, page.height()), Qt::black);
        }
    };
}

QPushButton* button(QWidget* w, const char* name) {
    return child<QPushButton>(w, QLatin1String(name));
}

} // namespace

TEST(Anteprima, ShowsThePagesAtFullSizeWithItsFourButtonsAndNothingToEdit) {
    Harness h;
    int renders = 0;
    TfrmAnteprima w(h.fake, nullptr, kLandscape, twoPages(&renders));
    EXPECT_EQ(w.objectName(), u"TfrmAnteprima"_qs);
    EXPECT_EQ(w.windowTitle(), u" Anteprima di stampa"_qs);
    EXPECT_TRUE(w.isModal());
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);

    // Exactly these buttons: no page setup, no orientation, nothing that changes the pages.
    QStringList captions;
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        captions << b->objectName() + u'=' + b->text();
    captions.sort();
    EXPECT_EQ(captions, (QStringList{u"btnChiudi=Chiudi"_qs, u"btnSchermoIntero=Schermo intero"_qs,
                                     u"btnStampa=Stampa"_qs, u"btnZoom=Zoom"_qs}));
    for (QPushButton* b : w.findChildren<QPushButton*>())
        EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString(); // Enter presses none

    w.show();
    QApplication::processEvents();
    EXPECT_GE(renders, 1);
    EXPECT_EQ(w.view()->pageCount(), 2);
    EXPECT_EQ(w.view()->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(w.view()->zoomFactor(), 1.0);
    EXPECT_EQ(w.view()->orientation(), QPageLayout::Landscape);
    EXPECT_EQ(child<QLabel>(&w, u"lblZoom"_qs)->text(), u"100 %"_qs);
    w.hide();
}

TEST(Anteprima, StampaPrintsTheSamePagesThroughThePrintDialog) {
    Harness h;
    h.fake.pdfPath = h.path(u"stampa.pdf"_qs); // the fake's printer
    TfrmAnteprima w(h.fake, nullptr, kLandscape, twoPages());
    button(&w, "btnStampa")->click();
    ASSERT_EQ(h.fake.printCalls.size(), 1u);
    EXPECT_FALSE(h.fake.printCalls[0].preview);
    EXPECT_EQ(h.fake.printCalls[0].layout.orientation(), QPageLayout::Landscape);
    const QString printed = testing_support::pdfText(h.fake.pdfPath);
    EXPECT_EQ(printed.count(u'\f'), 2); // two pages
    EXPECT_TRUE(printed.contains(u"Pagina due"_qs));
    EXPECT_EQ(w.result(), 0); // the preview stays open after printing

    h.fake.printAccepted = false; // a cancelled print dialog changes nothing either
    button(&w, "btnStampa")->click();
    EXPECT_EQ(h.fake.printCalls.size(), 2u);
    EXPECT_TRUE(h.fake.messages.empty());
}

TEST(Anteprima, ZoomStepsRoundFullScreenTogglesChiudiCloses) {
    Harness h;
    TfrmAnteprima w(h.fake, nullptr, kLandscape, twoPages());
    w.show();
    QApplication::processEvents();
    auto* zoomText = child<QLabel>(&w, u"lblZoom"_qs);
    struct Step {
        const char16_t* text;
        qreal factor; // 0: the whole page
    };
    const Step steps[] = {{u"150 %", 1.5}, {u"200 %", 2.0}, {u"Pagina intera", 0}, {u"100 %", 1}};
    for (const Step& s : steps) {
        button(&w, "btnZoom")->click();
        EXPECT_EQ(zoomText->text(), QString::fromUtf16(s.text));
        if (s.factor > 0) {
            EXPECT_EQ(w.view()->zoomMode(), QPrintPreviewWidget::CustomZoom);
            EXPECT_DOUBLE_EQ(w.view()->zoomFactor(), s.factor);
        } else {
            EXPECT_EQ(w.view()->zoomMode(), QPrintPreviewWidget::FitInView);
        }
    }

    auto* full = button(&w, "btnSchermoIntero");
    full->click();
    EXPECT_TRUE(w.windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(full->isChecked());
    full->click();
    EXPECT_FALSE(w.windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(full->isChecked());

    button(&w, "btnChiudi")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(h.fake.printCalls.empty());
}

// The desktop's preview is this window, run modally over its parent, for every report.
TEST(Anteprima, TheDesktopPreviewIsThisWindow) {
    QtPlatform desktop;
    QString shown;
    int pages = -1;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown = modal->objectName();
        if (auto* view = modal->findChild<QPrintPreviewWidget*>()) pages = view->pageCount();
        if (auto* close = modal->findChild<QPushButton*>(u"btnChiudi"_qs)) close->click();
    });
    desktop.preview(nullptr, kLandscape, twoPages());
    EXPECT_EQ(shown, u"TfrmAnteprima"_qs);
    EXPECT_EQ(pages, 2);
}

TEST(Anteprima, PageNavigationLeafsThroughThePagesAndFollowsTheThumbnails) {
    Harness h;
    TfrmAnteprima w(h.fake, nullptr, kLandscape, threePages(),
                    PreviewOptions{.pageNavigation = true});
    w.show();
    QApplication::processEvents();
    auto* thumbnails = child<QListWidget>(&w, u"lstMiniature"_qs);
    auto* page = child<QLabel>(&w, u"lblPagina"_qs);
    ASSERT_EQ(thumbnails->count(), 3);
    const QImage first = thumbnails->item(0)->icon().pixmap(64).toImage();
    const QImage last = thumbnails->item(2)->icon().pixmap(64).toImage();
    EXPECT_FALSE(first.isNull());
    EXPECT_NE(first, last); // each thumbnail shows its own page
    EXPECT_EQ(page->text(), u"Pagina 1 di 3"_qs);

    struct Step {
        const char* press; // a button, or "2" for the second thumbnail
        int page;
        bool backEnabled, onEnabled;
    };
    const Step steps[] = {
        {"btnUltimaPagina", 3, true, false},
        {"btnPaginaPrecedente", 2, true, true},
        {"btnPaginaSuccessiva", 3, true, false},
        {"btnPaginaSuccessiva", 3, true, false},
        {"btnPrimaPagina", 1, false, true},
        {"btnPaginaPrecedente", 1, false, true},
        {"2", 2, true, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.press);
        if (QByteArray(s.press) == "2")
            thumbnails->setCurrentRow(1);
        else
            button(&w, s.press)->click();
        EXPECT_EQ(w.view()->currentPage(), s.page);
        EXPECT_EQ(page->text(), QStringLiteral("Pagina %1 di 3").arg(s.page));
        EXPECT_EQ(thumbnails->currentRow(), s.page - 1);
        EXPECT_EQ(button(&w, "btnPrimaPagina")->isEnabled(), s.backEnabled);
        EXPECT_EQ(button(&w, "btnPaginaPrecedente")->isEnabled(), s.backEnabled);
        EXPECT_EQ(button(&w, "btnPaginaSuccessiva")->isEnabled(), s.onEnabled);
        EXPECT_EQ(button(&w, "btnUltimaPagina")->isEnabled(), s.onEnabled);
    }
    w.hide();
}

// The desktop hands the options to the window: page navigation only when asked for.
TEST(Anteprima, TheDesktopPreviewShowsPageNavigationOnlyWhenAsked) {
    for (bool asked : {false, true}) {
        SCOPED_TRACE(asked);
        QtPlatform desktop;
        bool thumbnails = !asked, pageLabel = !asked;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            thumbnails = modal->findChild<QListWidget*>(u"lstMiniature"_qs) != nullptr;
            pageLabel = modal->findChild<QLabel*>(u"lblPagina"_qs) != nullptr;
            modal->findChild<QPushButton*>(u"btnChiudi"_qs)->click();
        });
        desktop.preview(nullptr, kLandscape, twoPages(), PreviewOptions{.pageNavigation = asked});
        EXPECT_EQ(thumbnails, asked);
        EXPECT_EQ(pageLabel, asked);
    }
}
