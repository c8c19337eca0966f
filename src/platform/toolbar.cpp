#include "platform/toolbar.h"

#include "platform/ui.h"

#include <QKeySequence>
#include <QShortcut>

namespace platform {

namespace detail {

namespace {
constexpr int kBarWidth = 979, kButton = 46, kStep = 48;
}

// A toolbar command's keyboard shortcut and how the help names it: the same keys for the same
// command in every window that has it.
struct ToolKey {
    const char* button;
    const char* key; // portable text of a QKeySequence
    const char* action;
};
const ToolKey kToolKeys[] = {
    {"cmdSalva", "Ctrl+S", "salva la scheda"},
    {"cmdNuovo", "Ctrl+N", "nuova scheda"},
    {"cmdTrova", "Ctrl+F", "trova una scheda"},
    {"cmdStampa", "Ctrl+P", "stampa"},
    {"cmdDuplica", "Ctrl+D", "duplica la scheda"},
    {"cmdIndietro", "PgUp", "scheda precedente"},
    {"cmdAvanti", "PgDown", "scheda successiva"},
    {"cmdPrimo", "Ctrl+Home", "prima scheda"},
    {"cmdUltimo", "Ctrl+End", "ultima scheda"},
    {"cmdGuida", "F1", "guida"},
    {"imgGuida", "F1", "guida"},
};

QFrame* toolbarFrame(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("panComandi"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setGeometry(8, 6, kBarWidth, 56);
    return bar;
}

QToolButton* toolbarButton(QFrame* bar, QLabel* statusLine, const char* name, const char* art,
                           const char* hint, int& x) {
    const QString text = QString::fromUtf8(hint);
    auto* b = pictureButton(bar, QLatin1String(name),
                            QStringLiteral(":/art/%1.svg").arg(QLatin1String(art)), text, {34, 34});
    b->setGeometry(x, 5, kButton, kButton);
    // Reachable with Tab like any control, and by its key where it has one.
    b->setFocusPolicy(Qt::TabFocus);
    for (const ToolKey& k : kToolKeys)
        if (qstrcmp(k.button, name) == 0) {
            const QKeySequence key(QString::fromLatin1(k.key));
            // A shortcut of the button's own: it works while the button is shown and enabled,
            // and presses it at once (a button's own shortcut clicks it only later).
            auto* shortcut = new QShortcut(key, b);
            QObject::connect(shortcut, &QShortcut::activated, b, &QToolButton::click);
            b->setToolTip(
                QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        }
    if (statusLine) setStatusHint(b, statusLine, text);
    x += kStep;
    return b;
}

QLabel* positionSlot(QFrame* bar, int& x) {
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("lblPosizione"));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    label->setFont(bold);
    label->setGeometry(x + 2, 12, 76, 32);
    x += 82;
    return label;
}

void pinRightEnd(QFrame* bar) {
    int right = kBarWidth - 8 - kButton;
    for (const char* name : {"cmdEsci", "imgEsci", "cmdGuida", "imgGuida"})
        if (auto* b = bar->findChild<QToolButton*>(QLatin1String(name))) {
            b->move(right, 5);
            right -= kStep;
        }
}

} // namespace detail

QString shortcutHelp(const QWidget* window) {
    QStringList keys;
    for (const detail::ToolKey& k : detail::kToolKeys) {
        const auto* b = window->findChild<const QToolButton*>(QLatin1String(k.button));
        const auto* shortcut = b ? b->findChild<const QShortcut*>() : nullptr;
        if (shortcut && b->isVisibleTo(window))
            keys << QStringLiteral("%1 %2").arg(shortcut->key().toString(QKeySequence::NativeText),
                                                QString::fromUtf8(k.action));
    }
    if (keys.isEmpty()) return {};
    return QStringLiteral("Tasti rapidi: ") + keys.join(QStringLiteral(", ")) + u'.';
}

void setStatusHints(QWidget* window, QLabel* statusLine, std::span<const Hint> hints) {
    for (const Hint& h : hints)
        if (auto* w = window->findChild<QWidget*>(QLatin1String(h.control)))
            setStatusHint(w, statusLine, QString::fromUtf8(h.text));
}

QLabel* makeStatusLine(QWidget* panel, const QString& text) {
    auto* line = new QLabel(text, panel);
    line->setObjectName(QStringLiteral("panInfo"));
    line->setFrameShape(QFrame::Panel);
    line->setFrameShadow(QFrame::Sunken);
    line->setIndent(8);
    line->setGeometry(8, 660, 979, 26);
    return line;
}

} // namespace platform
