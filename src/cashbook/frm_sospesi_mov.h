#pragma once

#include "cashbook/movement_list_panel.h"
#include "cashbook/movement_record.h"
#include "platform/context.h"

#include <QDialog>

#include <optional>

namespace cashbook {

// The payments not settled whose notice period has begun or whose due date has passed,
// sorted. A double click hands the movement to the movement window.
class TfrmSospesiMov : public QDialog {
    Q_OBJECT
public:
    TfrmSospesiMov(platform::Context& ctx, QWidget* parent, const QString& yearFile);
    std::optional<Movement> chosen() const { return chosen_; }

private:
    void choose(const QString& line);

    platform::Context& ctx_;
    core::Archive archive_;
    MovementListPanel* panElenco_;
    std::optional<Movement> chosen_;
};

} // namespace cashbook
