#pragma once

#include <QFrame>
#include <QLabel>
#include <QString>
#include <QToolButton>

#include <span>

namespace platform {

// One picture button of a work area's toolbar, left to right. The name "lblPosizione" places the
// record-number label instead of a button; "cmdGuida"/"imgGuida" and "cmdEsci"/"imgEsci" sit at
// the right end whatever their place in the table. A null command closes the window.
template <class Window> struct Tool {
    const char* name;
    const char* art;  // artwork under :/art/, without ".svg"
    const char* hint; // status line and tooltip
    void (Window::*command)();
    int gapBefore = 0; // a little space between groups of commands
};

// A control's status-line text while the pointer is over it.
struct Hint {
    const char* control;
    const char* text;
};

namespace detail {
QFrame* toolbarFrame(QWidget* parent);
QToolButton* toolbarButton(QFrame* bar, QLabel* statusLine, const char* name, const char* art,
                           const char* hint, int& x);
QLabel* positionSlot(QFrame* bar, int& x);
void pinRightEnd(QFrame* bar);
} // namespace detail

// Builds the toolbar `panComandi` across the top of `window`'s panel and wires each button to
// its command. Returns the record-number label when the table places one.
template <class Window>
QLabel* buildToolbar(Window* window, QWidget* panel, QLabel* statusLine,
                     std::span<const Tool<Window>> tools) {
    QFrame* bar = detail::toolbarFrame(panel);
    QLabel* position = nullptr;
    int x = 8;
    for (const Tool<Window>& t : tools) {
        x += t.gapBefore;
        if (QLatin1String(t.name) == QLatin1String("lblPosizione")) {
            position = detail::positionSlot(bar, x);
            continue;
        }
        QToolButton* b = detail::toolbarButton(bar, statusLine, t.name, t.art, t.hint, x);
        if (t.command)
            QObject::connect(b, &QToolButton::clicked, window, t.command);
        else
            QObject::connect(b, &QToolButton::clicked, window, &QWidget::close);
    }
    detail::pinRightEnd(bar);
    return position;
}

// The help's line of keyboard shortcuts of `window`'s toolbar ("Tasti rapidi: Ctrl+S salva la
// scheda, ..."), empty when it has none.
QString shortcutHelp(const QWidget* window);

// Status-line texts for the controls of `window` named in the table.
void setStatusHints(QWidget* window, QLabel* statusLine, std::span<const Hint> hints);

// The status line `panInfo` at the foot of a work area's panel, starting with `text`.
QLabel* makeStatusLine(QWidget* panel, const QString& text = {});

} // namespace platform
