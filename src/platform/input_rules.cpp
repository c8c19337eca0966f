#include "platform/input_rules.h"

#include "core/text.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace platform {

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, bool (*accepts)(QChar), TabKey tab)
        : QObject(parent), accepts_(accepts), tab_(tab) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return false;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (tab_ == TabKey::MovesOn) return false;
            break;
        default:
            break;
        }
        const QString text = key->text();
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return !(plain && text.size() == 1 && accepts_(text[0]));
    }

private:
    bool (*accepts_)(QChar);
    TabKey tab_;
};

class ListOnlyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return false;
        const QString text = key->text();
        return !text.isEmpty() && text[0].isPrint();
    }
};

class LeaveFilter : public QObject {
public:
    LeaveFilter(QObject* parent, std::function<void()> leave)
        : QObject(parent), leave_(std::move(leave)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) leave_();
        return false;
    }

private:
    std::function<void()> leave_;
};

class KeyReleaseFilter : public QObject {
public:
    KeyReleaseFilter(QLineEdit* field) : QObject(field) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease) {
            auto* field = static_cast<QLineEdit*>(watched);
            const QString fixed = core::upperAscii(core::trimText(field->text()));
            if (fixed != field->text()) field->setText(fixed);
        }
        return false;
    }
};

class ProvinceFocusFilter : public QObject {
public:
    ProvinceFocusFilter(QComboBox* combo) : QObject(combo) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            auto* combo = static_cast<QComboBox*>(watched);
            const QString text = combo->currentText();
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
        return false;
    }
};

// Compares each user edit with the text before it and cleans only what it inserted.
class InsertionCleaner : public QObject {
public:
    InsertionCleaner(QLineEdit* field, bool (*keep)(QChar)) : QObject(field), keep_(keep) {
        setObjectName(QStringLiteral("cleanInsertions"));
        current_ = field->text();
        // Where textChanged comes before textEdited, and other rules rewrite the text in between,
        // the recent changes tell which text the edit started from.
        // A signal may carry a text already rewritten by a handler before: the field's own.
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            const QString now = field->text();
            changes_.append({current_, now});
            if (changes_.size() > 8) changes_.removeFirst();
            current_ = now;
        });
        connect(field, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { clean(field, text); });
    }
    void setKeep(bool (*keep)(QChar)) { keep_ = keep; }

private:
    void clean(QLineEdit* field, const QString& text) {
        QString old = current_;
        for (qsizetype i = changes_.size() - 1; i >= 0; --i)
            if (changes_[i].second == text) {
                old = changes_[i].first;
                break;
            }
        changes_.clear();
        qsizetype head = 0;
        const qsizetype shortest = std::min(old.size(), text.size());
        while (head < shortest && old[head] == text[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shortest - head && old[old.size() - 1 - tail] == text[text.size() - 1 - tail])
            ++tail;
        const QStringView inserted = QStringView(text).mid(head, text.size() - head - tail);
        const QString cleaned = cleanInserted(inserted, keep_);
        if (cleaned == inserted) return;
        field->setText(text.left(head) + cleaned + text.right(tail));
        field->setCursorPosition(int(head + cleaned.size()));
    }

    bool (*keep_)(QChar);
    QString current_;
    QList<std::pair<QString, QString>> changes_; // (before, after), oldest first
};

class SelectOnEntry : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* field = static_cast<QLineEdit*>(watched);
        if (e->type() == QEvent::FocusIn) {
            field->selectAll();
            entered_ = true;
        } else if (e->type() == QEvent::MouseButtonRelease && entered_) {
            // The click that brought the focus placed the cursor: select again, unless the
            // user dragged a selection of their own.
            entered_ = false;
            if (!field->hasSelectedText()) field->selectAll();
        } else if (e->type() == QEvent::FocusOut || e->type() == QEvent::KeyPress) {
            entered_ = false;
        }
        return false;
    }

