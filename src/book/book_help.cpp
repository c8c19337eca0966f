#include "book/book_help.h"

namespace book {

// Written for the secretary who keeps the book: plain words, one topic per paragraph.

platform::HelpTopic menuHelp() {
    return {
        QStringLiteral("Creazione e compilazione di un Libro Soci."),
        {
            QStringLiteral(
                "Da questa schermata si accede alle due applicazioni del Libro Soci. Con "
                "Crea nuovo Libro Soci si apre un nuovo registro vuoto; con Compila Libro "
                "Soci esistente si sceglie dall'elenco un registro già creato per "
                "consultarne e compilarne le pagine."),
            QStringLiteral(
                "Ogni Libro Soci è un file con estensione LIB nella cartella del programma e "
                "può contenere un numero qualsiasi di pagine, ognuna con i dati di quattro "
                "soci. Si possono tenere più registri, per esempio uno per ogni anno "
                "sociale."),
            QStringLiteral("Al momento della creazione scegliere un nome significativo, che dica "
                           "chiaramente di quale libro si tratta (per esempio Libro Soci 2026): lo "
                           "stesso nome comparirà nell'elenco dei registri esistenti."),
            QStringLiteral(
                "Dall'elenco dei registri è possibile anche eliminare un Libro Soci. Usare "
                "questa funzione con molta attenzione: il file eliminato non può essere "
                "recuperato e con esso si perdono tutte le sue pagine."),
            QStringLiteral(
                "Il pulsante del frontespizio, nell'elenco dei registri, permette di "
                "compilare e stampare la copertina del Libro Soci con i dati "
                "dell'associazione, il numero del libro, il totale dei soci e le firme del "
                "Presidente e del Segretario."),
            QStringLiteral(
                "Per conservare una copia di sicurezza dei registri è sufficiente copiare "
                "l'intera cartella del programma su un altro disco o su una chiavetta: i "
                "Libri Soci, il frontespizio e gli allegati sono tutti lì."),
        }};
}

platform::HelpTopic createHelp() {
    return {QStringLiteral("Applicazione Creazione Libro Soci."),
            {
                QStringLiteral(
                    "Scrivere nel campo il nome del nuovo Libro Soci e premere Applica e "
                    "chiudi. Il programma crea nella propria cartella un file con estensione LIB "
                    "che potrà contenere un numero qualsiasi di pagine."),
                QStringLiteral(
                    "Scegliere un nome che indichi chiaramente di quale libro si tratta. Se "
                    "l'associazione tiene un libro per ogni anno, conviene far seguire al nome "
                    "l'anno di riferimento, per esempio Libro Soci 2026. Non è possibile usare "
                    "un nome già utilizzato per un altro registro."),
                QStringLiteral(
                    "Alcuni caratteri non ammessi nei nomi dei file (come / \\ : * ? \" < >) non "
                    "possono essere digitati nel campo."),
                QStringLiteral(
                    "Dopo la creazione, per aprire il nuovo registro tornare al menu del Libro "
                    "Soci, premere Compila Libro Soci esistente, selezionare il nome del "
                    "registro nell'elenco e premere Apri archivio."),
            }};
}

platform::HelpTopic compileHelp() {
    return {QStringLiteral("Applicazione Compilazione Libro Soci."),
            {
                QStringLiteral(
                    "Il Libro Soci raccoglie i dati di ogni associato, con la quota versata e la "
                    "data di ammissione. Le pagine sono progressive: ogni pagina, una volta "
                    "compilata, va stampata e firmata dal Presidente e dal Segretario, "
                    "rispettando l'ordine cronologico di inserimento."),
                QStringLiteral(
                    "Nell'elenco dei registri selezionare il Libro Soci desiderato e premere "
                    "Apri archivio: si apre la schermata di compilazione sull'ultima pagina "
                    "salvata. Il pulsante con il cestino elimina il registro selezionato, senza "
                    "possibilità di recupero; il pulsante del frontespizio permette di "
                    "compilare e stampare la copertina del libro, unica per tutti i registri."),
                QStringLiteral(
                    "Per conservare una copia di sicurezza dei registri basta copiare l'intera "
                    "cartella del programma su un altro disco o su una chiavetta."),
                QStringLiteral(
                    "Nuovo prepara una pagina vuota mantenendo i dati dell'intestazione "
                    "(numero del libro, denominazione, codice fiscale, Presidente e "
                    "Segretario). Duplica copia la pagina salvata che si sta guardando in una "
                    "nuova pagina, senza gli allegati. Salva registra la pagina: il numero del "
                    "libro, la denominazione, il codice fiscale dell'associazione e, nella "
                    "prima riga, il numero d'ordine e il nome del socio sono obbligatori."),
                QStringLiteral(
                    "Per ogni socio si annotano il numero d'ordine progressivo, cognome e nome, "
                    "luogo e data di nascita, codice fiscale, indirizzo, telefono, numero di "
                    "tessera, data di ammissione, quota versata e, quando lascia "
                    "l'associazione, la data e il motivo dell'uscita, oltre a eventuali "
                    "annotazioni. Le date si scelgono dal calendario premendo un tasto "
                    "qualsiasi nel campo; Canc le cancella."),
                QStringLiteral(
                    "La freccia verde accanto al nome di ogni riga importa i dati di un socio "
                    "dall'archivio anagrafico: selezionarlo nell'elenco con un doppio clic. Il "
                    "numero d'ordine, la data e il motivo dell'uscita e le annotazioni restano "
                    "da compilare. Se la quota importata è più lunga di 15 caratteri va "
                    "accorciata prima di salvare."),
                QStringLiteral(
                    "Con il pulsante degli allegati si possono collegare alla pagina fino a tre "
                    "documenti, che vengono copiati nella cartella Documenti_Allegati e salvati "
                    "con la pagina."),
                QStringLiteral(
                    "Trova mostra l'elenco delle pagine con il primo socio di ciascuna: cercare "
                    "una parola con Trova e aprire una pagina con un doppio clic. L'elenco può "
                    "anche essere stampato. Anteprima e Stampa mostrano e stampano la pagina "
                    "così come appare sullo schermo, su un foglio A4 orizzontale."),
                QStringLiteral(
                    "Il numero di pagina è assegnato dal programma al momento del salvataggio e "
                    "compare accanto alle frecce di scorrimento; non è possibile modificarlo."),
            }};
}

} // namespace book
