#pragma once

#include "core/archive.h"
#include "deadlines/deadline_list_panel.h"
#include "deadlines/deadline_lists.h"
#include "reports/list_dialog.h"

#include <optional>

namespace deadlines {

// A summary of the opened year: the line of every sheet in one state, sorted, with find, print
// and a double click or Enter that picks the sheet for the deadline window. The three windows differ in
// their caption, their test and their print title.
class DeadlineSummary : public reports::ListDialog {
    Q_OBJECT
public:
    // The record of the double-clicked line, when one was picked.
    std::optional<qint64> pickedRecord() const { return picked_; }

protected:
    struct Kind {
        const char* className;
        const char* caption;
        const char* printTitle;
        Summary summary;
    };
    DeadlineSummary(platform::Context& ctx, QWidget* parent, core::Archive archive,
                    const Kind& kind);

private:
    void pick(qint64 record) override;

    core::Archive archive_;
    std::optional<qint64> picked_;
};

// Appointments still to be confirmed.
class TfrmDaConfermare : public DeadlineSummary {
    Q_OBJECT
public:
    TfrmDaConfermare(platform::Context& ctx, QWidget* parent, const core::Archive& archive);
};

// Payments still to be made, due or overdue.
class TfrmConfermati : public DeadlineSummary {
    Q_OBJECT
public:
    TfrmConfermati(platform::Context& ctx, QWidget* parent, const core::Archive& archive);
};

// Payments already made.
class TfrmNonConfermati : public DeadlineSummary {
    Q_OBJECT
public:
    TfrmNonConfermati(platform::Context& ctx, QWidget* parent, const core::Archive& archive);
};

} // namespace deadlines
