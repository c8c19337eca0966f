// Matching a sheet's columns to the member record and checking every row before an import.
#include "members/sheet_import.h"

#include "core/archive.h"
#include "core/dates.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/win1252.h"
#include "members/member_archive.h"
#include "members/member_save.h"
#include "members/member_text.h"

#include <QRegularExpression>

#include <initializer_list>

namespace members {

namespace {

struct Choice {
    ImportField field;
    std::initializer_list<const char16_t*> headings; // that select it automatically
};

using F = ColumnFill;

const Choice kChoices[] = {
    {{u"Cognome e nome Socio", Tesserato, F::Whole},
     {u"Cognome e nome Socio", u"Cognome e nome", u"Cognome nome", u"Tesserato", u"Socio",
      u"Nominativo"}},
    {{u"Cognome", Tesserato, F::Surname}, {u"Cognome", u"Last name", u"Surname"}},
    {{u"Nome", Tesserato, F::GivenName}, {u"Nome", u"First name"}},
    {{u"Carica ricoperta", Carica, F::Whole},
     {u"Carica ricoperta", u"Carica", u"Ruolo", u"Qualifica"}},
    {{u"Tessera n.", NumTessera, F::Whole},
     {u"Tessera n.", u"NumTessera", u"Numero tessera", u"N. tessera", u"Num. tessera",
      u"Tessera numero", u"Tessera", u"Numero socio", u"N. socio", u"Matricola"}},
    {{u"Data rilascio", DataRil, F::Whole},
     {u"Data di rilascio", u"Data rilascio", u"DataRil", u"Rilascio", u"Data rilascio tessera",
      u"Data di rilascio della tessera"}},
    {{u"Data scadenza", DataScade, F::Whole},
     {u"Data di scadenza", u"Data scadenza", u"DataScade", u"Scadenza tessera",
      u"Data scadenza tessera", u"Data di scadenza della tessera"}},
    {{u"Data di nascita", DataNasc, F::Whole},
     {u"Data di nascita", u"Data nascita", u"DataNasc", u"Nato il", u"Nata il", u"Nato/a il",
      u"Date of birth", u"Birth date"}},
    {{u"Comune di nascita", ComuneNasc, F::Whole}, {u"ComuneNasc"}},
    {{u"Comune e provincia di nascita", ComuneNasc, F::TownAndProvince},
     {u"Comune di nascita", u"Luogo di nascita", u"Città di nascita", u"Nato a", u"Nata a",
      u"Nato/a a"}},
    {{u"Provincia di nascita", ProvNasc, F::Whole},
     {u"ProvNasc", u"Provincia di nascita", u"Prov. di nascita", u"Prov. nascita"}},
    {{u"Sesso", Sesso, F::Whole}, {u"Sesso", u"Genere", u"M/F"}},
    {{u"Comune di residenza", ComuneRes, F::Whole}, {u"ComuneRes"}},
    {{u"CAP, comune e provincia di residenza", ComuneRes, F::PostcodeTownAndProvince},
     {u"Comune di residenza", u"Comune", u"Città", u"Città di residenza", u"Residenza", u"Località",
      u"Residente a"}},
    {{u"Provincia di residenza", ProvRes, F::Whole},
     {u"ProvRes", u"Provincia", u"Prov.", u"Provincia di residenza", u"Prov. di residenza",
      u"Prov. residenza"}},
    {{u"CAP", CapRes, F::Whole}, {u"CAP", u"CapRes", u"Codice postale", u"CAP di residenza"}},
    {{u"Via e numero civico", IndirizzoRes, F::Whole},
     {u"Via e numero civico", u"IndirizzoRes", u"Indirizzo", u"Via", u"Indirizzo di residenza",
      u"Residente in via"}},
    {{u"Giorni di preavviso", Preavviso, F::Whole},
     {u"Giorni di preavviso", u"Preavviso", u"Giorni preavviso"}},
    {{u"Quota sociale", Titoli, F::Whole},
     {u"Quota sociale", u"Titoli", u"Quota", u"Quota associativa", u"Importo quota"}},
    {{u"Tel. casa", TelCasa, F::Whole},
     {u"Tel. casa", u"TelCasa", u"Telefono casa", u"Telefono", u"Tel.", u"Telefono fisso",
      u"Tel. abitazione", u"Phone"}},
    {{u"Tel. ufficio", TelUff, F::Whole},
     {u"Tel. ufficio", u"TelUff", u"Telefono ufficio", u"Tel. lavoro", u"Telefono lavoro"}},
    {{u"Tel. cellulare", TelCel, F::Whole},
     {u"Tel. cellulare", u"TelCel", u"Cellulare", u"Cell.", u"Cel.", u"Telefono cellulare",
      u"Mobile"}},
    {{u"Recapito preferenziale", Recapito, F::Whole}, {u"Recapito preferenziale", u"Recapito"}},
    {{u"Fax", Fax, F::Whole}, {u"Fax"}},
    {{u"E-mail", Email, F::Whole},
     {u"E-mail", u"Email", u"Posta elettronica", u"Indirizzo e-mail",
      u"Indirizzo di posta elettronica", u"Mail"}},
    {{u"Codice fiscale", CodFisc, F::Whole},
     {u"Codice fiscale", u"CodFisc", u"Cod. fiscale", u"Cod. fisc.", u"C.F."}},
    {{u"Carta di credito n.", Carta, F::Whole},
     {u"Carta di credito n.", u"Carta", u"Carta di credito", u"Numero carta",
      u"Numero carta di credito"}},
    {{u"Scadenza carta di credito", ScadeCarta, F::Whole},
     {u"Scadenza", u"ScadeCarta", u"Scadenza carta", u"Scadenza carta di credito"}},
    {{u"Partita IVA", PartitaIva, F::Whole}, {u"Partita IVA", u"PartitaIva", u"P. IVA"}},
    {{u"IBAN", Iban, F::Whole}, {u"IBAN", u"Codice IBAN"}},
    {{u"Intestatario C/C", Intestatario, F::Whole},
     {u"Intestatario C/C", u"Intestatario", u"Intestatario conto", u"Intestatario del conto"}},
    {{u"Note", Note, F::Whole}, {u"Note", u"Nota", u"Annotazioni", u"Osservazioni"}},
    {{u"Tessera annullata", Annullata, F::Whole},
     {u"Tessera annullata", u"Annullata", u"Annullato"}},
};

const std::vector<ImportField>& fieldTable() {
    static const std::vector<ImportField> table = [] {
        std::vector<ImportField> t;
        for (const Choice& c : kChoices)
            t.push_back(c.field);
        return t;
    }();
    return table;
}

// Letters and digits only, lower case, accents dropped: "E-mail" and "email" meet.
QString headingKey(const QString& heading) {
    const QString decomposed = heading.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.isLetterOrNumber()) key += c.toLower();
    return key;
}

const QHash<QString, int>& headingTable() {
    static const QHash<QString, int> table = [] {
        QHash<QString, int> t;
        for (int i = 0; i < int(std::size(kChoices)); ++i)
            for (const char16_t* h : kChoices[i].headings)
                t.insert(headingKey(QString::fromUtf16(h)), i);
        return t;
    }();
    return table;
}

// How a field's text is made ready to store.
enum class Rule {
    Text,
    Date,
    BirthDate,
    Upper,
    Sex,
    NoBlanksUpper,
    Digits,
    CardDigits,
    Postcode,
    YesNo
};

Rule ruleOf(MemberField f) {
    switch (f) {
    case DataRil:
    case DataScade:
        return Rule::Date;
    case DataNasc:
        return Rule::BirthDate;
    case ProvNasc:
    case ProvRes:
        return Rule::Upper;
    case Sesso:
        return Rule::Sex;
    case CodFisc:
    case Iban:
        return Rule::NoBlanksUpper;
    case Preavviso:
    case PartitaIva:
        return Rule::Digits;
    case Carta:
        return Rule::CardDigits;
    case CapRes:
        return Rule::Postcode;
    case Annullata:
        return Rule::YesNo;
    default:
        return Rule::Text;
    }
}

// A cell as one line: trimmed, inner line breaks and tabs as blanks.
QString cellText(const QStringList& cells, int column) {
    QString t = core::trimText(cells.value(column));
    for (QChar& c : t)
        if (c == u'\r' || c == u'\n' || c == u'\t') c = u' ';
    return t;
}

QString withoutBlanks(const QString& s, bool dashesToo) {
    QString out;
    out.reserve(s.size());
    for (QChar c : s)
        if (!c.isSpace() && !(dashesToo && c == u'-')) out += c;
    return out;
}

bool digitsOnly(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// A date as the program writes it: typed day first by the program's rule, or year first
// (2024-02-01, with or without a time) as other software writes it. Text that is no date is
// given back as it is, for the save checks to report.
QString normalDate(const QString& text, const QDate& today, bool birth) {
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ][0-9:.]*Z?)?$"));
    if (const auto m = text.contains(u'-') ? iso.match(text) : QRegularExpressionMatch();
        m.hasMatch()) {
        const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return d.isValid() ? core::formatDate(d) : text;
    }
    auto date = core::parseDate(text, today);
    if (!date) return text;
    // A birth date written with a two-digit year is never in the future: 5/3/45 is 1945.
    static const QRegularExpression shortYear(QStringLiteral("/\\s*\\d{1,2}\\s*/?\\s*$"));
    if (birth && *date > today && text.count(u'/') >= 2 && shortYear.match(text).hasMatch())
        date = date->addYears(-100);
    return core::formatDate(*date);
}

