#include "menu/Avvio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    return gridora::avviaGridora(applicazione);
}
