#pragma once

#include "core/archive.h"
#include "core/navigation.h"
#include "platform/context.h"
#include "platform/frm_calendario.h"
#include "platform/problem.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace platform {

// How a bound control takes its input (the rules themselves are in platform/input_rules.h).
enum class InputRule {
    Plain,
    Bold,       // plain, shown in bold
    PickerDate, // read-only, filled by the date picker (its mode from the window's date table)
    Digits,     // digits only, pasting too
    Amount,     // digits and the comma, pasting too; the window normalises it on leaving;
                // entering selects it, and a save refuses a text that is no amount
    Fee,        // digits and the comma, typed or pasted
    FeeTabbing, // as Fee, and Tab moves the focus on; an amount as Amount is
    Code,       // letters and digits typed, trimmed and upper-cased after each change
    ListOnly,   // a drop-down box that takes no typed characters
    Province,   // editable province list, upper-cased
    UpperOnRelease,
    Trimmed,      // trimmed while typing
    UpperTrimmed, // trimmed and upper-cased while typing
};

// One control of a record window: its objectName, the record field it loads and stores (-1: not
// stored), its typing limit (0: none), its input rule and the control Enter moves to (nullptr:
// Enter does nothing here). Edit fields, combo boxes, check boxes ("Sì"/"No") and labels bind.
struct Binding {
    const char* control;
    int field;
    int limit;
    InputRule rule;
    const char* next;
};

// The record-number label's value: the number shown, 0 on a new sheet.
qint64 positionOf(const QLabel* label);

// The access message of every archive window, shown as `kind` (an error unless the window's own
// rules name another kind).
void showAccessMessage(Context& ctx, QWidget* window, MsgKind kind = MsgKind::Error);

// The shared navigation rule (first, previous, next, last) over `archive` from the label: reads
// the record whole and hands it to `show`; at an end does nothing; on an empty archive shows the
// information message; on a failure shows the access message and changes nothing. `mayGo`, when
// given, runs before a record is read and may stop the step (then taken again from the label).
using ShowRecord = std::function<void(qint64 number, const QStringList& values)>;
void navigateArchive(Context& ctx, QWidget* window, const core::Archive& archive,
                     core::NavCommand command, QLabel* position, const ShowRecord& show,
                     MsgKind accessKind = MsgKind::Error, const std::function<bool()>& mayGo = {});

// The information texts after a save that overwrote (true) or appended (false) a record.
QString savedMessage(bool overwritten);

// What keeps `text` out of a field of `capacity` characters (0: any length) of the Windows-1252
// files: its first character the code page lacks, or its length. `name` is the field's name in
// the warning, `control` takes the focus.
Check storableProblem(const QString& text, int capacity, const QString& name,
                      const QString& control);
// The warning for an amount field whose text is not an amount.
Problem amountProblem(const QString& text, const QString& control);
// Asked before a changed sheet is left.
QString unsavedChangesQuestion();

// The binding table of a record window, resolved once against its controls. Loads and stores
// the record through it; New, navigation, save and Duplicate follow the shared archive rules.
// The window adds only its tables, its defaults and its save checks.
class RecordForm {
public:
    RecordForm(Context& ctx, QWidget* window, const core::RecordLayout& layout,
               std::span<const Binding> bindings, DateTargets dates = {});

    // After the window built its controls: finds each bound control, sets limits, input rules,
    // highlight frames, the Enter chain and the tab order. `statusLine` gets the picker hint.
    void bind(QLabel* position, QLabel* statusLine = nullptr);

    QString text(int field) const; // trimmed
    void setText(int field, const QString& value);
    QStringList values() const; // one text per record field, as it would be stored
    qint64 position() const;
    QLabel* positionLabel() const { return position_; }
    QWidget* control(const char* name) const;

    // Every field from `values` and the label to `number`, all together.
    void show(qint64 number, const QStringList& values);
    // Empties every bound field and the label (New); the window then puts its defaults.
    void clear();

    // A record picked in a list or search: asks about unsaved changes (mayLeave), then reads
    // record `number` whole and shows it; the access message and no change on failure.
    bool load(const core::Archive& archive, qint64 number);
    // The same for a record the list read already (read again when the question saved).
    bool pick(const core::Archive& archive, qint64 number, const QStringList& values);
    // Asks about unsaved changes before a record is read.
    void navigate(const core::Archive& archive, core::NavCommand command);
    // Checks that every value can be stored as it is (storableProblem, amounts), then stores
    // every field over the record shown, or appends on a new sheet, and sets the label. The
    // warning or the access message on failure. The caller shows its own confirmation.
    std::optional<qint64> save(const core::Archive& archive);
    // The first value that cannot be stored as it is, in record order.
    Check valueProblem(const QStringList& values) const;
    // Keeps the fields, resets `resetFields` (empty) and empties the label so that the next save
    // appends; touches the file once; focuses `focus` and tells the user. Refuses with the
    // warning when no saved record is shown.
    // `alsoReset` puts the window's own values into fields that are not simply emptied.
    bool duplicate(const core::Archive& archive, std::span<const int> resetFields,
                   const char* focus, const std::function<void()>& alsoReset = {});

    // Unsaved changes: the sheet is changed while its snapshot differs from the one taken when
    // it was shown, saved, duplicated or marked (the window marks New once its defaults are in).
    bool changed() const;
    void markUnchanged();
    // Before the sheet is left (navigation, New, Duplicate, a pick, closing): when it was
    // changed, asks unsavedChangesQuestion. Yes runs `saveChanges` (the window's own save with
    // its checks) and goes on only when it saved; No goes on; Cancel stays. True: go on.
    bool mayLeave();
    std::function<void()> saveChanges;
    // What the sheet holds, as compared (default: values()); windows add controls of their own.
    std::function<QStringList()> snapshot;

    // Runs after a record was shown by load or navigation (photos and the like).
    std::function<void(qint64 number)> onShown;
    MsgKind accessKind = MsgKind::Error;

private:
    struct Bound {
        const Binding* binding;
        QWidget* widget;
    };
    const Bound* boundField(int field) const;
    void pickDate(const QString& mode);
    void shown(qint64 number);
    QStringList current() const { return snapshot ? snapshot() : values(); }

    Context& ctx_;
    QWidget* window_;
    const core::RecordLayout& layout_;
    std::span<const Binding> bindings_;
    DateTargets dates_;
    std::vector<Bound> bound_;
    std::vector<int> byField_; // record field -> index in bound_, -1 when unbound
    QStringList loaded_;       // what the last shown record held (kept for unbound fields)
    QLabel* position_ = nullptr;
    QStringList unchanged_; // the snapshot of the sheet as shown
    int saves_ = 0;         // saves done, so a question knows whether its save went through
};

} // namespace platform
