#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {

// The windows created once at start and kept until the end, found by class name.
class WindowSet {
public:
    void add(QWidget* window) { windows_.append(window); }

    QWidget* find(const QString& name) const {
        for (const auto& w : windows_)
            if (w && w->objectName() == name) return w;
        return nullptr;
    }
    template <class T> T* get(const QString& name) const { return qobject_cast<T*>(find(name)); }

    // Shows `name` (maximised for work areas, as the window decides) and hides `from`.
    void switchTo(const QString& name, QWidget* from = nullptr) const;

    QList<QWidget*> all() const {
        QList<QWidget*> out;
        for (const auto& w : windows_)
            if (w) out.append(w);
        return out;
    }

private:
    QList<QPointer<QWidget>> windows_;
};

} // namespace platform
