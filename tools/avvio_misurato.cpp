// The program's own start, as GridoraPC runs it, ending at the first expose of the start window.
// Run by bench_avvio.

#include "PrimaEsposizione.h"
#include "menu/Avvio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    PrimaEsposizione esposizione;
    applicazione.installEventFilter(&esposizione);
    return gridora::avviaGridora(applicazione);
}