// Splits "00100 Roma RM": a leading run of digits is the postcode, a trailing two-letter
// word in capitals the province, the rest the town.
struct Place {
    QString postcode, town, province;
};
Place splitPlace(const QString& text, bool withPostcode) {
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    Place p;
    if (withPostcode && !words.isEmpty() && digitsOnly(words.front()) && words.front().size() <= 5)
        p.postcode = words.takeFirst();
    const auto isProvince = [](const QString& w) {
        return w.size() == 2 && w[0] >= u'A' && w[0] <= u'Z' && w[1] >= u'A' && w[1] <= u'Z';
    };
    if (words.size() >= 2 && isProvince(words.back())) p.province = words.takeLast();
    p.town = words.join(u' ');
    return p;
}

// Makes values[f] ready to store; the problem in words when it cannot be stored as it is.
QString normalise(QStringList& values, MemberField f, const QDate& today) {
    QString& v = values[f];
    const auto label = [f] { return u'"' + importFieldLabel(f) + u'"'; };
    switch (ruleOf(f)) {
    case Rule::Text:
        break;
    case Rule::Date:
    case Rule::BirthDate:
        if (!v.isEmpty()) v = normalDate(v, today, ruleOf(f) == Rule::BirthDate);
        break;
    case Rule::Upper:
        v = core::upperAscii(v);
        break;
    case Rule::Sex: {
        const QString key = headingKey(v);
        if (key == u"maschio" || key == u"male")
            v = u"M"_qs;
        else if (key == u"femmina" || key == u"female")
            v = u"F"_qs;
        else
            v = core::upperAscii(v);
        break;
    }
    case Rule::NoBlanksUpper:
        v = core::upperAscii(withoutBlanks(v, false));
        break;
    case Rule::Digits:
    case Rule::CardDigits:
        v = withoutBlanks(v, ruleOf(f) == Rule::CardDigits);
        if (!digitsOnly(v)) return u"Il campo "_qs + label() + u" ammette soltanto cifre."_qs;
        break;
    case Rule::Postcode:
        // Spreadsheets drop the leading zeros of a postcode typed as a number.
        if (!v.isEmpty() && v.size() < 5 && digitsOnly(v)) v = v.rightJustified(5, u'0');
        break;
    case Rule::YesNo: {
        const QString key = headingKey(v);
        if (key.isEmpty() || key == u"no" || key == u"n" || key == u"falso" || key == u"0")
            v = kNo;
        else if (key == u"si" || key == u"s" || key == u"vero" || key == u"1" || key == u"x")
            v = kYes;
        else
            return u"Il campo "_qs + label() + u" ammette soltanto Sì o No."_qs;
        break;
    }
    }
    const int capacity = kMemberFields[f].capacity;
    if (v.size() > capacity)
        return u"Il campo %1 accetta al massimo %2 caratteri: il valore ne ha %3."_qs.arg(label())
            .arg(capacity)
            .arg(v.size());
    for (QChar c : v) {
        if (c.unicode() < 0x80) continue;
        if (core::fromWin1252(core::toWin1252(v)) != v)
            return u"Il campo "_qs + label() +
                   u" contiene caratteri che l'archivio non può conservare."_qs;
        break;
    }
    return {};
}

