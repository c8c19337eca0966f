#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace deadlines {

// The longest notice a record can hold (three digits).
inline constexpr int kMaxNoticeDays = 999;

// The years whose files can hold a deadline imminent on `today`: the current year, then each
// following year that the longest notice reaches, so that early January is announced in
// December.
QList<int> imminentYears(const QDate& today);

// Visits each record that is imminent on `today`, year by year in file order. The current
// year's file is created when missing (as opening the window always has); the following years'
// files are only read, and only when they exist. A record whose date or notice days cannot be
// read is skipped. False when a file could not be read (the visits so far stand).
using ImminentVisitor = std::function<void(int year, qint64 number, const char* record)>;
bool scanImminent(const QString& folder, const QDate& today, const ImminentVisitor& visit);

// The number of imminent deadlines for the alert; nothing when a file could not be read.
std::optional<int> countImminent(const QString& folder, const QDate& today);

} // namespace deadlines
