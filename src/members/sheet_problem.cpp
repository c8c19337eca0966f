// What the user is told about a spreadsheet that cannot be imported.
#include "members/sheet_import.h"

#include <QLocale>

namespace members {

namespace {

QString number(qint64 n) {
    return QLocale(QLocale::Italian).toString(n); // 100.000
}

// The limit a file passes, in the words of the message.
QString limitWords(sheets::SheetLimit limit, qint64 row) {
    using sheets::SheetLimit;
    const QString where = row > 0 ? u" (riga %1 del foglio)"_qs.arg(row) : QString();
    switch (limit) {
    case SheetLimit::FileSize:
        return u"la dimensione massima di %1 MB"_qs.arg(sheets::kMaxFileBytes >> 20);
    case SheetLimit::Rows:
        return u"il limite di %1 righe"_qs.arg(number(sheets::kMaxRows));
    case SheetLimit::Columns:
        return u"il limite di %1 colonne"_qs.arg(number(sheets::kMaxColumns)) + where;
    case SheetLimit::Cells:
        return u"il limite di %1 celle"_qs.arg(number(sheets::kMaxCells));
    case SheetLimit::CellLength:
        return u"il limite di %1 caratteri in una cella"_qs.arg(number(sheets::kMaxCellChars)) +
               where;
    case SheetLimit::Text:
        return u"il limite di %1 milioni di caratteri di testo"_qs.arg(sheets::kMaxTextChars >> 20);
    case SheetLimit::PartSize:
        return u"la dimensione massima di %1 MB per una parte della cartella di lavoro una volta "
               u"decompressa"_qs.arg(sheets::kMaxPartBytes >> 20);
    case SheetLimit::InflateRatio:
        return u"il rapporto massimo di 1 a %1 tra i dati compressi e quelli decompressi di una "
               u"cartella di lavoro"_qs.arg(sheets::kMaxInflateRatio);
    case SheetLimit::XmlDepth:
        return u"il limite di %1 livelli di elementi XML annidati"_qs.arg(sheets::kMaxXmlDepth);
    }
    return {};
}

} // namespace

platform::Problem sheetProblem(const sheets::SheetFile& file) {
    using platform::MsgKind;
    using sheets::SheetError;
    switch (file.error) {
    case SheetError::Unreadable:
        return {MsgKind::Error,
                u"Attenzione: il sistema non permette di leggere il file selezionato.\n\r\n\r"
                u"Accertarsi che il file esista e che non sia aperto in un altro programma."_qs,
                {}};
    case SheetError::NotASheet:
        return {MsgKind::Warning,
                u"Attenzione: il file selezionato non è un foglio di calcolo in formato CSV, XLSX "
                u"o XLS che il programma possa leggere, oppure è danneggiato.\n\r\n\r"
                u"Salvare il foglio in formato CSV o XLSX con il proprio programma di fogli di "
                u"calcolo e riprovare."_qs,
                {}};
    case SheetError::TooLarge:
        return {MsgKind::Warning,
                u"Attenzione: il file selezionato non può essere importato perché supera "_qs +
                    limitWords(file.limit, file.row) +
                    u".\n\r\n\rUn elenco di soci non arriva a tanto: controllare di aver scelto il "
                    u"file giusto, oppure dividere il foglio in più file e importarli uno alla "
                    u"volta."_qs,
                {}};
    case SheetError::BadEncoding:
        return {MsgKind::Warning,
                u"Attenzione: il file selezionato non è un testo in UTF-8 né in Windows-1252: "
                u"alla riga %1 il byte n. %2 (valore esadecimale %3) non è un carattere valido, e "
                u"i nomi sarebbero importati con lettere sbagliate.\n\r\n\rSalvare il foglio in "
                u"formato CSV UTF-8 con il proprio programma di fogli di calcolo e riprovare."_qs
                    .arg(file.bad.line)
                    .arg(file.bad.position)
                    .arg(QString::number(file.bad.value, 16).toUpper()),
                {}};
    case SheetError::Empty:
    case SheetError::None:
        break;
    }
    return {MsgKind::Warning,
            u"Attenzione: il file selezionato non contiene nessuna riga da importare."_qs,
            {}};
}

} // namespace members
