// A generated deadline year file for the benchmarks: n deadlines spread over 2026.
#pragma once

#include "deadlines/deadline_record.h"
#include "deadlines/deadline_rules.h"
#include "generated_files.h"

#include <QDate>
#include <QDir>

#include <random>

namespace bench {

// Plain: every deadline at 09:30, one reason, confirmed and unpaid (what the alert scans).
// Varied: hours, reasons, fiscal codes, notes, confirmation and payment spread (what the lists
// filter on).
enum class DeadlineMix { Plain, Varied };

inline bool writeDeadlineYear(const QString& folder, int n, DeadlineMix mix) {
    using namespace deadlines;
    const bool varied = mix == DeadlineMix::Varied;
    const QStringList reasons = {u"Quota annuale"_qs, u"Affitto sala riunioni"_qs,
                                 u"Assicurazione responsabilit\u00e0 civile"_qs, u"Bollo"_qs};
    std::mt19937 rng(n);
    const QString path = QDir(folder).filePath(yearFileName(2026));
    return writeRecords(path, deadlineLayout(), n, [&](int i) {
        const QDate d = QDate(2026, 1, 1).addDays(int(rng() % 365));
        QStringList v(DeadlineFieldCount);
        v[Giorno] = d.toString(u"dd"_qs);
        v[Mese] = monthNames()[d.month() - 1];
        v[Anno] = u"2026"_qs;
        v[Data] = d.toString(u"dd/MM/yyyy"_qs);
        v[Ore] = varied ? QStringLiteral("%1").arg(rng() % 24, 2, 10, QLatin1Char('0')) : u"09"_qs;
        v[Minuti] = u"30"_qs;
        v[Ora] = v[Ore] + u":30"_qs;
        v[Avviso] = QString::number(rng() % 30);
        v[Pagatore] = u"Rossi "_qs + QString::number(i);
        if (varied) v[CodFisc] = u"RSSMRA80A01H501U"_qs;
        v[Beneficiario] = u"Circolo Aurora"_qs;
        v[Dettagli] = varied ? reasons[int(rng() % 4)] : reasons[0];
        v[Costo] = u"120,00"_qs;
        if (varied) v[Note] = u"Da pagare in contanti presso la sede"_qs;
        v[DaConfermare] = varied && rng() % 4 == 0 ? kYes : kNo;
        v[Effettuata] = varied && rng() % 2 == 0 ? kYes : kNo;
        return v;
    });
}

} // namespace bench
