#pragma once

#include "fake_platform.h"
#include "keys.h"
#include "members/frm_anagrafica.h"
#include "qt_print.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace members_test {

using testing_support::child;
using testing_support::press;
using testing_support::type;

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

} // namespace members_test