private:
    bool entered_ = false;
};

void rewriteOnChange(QLineEdit* field, QString (*fix)(const QString&)) {
    // The field's own text: the signal's may be older when a handler changed it meanwhile.
    QObject::connect(field, &QLineEdit::textChanged, field, [field, fix] {
        const QString text = field->text();
        const QString fixed = fix(text);
        if (fixed != text) {
            const int cursor = std::min<int>(field->cursorPosition(), int(fixed.size()));
            field->setText(fixed);
            field->setCursorPosition(cursor);
        }
    });
}

QString upperTrimmed(const QString& s) {
    return core::upperAscii(core::trimText(s));
}

} // namespace

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isAmountCharacter(QChar c) {
    return isDigit(c) || c == u',';
}
bool isCodeCharacter(QChar c) {
    return isDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isAmountText(QStringView text) {
    const QStringView t = text.trimmed();
    int commas = 0;
    for (QChar c : t) {
        if (c == u',')
            ++commas;
        else if (!isDigit(c))
            return false;
    }
    return t.isEmpty() || (commas <= 1 && t.size() > commas);
}

QString cleanInserted(QStringView inserted, bool (*keep)(QChar)) {
    QString out;
    out.reserve(inserted.size());
    for (qsizetype i = 0; i < inserted.size(); ++i) {
        QChar c = inserted[i];
        if (c == u'\r' && i + 1 < inserted.size() && inserted[i + 1] == u'\n') continue;
        if (c == u'\r' || c == u'\n' || c == u'\t') c = u' ';
        if (c.category() == QChar::Other_Control) continue;
        if (keep && !keep(c)) continue;
        out += c;
    }
    return out;
}

void cleanInsertions(QLineEdit* field, bool (*keep)(QChar)) {
    if (auto* cleaner = field->findChild<QObject*>(QStringLiteral("cleanInsertions"),
                                                   Qt::FindDirectChildrenOnly))
        return static_cast<InsertionCleaner*>(cleaner)->setKeep(keep);
    new InsertionCleaner(field, keep);
}

void selectOnEntry(QLineEdit* field) {
    field->installEventFilter(new SelectOnEntry(field));
}

void acceptKeys(QLineEdit* field, bool (*accepts)(QChar), TabKey tab) {
    field->installEventFilter(new KeyFilter(field, accepts, tab));
    cleanInsertions(field, accepts);
}

void digitsOnly(QLineEdit* field) {
    acceptKeys(field, isDigit);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
}

void amountOnly(QLineEdit* field) {
    acceptKeys(field, isAmountCharacter);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), field));
}

void listOnly(QWidget* combo) {
    combo->installEventFilter(new ListOnlyFilter(combo));
}

void onLeave(QWidget* field, std::function<void()> leave) {
    field->installEventFilter(new LeaveFilter(field, std::move(leave)));
}

void trimmedWhileTyping(QLineEdit* field) {
    rewriteOnChange(field, &core::trimText);
}
void upperTrimmedWhileTyping(QLineEdit* field) {
    rewriteOnChange(field, &upperTrimmed);
}

void upperTrimmedOnKeyRelease(QLineEdit* field) {
    field->installEventFilter(new KeyReleaseFilter(field));
}

const QStringList& provinceCodes() {
    static const QStringList codes =
        QStringLiteral("AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL "
                       "CN CO CR CS CT "
                       "CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD "
                       "ME MI MN MO MS "
                       "MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI "
                       "RM RN RO SA SI "
                       "SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
            .split(u' ');
    return codes;
}

QComboBox* makeProvinceCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(provinceCodes());
    combo->setMaxVisibleItems(16);
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setMaxLength(2);
    cleanInsertions(combo->lineEdit());
    upperTrimmedWhileTyping(combo->lineEdit());
    combo->installEventFilter(new ProvinceFocusFilter(combo));
    return combo;
}

} // namespace platform
