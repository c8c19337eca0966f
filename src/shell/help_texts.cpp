#include "shell/help_texts.h"

namespace shell {

// Written for the volunteers and secretaries who use the program: plain words, one topic per
// paragraph, in the order of the main menu.
QStringList mainHelpParagraphs() {
    return {
        // The program and the main menu
        QStringLiteral(
            "Benvenuto in Quorvix 5.0, il programma pensato per la segreteria di associazioni, "
            "circoli, scuole e piccole organizzazioni. Con un'unica applicazione puoi tenere "
            "l'archivio dei soci, stampare le tessere associative, compilare il Libro Soci, "
            "controllare le scadenze dei pagamenti e registrare le entrate e le uscite di "
            "cassa."),
        QStringLiteral(
            "Il menu principale mostra sei aree di lavoro: Archivio Soci, Stampa tessera "
            "singola, Stampa più tessere, Scadenzario pagamenti, Libro Soci, Primanota e "
            "bilancio. Per entrare in un'area fai clic sulla sua immagine oppure sul pulsante "
            "con il nome sotto l'immagine: le due scelte sono equivalenti."),
        QStringLiteral(
            "Negli angoli del menu trovi quattro piccole icone: in alto a sinistra le "
            "informazioni sul programma con l'indirizzo e-mail per contattarci, in alto a "
            "destra questa guida, in basso a sinistra i riconoscimenti e in basso a destra il "
            "pulsante per uscire dal programma. Il banner in basso apre il sito www.quorvix.it "
            "nel tuo browser. Ogni area di lavoro ha poi un proprio pulsante Guida con le "
            "istruzioni dedicate, e da questa finestra puoi aprire la guida completa in formato "
            "PDF con il collegamento in basso."),
        QStringLiteral(
            "Quando chiudi un'area di lavoro, con il pulsante Esci oppure con la X della "
            "finestra, torni al menu principale. Il programma termina quando premi Esci nel "
            "menu o chiudi la finestra del menu. All'uscita non c'è nulla da salvare: ogni "
            "archivio viene scritto nel momento in cui premi Salva e subito richiuso."),
        QStringLiteral(
            "In ogni area di lavoro la riga in fondo alla schermata descrive il pulsante su cui "
            "si trova il mouse: se hai un dubbio su un comando, appoggiaci sopra il puntatore e "
            "leggi la spiegazione. Il campo in cui stai scrivendo è evidenziato da una cornice "
            "gialla e il tasto Invio porta il cursore al campo successivo, così puoi compilare "
            "una scheda senza staccare le mani dalla tastiera."),
        QStringLiteral(
            "Date e importi si scrivono all'italiana: le date nel formato gg/mm/aaaa (per "
            "esempio 05/09/2026) e gli importi con la virgola per i decimali (per esempio "
            "25,00). Nei campi data delle schede premi un tasto qualsiasi per aprire il "
            "calendario e scegliere il giorno con un clic; i tasti Backspace e Canc svuotano il "
            "campo."),

        // Access password
        QStringLiteral(
            "All'avvio Quorvix chiede la password di accesso, che protegge tutti i dati del "
            "programma. La password è unica per l'installazione: chi la conosce può usare tutte "
            "le aree di lavoro. Scrivila nel campo e premi OK oppure Invio; il pulsante OK si "
            "attiva soltanto quando il campo non è vuoto."),
        QStringLiteral(
            "Al primo accesso la password è QUORVIX. Puoi scriverla indifferentemente in "
            "maiuscolo o in minuscolo (QUORVIX, quorvix e Quorvix vanno tutte bene), perché il "
            "programma non distingue le lettere maiuscole dalle minuscole; anche gli spazi "
            "scritti all'inizio o alla fine vengono ignorati."),
        QStringLiteral(
            "Per sicurezza cambia la password iniziale il prima possibile. Nella finestra di "
            "accesso premi Cambia password, scrivi la vecchia password, poi la nuova, ripeti la "
            "nuova nel campo di conferma e premi OK. Il programma conferma che la modifica è "
            "stata completata e torna alla finestra di accesso, dove potrai entrare subito con "
            "la nuova password."),
        QStringLiteral(
            "La nuova password e la sua conferma devono essere scritte in modo identico, "
            "maiuscole e minuscole comprese: se non coincidono il programma te lo segnala e ti "
            "chiede di reinserirle entrambe. Una volta salvata, anche la nuova password potrà "
            "essere digitata in maiuscolo o in minuscolo. Scegli una parola facile da ricordare "
            "per te ma difficile da indovinare per gli altri, comunicala solo a chi deve usare "
            "il programma e conservala in un luogo sicuro."),
        QStringLiteral(
            "Se la password non viene riconosciuta compare il messaggio «Attenzione: password "
            "errata.»: controlla di averla scritta bene e riprova, non c'è un limite al numero "
            "di tentativi. La password è conservata in forma cifrata nel file unins000.dll "
            "della cartella del programma: non cancellarlo e non modificarlo, altrimenti non "
            "sarà più possibile entrare. Se il file si danneggia, ripristinalo dalla tua copia "
            "di sicurezza."),

        // Members' archive
        QStringLiteral(
            "L'Archivio Soci è il cuore di Quorvix. Ogni scheda corrisponde a una tessera e "
            "raccoglie i dati anagrafici del socio, i recapiti, il numero e le date della "
            "tessera, la quota sociale, i dati di pagamento, la foto e fino a tre documenti "
            "allegati. Dall'archivio attingono anche le altre aree: le tessere si stampano da "
            "qui, e il Libro Soci, lo Scadenzario e la Primanota possono importare i dati di un "
            "socio senza doverli riscrivere."),
        QStringLiteral(
            "Per inserire un nuovo socio premi Nuovo: la schermata si svuota, la data di "
            "rilascio viene proposta con la data di oggi e i giorni di preavviso valgono 0. "
            "Compila i campi che ti interessano: sono obbligatori soltanto il cognome e nome "
            "del socio, la data di rilascio, la data di scadenza della tessera e i giorni di "
            "preavviso. La data di scadenza può coincidere con quella di rilascio, ma non può "
            "precederla."),
        QStringLiteral(
            "Alcuni campi si sistemano da soli mentre scrivi: il codice fiscale, l'IBAN e le "
            "sigle di provincia diventano maiuscoli e perdono gli spazi, mentre nei campi del "
            "numero di carta di credito, della partita IVA e dei giorni di preavviso si possono "
            "digitare soltanto cifre. Per le province puoi scegliere la sigla dall'elenco a "
            "discesa oppure scriverla direttamente."),
        QStringLiteral(
            "Premi Salva per registrare la scheda. La prima volta la scheda viene aggiunta in "
            "fondo all'archivio e riceve un numero progressivo, che compare tra le frecce di "
            "navigazione; i salvataggi successivi aggiornano la stessa scheda. Le schede non "
            "vengono mai cancellate né spostate, quindi il numero di una scheda resta sempre lo "
            "stesso."),
        QStringLiteral(
            "Le quattro frecce permettono di sfogliare l'archivio: prima scheda, scheda "
            "precedente, scheda successiva e ultima scheda. Attenzione: le modifiche non "
            "salvate vanno perse quando passi a un'altra scheda, premi Nuovo o esci dalla "
            "schermata, e il programma non chiede conferma. Prendi l'abitudine di premere Salva "
            "al termine di ogni modifica."),
        QStringLiteral(
            "Quando un socio lascia l'associazione non serve cancellarne la scheda: spunta la "
            "casella Tessera annullata e salva. La scheda resta in archivio, raggiungibile con "
            "le frecce e presente nell'esportazione in Excel, ma non compare più nei risultati "
            "della ricerca né nell'elenco delle tessere da rinnovare. Togliendo la spunta e "
            "salvando, il socio torna attivo."),
        QStringLiteral(
            "Il pulsante Trova apre la ricerca dei soci. Scrivi in uno o più campi una o più "
            "parole consecutive presenti nelle schede da trovare (per esempio una parte del "
            "cognome, il comune di residenza o il numero di tessera), lascia vuoti gli altri e "
            "premi Cerca. Vengono elencati, in ordine alfabetico, i soci attivi che soddisfano "
            "tutti i campi compilati, senza distinzione tra maiuscole e minuscole; lasciando "
            "vuoti tutti i campi ottieni l'elenco completo dei soci attivi."),
        QStringLiteral(
            "Nell'elenco dei risultati fai doppio clic su una riga per richiamare la scheda del "
            "socio. Per trovare un nome in un elenco lungo scrivi una parola nel campo sopra la "
            "lista e premi Trova: il programma seleziona la prima riga che la contiene; "
            "premendo di nuovo Trova passi alla riga successiva e, dopo l'ultima, la ricerca "
            "riparte dall'inizio. Il pulsante Stampa stampa l'elenco. Questi comandi funzionano "
            "allo stesso modo in tutti gli elenchi del programma."),
        QStringLiteral(
            "Il campo Giorni di preavviso indica con quanti giorni di anticipo rispetto alla "
            "scadenza vuoi essere avvisato del rinnovo della tessera. Il pulsante delle tessere "
            "in attesa di rinnovo mostra i soci attivi la cui tessera è già scaduta oppure "
            "scadrà entro i giorni di preavviso indicati nella loro scheda; con 0 giorni la "
            "tessera compare dal giorno stesso della scadenza."),
        QStringLiteral(
            "Dall'elenco delle tessere da rinnovare un doppio clic richiama la scheda del "
            "socio: quando il socio rinnova, aggiorna la data di scadenza con quella della "
            "nuova tessera e salva, e il socio uscirà dall'elenco fino al prossimo rinnovo. "
            "Anche questo elenco si può stampare, per esempio per chi si occupa di raccogliere "
            "le quote."),
        QStringLiteral(
            "Per la foto del socio usa i pulsanti accanto al riquadro: Carica foto prende "
            "un'immagine JPEG o Bitmap dal disco, il pulsante della webcam scatta la foto sul "
            "momento, il dischetto salva una copia della foto in un file JPEG, la lente la "
            "mostra a tutto schermo (fai clic sulla foto per chiudere) e l'ultimo pulsante la "
            "toglie dalla scheda. La foto viene registrata quando premi Salva, in un file che "
            "porta il numero della scheda (per esempio 7.jpg)."),
        QStringLiteral(
            "Per usare la webcam collegala al computer prima di aprire la finestra di cattura. "
            "Inquadra il socio, possibilmente davanti a uno sfondo chiaro e con una buona luce, "
            "e premi Importa foto in scheda: l'immagine passa nel riquadro della foto. Ricorda "
            "poi di salvare la scheda. Se la webcam non viene trovata puoi sempre caricare una "
            "foto scattata con un altro apparecchio."),
        QStringLiteral(
            "Con il pulsante Allega puoi collegare alla scheda fino a tre documenti, per "
            "esempio la domanda di iscrizione firmata, un certificato medico o la ricevuta "
            "della quota, ciascuno con una breve descrizione. I file vengono copiati nella "
            "cartella Documenti_Allegati dentro la cartella del programma, quindi l'originale "
            "può restare dove si trova; il pulsante Apri di ogni riga mostra il documento "
            "allegato. Dopo Applica e chiudi premi Salva per registrare gli allegati nella "
            "scheda."),
        QStringLiteral(
            "Anteprima e Stampa producono la scheda anagrafica del socio su un foglio A4, con "
            "tutti i dati e, in fondo alla pagina, la data e l'ora della stampa. Viene stampato "
            "quello che vedi sullo schermo, anche se non l'hai ancora salvato: è comodo per far "
            "controllare e firmare i dati al socio prima di registrarli."),
        QStringLiteral(
            "L'icona della busta accanto al campo e-mail apre il tuo programma di posta con un "
            "nuovo messaggio indirizzato al socio. Il pulsante Invia avviso scadenza prepara "
            "invece un messaggio già scritto che ricorda al socio la scadenza della tessera e "
            "lo invita al rinnovo. In entrambi i casi il messaggio non parte da solo: puoi "
            "rileggerlo, modificarlo e inviarlo dal tuo programma di posta, che deve essere "
            "configurato sul computer."),
        QStringLiteral(
            "Il pulsante Excel apre l'esportazione dell'archivio: una tabella con tutte le "
            "schede, comprese quelle annullate. Premendo Esporta il programma crea il file "
            "Tesserati.xls nella cartella del programma, al posto di quello dell'esportazione "
            "precedente, e ti propone di aprirlo con il tuo foglio di calcolo. Se vuoi "
            "conservare un'esportazione, salvala con un altro nome o in un'altra cartella."),

        // Checks
        QStringLiteral(
            "Accanto ai campi del codice fiscale, della partita IVA, dell'IBAN e della carta di "
            "credito trovi i pulsanti di controllo. Ognuno apre una piccola finestra che ti "
            "dice se il numero è scritto correttamente. I controlli non modificano la scheda e "
            "non salvano nulla: servono a scoprire subito un errore di battitura, non a "
            "certificare che il numero esista o appartenga davvero a quella persona."),
        QStringLiteral(
            "Il controllo del codice fiscale ricalcola il carattere di controllo, cioè l'ultima "
            "lettera dei 16 caratteri, a partire dagli altri quindici, e lo confronta con "
            "quello scritto. Se il codice è composto soltanto da cifre, come il codice fiscale "
            "di 11 cifre di associazioni, enti e società, il programma lo controlla "
            "automaticamente come una partita IVA."),
        QStringLiteral(
            "Il controllo della partita IVA verifica che le cifre siano 11 e che l'ultima, la "
            "cifra di controllo, sia corretta; in caso positivo indica anche l'ufficio "
            "provinciale che ha rilasciato il numero, ricavato dalle cifre dall'ottava alla "
            "decima."),
        QStringLiteral(
            "Il controllo dell'IBAN verifica un IBAN italiano di 27 caratteri con la regola "
            "internazionale del modulo 97, la stessa usata dalle banche: un carattere sbagliato "
            "o due cifre scambiate vengono quasi sempre scoperti. Il controllo della carta di "
            "credito applica al numero l'algoritmo di Luhn e riconosce il tipo di carta dalle "
            "prime cifre. Per sicurezza non annotare mai nella scheda il codice di sicurezza "
            "della carta."),

        // Cards
        QStringLiteral(
            "Stampa tessera singola mostra una tessera associativa di 86 × 54 mm, il formato di "
            "una carta di credito, esattamente come verrà stampata: in alto il nome "
            "dell'associazione con due righe di sottotitolo e il logo, al centro la foto e i "
            "dati del socio, in basso una fascia con le annotazioni."),
        QStringLiteral(
            "Per scrivere i dati dell'associazione fai clic su uno dei testi dell'intestazione "
            "della tessera: si apre la finestra Dati Ente o Associazione con quattro campi, "
            "cioè la denominazione, il primo sottotitolo (di solito indirizzo e città), il "
            "secondo sottotitolo (telefono e altri recapiti) e le annotazioni stampate nella "
            "fascia in fondo. Premi Applica e chiudi per riportarli sulla tessera."),
        QStringLiteral(
            "Per cambiare il logo fai clic sul suo riquadro e scegli un'immagine JPEG o Bitmap; "
            "la gomma accanto al logo lo toglie e lascia il riquadro bianco. Il logo viene "
            "salvato quasi quadrato (119 × 118 pixel), per cui un'immagine quadrata dà il "
            "risultato migliore, mentre una molto allungata verrebbe deformata. I dati "
            "dell'associazione e il logo vengono salvati quando chiudi la finestra della "
            "tessera e valgono anche per la stampa di più tessere."),
        QStringLiteral(
            "I dati del socio non si scrivono sulla tessera: arrivano dall'Archivio Soci. Usa "
            "le frecce per scorrere l'archivio oppure il pulsante Trova per cercare il socio e "
            "richiamarlo con un doppio clic: nome, carica, numero di tessera, date di rilascio "
            "e di scadenza e foto compaiono sulla tessera. Se un dato è sbagliato, correggilo "
            "nell'Archivio Soci e richiama di nuovo il socio."),
        QStringLiteral(
            "Il pulsante Stampa apre la finestra di stampa, in cui scegli l'orientamento del "
            "foglio (verticale o orizzontale) e i margini superiore e sinistro in millimetri, "
            "anche negativi, per posizionare la tessera sul cartoncino o sul modulo prestampato "
            "che usi. Le impostazioni vengono ricordate per le stampe successive. Prima di "
            "usare i cartoncini fai una prova su un foglio normale; l'Anteprima mostra il "
            "risultato senza stampare."),
        QStringLiteral(
            "Stampa più tessere prepara un foglio A4 orizzontale con nove tessere di soci "
            "diversi, su tre righe e tre colonne, con la stessa intestazione, lo stesso logo e "
            "la stessa grafica della tessera singola. Per ogni posizione premi il pulsante "
            "Importa dati tesserino corrispondente e scegli il socio dalla ricerca con un "
            "doppio clic."),
        QStringLiteral(
            "Le gomme numerate della riga Cancella tessera n. svuotano una singola posizione, "
            "mentre Nuovo svuota l'intero foglio. Anteprima e Stampa producono sempre il foglio "
            "completo: una posizione vuota viene stampata con l'intestazione e il logo ma senza "
            "i dati del socio. Il contenuto di questa schermata non viene salvato: è un foglio "
            "di lavoro da preparare ogni volta."),

        // Members' book
        QStringLiteral(
            "Il Libro Soci è il registro degli associati che molte associazioni sono tenute a "
            "conservare. In Quorvix puoi tenere uno o più libri, per esempio uno per ogni "
            "sezione dell'associazione. Ogni libro è un file con estensione .lib nella cartella "
            "del programma e può contenere un numero qualsiasi di pagine, ciascuna con quattro "
            "soci."),
        QStringLiteral(
            "Dal menu del Libro Soci scegli Crea nuovo Libro Soci per iniziare un nuovo "
            "registro e dagli un nome significativo, per esempio «Soci ordinari», perché "
            "diventerà il nome del file e comparirà nell'elenco dei libri. Scegli invece "
            "Compila Libro Soci esistente per vedere l'elenco dei libri già creati e aprirne "
            "uno, compilare il frontespizio o eliminare un libro."),
        QStringLiteral(
            "Elimina un libro soltanto se sei davvero sicuro: l'eliminazione cancella il file "
            "con tutte le sue pagine e non si può annullare. Prima di farlo conviene avere una "
            "copia di sicurezza recente della cartella del programma."),
        QStringLiteral(
            "Il libro si apre sull'ultima pagina salvata. L'intestazione di ogni pagina riporta "
            "il numero del libro, la denominazione dell'associazione, il suo codice fiscale, il "
            "presidente e il segretario; numero, denominazione e codice fiscale sono "
            "obbligatori, e il pulsante accanto al codice fiscale ne controlla la correttezza."),
        QStringLiteral(
            "Ogni pagina ha quattro righe, dalla A alla D, una per socio: numero d'ordine, "
            "cognome e nome, luogo e data di nascita, codice fiscale, indirizzo, telefono, "
            "numero di tessera, data di ammissione, quota versata, data di uscita, motivo "
            "dell'uscita e annotazioni. Nella riga A numero d'ordine e nome sono obbligatori, "
            "le altre righe possono restare vuote. La freccia verde accanto al nome importa i "
            "dati di un socio dall'Archivio Soci, indirizzo completo compreso."),
        QStringLiteral(
            "Le pagine sono numerate automaticamente nell'ordine in cui le inserisci. Nuovo "
            "prepara una pagina vuota, Duplica una nuova pagina che parte dai dati di quella "
            "corrente, Salva registra la pagina, le frecce sfogliano il libro e Trova elenca "
            "tutte le pagine con il primo socio di ciascuna. Tieni i numeri d'ordine "
            "progressivi da una pagina all'altra e, quando un socio esce, non cancellarlo: "
            "indica la data di uscita e il motivo, così il libro resta completo."),
        QStringLiteral(
            "Anteprima e Stampa riproducono la pagina corrente su un foglio A4 orizzontale. Il "
            "frontespizio, unico per tutti i libri, si compila dall'elenco dei libri: contiene "
            "la denominazione e la sede dell'associazione, il numero del registro, il totale "
            "dei soci, le attività svolte, l'indirizzo postale, il codice fiscale o gli estremi "
            "di iscrizione ai registri ufficiali, i recapiti, il presidente e il segretario, e "
            "si stampa anch'esso su un foglio A4 orizzontale."),

        // Payment deadlines
        QStringLiteral(
            "Lo Scadenzario pagamenti tiene nota, anno per anno, dei pagamenti che "
            "l'associazione deve fare o riscuotere e degli appuntamenti collegati: affitti, "
            "utenze, assicurazioni, rate, quote da incassare. Ogni anno solare ha il proprio "
            "archivio: nella schermata iniziale scrivi l'anno e premi Apri per inserire o "
            "modificare le scadenze di quell'anno."),
        QStringLiteral(
            "Ogni volta che apri lo Scadenzario il programma controlla le scadenze dell'anno in "
            "corso. Se ce n'è almeno una imminente, cioè con la data compresa tra oggi e i "
            "giorni di preavviso indicati nella scheda, compare un'immagine di avviso, si "
            "attiva il pulsante OK che mostra l'elenco delle scadenze imminenti e, se nella "
            "cartella del programma c'è il file Avviso.mp3, viene riprodotto un suono. Una "
            "scadenza resta imminente fino al suo giorno compreso."),
        QStringLiteral(
            "Sotto il calendario della schermata iniziale due pulsanti mostrano le scadenze del "
            "giorno selezionato e quelle dell'intero mese, in ordine di data e ora. Questi "
            "elenchi, come quello delle scadenze imminenti, si possono esportare in Excel nei "
            "file Scadenze_Giornaliere.xls, Scadenze_Mensili.xls e Scadenze_Imminenti.xls."),
        QStringLiteral(
            "La scheda di una scadenza contiene il giorno e il mese (l'anno è quello "
            "dell'archivio aperto), l'ora dell'appuntamento, i giorni di preavviso, il pagatore "
            "con codice fiscale, numero di tessera, carica e recapiti, l'anticipo, l'importo "
            "complessivo dovuto, la rateazione, il beneficiario, la causale, la modalità di "
            "pagamento, l'importo in euro, gli estremi della ricevuta e le note. Il pulsante "
            "accanto al pagatore importa i suoi dati dall'Archivio Soci."),
        QStringLiteral(
            "Le caselle Appuntamento da confermare e Pagamento effettuato descrivono lo stato "
            "della scadenza. Tre riepiloghi raccolgono gli appuntamenti in attesa di conferma, "
            "i pagamenti ancora da effettuare, scaduti o no, e lo storico dei pagamenti "
            "effettuati; con un doppio clic su una riga richiami la scheda, per esempio per "
            "spuntare Pagamento effettuato e salvare."),
        QStringLiteral(
            "Per le scadenze che si ripetono, come un affitto mensile, compila e salva la prima "
            "scheda, poi premi Duplica: la nuova scheda conserva tutti i dati tranne la data e "
            "l'ora, che scegli di nuovo prima di salvare. Trova cerca le schede dell'anno con "
            "un massimo di dieci criteri contemporaneamente, Anteprima e Stampa producono la "
            "scheda della scadenza su un foglio A4 ed Esporta crea il file "
            "Scadenzario_Pagamenti.xls con tutte le scadenze dell'anno."),

        // Cash book and balance
        QStringLiteral(
            "La Primanota registra le entrate e le uscite dell'associazione, con un archivio "
            "per ogni anno solare. Dal suo menu scegli se registrare i movimenti oppure "
            "consultare il riepilogo e il bilancio; per registrare i movimenti indica prima "
            "l'anno su cui vuoi lavorare."),
        QStringLiteral(
            "Ogni movimento è una scheda: indica se si tratta di un'entrata o di un'uscita, la "
            "data dell'operazione, la causale e un promemoria, l'eventuale data di scadenza con "
            "i giorni di preavviso, l'importo in euro, il pagatore con recapito, codice "
            "fiscale, partita IVA, numero di tessera ed e-mail, la modalità di pagamento, il "
            "beneficiario, il numero di CRO o di ricevuta, la tariffa applicata e le note. La "
            "casella Saldato indica che il pagamento è stato completato."),
        QStringLiteral(
            "Pagatore e beneficiario si possono importare dall'Archivio Soci con i pulsanti "
            "accanto ai loro nomi; accanto al codice fiscale e alla partita IVA trovi i "
            "pulsanti di controllo e accanto all'e-mail quello per scrivere al pagatore. Nuovo, "
            "Duplica, Salva, le frecce, Trova, Allega e Stampa funzionano come nelle altre "
            "schermate, mentre Esporta crea il file Movimenti.xls con tutti i movimenti "
            "dell'anno."),
        QStringLiteral(
            "Il pulsante con l'orologio elenca i pagamenti in sospeso: i movimenti non ancora "
            "saldati il cui periodo di preavviso è già iniziato o la cui scadenza è già "
            "passata. Richiama un movimento con un doppio clic, spunta Saldato quando il "
            "pagamento è avvenuto e salva: il movimento uscirà dall'elenco."),
        QStringLiteral(
            "Il riepilogo e bilancio calcola le entrate, le uscite e il saldo di un anno in un "
            "intervallo di date a tua scelta e, se vuoi, solo per i movimenti la cui causale "
            "contiene una certa parola, per esempio «quote» o «affitto». Il risultato elenca i "
            "movimenti trovati con i tre totali, calcolati al centesimo, e si può stampare, per "
            "esempio da allegare al rendiconto annuale."),

        // Data, network, USB stick and backup
        QStringLiteral(
            "Tutti i dati si trovano nella cartella del programma: l'archivio dei soci "
            "(Tesserati.pro) con le foto, i libri soci (file .lib), le scadenze (file .sca) e "
            "la primanota (file .eur) di ogni anno, le impostazioni delle tessere "
            "(Tesserini.ini e Logo.jpg), il frontespizio (Libro_Soci.ini), la password "
            "(unins000.dll) e la cartella Documenti_Allegati. Non rinominare e non modificare "
            "questi file a mano."),
        QStringLiteral(
            "Quorvix si può usare da più computer di una rete locale: copia la cartella del "
            "programma in una cartella condivisa, per esempio sul computer della segreteria, e "
            "avvia il programma da lì su ogni postazione. Tutti devono avere il permesso di "
            "scrittura sulla cartella condivisa: se compare il messaggio che il sistema non "
            "permette di accedere all'archivio, controlla proprio questi permessi. Il programma "
            "è pensato per un utente alla volta: accordatevi perché due persone non modifichino "
            "lo stesso archivio da due postazioni nello stesso momento."),
        QStringLiteral(
            "Puoi anche portare Quorvix con te su una chiavetta USB: copia l'intera cartella "
            "del programma sulla chiavetta e avvialo da lì su qualsiasi computer, per esempio "
            "in sede e a casa. Prima di togliere la chiavetta chiudi il programma e usa la "
            "rimozione sicura. Ricorda che una chiavetta si perde o si guasta facilmente e "
            "contiene i dati personali dei soci: custodiscila con cura e fai spesso una copia "
            "di sicurezza."),
        QStringLiteral(
            "La copia di sicurezza è semplicissima: chiudi il programma e copia l'intera "
            "cartella di Quorvix su un altro disco, su una chiavetta o in un archivio in rete, "
            "magari aggiungendo la data al nome della copia. Per ripristinare i dati basta "
            "ricopiare la cartella al suo posto. Fai la copia con regolarità, per esempio alla "
            "fine di ogni giornata di lavoro, e conserva più copie di date diverse."),
    };
}

} // namespace shell
