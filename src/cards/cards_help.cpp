// The help topics of the card windows.
#include "cards/cards_help.h"

namespace cards {

platform::HelpTopic singleCardHelp() {
    return {
        QStringLiteral("Stampa tessera singola."),
        {QStringLiteral("Per stampare la tessera di un Socio, richiamarne i dati dall'archivio con "
                        "il pulsante "
                        "Trova oppure scorrere le schede con le frecce. La tessera mostra nome, "
                        "carica, numero "
                        "e date di rilascio e di scadenza del Socio, con la sua foto."),
         QStringLiteral(
             "Per inserire la denominazione, i sottotitoli e le annotazioni del proprio Ente o "
             "Associazione fare clic su di essi; per cambiare il logo fare clic sull'immagine. Il "
             "logo e i dati dell'Ente sono salvati in automatico all'uscita da questa schermata."),
         QStringLiteral("Nella finestra di stampa si scelgono l'orientamento del foglio e i "
                        "margini superiore e "
                        "sinistro in millimetri, anche negativi, per adattare la stampa al "
                        "supporto: tessera in "
                        "PVC, foglio A4 o cartoncino di piccolo formato. Conviene fare qualche "
                        "stampa di prova."),
         QStringLiteral(
             "L'anteprima mostra la tessera su un foglio A4 verticale. Le foto dei Soci vanno "
             "preparate in formato verticale (ritratto), perché in stampa sono adattate al "
             "riquadro "
             "della foto mantenendone le proporzioni.")}};
}

platform::HelpTopic cardSheetHelp() {
    return {
        QStringLiteral("Stampa più tessere."),
        {QStringLiteral(
             "Questa schermata stampa fino a nove tessere di Soci diversi su un unico foglio A4. "
             "Ogni tessera si compila con il proprio pulsante di importazione, scegliendo il Socio "
             "dall'archivio anagrafico; prima di stampare è possibile vedere l'anteprima "
             "dell'intera "
             "pagina."),
         QStringLiteral("I dati di una tessera si cancellano con il pulsante numerato "
                        "corrispondente, quelli di "
                        "tutte le tessere con il pulsante Nuovo o con la gomma. La cancellazione "
                        "riguarda solo "
                        "questa schermata: nulla viene rimosso dall'archivio dei Soci.")}};
}

} // namespace cards
