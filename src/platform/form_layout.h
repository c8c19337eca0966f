#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QToolButton>

#include <span>
#include <vector>

namespace platform {

// A titled section of a record window: its objectName, title and place on the panel.
struct Section {
    const char* name;
    const char* title;
    QRect rect;
};
// The sections in table order, so that a window's enum of sections indexes them.
std::vector<QGroupBox*> makeSections(QWidget* panel, std::span<const Section> sections);

// A picture button beside a field: artwork under :/art/ (without ".svg"), the hint shown as
// tooltip and status text, the section (its index in the window's table) and the place inside
// it, and its command (nullptr: the window wires it itself).
template <class Window> struct SideButton {
    const char* name;
    const char* art;
    const char* hint;
    int section;
    int x, y;
    void (Window::*command)();
};

namespace detail {
QToolButton* sideButton(QGroupBox* section, QLabel* statusLine, const char* name, const char* art,
                        const char* hint, QRect place, int iconSize);
} // namespace detail

// Square buttons of `size` pixels with `iconSize` pictures, each wired to its command.
template <class Window>
void buildSideButtons(Window* window, const std::vector<QGroupBox*>& sections, QLabel* statusLine,
                      std::span<const SideButton<Window>> buttons, int iconSize, int size) {
    for (const SideButton<Window>& s : buttons) {
        QToolButton* b = detail::sideButton(sections[size_t(s.section)], statusLine, s.name, s.art,
                                            s.hint, QRect(s.x, s.y, size, size), iconSize);
        if (s.command) QObject::connect(b, &QToolButton::clicked, window, s.command);
    }
}

} // namespace platform
