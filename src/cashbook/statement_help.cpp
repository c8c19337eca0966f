#include "cashbook/statement_help.h"

namespace cashbook {

const platform::HelpTopic& statementHelp() {
    static const platform::HelpTopic topic{
        u"Applicazione Rendiconto annuale."_qs,
        {u"Il rendiconto riassume un anno di primanota: il saldo iniziale, le entrate e le "
         u"uscite per causale e per mese, il saldo dell'anno e il saldo finale. Indicare l'anno "
         u"con quattro cifre e premere Apri."_qs,
         u"Le causali che differiscono soltanto per maiuscole, minuscole o spazi iniziali e "
         u"finali sono riunite in una sola voce. Facendo clic sull'intestazione di una colonna "
         u"le tabelle vengono ordinate per quella colonna."_qs,
         u"Quando esiste l'archivio dell'anno precedente, il saldo iniziale \u00e8 il suo saldo "
         u"finale e non si pu\u00f2 modificare; altrimenti il saldo iniziale si indica nel campo "
         u"apposito e viene conservato per gli anni successivi."_qs,
         u"Sotto le tabelle sono indicati gli importi dei movimenti non ancora saldati, gi\u00e0 "
         u"compresi nei totali."_qs,
         u"I grafici mostrano le entrate e le uscite di ogni mese con il saldo progressivo, e la "
         u"ripartizione delle uscite fra le otto causali principali."_qs,
         u"Il rendiconto pu\u00f2 essere stampato o visto in anteprima su due fogli, le tabelle "
         u"sul primo e i grafici sul secondo, ed esportato in un file di Microsoft Excel."_qs}};
    return topic;
}

} // namespace cashbook
