// The help topics of the member windows.
#include "members/members_help.h"

namespace members {

platform::HelpTopic memberHelp() {
    return {
        QStringLiteral("Archivio Soci."),
        {
            QStringLiteral(
                "L'Archivio Soci raccoglie una scheda per ogni tesserato. Per inserire un "
                "nuovo socio premi "
                "Nuovo, compila la scheda e premi Salva: sono obbligatori il cognome e "
                "nome, la data di "
                "rilascio, la data di scadenza della tessera e i giorni di preavviso."),
            QStringLiteral(
                "Le date di rilascio e di scadenza si importano dal calendario: fai clic "
                "sul campo e premi "
                "un tasto qualsiasi. Con Backspace o Canc il campo si svuota. La data di "
                "scadenza non può "
                "essere anteriore a quella di rilascio."),
            QStringLiteral(
                "I giorni di preavviso indicano quanti giorni prima della scadenza la tessera "
                "compare "
                "nell'elenco delle tessere in attesa di rinnovo. Da quell'elenco, o dal pulsante "
                "accanto "
                "all'indirizzo e-mail, puoi inviare al socio un avviso di scadenza per posta "
                "elettronica."),
            QStringLiteral(
                "Un socio che lascia l'associazione non si cancella: spunta Tessera "
                "annullata e salva. La "
                "scheda resta in archivio e raggiungibile con le frecce, ma non compare più "
                "nelle ricerche "
                "e nell'elenco dei rinnovi."),
            QStringLiteral(
                "La foto del tesserato si carica da un file JPEG o Bitmap oppure si scatta con la "
                "webcam; "
                "viene salvata insieme alla scheda. Puoi salvarne una copia su disco, vederla a "
                "tutto "
                "schermo o toglierla."),
            QStringLiteral(
                "Con Trova cerchi una scheda per nome o per altri dati; con Allega colleghi "
                "alla scheda fino "
                "a tre documenti, che vengono copiati nella cartella Documenti_Allegati. "
                "Gli allegati sono "
                "registrati quando salvi la scheda."),
            QStringLiteral(
                "Anteprima e Stampa producono la scheda del socio su carta; Esporta crea un "
                "file per il "
                "foglio di calcolo con tutte le schede in archivio."),
            QStringLiteral(
                "Con Importa da foglio di calcolo porti in archivio i soci che tieni già altrove: "
                "un file CSV, una cartella di lavoro XLSX o il file Tesserati.xls esportato da "
                "questo programma. Le colonne si abbinano ai campi della scheda dalla loro "
                "intestazione, e puoi cambiare ogni abbinamento; ogni riga viene controllata come "
                "al salvataggio di una scheda e l'anteprima ne mostra l'esito. Importa inserisce "
                "in archivio tutte le righe con esito OK in un solo passo: se qualcosa va storto "
                "non ne viene inserita nessuna. Le righe già presenti in archivio, con lo stesso "
                "nome e numero di tessera, restano escluse."),
        }};
}

} // namespace members
