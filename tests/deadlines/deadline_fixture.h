#pragma once

#include "core/archive.h"
#include "deadlines/deadline_record.h"

#include <QStringList>

namespace deadline_tests {

// A complete deadline record on `data` ("dd/mm/yyyy") with `avviso` days of notice.
inline QStringList deadline(const QString& data, const QString& avviso,
                            const QString& ore = QStringLiteral("09"),
                            const QString& minuti = QStringLiteral("30")) {
    using namespace deadlines;
    QStringList v(DeadlineFieldCount);
    v[Giorno] = data.left(2);
    const int month = data.mid(3, 2).toInt();
    v[Mese] = month >= 1 && month <= 12 ? monthNames()[month - 1] : QString();
    v[Anno] = data.mid(6, 4);
    v[Data] = data;
    v[Ore] = ore;
    v[Minuti] = minuti;
    v[Ora] = ore + ":" + minuti;
    v[Avviso] = avviso;
    v[Pagatore] = "Rossi Anna";
    v[Beneficiario] = "Circolo Aurora";
    v[Dettagli] = "Quota annuale";
    v[Costo] = "0,00";
    v[DaConfermare] = kNo;
    v[Effettuata] = kNo;
    return v;
}

inline core::Archive yearArchive(const QString& folder, int year) {
    return core::Archive(folder, deadlines::yearFileName(year), deadlines::deadlineLayout());
}

} // namespace deadline_tests
