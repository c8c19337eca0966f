#pragma once

#include "cashbook/movement_record.h"
#include "cashbook/movement_save.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <ostream>
#include <utility>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace cashbook_fixture {

using Set = std::initializer_list<std::pair<cashbook::MovementField, QString>>;

// A movement's 28 values: a settled income of 0,00 on 15/03/2026, the given fields set. An
// amount set without a total gets the total its type implies.
inline QStringList movementValues(Set set) {
    using namespace cashbook;
    QStringList v;
    for (int i = 0; i < MovementFieldCount; ++i)
        v << QString();
    v[Entrata] = kYes;
    v[Uscita] = kNo;
    v[Data] = QStringLiteral("15/03/2026");
    v[DataSca] = QStringLiteral("15/03/2026");
    v[Causale] = QStringLiteral("Quota sociale");
    v[Pagatore] = QStringLiteral("Rossi Carlo");
    v[Beneficiario] = QStringLiteral("Circolo");
    v[Preavviso] = QStringLiteral("0");
    v[Importo] = QStringLiteral("0,00");
    v[Saldato] = kYes;
    bool totalSet = false;
    for (const auto& [f, text] : set) {
        v[f] = text;
        totalSet |= f == Totale;
    }
    if (v[Entrata] == kNo) v[Uscita] = kYes;
    if (!totalSet) v[Totale] = signedTotal(v[Entrata] == kYes, v[Importo]);
    return v;
}

inline QStringList income(const QString& amount, Set more = {}) {
    QStringList v = movementValues(more);
    v[cashbook::Importo] = amount;
    v[cashbook::Totale] = u'+' + amount;
    return v;
}

inline QStringList expense(const QString& amount, Set more = {}) {
    QStringList v = movementValues(more);
    v[cashbook::Entrata] = cashbook::kNo;
    v[cashbook::Uscita] = cashbook::kYes;
    v[cashbook::Importo] = amount;
    v[cashbook::Totale] = u'-' + amount;
    return v;
}

inline QString yearPath(const QString& folder, const QString& year = QStringLiteral("2026")) {
    return folder + u'/' + cashbook::yearFileName(year);
}

inline qint64 addMovement(const QString& path, const QStringList& values) {
    return *cashbook::yearArchive(path).save(0, values);
}

// Appends raw bytes (a damaged or cut record written by other software).
inline void appendRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::Append);
    f.write(bytes);
}

} // namespace cashbook_fixture
