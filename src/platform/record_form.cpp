#include "platform/record_form.h"

#include "core/record_file.h"
#include "core/text.h"
#include "platform/input_rules.h"
#include "platform/ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace platform {

namespace {

const QString kYes = QStringLiteral("S\u00ec");
const QString kNo = QStringLiteral("No");

QString readControl(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return core::trimText(edit->text());
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return core::trimText(combo->currentText());
    if (auto* check = qobject_cast<const QCheckBox*>(w)) return check->isChecked() ? kYes : kNo;
    if (auto* label = qobject_cast<const QLabel*>(w)) return core::trimText(label->text());
    return {};
}

void writeControl(QWidget* w, const Binding& b, const QString& value) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // The limit holds back typing only: a longer stored value is shown whole and saved
        // back whole (the window's checks decide whether it may be saved).
        if (b.limit > 0) edit->setMaxLength(std::max<int>(b.limit, int(value.size())));
        edit->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            combo->setCurrentIndex(-1);
            combo->setEditText(value);
        } else {
            combo->setCurrentIndex(combo->findText(value)); // -1 (nothing) when not listed
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        // A value other than "Sì" or "No" leaves the box as it was.
        if (value == kYes)
            check->setChecked(true);
        else if (value == kNo)
            check->setChecked(false);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
    }
}

void applyRule(QLineEdit* edit, InputRule rule) {
    switch (rule) {
    case InputRule::Bold: {
        QFont f = edit->font();
        f.setBold(true);
        edit->setFont(f);
        break;
    }
    case InputRule::Digits:
        digitsOnly(edit);
        break;
    case InputRule::Amount:
        amountOnly(edit);
        break;
    case InputRule::Fee:
        acceptKeys(edit, isAmountCharacter);
        break;
    case InputRule::FeeTabbing:
        acceptKeys(edit, isAmountCharacter, TabKey::MovesOn);
        break;
    case InputRule::Code:
        acceptKeys(edit, isCodeCharacter);
        upperTrimmedWhileTyping(edit);
        break;
    case InputRule::UpperOnRelease:
        upperTrimmedOnKeyRelease(edit);
        break;
    case InputRule::Trimmed:
        trimmedWhileTyping(edit);
        break;
    case InputRule::UpperTrimmed:
        upperTrimmedWhileTyping(edit);
        break;
    case InputRule::PickerDate: // wired by the form, which knows the mode
    case InputRule::ListOnly:   // drop-down boxes only
    case InputRule::Plain:
    case InputRule::Province:
        break;
    }
}

} // namespace

qint64 positionOf(const QLabel* label) {
    bool ok = false;
    const qint64 n = core::trimText(label->text()).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

void showAccessMessage(Context& ctx, QWidget* window, MsgKind kind) {
    ctx.platform.message(window, kind, core::archiveAccessMessage());
}

void navigateArchive(Context& ctx, QWidget* window, const core::Archive& archive,
                     core::NavCommand command, QLabel* position, const ShowRecord& show,
                     MsgKind accessKind) {
    const auto count = archive.count();
    if (!count) return showAccessMessage(ctx, window, accessKind);
    const core::NavStep step = core::navigate(command, position->text(), *count);
    switch (step.kind) {
    case core::NavStep::Kind::Nothing:
        return;
    case core::NavStep::Kind::Empty:
        if (step.clearLabel) position->clear();
        ctx.platform.message(window, MsgKind::Information, core::emptyArchiveMessage());
        return;
    case core::NavStep::Kind::Read:
        break;
    }
    const auto values = archive.read(step.record);
    if (!values) return showAccessMessage(ctx, window, accessKind);
    show(step.record, *values);
}

QString savedMessage(bool overwritten) {
    return overwritten
               ? QStringLiteral(
                     "Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
               : QStringLiteral("La scheda corrente è stata inserita in archivio.");
}

RecordForm::RecordForm(Context& ctx, QWidget* window, const core::RecordLayout& layout,
                       std::span<const Binding> bindings, DateTargets dates)
    : ctx_(ctx), window_(window), layout_(layout), bindings_(bindings), dates_(dates),
      byField_(size_t(layout.fieldCount()), -1), loaded_(layout.fieldCount(), QString()) {}

QWidget* RecordForm::control(const char* name) const {
    return window_->findChild<QWidget*>(QLatin1String(name));
}

void RecordForm::bind(QLabel* position, QLabel* statusLine) {
    position_ = position;
    QList<QWidget*> tabOrder;
    for (const Binding& b : bindings_) {
        QWidget* w = control(b.control);
        Q_ASSERT_X(w, "RecordForm::bind", b.control);
        if (!w) continue;
        if (b.field >= 0) byField_[size_t(b.field)] = int(bound_.size());
        bound_.push_back({&b, w});
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w)) continue;
        tabOrder << w;
        addHighlight(w);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (b.limit > 0) edit->setMaxLength(b.limit);
            applyRule(edit, b.rule);
            if (b.rule == InputRule::PickerDate) {
                QString mode;
                for (const DateTarget& t : dates_)
                    if (QLatin1String(t.control) == QLatin1String(b.control))
                        mode = QLatin1String(t.mode);
                makePickerDateField(edit, [this, mode] { pickDate(mode); });
                if (statusLine)
                    setStatusHint(
                        edit, statusLine,
                        QStringLiteral(
                            "Premi un tasto qualsiasi per importare una data dal calendario."));
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->isEditable() && b.limit > 0) combo->lineEdit()->setMaxLength(b.limit);
            if (b.rule == InputRule::ListOnly) listOnly(combo);
        }
        if (b.next)
            if (QWidget* next = control(b.next)) chainEnter({w, next});
    }
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

