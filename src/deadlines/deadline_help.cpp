#include "deadlines/deadline_help.h"

namespace deadlines {

platform::HelpTopic deadlineHelp() {
    return {QStringLiteral("Scadenzario pagamenti."),
            {
                QStringLiteral(
                    "Lo Scadenzario pagamenti raccoglie, anno per anno, i pagamenti che "
                    "l'Associazione deve effettuare o riscuotere e gli appuntamenti ad essi "
                    "collegati: per ogni scadenza si annotano la data e l'ora, chi paga, chi "
                    "riceve, la causale e l'importo. Per lavorare su un anno, indicarlo con "
                    "quattro cifre nella schermata iniziale e premere Apri."),
                QStringLiteral(
                    "Per registrare una nuova scadenza premere Nuovo, compilare la scheda e "
                    "premere Salva. Sono obbligatori il giorno e il mese della scadenza, l'ora e "
                    "i minuti dell'appuntamento, i giorni di preavviso, il Pagatore, il "
                    "Beneficiario e la causale. I dati del Pagatore possono essere importati "
                    "dall'archivio anagrafico dei Soci con il pulsante posto accanto al suo nome."),
                QStringLiteral(
                    "Le scadenze che si ripetono (rate, canoni, quote) si inseriscono rapidamente "
                    "con Duplica: richiamata una scheda gi\u00e0 in archivio, Duplica ne conserva "
                    "tutti i dati tranne la data e l'ora, che vanno indicate di nuovo prima di "
                    "premere Salva."),
                QStringLiteral(
                    "I giorni di preavviso stabiliscono da quando una scadenza \u00e8 imminente. "
                    "All'apertura dello Scadenzario l'immagine della campana e, se presente nella "
                    "cartella del programma, il file sonoro Avviso.mp3 segnalano le scadenze "
                    "imminenti, anche quelle dei primi giorni dell'anno successivo; il pulsante "
                    "OK ne mostra l'elenco. Selezionando un giorno nel calendario, i pulsanti "
                    "sottostanti mostrano le scadenze di quel giorno o dell'intero mese."),
                QStringLiteral(
                    "La casella \"Appuntamento da confermare\" segnala gli appuntamenti non "
                    "ancora confermati: il loro elenco si ottiene con l'apposito pulsante del "
                    "riepilogo degli appuntamenti in attesa di conferma."),
                QStringLiteral(
                    "Quando un pagamento \u00e8 stato effettuato, spuntare la casella \"Pagamento "
                    "effettuato\" e salvare la scheda. Il riepilogo dei pagamenti da effettuare "
                    "elenca quelli ancora aperti, scaduti e non: con Trova si individua la voce "
                    "cercata e con un doppio clic se ne richiama la scheda."),
                QStringLiteral(
                    "I riepiloghi sono ordinati per causale e, a parit\u00e0 di causale, per "
                    "giorno, ora e pagatore; "
                    "il riepilogo dei pagamenti effettuati conserva la storia dei pagamenti "
                    "dell'anno."),
                QStringLiteral(
                    "La ricerca avanzata trova le schede che contengono le parole indicate in uno "
                    "o pi\u00f9 campi; l'esportazione scrive tutte le schede dell'anno in un file "
                    "di Microsoft Excel."),
            }};
}

} // namespace deadlines
