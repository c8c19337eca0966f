#include "cashbook/balance.h"

#include "cashbook/movement_record.h"
#include "core/dates.h"
#include "core/list_text.h"
#include "core/record_file.h"
#include "core/text.h"

namespace cashbook {

using platform::MsgKind;
using platform::Problem;

const QStringList& monthNames() {
    static const QStringList names = {u"Gennaio"_qs, u"Febbraio"_qs, u"Marzo"_qs,
                                      u"Aprile"_qs,  u"Maggio"_qs,   u"Giugno"_qs,
                                      u"Luglio"_qs,  u"Agosto"_qs,   u"Settembre"_qs,
                                      u"Ottobre"_qs, u"Novembre"_qs, u"Dicembre"_qs};
    return names;
}

int monthNumber(const QString& name) {
    const QString key = core::lowerAscii(core::trimText(name));
    for (int i = 0; i < 12; ++i)
        if (key == core::lowerAscii(monthNames()[i])) return i + 1;
    return 0;
}

const QStringList& dayNames() {
    static const QStringList days = [] {
        QStringList d;
        for (int i = 1; i <= 31; ++i)
            d << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        return d;
    }();
    return days;
}

QString yearDigitsMessage() {
    return u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_qs;
}

namespace {

QString pickMessage(const QString& what) {
    return u"Attenzione: indicare il "_qs + what +
           u" intervallo selezionandolo dall'elenco a cascata."_qs;
}

QString dateText(const QString& day, const QString& month, const QString& year) {
    return core::trimText(day) + u'/' +
           QStringLiteral("%1").arg(monthNumber(month), 2, 10, QLatin1Char('0')) + u'/' +
           core::trimText(year);
}

QString noSuchEnd(const QString& date, const QString& which) {
    return u"Attenzione: la data "_qs + date + u" di "_qs + which +
           u" intervallo non esiste.\n\r\n\rPer poter visualizzare il riepilogo \u00e8 necessario "
           u"indicare una data valida."_qs;
}

} // namespace

IntervalCheck checkInterval(const IntervalForm& f, const QDate& today) {
    IntervalCheck out;
    const auto fail = [&](MsgKind kind, QString text, QString control) {
        out.problem = Problem{kind, std::move(text), std::move(control)};
        return out;
    };
    if (f.year.size() != 4) return fail(MsgKind::Warning, yearDigitsMessage(), u"txtAnno"_qs);
    if (core::trimText(f.startDay).isEmpty())
        return fail(MsgKind::Warning, pickMessage(u"giorno di inizio"_qs), u"txtGiornoInizio"_qs);
    if (core::trimText(f.startMonth).isEmpty())
        return fail(MsgKind::Warning, pickMessage(u"mese di inizio"_qs), u"txtMeseInizio"_qs);
    if (core::trimText(f.endDay).isEmpty())
        return fail(MsgKind::Warning, pickMessage(u"giorno di fine"_qs), u"txtGiornoFine"_qs);
    if (core::trimText(f.endMonth).isEmpty())
        return fail(MsgKind::Warning, pickMessage(u"mese di fine"_qs), u"txtMeseFine"_qs);
    const QString start = dateText(f.startDay, f.startMonth, f.year);
    const std::optional<QDate> from = core::parseDate(start, today);
    if (!from) return fail(MsgKind::Plain, noSuchEnd(start, u"inizio"_qs), u"txtGiornoInizio"_qs);
    const QString end = dateText(f.endDay, f.endMonth, f.year);
    const std::optional<QDate> to = core::parseDate(end, today);
    if (!to) return fail(MsgKind::Plain, noSuchEnd(end, u"fine"_qs), u"txtGiornoFine"_qs);
    if (*from > *to)
        return fail(MsgKind::Plain,
                    u"Attenzione: la data di fine intervallo ("_qs + end +
                        u") non pu\u00f2 essere anteriore a quella di inizio intervallo ("_qs +
                        start +
                        u").\n\r\n\rPer poter visualizzare il riepilogo \u00e8 necessario indicare "
                        u"un intervallo di tempo valido."_qs,
                    {});
    out.start = start;
    out.end = end;
    return out;
}

namespace {

constexpr core::LinePiece kBalanceLine[] = {{u"", Causale, 40},
                                            {u"  Data: ", Data, 10},
                                            {u"  Da: ", Pagatore, 28},
                                            {u"  A: ", Beneficiario, 28},
                                            {u"  Importo: ", Totale, -1}};

// Income or expense by the sign of the stored total; a total without one has an empty line.
std::optional<QStringView> balanceLineStart(QByteArrayView total) {
    const char sign = total.isEmpty() ? 0 : total.front();
    if (sign == '+') return QStringView(u"ENTRATA  ");
    if (sign == '-') return QStringView(u"USCITA   ");
    return std::nullopt;
}

} // namespace

QString balanceLine(const char* record) {
    core::StoredPieces one(kBalanceLine, balanceLineStart);
    one.add(movementLayout(), record);
    return one.line(0);
}

Balance computeBalance(const core::Archive& archive, const QString& filter, const QDate& start,
                       const QDate& end, const QDate& today) {
    const bool filtered = !core::trimText(filter).isEmpty();
    const QString key = core::lowerAscii(filter); // as typed: not trimmed
    Balance out;
    bool readable = true;
    // A whole year's lines are kept as the bytes they show and made only when shown.
    auto lines = std::make_shared<core::StoredPieces>(kBalanceLine, balanceLineStart);
    // Opened once: its count sizes the lines, then it is read.
    core::RecordFile file(archive.path(), archive.layout().recordLength());
    if (!file.open(core::RecordFile::Access::Read)) return Balance{{}, 0, 0, 0, false};
    lines->reserve(file.count());
    const bool scanned = file.scan([&](qint64, const char* rec) {
        if (filtered && !core::containsFolded(load(rec, Causale), key)) return true;
        const std::optional<QDate> date = storedDate(rec, Data, today);
        if (!date) return readable = false;
        if (*date < start || *date > end) return true;
        const QByteArrayView total = storedText(rec, Totale);
        const std::optional<core::Cents> cents = core::parseCents(total);
        if (!cents) return readable = false;
        if (total.startsWith('+'))
            out.income += *cents;
        else if (total.startsWith('-'))
            out.expenses += *cents;
        out.total += *cents;
        lines->add(movementLayout(), rec);
        return true;
    });
    const bool read = file.close() && scanned;
    out.ok = read && readable;
    if (!out.ok) return Balance{{}, 0, 0, 0, false};
    const qsizetype count = lines->rows();
    out.lines = core::ListLines(std::move(lines), count, {});
    return out;
}

QString totalText(core::CentsTotal cents) {
    return core::formatCents(cents) + u" \u20ac"_qs;
}

QString filterTitle(const QString& filter) {
    const QString t = core::trimText(filter);
    return t.isEmpty() ? u"- - -"_qs : t;
}

QString intervalText(const QString& start, const QString& end) {
    return u"Dal   "_qs + start + u"   al   "_qs + end;
}

QString balancePrintTitle(const QString& filterTitle) {
    return u"PRIMANOTA E BILANCIO - Causale :  "_qs + core::trimText(filterTitle);
}

QStringList balancePrintLines(const QStringList& lines, const BalanceTexts& t) {
    QStringList out = lines;
    // Each prefix is 30 characters, so the closing values line up.
    out << u"- - - - - - - - - - - - - - - -"_qs
        << u"INTERVALLO SELEZIONATO :      "_qs + core::trimText(t.interval)
        << u"TOTALE ENTRATE :              "_qs + core::trimText(t.income)
        << u"TOTALE USCITE :               "_qs + core::trimText(t.expenses)
        << u"BILANCIO ENTRATE E USCITE :   "_qs + core::trimText(t.total);
    return out;
}

} // namespace cashbook
