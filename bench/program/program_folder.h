// A whole generated program folder for the list-window drivers: the member archive, the 2026
// deadline and movement year files and one register, n records each, written a block at a time.
#pragma once

#include "../generated_archive.h"
#include "../generated_deadlines.h"
#include "../generated_files.h"
#include "book/page_record.h"
#include "cashbook/movement_record.h"
#include "cashbook/movement_save.h"

#include <QDate>
#include <QDir>

#include <random>

namespace bench {

// The year of every generated year file.
inline constexpr int kGeneratedYear = 2026;
inline const QString kGeneratedRegister = QStringLiteral("Soci.lib");

inline QString movementYearFile(const QString& folder) {
    return QDir(folder).filePath(cashbook::yearFileName(QString::number(kGeneratedYear)));
}

// n movements spread over the year, two in three income, one in four not settled.
inline bool writeMovementYear(const QString& folder, int n) {
    using namespace cashbook;
    static const char* const kReasons[] = {"Quota sociale", "Affitto sala", "Rimborso spese",
                                           "Cancelleria",   "Quota corso",  "Contributo evento",
                                           "Utenze",        "Assicurazione"};
    static const char* const kNames[] = {"Rossi",   "Bianchi", "Verdi", "Neri",
                                         "Colombo", "Ricci",   "Gallo"};
    std::mt19937 rng(n);
    return writeRecords(movementYearFile(folder), movementLayout(), n, [&](int i) {
        const bool income = rng() % 3 != 0;
        const QDate day = QDate(kGeneratedYear, 1, 1).addDays(int(rng() % 365));
        const QString amount = QString::number(rng() % 100000) + u',' +
                               QStringLiteral("%1").arg(rng() % 100, 2, 10, QLatin1Char('0'));
        QStringList v(MovementFieldCount, QString());
        v[Entrata] = income ? kYes : kNo;
        v[Uscita] = income ? kNo : kYes;
        v[Data] = day.toString(u"dd/MM/yyyy"_qs);
        v[Causale] = QString::fromUtf8(kReasons[rng() % std::size(kReasons)]) + u' ' +
                     QString::number(i % 97);
        v[Promemoria] = u"Rata del mese"_qs;
        v[DataSca] = day.addDays(30).toString(u"dd/MM/yyyy"_qs);
        v[Preavviso] = QString::number(rng() % 15);
        v[Importo] = amount;
        v[Totale] = signedTotal(income, amount);
        v[Pagatore] = QString::fromUtf8(kNames[rng() % std::size(kNames)]) + u" Socio "_qs +
                      QString::number(rng() % 1000);
        v[Beneficiario] = u"Circolo culturale"_qs;
        v[Ricevuta] = u"CRO "_qs + QString::number(100000 + i);
        v[Saldato] = rng() % 4 == 0 ? kNo : kYes;
        return v;
    });
}

// A register of n full pages.
inline bool writeRegister(const QString& folder, int n) {
    using namespace book;
    PageValues v = emptyPage();
    v[Numero] = u"1"_qs;
    v[Denominazione] = u"Circolo Culturale Il Faro"_qs;
    v[CodFisc] = u"97012340583"_qs;
    return writeRecords(QDir(folder).filePath(kGeneratedRegister), pageLayout(), n, [&](int i) {
        v[Numero] = QString::number(i + 1);
        for (int r = 0; r < kRows; ++r) {
            const int order = i * kRows + r + 1;
            v[rowField(r, Ordine)] = QString::number(order);
            v[rowField(r, Socio)] = u"Socio numero "_qs + QString::number(order);
            v[rowField(r, CodFiscSocio)] = u"RSSMRA80A01H501U"_qs;
            v[rowField(r, Tessera)] = u"T-"_qs + QString::number(order);
            v[rowField(r, Telefono)] = u"333 "_qs + QString::number(1000000 + order);
            v[rowField(r, Quota)] = u"25,00"_qs;
            v[rowField(r, Indirizzo)] = u"Via Garibaldi 12 00100 Roma RM"_qs;
        }
        return v;
    });
}

// Every file the list windows read, n records each; n = 0 leaves the folder empty, as a new
// installation has it.
inline bool writeProgramFolder(const QString& folder, int n) {
    if (n == 0) return QDir().mkpath(folder);
    return QDir().mkpath(folder) && writeMemberArchive(folder, n) &&
           writeDeadlineYear(folder, n, DeadlineMix::Varied) && writeMovementYear(folder, n) &&
           writeRegister(folder, n);
}

} // namespace bench
