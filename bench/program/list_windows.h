// The list windows as a user opens them, for the memory and whole-program drivers: each is
// built through its own class over a Context, shown, filled (its search pressed where it has
// one) and painted. Over a folder made by program_folder.h.
#pragma once

#include "program_folder.h"

#include "book/frm_trova_registro.h"
#include "cashbook/balance.h"
#include "cashbook/frm_bilancio.h"
#include "cashbook/frm_exp_movimenti.h"
#include "cashbook/frm_rendiconto.h"
#include "cashbook/frm_rinnovo.h"
#include "cashbook/frm_sospesi_mov.h"
#include "cashbook/frm_trova_movimenti.h"
#include "deadlines/frm_exp_scadenze.h"
#include "deadlines/frm_riepiloghi.h"
#include "deadlines/frm_trova_scadenzario.h"
#include "members/frm_exp_anagrafica.h"
#include "members/frm_sospesi.h"
#include "members/frm_trova_anagrafica.h"
#include "platform/context.h"
#include "platform/text_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace bench {

// Counts the paint events of one widget and its children.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* target) : target_(target) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (auto* w = qobject_cast<QWidget*>(object); w; w = w->parentWidget())
                if (w == target_) painted_ = true;
        return false;
    }

private:
    QWidget* target_;
    bool painted_ = false;
};

// Runs `step`, then processes events until `target` has been painted since (at most 30 s, so
// a window that never paints fails the driver rather than hanging it).
inline void stepPainted(QWidget* target, const std::function<void()>& step) {
    PaintWatch watch(target);
    step();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted()) {
        if (waited.elapsed() > 30000) {
            std::fprintf(stderr, "%s was never painted\n", qPrintable(target->objectName()));
            std::exit(4);
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QApplication::processEvents(); // what the paint itself posted
}

// A message box would wait for a click that never comes: its text goes to stderr and the
// driver fails, since a measured list that shows a message did not show its list.
inline void failOnMessages() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "message shown: %s\n", qPrintable(box->text()));
            std::_Exit(3);
        }
    });
    poll->start(20);
}

// A list window shown and filled: the window (owned here unless it is one of the program's
// long-lived windows) and the number of rows it shows.
struct OpenedList {
    std::unique_ptr<QWidget> owned;
    QWidget* window = nullptr;
    std::function<qsizetype()> rows;
};

namespace detail {

inline QDate generatedDay() {
    return QDate(kGeneratedYear, 6, 15);
}

inline core::Archive deadlineArchive(const platform::Context& ctx) {
    return core::Archive(ctx.folder, deadlines::yearFileName(kGeneratedYear),
                         deadlines::deadlineLayout());
}

template <class W> W* child(QWidget* window, const char* name) {
    W* found = window->findChild<W*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "%s has no %s\n", qPrintable(window->objectName()), name);
        std::exit(5);
    }
    return found;
}

// A window that fills while it is built: built, shown and painted.
template <class W, class... Args> OpenedList builtFilled(Args&&... args) {
    OpenedList out;
    auto window = std::make_unique<W>(std::forward<Args>(args)...);
    out.window = window.get();
    out.owned = std::move(window);
    stepPainted(out.window, [&] { out.window->show(); });
    return out;
}

// A search window: shown, then "Cerca" with every filter empty, and the list painted.
inline OpenedList searched(std::unique_ptr<reports::SearchDialog> window) {
    OpenedList out;
    out.window = window.get();
    stepPainted(out.window, [&] { out.window->show(); });
    auto* list = window->panel()->list();
    stepPainted(list, [&] { child<QPushButton>(out.window, "btnCerca")->click(); });
    out.rows = [list] { return qsizetype(list->count()); };
    out.owned = std::move(window);
    return out;
}

inline OpenedList withListRows(OpenedList out) {
    auto* list = child<platform::TextList>(out.window, "lstRecords");
    out.rows = [list] { return qsizetype(list->count()); };
    return out;
}

inline OpenedList withGridRows(OpenedList out) {
    auto* grid = child<QTableView>(out.window, "grdRecords");
    out.rows = [grid] { return qsizetype(grid->model()->rowCount()); };
    return out;
}

} // namespace detail

// One list window: its name on the command line and in the table, the file it reads (written
// alone by `write` when a driver needs no more), the long-lived window that opens it in the
// program (its parent, when the program's windows are there) and how it opens.
struct ListWindow {
    const char* name;
    bool (*write)(const QString& folder, int n);
    const char* owner;
    OpenedList (*open)(platform::Context& ctx, QWidget* owner);
};

namespace detail {
inline bool writeDeadlines(const QString& folder, int n) {
    return writeDeadlineYear(folder, n, DeadlineMix::Varied);
}
} // namespace detail

