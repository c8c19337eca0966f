#pragma once

#include "fake_platform.h"
#include "members/frm_anagrafica.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <memory>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace members_test {

using testing_support::child;

// A member window on a temporary program folder with the fake desktop.
struct MemberWindow {
    testing_support::Harness h;
    std::unique_ptr<members::TfrmAnagrafica> w = std::make_unique<members::TfrmAnagrafica>(h.ctx);

    QLineEdit* edit(const QString& name) const { return child<QLineEdit>(w.get(), name); }
    QComboBox* combo(const QString& name) const { return child<QComboBox>(w.get(), name); }
    QLabel* label(const QString& name) const { return child<QLabel>(w.get(), name); }
    QString position() const { return label(QStringLiteral("lblPosizione"))->text(); }

    void set(const QString& name, const QString& text) const {
        if (auto* c = combo(name))
            c->setEditText(text);
        else
            edit(name)->setText(text);
    }
    // The fields a save needs.
    void fillValid(const QString& name) const {
        set(QStringLiteral("txtTesserato"), name);
        set(QStringLiteral("txtDataRil"), QStringLiteral("01/01/2026"));
        set(QStringLiteral("txtDataScade"), QStringLiteral("31/12/2026"));
    }
    void save() const { w->save(); }
    QString lastText() const {
        return h.fake.messages.empty() ? QString() : h.fake.lastMessage().text;
    }
};

// Sends a key press and release to the widget, as the keyboard would.
inline void press(QWidget* target, int key, const QString& text = {},
                  Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(target, &up);
}

inline void type(QWidget* target, const QString& text) {
    for (QChar c : text)
        press(target, c.toUpper().unicode(), QString(c));
}

} // namespace members_test
