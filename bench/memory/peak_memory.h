#pragma once

#include <QByteArray>
#include <QFile>

namespace bench {

// The process's peak resident memory so far (VmHWM), in kB; -1 when it cannot be read.
inline long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Starts the peak again from what the process holds now.
inline void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

} // namespace bench