inline const ListWindow kListWindows[] = {
    {"member-search", writeMemberArchive, "TfrmAnagrafica",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::searched(
             std::make_unique<members::TfrmTrovaAnagrafica>(ctx, owner, u"anagrafica"_qs));
     }},
    {"renewal-list", writeMemberArchive, "TfrmAnagrafica",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withListRows(detail::builtFilled<members::TfrmSospesi>(ctx, owner));
     }},
    {"renewal-grid", writeMemberArchive, "TfrmAnagrafica",
     [](platform::Context& ctx, QWidget* owner) {
         OpenedList out = detail::builtFilled<cashbook::TfrmRinnovo>(ctx, owner);
         auto* grid = out.window->findChild<QTableView*>();
         out.rows = [grid] { return qsizetype(grid ? grid->model()->rowCount() : -1); };
         return out;
     }},
    {"member-export", writeMemberArchive, "TfrmAnagrafica",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withGridRows(detail::builtFilled<members::TfrmExpAnagrafica>(ctx, owner));
     }},
    {"deadline-summary", detail::writeDeadlines, "TfrmScadenzario",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withListRows(detail::builtFilled<deadlines::TfrmConfermati>(
             ctx, owner, detail::deadlineArchive(ctx)));
     }},
    {"deadline-search", detail::writeDeadlines, "TfrmScadenzario",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::searched(std::make_unique<deadlines::TfrmTrovaScadenzario>(
             ctx, owner, detail::deadlineArchive(ctx), u"Scadenzario"_qs));
     }},
    {"deadline-month-grid", detail::writeDeadlines, "TfrmScadenzario",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withGridRows(
             detail::builtFilled<deadlines::TfrmExpMensili>(ctx, owner, detail::generatedDay()));
     }},
    {"deadline-year-grid", detail::writeDeadlines, "TfrmScadenzario",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withGridRows(detail::builtFilled<deadlines::TfrmExpScadenzario>(
             ctx, owner, detail::deadlineArchive(ctx)));
     }},
    {"movement-search", writeMovementYear, "TfrmMovimenti",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::searched(std::make_unique<cashbook::TfrmTrovaMovimenti>(
             ctx, owner, movementYearFile(ctx.folder), u"movimenti"_qs));
     }},
    {"movement-pending", writeMovementYear, "TfrmMovimenti",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withListRows(detail::builtFilled<cashbook::TfrmSospesiMov>(
             ctx, owner, movementYearFile(ctx.folder)));
     }},
    {"movement-export", writeMovementYear, "TfrmMovimenti",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withGridRows(detail::builtFilled<cashbook::TfrmExpMovimenti>(
             ctx, owner, movementYearFile(ctx.folder)));
     }},
    // The balance menu computes the whole year, then shows the result window.
    {"balance", writeMovementYear, "TfrmMenuBilancio",
     [](platform::Context& ctx, QWidget* owner) {
         const QDate start(kGeneratedYear, 1, 1), end(kGeneratedYear, 12, 31);
         const cashbook::Balance balance =
             cashbook::computeBalance(cashbook::yearArchive(movementYearFile(ctx.folder)), {},
                                      start, end, ctx.platform.today());
         if (!balance.ok) {
             std::fprintf(stderr, "the balance could not read the year file\n");
             std::exit(6);
         }
         const QString format = u"dd/MM/yyyy"_qs;
         return detail::withListRows(detail::builtFilled<cashbook::TfrmBilancio>(
             ctx, owner, balance, QString(),
             cashbook::intervalText(start.toString(format), end.toString(format))));
     }},
    // A long-lived work area: it opens the current year when shown, the generated one after.
    {"statement", writeMovementYear, nullptr,
     [](platform::Context& ctx, QWidget*) {
         OpenedList out;
         out.window = ctx.windows.find(u"TfrmRendiconto"_qs);
         if (!out.window) {
             out.owned = std::make_unique<cashbook::TfrmRendiconto>(ctx);
             out.window = out.owned.get();
         }
         stepPainted(out.window, [&] { out.window->show(); });
         if (ctx.platform.today().year() != kGeneratedYear) {
             auto* year = detail::child<QLineEdit>(out.window, "txtAnno");
             stepPainted(out.window, [&] {
                 year->setText(QString::number(kGeneratedYear));
                 detail::child<QPushButton>(out.window, "btnApri")->click();
             });
         }
         auto* reasons = detail::child<QTableView>(out.window, "grdCausali");
         out.rows = [reasons] { return qsizetype(reasons->model()->rowCount()); };
         return out;
     }},
    {"page-list", writeRegister, "TfrmRegistro",
     [](platform::Context& ctx, QWidget* owner) {
         return detail::withListRows(detail::builtFilled<book::TfrmTrovaRegistro>(
             ctx, owner, QDir(ctx.folder).filePath(kGeneratedRegister)));
     }},
};

inline const ListWindow* findListWindow(const QString& name) {
    for (const ListWindow& w : kListWindows)
        if (name == QLatin1String(w.name)) return &w;
    return nullptr;
}

// Opens `window` over ctx, under its owner when the program's windows are in ctx.windows.
inline OpenedList openListWindow(platform::Context& ctx, const ListWindow& window) {
    QWidget* owner = window.owner ? ctx.windows.find(QString::fromLatin1(window.owner)) : nullptr;
    return window.open(ctx, owner);
}

} // namespace bench