const RecordForm::Bound* RecordForm::boundField(int field) const {
    if (field < 0 || field >= int(byField_.size()) || byField_[size_t(field)] < 0) return nullptr;
    return &bound_[size_t(byField_[size_t(field)])];
}

QString RecordForm::text(int field) const {
    if (const Bound* b = boundField(field)) return readControl(b->widget);
    return loaded_.value(field);
}

void RecordForm::setText(int field, const QString& value) {
    if (const Bound* b = boundField(field))
        writeControl(b->widget, *b->binding, value);
    else if (field >= 0 && field < loaded_.size())
        loaded_[field] = value;
}

QStringList RecordForm::values() const {
    QStringList out;
    out.reserve(layout_.fieldCount());
    for (int f = 0; f < layout_.fieldCount(); ++f)
        out << text(f);
    return out;
}

qint64 RecordForm::position() const {
    return position_ ? positionOf(position_) : 0;
}

void RecordForm::show(qint64 number, const QStringList& values) {
    loaded_ = values;
    while (loaded_.size() < layout_.fieldCount())
        loaded_ << QString();
    for (int f = 0; f < layout_.fieldCount(); ++f)
        if (boundField(f)) setText(f, loaded_[f]);
    if (position_) position_->setText(QString::number(number));
}

void RecordForm::clear() {
    loaded_ = QStringList(layout_.fieldCount(), QString());
    for (const Bound& b : bound_) {
        if (auto* check = qobject_cast<QCheckBox*>(b.widget))
            check->setChecked(false);
        else
            writeControl(b.widget, *b.binding, QString());
    }
    if (position_) position_->clear();
}

bool RecordForm::load(const core::Archive& archive, qint64 number) {
    const auto values = archive.read(number);
    if (!values) {
        showAccessMessage(ctx_, window_, accessKind);
        return false;
    }
    show(number, *values);
    if (onShown) onShown(number);
    return true;
}

void RecordForm::navigate(const core::Archive& archive, core::NavCommand command) {
    navigateArchive(
        ctx_, window_, archive, command, position_,
        [this](qint64 n, const QStringList& values) {
            show(n, values);
            if (onShown) onShown(n);
        },
        accessKind);
}

std::optional<qint64> RecordForm::save(const core::Archive& archive) {
    const auto written = archive.save(position(), values());
    if (!written) {
        showAccessMessage(ctx_, window_, accessKind);
        return std::nullopt;
    }
    if (position_) position_->setText(QString::number(*written));
    return written;
}

bool RecordForm::duplicate(const core::Archive& archive, std::span<const int> resetFields,
                           const char* focus, const std::function<void()>& alsoReset) {
    if (position() == 0) {
        ctx_.platform.message(window_, MsgKind::Warning,
                              QStringLiteral("Attenzione: la duplicazione di una scheda può "
                                             "avvenire soltanto dopo che questa è stata inserita "
                                             "in archivio."));
        return false;
    }
    for (int f : resetFields)
        setText(f, QString());
    if (alsoReset) alsoReset();
    if (position_) position_->clear();
    if (!archive.touch()) {
        showAccessMessage(ctx_, window_, accessKind);
        return false;
    }
    if (focus)
        if (QWidget* w = control(focus)) w->setFocus();
    ctx_.platform.message(window_, MsgKind::Information,
                          QStringLiteral("E' ora possibile apportare le proprie modifiche alla "
                                         "scheda corrente.\n\r\n\rAl termine premere Salva per "
                                         "inserire la scheda in archivio."));
    return true;
}

void RecordForm::pickDate(const QString& mode) {
    platform::pickDate(ctx_, window_, mode, dates_);
}

} // namespace platform