// A save check's message as a line of the preview.
QString inWords(const QString& message) {
    QString t = message;
    if (t.startsWith(u"Attenzione: ")) t = t.mid(12);
    t.replace(u"\n\r\n\r"_qs, u" "_qs);
    if (!t.isEmpty()) t[0] = t[0].toUpper();
    return t;
}

ImportRow checkRow(const QStringList& cells, int sheetRow, const std::vector<int>& columns,
                   const QDate& today) {
    ImportRow row;
    row.sheetRow = sheetRow;
    QStringList& v = row.values;
    for (int i = 0; i < MemberFieldCount; ++i)
        v << QString();
    QString surname, given, birthPlace, residence;
    const auto fillOnce = [](QString& target, const QString& text) {
        if (target.isEmpty()) target = text;
    };
    for (int c = 0; c < int(columns.size()); ++c) {
        if (columns[size_t(c)] < 0 || columns[size_t(c)] >= int(std::size(kChoices))) continue;
        const QString text = cellText(cells, c);
        if (text.isEmpty()) continue;
        const ImportField& target = kChoices[columns[size_t(c)]].field;
        switch (target.fill) {
        case F::Whole:
            fillOnce(v[target.field], text);
            break;
        case F::Surname:
            fillOnce(surname, text);
            break;
        case F::GivenName:
            fillOnce(given, text);
            break;
        case F::TownAndProvince:
            fillOnce(birthPlace, text);
            break;
        case F::PostcodeTownAndProvince:
            fillOnce(residence, text);
            break;
        }
    }
    // Joined columns fill only what no column of its own gave.
    fillOnce(v[Tesserato], (surname + u' ' + given).trimmed());
    const Place birth = splitPlace(birthPlace, false);
    fillOnce(v[ComuneNasc], birth.town);
    fillOnce(v[ProvNasc], birth.province);
    const Place home = splitPlace(residence, true);
    fillOnce(v[CapRes], home.postcode);
    fillOnce(v[ComuneRes], home.town);
    fillOnce(v[ProvRes], home.province);
    // What a new member sheet starts with; dates are never invented.
    fillOnce(v[Preavviso], u"0"_qs);

    QString fieldProblem;
    for (int f = 0; f < MemberFieldCount; ++f) {
        const QString problem = normalise(v, MemberField(f), today);
        if (fieldProblem.isEmpty()) fieldProblem = problem;
    }
    if (const auto check = memberSaveProblem(v, today))
        row.result = inWords(check->text);
    else
        row.result = fieldProblem;
    return row;
}

} // namespace

