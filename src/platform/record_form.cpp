#include "platform/record_form.h"

#include "core/record_file.h"
#include "core/text.h"
#include "core/win1252.h"
#include "core/yes_no.h"
#include "platform/input_rules.h"
#include "platform/ui.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace platform {

namespace {

QString readControl(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return core::trimText(edit->text());
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return core::trimText(combo->currentText());
    if (auto* check = qobject_cast<const QCheckBox*>(w))
        return check->isChecked() ? core::kYes : core::kNo;
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
            if (b.limit > 0)
                combo->lineEdit()->setMaxLength(std::max<int>(b.limit, int(value.size())));
            combo->setEditText(value);
        } else {
            combo->setCurrentIndex(combo->findText(value)); // -1 (nothing) when not listed
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        // A value other than "Sì" or "No" (a damaged record) is no tick: never the state of
        // the record shown before.
        check->setChecked(value == core::kYes);
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
        selectOnEntry(edit);
        break;
    case InputRule::Fee:
        acceptKeys(edit, isAmountCharacter);
        break;
    case InputRule::FeeTabbing:
        acceptKeys(edit, isAmountCharacter, TabKey::MovesOn);
        selectOnEntry(edit);
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

bool isAmountRule(InputRule rule) {
    return rule == InputRule::Amount || rule == InputRule::FeeTabbing;
}

// Closing the window leaves the sheet: the question first, and Cancel keeps it open.
class CloseGuard : public QObject {
public:
    CloseGuard(QObject* window, std::function<bool()> mayLeave)
        : QObject(window), mayLeave_(std::move(mayLeave)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Close || mayLeave_()) return false;
        e->ignore();
        return true;
    }

private:
    std::function<bool()> mayLeave_;
};

} // namespace

Check storableProblem(const QString& text, int capacity, const QString& name,
                      const QString& control) {
    const QString value = core::trimText(text);
    const qsizetype outside = core::firstOutsideWin1252(value);
    if (outside >= 0) {
        const qsizetype length = value[outside].isHighSurrogate() ? 2 : 1;
        return Problem{MsgKind::Warning,
                       u"Attenzione: il carattere \""_qs + value.mid(outside, length) +
                           u"\" del campo "_qs + name +
                           u" non pu\u00f2 essere archiviato.\n\r\n\rPer poter salvare i dati "
                           u"\u00e8 necessario sostituirlo."_qs,
                       control};
    }
    if (capacity > 0 && value.size() > capacity)
        return Problem{
            MsgKind::Warning,
            u"Attenzione: il campo "_qs + name + u" contiene "_qs + QString::number(value.size()) +
                u" caratteri, ma ne pu\u00f2 contenere al massimo "_qs + QString::number(capacity) +
                u".\n\r\n\rPer poter salvare i dati \u00e8 necessario accorciarlo."_qs,
            control};
    return std::nullopt;
}

Problem amountProblem(const QString& text, const QString& control) {
    return Problem{MsgKind::Warning,
                   u"Attenzione: l'importo "_qs + core::trimText(text) +
                       u" non \u00e8 un numero valido.\n\r\n\rPer poter salvare la scheda \u00e8 "
                       u"necessario indicare un importo nel formato 0,00."_qs,
                   control};
}

QString unsavedChangesQuestion() {
    return QStringLiteral("Salvare le modifiche alla scheda?");
}

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
                     MsgKind accessKind, const std::function<bool()>& mayGo) {
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
    if (mayGo) {
        const QString shown = position->text();
        if (!mayGo()) return;
        // A save on the way added a record: the step is taken again from the new label.
        if (position->text() != shown)
            return navigateArchive(ctx, window, archive, command, position, show, accessKind);
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
            cleanInsertions(edit);
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
            if (combo->isEditable()) cleanInsertions(combo->lineEdit());
            if (b.rule == InputRule::ListOnly) listOnly(combo);
        }
        if (b.next)
            if (QWidget* next = control(b.next)) chainEnter({w, next});
    }
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
    window_->installEventFilter(new CloseGuard(window_, [this] { return mayLeave(); }));
    markUnchanged();
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
    markUnchanged();
}

void RecordForm::shown(qint64 number) {
    if (onShown) onShown(number);
    markUnchanged(); // what the window shows with the record is part of it
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
    std::optional<QStringList> values = archive.read(number);
    if (values) {
        const int saves = saves_;
        if (!mayLeave()) return false;
        if (saves_ != saves) values = archive.read(number); // the save may have written it
    }
    if (!values) {
        showAccessMessage(ctx_, window_, accessKind);
        return false;
    }
    show(number, *values);
    shown(number);
    return true;
}

bool RecordForm::pick(const core::Archive& archive, qint64 number, const QStringList& values) {
    const int saves = saves_;
    if (!mayLeave()) return false;
    if (saves_ != saves) return load(archive, number); // what the list read may be older
    show(number, values);
    shown(number);
    return true;
}

void RecordForm::navigate(const core::Archive& archive, core::NavCommand command) {
    navigateArchive(
        ctx_, window_, archive, command, position_,
        [this](qint64 n, const QStringList& values) {
            show(n, values);
            shown(n);
        },
        accessKind, [this] { return mayLeave(); });
}

Check RecordForm::valueProblem(const QStringList& values) const {
    for (int f = 0; f < layout_.fieldCount(); ++f) {
        const Bound* b = boundField(f);
        const bool input =
            b && (qobject_cast<QLineEdit*>(b->widget) || qobject_cast<QComboBox*>(b->widget));
        const QString control = input ? QLatin1String(b->binding->control) : QString();
        if (b && isAmountRule(b->binding->rule) && !isAmountText(values.value(f)))
            return amountProblem(values.value(f), control);
        if (auto problem = storableProblem(values.value(f), layout_.capacity(f),
                                           QLatin1String(layout_.name(f)), control))
            return problem;
    }
    return std::nullopt;
}

std::optional<qint64> RecordForm::save(const core::Archive& archive) {
    const QStringList v = values();
    if (showProblem(ctx_, window_, valueProblem(v))) return std::nullopt;
    const auto written = archive.save(position(), v);
    if (!written) {
        showAccessMessage(ctx_, window_, accessKind);
        return std::nullopt;
    }
    if (position_) position_->setText(QString::number(*written));
    ++saves_;
    markUnchanged();
    return written;
}

bool RecordForm::changed() const {
    return current() != unchanged_;
}

void RecordForm::markUnchanged() {
    unchanged_ = current();
}

bool RecordForm::mayLeave() {
    if (!changed()) return true;
    switch (ctx_.platform.message(window_, MsgKind::SaveQuestion, unsavedChangesQuestion())) {
    case Answer::Yes: {
        const int before = saves_;
        if (saveChanges) saveChanges();
        return saves_ != before;
    }
    case Answer::No:
        markUnchanged(); // the changes are given up
        return true;
    default:
        return false;
    }
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
    if (!mayLeave()) return false;
    for (int f : resetFields)
        setText(f, QString());
    if (alsoReset) alsoReset();
    if (position_) position_->clear();
    if (!archive.touch()) {
        showAccessMessage(ctx_, window_, accessKind);
        return false;
    }
    markUnchanged(); // the copy is a new sheet
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
