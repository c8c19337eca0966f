#include "cashbook/cashbook_help.h"

namespace cashbook {

const platform::HelpTopic& cashbookMenuHelp() {
    static const platform::HelpTopic topic{
        u"Gestione di primanota e bilancio."_qs,
        {u"Questo ambiente raccoglie le due applicazioni dedicate alla contabilit\u00e0 "
         u"dell'associazione: la registrazione dei movimenti in entrata e in uscita e il "
         u"riepilogo di primanota e bilancio."_qs,
         u"Il pulsante Registra movimenti in entrata e uscita apre l'archivio annuale dei "
         u"movimenti: dopo aver indicato l'anno solare, \u00e8 possibile inserire ogni incasso e "
         u"ogni pagamento con la relativa causale, le date, l'importo, il pagatore e il "
         u"beneficiario."_qs,
         u"Il pulsante Riepiloga primanota e bilancio mostra i movimenti di un anno compresi in "
         u"un intervallo di date, eventualmente limitati a una causale, con il totale delle "
         u"entrate, il totale delle uscite e il bilancio fra le due."_qs,
         u"Per tornare al menu principale fare clic sull'icona di uscita."_qs}};
    return topic;
}

const platform::HelpTopic& movementsHelp() {
    static const platform::HelpTopic topic{
        u"Applicazione Registrazione movimenti."_qs,
        {u"I movimenti sono conservati in archivi annuali: indicare l'anno solare con quattro "
         u"cifre e premere Apri per lavorare sull'archivio di quell'anno."_qs,
         u"Per registrare un nuovo movimento premere il pulsante Nuovo, scegliere se si tratta "
         u"di un'entrata o di un'uscita e indicare l'importo in euro: al termine della "
         u"digitazione l'importo viene arrotondato a due decimali."_qs,
         u"La data dell'operazione \u00e8 proposta uguale alla data odierna; per cambiarla fare "
         u"clic sul campo e premere un tasto qualsiasi per importare una data dal calendario. "
         u"Una data che non appartiene all'anno dell'archivio aperto richiede una conferma, "
         u"perch\u00e9 il movimento non verrebbe compreso nel bilancio dell'anno."_qs,
         u"Nella causale indicare il motivo del pagamento; il promemoria accoglie ogni ulteriore "
         u"dettaglio utile."_qs,
         u"Il pulsante Duplica prepara una nuova scheda con i dati della scheda corrente, "
         u"utile per registrare movimenti ricorrenti: restano da indicare la data di scadenza "
         u"e gli eventuali allegati."_qs,
         u"La data di scadenza si importa dal calendario come la data dell'operazione; il numero "
         u"di giorni di preavviso indica da quando il pagamento compare fra quelli in "
         u"scadenza."_qs,
         u"I dati del pagatore e del beneficiario possono essere importati dall'archivio "
         u"anagrafico dei Soci con i pulsanti posti accanto ai rispettivi campi."_qs,
         u"I pulsanti accanto al codice fiscale e alla partita IVA ne controllano la "
         u"correttezza."_qs,
         u"A ogni scheda possono essere allegati fino a tre file, ciascuno con la propria "
         u"descrizione, con il pulsante a forma di graffetta."_qs,
         u"Premere Salva per inserire la scheda in archivio o per salvarne le modifiche; quando "
         u"il pagamento \u00e8 stato effettuato spuntare la casella Saldato e salvare di "
         u"nuovo."_qs,
         u"Il pulsante Trova cerca i movimenti dell'anno per uno o pi\u00f9 campi "
         u"contemporaneamente; con un doppio clic su una voce dell'elenco la scheda viene "
         u"richiamata."_qs,
         u"Il pulsante con l'orologio elenca i pagamenti non ancora saldati il cui preavviso "
         u"\u00e8 iniziato o la cui scadenza \u00e8 gi\u00e0 trascorsa."_qs,
         u"La scheda corrente pu\u00f2 essere stampata, e l'intero archivio dell'anno pu\u00f2 "
         u"essere esportato in un file di Microsoft Excel."_qs}};
    return topic;
}

const platform::HelpTopic& balanceHelp() {
    static const platform::HelpTopic topic{
        u"Applicazione Riepilogo primanota e bilancio."_qs,
        {u"Il riepilogo mostra le operazioni registrate in un anno, il totale delle entrate, il "
         u"totale delle uscite e il bilancio, cio\u00e8 la differenza fra entrate e uscite."_qs,
         u"Indicare l'anno, una causale e l'intervallo di date da riepilogare: vengono elencati "
         u"soltanto i movimenti la cui causale contiene il testo indicato. Senza causale il "
         u"riepilogo comprende tutti i movimenti dell'intervallo."_qs,
         u"Ogni riga riporta il tipo di movimento, la causale, la data dell'operazione, il "
         u"pagatore, il beneficiario e l'importo con il suo segno."_qs,
         u"Il riepilogo, con i totali, pu\u00f2 essere stampato con il pulsante Stampa "
         u"primanota."_qs}};
    return topic;
}

const platform::HelpTopic& exportHelp() {
    static const platform::HelpTopic topic{
        u"Esportazione archivio movimenti in Microsoft Excel."_qs,
        {u"Questo ambiente mostra tutti i movimenti dell'anno aperto e permette di esportarli in "
         u"un file di Microsoft Excel."_qs,
         u"Per creare il file fare clic sull'icona di Excel: il programma scrive il file "
         u"Movimenti.xls nella cartella di installazione e, se lo si desidera, lo apre "
         u"subito."_qs,
         u"Il file ottenuto pu\u00f2 essere salvato con un nome a piacere dal proprio programma "
         u"di fogli di calcolo, cos\u00ec che la successiva esportazione non lo sostituisca."_qs}};
    return topic;
}

} // namespace cashbook
