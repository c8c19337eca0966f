// A generated member archive for the benchmarks: n members in shuffled name order, about one
// in ten cancelled. Written a block at a time, so making it costs little memory itself.
#pragma once

#include "generated_files.h"
#include "members/member_record.h"

#include <QDate>
#include <QDir>
#include <QStringList>

#include <random>

namespace bench {

inline bool writeMemberArchive(const QString& folder, int n) {
    using namespace members;
    static const char* const kSurnames[] = {"Rossi", "Bianchi", "Verdi", "Neri",     "Colombo",
                                            "Ricci", "Marino",  "Greco", "Bruno",    "Gallo",
                                            "Conti", "De Luca", "Costa", "Giordano", "Mancini"};
    static const char* const kTowns[] = {"Roma",    "Milano",  "Napoli", "Torino",
                                         "Bologna", "Firenze", "Bari",   "Città di Castello"};
    std::mt19937 rng(n);
    return writeRecords(QDir(folder).filePath(kMemberFileName), memberLayout(), n, [&](int i) {
        const QDate expiry = QDate(2025, 1, 1).addDays(int(rng() % 730));
        QStringList v(MemberFieldCount);
        v[Tesserato] = QString::fromUtf8(kSurnames[rng() % std::size(kSurnames)]) + u' ' +
                       QString::number(rng() % 100000) + u" Nome"_qs;
        v[Carica] = i % 50 == 0 ? u"Consigliere"_qs : u"Socio"_qs;
        v[NumTessera] = u"T-"_qs + QString::number(i + 1);
        v[DataRil] = expiry.addYears(-1).toString(u"dd/MM/yyyy"_qs);
        v[DataScade] = expiry.toString(u"dd/MM/yyyy"_qs);
        v[ComuneRes] = QString::fromUtf8(kTowns[rng() % std::size(kTowns)]);
        v[CapRes] = u"00100"_qs;
        v[ProvRes] = u"RM"_qs;
        v[IndirizzoRes] = u"Via Garibaldi "_qs + QString::number(i % 200);
        v[Preavviso] = QString::number(rng() % 60);
        v[Recapito] = u"333 "_qs + QString::number(1000000 + i);
        v[Email] = u"socio"_qs + QString::number(i) + u"@esempio.it"_qs;
        v[CodFisc] = u"RSSMRA80A01H501U"_qs;
        v[Note] = u"Quota versata in contanti il giorno del rinnovo"_qs;
        v[Annullata] = rng() % 10 == 0 ? kYes : kNo;
        return v;
    });
}

} // namespace bench
