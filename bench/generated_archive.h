// A generated member archive for the benchmarks: n members in shuffled name order, about one
// in ten cancelled. Written a block at a time, so making it costs little memory itself.
#pragma once

#include "members/member_record.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <random>
#include <vector>

namespace bench {

inline bool writeMemberArchive(const QString& folder, int n) {
    using namespace members;
    static const char* const kSurnames[] = {"Rossi", "Bianchi", "Verdi", "Neri",     "Colombo",
                                            "Ricci", "Marino",  "Greco", "Bruno",    "Gallo",
                                            "Conti", "De Luca", "Costa", "Giordano", "Mancini"};
    static const char* const kTowns[] = {"Roma",    "Milano",  "Napoli", "Torino",
                                         "Bologna", "Firenze", "Bari",   "Città di Castello"};
    QFile f(QDir(folder).filePath(kMemberFileName));
    if (!f.open(QIODevice::WriteOnly)) return false;
    std::mt19937 rng(n);
    std::vector<char> rec(kMemberRecordLength, 0);
    QByteArray block;
    const auto& layout = memberLayout();
    for (int i = 0; i < n; ++i) {
        std::fill(rec.begin(), rec.end(), 0);
        const QDate expiry = QDate(2025, 1, 1).addDays(int(rng() % 730));
        QStringList v;
        for (int field = 0; field < MemberFieldCount; ++field)
            v << QString();
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
        layout.storeAll(rec.data(), v);
        block.append(rec.data(), kMemberRecordLength);
        if (block.size() >= (1 << 20) || i + 1 == n) {
            if (f.write(block) != block.size()) return false;
            block.clear();
        }
    }
    return f.flush();
}

} // namespace bench
