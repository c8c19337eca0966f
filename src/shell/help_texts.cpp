#include "shell/help_texts.h"

namespace shell {

QStringList mainHelpParagraphs() {
    return {
        QStringLiteral("Quorvix 5.0 è il programma per la gestione di associazioni, circoli, "
                       "scuole e piccole organizzazioni."),
        QStringLiteral("Al primo accesso digitare la password iniziale QUORVIX (non conta il "
                       "maiuscolo o minuscolo) e cambiarla subito con il pulsante "
                       "\"Cambia password\" della finestra di accesso."),
        QStringLiteral("Tutti i dati si trovano nella cartella del programma: per fare una copia "
                       "di sicurezza basta copiare l'intera cartella su un altro disco o su una "
                       "chiavetta USB."),
    };
}

} // namespace shell