bool ImportRow::accepted() const {
    return result == kImportOk;
}

std::span<const ImportField> importFields() {
    return fieldTable();
}

QString ignoreLabel() {
    return u"(ignora)"_qs;
}

QString importFieldLabel(MemberField field) {
    for (const Choice& c : kChoices)
        if (c.field.field == field && c.field.fill == F::Whole)
            return QString::fromUtf16(c.field.label);
    return QString::fromLatin1(kMemberFields[field].name);
}

int matchHeading(const QString& heading) {
    return headingTable().value(headingKey(heading), kIgnoreColumn);
}

std::vector<int> matchColumns(const QStringList& headings) {
    std::vector<int> out;
    QList<int> taken;
    for (const QString& h : headings) {
        int choice = matchHeading(h);
        if (choice != kIgnoreColumn) {
            if (taken.contains(choice))
                choice = kIgnoreColumn;
            else
                taken << choice;
        }
        out.push_back(choice);
    }
    return out;
}

int headingRow(const SheetRows& rows) {
    for (int r = 0; r < int(rows.size()); ++r)
        for (const QString& cell : rows[size_t(r)])
            if (!core::trimText(cell).isEmpty()) return r;
    return -1;
}

QString memberKey(const QString& name, const QString& cardNumber) {
    return core::lowerAscii(name.simplified()) + u'\x1f' +
           core::lowerAscii(cardNumber.simplified());
}

namespace {
void addStoredKey(MemberKeys& keys, qint64 n, const char* record) {
    const QString key = memberKey(core::fromWin1252(storedText(record, Tesserato).toByteArray()),
                                  core::fromWin1252(storedText(record, NumTessera).toByteArray()));
    if (!keys.contains(key)) keys.insert(key, n); // the first record with the key names it
}
} // namespace

std::optional<MemberKeys> archiveMemberKeys(const QString& folder) {
    MemberKeys keys;
    const bool ok = MemberArchive(folder).archive().scanExisting([&](qint64 n, const char* rec) {
        addStoredKey(keys, n, rec);
        return true;
    });
    if (!ok) return std::nullopt;
    return keys;
}

