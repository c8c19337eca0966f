#include "platform/print_prompt.h"

#include "fake_platform.h"

#include <QLabel>
#include <QPageSize>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace platform;
using testing_support::child;
using testing_support::Harness;

namespace {

// What the job saw when it was built and painted.
struct Probe {
    QWidget* prompt = nullptr;
    int builds = 0;
    bool waitShownAtBuild = false, waitShownAtRender = false;
    const char* buildFailure = nullptr;
    const char* renderFailure = nullptr;

    bool waitShown() const { return !child<QLabel>(prompt, u"lblAttendere"_qs)->isHidden(); }

    PrintJobSource source() {
        return [this] {
            ++builds;
            waitShownAtBuild = waitShown();
            if (buildFailure) throw std::runtime_error(buildFailure);
            const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
            return PrintJob{layout, [this](QPrinter&) {
                                waitShownAtRender = waitShown();
                                if (renderFailure) throw std::runtime_error(renderFailure);
                            }};
        };
    }
};

class Prompt : public PrintPrompt {
public:
    Prompt(Context& ctx, PrintMode mode, Probe& probe, bool settingsSaved = true)
        : PrintPrompt(ctx, nullptr,
                      {.className = u"TfrmProva"_qs,
                       .caption = u" Prova"_qs,
                       .mode = mode,
                       .text = u"Stampa di prova."_qs},
                      probe.source()),
          settingsSaved_(settingsSaved) {
        probe.prompt = this;
    }

protected:
    bool beforeJob() override { return settingsSaved_; }

private:
    bool settingsSaved_;
};

} // namespace

