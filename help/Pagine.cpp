#include "help/Pagine.h"

#include <QChar>
#include <array>

namespace gridora {

namespace {

// Each line is followed by its count of line breaks; two give an empty line.
constexpr RigaPagina Pagina0[] = {
    {u"GridoraPC è un gioco di logica, nel quale dovrete riempire una griglia creando un disegno "
     u"scelto dal computer.",
     1},
    {u"La griglia sarà composta da una serie di caselle, in base alla difficoltà del gioco scelto:",
     1},
    {u"Facile  = 5x5", 1},
    {u"Medio  = 10x10", 1},
    {u"Difficile = 15x15", 1},
    {u"Le difficoltà aumentano, se si selezionano le altre opzioni:", 1},
    {u"'Senza X'  = Non sarà possibile segnare le caselle inutili;", 1},
    {u"'Senza Errori' = Se si commette un errore, questo non verrà segnalato.", 1},
    {u"'NO AUDIO' = Se selezionato, disattiva la scheda audio.", 1},
    {u"Eventuali Record, verranno inseriti in base alla difficoltà del gioco e, quindi, al loro "
     u"schema.",
     1},
    {u"Cliccando su 'Crea Schema', si avrà la possibilità di disegnare altri schemi o di "
     u"importarli.",
     0},
};

constexpr RigaPagina Pagina1[] = {
    {u"Una volta scelta la difficoltà del gioco, vi verrà data la possibilità di avere un aiuto "
     u"iniziale.",
     1},
    {u"Logicamente, questo, non è gratis ma vi verrà data una penalizzazione, sul tempo di gioco, "
     u"in base al livello scelto:",
     2},
    {u"Facile  = +30 Secondi;", 1},
    {u"Medio  = +2 Minuti;", 1},
    {u"Difficle = +5 Minuti;", 2},
    {u"Se scegliete l'aiuto, questo, sarà casuale con una slot-machine sulle colonne verticali ed "
     u"orizzontali.",
     1},
    {u"Nel caso rifiutiate l'aiuto, non avrete nessuna penalità...ma inizierete a giocare con la "
     u"griglia vuota.",
     0},
};

constexpr RigaPagina Pagina2[] = {
    {u"Se, oltre all'aiuto, avrete barrato anche l'opzione 'Senza X', anche le X di aiuto non "
     u"verranno visualizzate (questo non vale per le coordinate vuote, quindi con 0 campi. come la "
     u"prima riga orizzontale nell'immagine di esempio).",
     1},
    {u"Il vostro compito è quello di completare lo schema e, man mano che inserite una casella, il "
     u"disegno satrà visibile nel riguadro apposito, denominato 'Figura'.",
     1},
    {u"Come vedete, sia nelle colonne vericali che in quelle orizzontali, vi sono dei numeri. Ciò "
     u"significa che in quella colonna, vi sono delle caselle da riempire in ordine di posizione, "
     u"separate da almeno una spazio (come nell'immagine di esempio).",
     1},
    {u"Logicamente, queste, dovranno coincidere con la colonna che la incrocia.", 1},
    {u"Per facilitare il compito, se non si è scelto l'opzione Senza X, si potranno inserire delle "
     u"X......................[CONTINUA]",
     0},
};

constexpr RigaPagina Pagina3[] = {
    {u"[SEGUE].....con il tasto destro del mouse. Queste non comportano penalizzazioni.", 1},
    {u"Così facendo (come da esempio), sarà più semplice trovare le caselle da riempire.", 1},
    {u"Se si seleziona una casella errata, credendo che sia esatta, e si gioca con la modalità "
     u"'Senza Errori' disattivata, si avrà una penalità sul tempo e, se la modalità 'Senza X' non "
     u"è stata selezionata, verrà aggiunta una X nella casella sbagliata.",
     1},
    {u"Più errori si commettono e maggiore sarà la penalità:", 1},
    {u"1° Errore                 = +2 Minuti;", 1},
    {u"2° Errore                 = +4 Minuti;", 1},
    // The game charges 8 minutes for every error from the third on.
    {u"Dal 3° Errore in poi = +8 Minuti;", 2},
    {u"La partita avrà termine quando tutto lo Schema sarà risolto.", 1},
};

constexpr RigaPagina Pagina4[] = {
    {u"Premendo, nel menu, il tasto 'Crea Schema', si entra nella modalità di creazione e gestione "
     u"Schemi.",
     1},
    {u"Per disegnare uno schema, basta cliccare su una cella con il tasto sinistro del mouse, "
     u"mentre per cancellare una cella con il destro.",
     1},
    {u"Un'immagine di un determinato Schema, non può essere salvata se ha lo stesso nome di una "
     u"già presente nel DB o se è identica ad una già registrata.",
     1},
    {u"Il programma vi avviserà.", 0},
};

constexpr RigaPagina Pagina5[] = {
    {u"Premendo il pulsante 'Carica', vi apparirà la prima immagine presente nel DB, dello schema "
     u"scelto.",
     1},
    {u"Qui potrete modificare un'immagine già salvata, oppure cancellarla.", 1},
    {u"Se l'immagine che si vuole modificare è differente (sia dal disegno che dal nome) da quella "
     u"di origine, si entrerà nella sezione Disegno.",
     0},
};

constexpr RigaPagina Pagina6[] = {
    {u"Cliccando su 'Importa Immagine', si avrà la possibilità di importare un'immagine presente "
     u"sul disco e trasformarla in uno schema.",
     1},
    {u"Essendo la trasposizione in bitmap (2 Colori) e le griglie molto piccole (5x5, 10x10, "
     u"15x15), la qualità dipende molto dal tipo di disegno e dalle sue dimenzioni.",
     1},
    {u"Questi sono i tipi di immagini che il programma riesce ad importare:", 2},
    {u"*.bmp;*.jpg;*.jpeg;*.gif;*.wmf;*.ico;*.cur", 2},
    {u"Una volta scelta l'immagine, è possibile vederla nei vari schemi, cliccando su di questi.",
     1},
    {u"L'immagine importata verrà trasferita nella zona 'Disegno', per eventuale modifiche, prima "
     u"di procedere con il salvataggio.",
     0},
};

constexpr std::array<PaginaIstruzioni, NumeroPagine> Pagine = {{
    {u"INTRO", u"inizio", Pagina0},
    {u"AIUTO", u"AIUTO", Pagina1},
    {u"GIOCO", u"MOSTRA", Pagina2},
    {u"GIOCO", u"MOSTRA2", Pagina3},
    {u"DISEGNARE SCHEMI", u"DISEGNO", Pagina4},
    {u"CARICARE SCHEMI", u"CARICA", Pagina5},
    {u"IMPORTARE IMMAGINI", u"IMPORTA", Pagina6},
}};

} // namespace

const PaginaIstruzioni& paginaIstruzioni(int numero)
{
    Q_ASSERT(numero >= 0 && numero < NumeroPagine);
    return Pagine[static_cast<std::size_t>(numero)];
}

QString testoPagina(const PaginaIstruzioni& pagina)
{
    QString testo;
    for (const RigaPagina& riga : pagina.righe) {
        testo += riga.testo;
        testo += QString(riga.aCapo, QChar(13));
    }
    return testo;
}

} // namespace gridora