ImportPlan checkSheet(const SheetRows& rows, const std::vector<int>& columns,
                      const MemberKeys& existing, const QDate& today) {
    ImportPlan plan;
    const int heading = headingRow(rows);
    if (heading < 0) return plan;
    QHash<QString, int> earlier; // key -> sheet row of an accepted row
    for (int r = heading + 1; r < int(rows.size()); ++r) {
        const QStringList& cells = rows[size_t(r)];
        bool blank = true;
        for (int c = 0; c < cells.size() && blank; ++c)
            blank = core::trimText(cells[c]).isEmpty();
        if (blank) continue;
        ImportRow row = checkRow(cells, r + 1, columns, today);
        if (row.result.isEmpty()) {
            const QString key = memberKey(row.values[Tesserato], row.values[NumTessera]);
            if (const auto n = existing.constFind(key); n != existing.cend())
                row.result = u"Già presente in archivio (scheda n. %1)."_qs.arg(*n);
            else if (const auto e = earlier.constFind(key); e != earlier.cend())
                row.result = u"Già presente nella riga %1 del foglio."_qs.arg(*e);
            else {
                earlier.insert(key, row.sheetRow);
                row.result = kImportOk;
                ++plan.accepted;
            }
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

std::optional<ImportOutcome> importAccepted(const QString& folder, const ImportPlan& plan,
                                            const std::function<void(qint64)>& progress) {
    if (plan.accepted == 0) return std::nullopt;
    const core::Archive archive = MemberArchive(folder).archive();
    core::RecordFile file(archive.path(), archive.layout().recordLength());
    // From here to the close the file is locked for writing: another copy waits.
    if (!file.open()) return std::nullopt;
    ImportOutcome outcome;
    // Another copy may have stored some of these members since the sheet was checked.
    const bool read = file.scan([&](qint64 n, const char* rec) {
        addStoredKey(outcome.keys, n, rec);
        return true;
    });
    std::vector<const ImportRow*> rows;
    std::vector<QString> keys;
    for (const ImportRow& row : plan.rows) {
        if (!row.accepted()) continue;
        QString key = memberKey(row.values[Tesserato], row.values[NumTessera]);
        if (outcome.keys.contains(key)) {
            ++outcome.foundMeanwhile;
            continue;
        }
        rows.push_back(&row);
        keys.push_back(std::move(key));
    }
    std::optional<qint64> first;
    if (read)
        first = file.appendAll(
            qint64(rows.size()),
            [&](qint64 i, char* record) {
                archive.layout().storeAll(record, rows[size_t(i)]->values);
            },
            progress);
    // Every byte is synced before appendAll returns: closing cannot undo the records.
    file.close();
    if (!first) return std::nullopt;
    outcome.first = *first;
    outcome.imported = qsizetype(rows.size());
    for (size_t i = 0; i < keys.size(); ++i)
        outcome.keys.insert(keys[i], *first + qint64(i));
    return outcome;
}

namespace {
QString rowsLeftOut(qsizetype leftOut) {
    if (leftOut == 0) return u"Nessuna riga del foglio è stata esclusa."_qs;
    if (leftOut == 1) return u"1 riga del foglio è stata esclusa."_qs;
    return u"%1 righe del foglio sono state escluse."_qs.arg(leftOut);
}
} // namespace

QString importQuestion(qsizetype accepted, qsizetype leftOut) {
    const QString cards = accepted == 1
                              ? u"Verrà inserita in archivio 1 scheda"_qs
                              : u"Verranno inserite in archivio %1 schede"_qs.arg(accepted);
    const QString others =
        leftOut == 0 ? QString()
        : leftOut == 1
            ? u"; la riga con un esito diverso da OK non sarà importata"_qs
            : u"; le %1 righe con un esito diverso da OK non saranno importate"_qs.arg(leftOut);
    return cards + others + u".\r\n\r\nSi vuole procedere con l'importazione?"_qs;
}

QString importDoneMessage(qsizetype imported, qsizetype leftOut, qsizetype foundMeanwhile) {
    const QString done = imported == 0 ? u"nessun socio è stato importato in archivio."_qs
                         : imported == 1
                             ? u"1 socio è stato importato in archivio."_qs
                             : u"%1 soci sono stati importati in archivio."_qs.arg(imported);
    QString text = u"Importazione completata: "_qs + done + u"\n\r\n\r"_qs + rowsLeftOut(leftOut);
    if (foundMeanwhile == 1)
        text += u"\n\r\n\r1 riga non è stata importata perché nel frattempo il socio è stato "
                u"inserito in archivio (ad esempio da un'altra copia del programma)."_qs;
    else if (foundMeanwhile > 1)
        text += u"\n\r\n\r%1 righe non sono state importate perché nel frattempo i soci sono "
                u"stati inseriti in archivio (ad esempio da un'altra copia del programma)."_qs.arg(
                    foundMeanwhile);
    return text;
}

QString importFailedMessage() {
    return u"Attenzione: il sistema non permette di scrivere nell'archivio: l'importazione è stata "
           u"annullata e nessuna scheda è stata inserita.\n\r\n\rAccertarsi di possedere i "
           u"privilegi di scrittura nella cartella di installazione del programma."_qs;
}

} // namespace members
