#pragma once

#include <QString>

#include <stdexcept>

namespace reports {

// A failure inside the engine (the printer refused to start, a page could not be added).
// Raised to the window that printed.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace reports
