#pragma once

#include "platform/context.h"

#include <optional>

class QWidget;

namespace platform {

// The record number the user wants to go to (`TfrmVaiAScheda`): a number from 1 to `count`, or
// nothing when the window is closed with "Annulla". A number outside the archive is refused
// with a warning and the window stays open.
std::optional<qint64> askRecordNumber(Context& ctx, QWidget* parent, qint64 count);

} // namespace platform