TEST(PrintPrompt, BuildsAtThePressAndPrintsOrPreviews) {
    struct Case {
        const char* what;
        PrintMode mode;
        bool printAccepted;
        const char* buildFailure;
        const char* renderFailure;
        bool settingsSaved;
        // expected
        int printCalls;
        bool waitShownAtRender;
        QString error; // empty: no message
    };
    const Case cases[] = {
        {"print", PrintMode::Print, true, nullptr, nullptr, true, 1, true, {}},
        {"preview hides the wait line first",
         PrintMode::Preview,
         true,
         nullptr,
         nullptr,
         true,
         1,
         false,
         {}},
        {"cancelled print dialog", PrintMode::Print, false, nullptr, nullptr, true, 1, false, {}},
        {"painting fails", PrintMode::Print, true, nullptr, "Impossibile avviare la stampa.", true,
         1, true, u"Impossibile avviare la stampa."_qs},
        {"preview painting fails", PrintMode::Preview, true, nullptr,
         "Pagina non aggiunta: è piena.", true, 1, false, u"Pagina non aggiunta: è piena."_qs},
        {"building fails", PrintMode::Preview, true, "Immagine non valida.", nullptr, true, 0,
         false, u"Immagine non valida."_qs},
        {"stopped before the job", PrintMode::Print, true, nullptr, nullptr, false, 0, false,
         u"La stampa non è stata completata."_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.fake.pdfPath = h.path(u"prova.pdf"_qs); // the fake paints only with a target
        h.fake.printAccepted = c.printAccepted;
        Probe probe{.buildFailure = c.buildFailure, .renderFailure = c.renderFailure};
        Prompt prompt(h.ctx, c.mode, probe, c.settingsSaved);
        EXPECT_EQ(probe.builds, 0); // nothing is read before the button
        const QString go = c.mode == PrintMode::Print ? u"btnStampa"_qs : u"btnAnteprima"_qs;
        child<QPushButton>(&prompt, go)->click();

        EXPECT_EQ(probe.builds, c.settingsSaved ? 1 : 0);
        if (c.settingsSaved) {
            EXPECT_TRUE(probe.waitShownAtBuild);
        }
        ASSERT_EQ(h.fake.printCalls.size(), size_t(c.printCalls));
        if (c.printCalls) {
            EXPECT_EQ(h.fake.printCalls[0].preview, c.mode == PrintMode::Preview);
            EXPECT_EQ(h.fake.printCalls[0].layout.orientation(), QPageLayout::Landscape);
            EXPECT_FALSE(h.fake.printCalls[0].options.pageNavigation); // the deadline sheet's own
        }
        EXPECT_EQ(probe.waitShownAtRender, c.waitShownAtRender);
        if (c.error.isEmpty()) {
            EXPECT_TRUE(h.fake.messages.empty());
        } else {
            ASSERT_EQ(h.fake.messages.size(), 1u);
            EXPECT_EQ(h.fake.lastMessage().kind, MsgKind::Error);
            EXPECT_EQ(h.fake.lastMessage().text, c.error);
        }
        EXPECT_FALSE(probe.waitShown());
        EXPECT_EQ(prompt.result(), QDialog::Accepted); // closes after a failure too
    }
}

TEST(PrintPrompt, FaceButtonsAndTheWaitLineOnPress) {
    for (const PrintMode mode : {PrintMode::Print, PrintMode::Preview}) {
        Harness h;
        Probe probe;
        Prompt prompt(h.ctx, mode, probe);
        EXPECT_EQ(prompt.objectName(), u"TfrmProva"_qs);
        EXPECT_EQ(prompt.windowTitle(), u" Prova"_qs);
        EXPECT_TRUE(prompt.isModal());
        EXPECT_EQ(child<QLabel>(&prompt, u"lblTesto"_qs)->text(), u"Stampa di prova."_qs);
        EXPECT_NE(child<QLabel>(&prompt, u"imgStampante"_qs), nullptr);
        const bool print = mode == PrintMode::Print;
        auto* go = child<QPushButton>(&prompt, print ? u"btnStampa"_qs : u"btnAnteprima"_qs);
        ASSERT_NE(go, nullptr);
        EXPECT_EQ(go->text(), print ? u"Stampa"_qs : u"Mostra anteprima"_qs);
        EXPECT_FALSE(go->autoDefault());
        EXPECT_TRUE(probe.waitShown() == false);
        // A print shows the wait line as soon as the mouse goes down; a preview on the click.
        QTest::mousePress(go, Qt::LeftButton);
        EXPECT_EQ(probe.waitShown(), print);
        QTest::mouseRelease(go, Qt::LeftButton);
        EXPECT_EQ(probe.builds, 1);

        Prompt again(h.ctx, mode, probe);
        child<QPushButton>(&again, u"btnAnnulla"_qs)->click();
        EXPECT_EQ(again.result(), QDialog::Rejected);
        EXPECT_EQ(probe.builds, 1);
    }
}

TEST(PrintPrompt, PrintNowShowsTheFailureAsAnError) {
    Harness h;
    h.fake.pdfPath = h.path(u"prova.pdf"_qs);
    QWidget window;
    Probe probe{.prompt = &window};
    auto* wait = new QLabel(&window);
    wait->setObjectName(u"lblAttendere"_qs);
    EXPECT_TRUE(printNow(h.ctx, &window, PrintMode::Preview, probe.source()));
    probe.renderFailure = "Stampante non pronta.";
    EXPECT_FALSE(printNow(h.ctx, &window, PrintMode::Print, probe.source()));
    ASSERT_EQ(h.fake.messages.size(), 1u);
    EXPECT_EQ(h.fake.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(h.fake.lastMessage().text, u"Stampante non pronta."_qs);
}

namespace {

// Counts its live copies; its renderer reads the instance it was asked on.
struct CountedReport {
    static inline int alive = 0;
    QString title = u"Pagina"_qs;
    CountedReport() { ++alive; }
    CountedReport(const CountedReport& o) : title(o.title) { ++alive; }
    CountedReport(CountedReport&& o) noexcept : title(o.title) { ++alive; }
    ~CountedReport() { --alive; }
    QPageLayout pageLayout() const { return QPageLayout(); }
    RenderPages renderer() const {
        return [this](QPrinter&) { EXPECT_EQ(title, u"Pagina"_qs); };
    }
};

} // namespace

TEST(PrintPrompt, AJobKeepsItsReportAliveUntilItIsDropped) {
    {
        PrintJob job = printJob(CountedReport());
        EXPECT_EQ(CountedReport::alive, 1); // the temporaries are gone, the job's copy is not
        const PrintJob copy = job;
        job = {};
        EXPECT_EQ(CountedReport::alive, 1);
    }
    EXPECT_EQ(CountedReport::alive, 0);
}
