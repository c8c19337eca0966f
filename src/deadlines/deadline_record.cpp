#include "deadlines/deadline_record.h"

#include "core/text.h"

namespace deadlines {

const core::RecordLayout& deadlineLayout() {
    static const core::RecordLayout layout(kDeadlineFields);
    return layout;
}

QString yearFileName(const QString& year) {
    return year + QStringLiteral(".sca");
}

QString yearFileName(int year) {
    return yearFileName(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
}

const QStringList& monthNames() {
    static const QStringList names = {
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre"),
    };
    return names;
}

int monthNumber(const QString& name) {
    const QString lower = core::lowerAscii(name);
    const QStringList& names = monthNames();
    for (int i = 0; i < names.size(); ++i)
        if (lower == core::lowerAscii(names[i])) return i + 1;
    return 0;
}

} // namespace deadlines
