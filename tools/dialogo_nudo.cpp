// A bare Qt dialog of the start window's size, ending at its first expose: the floor that
// bench_avvio measures the program's start against. It links Qt Widgets only. With the argument
// "testo" it shows one line of text, which makes Qt read the system's font configuration.

#include "PrimaEsposizione.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    PrimaEsposizione esposizione;
    applicazione.installEventFilter(&esposizione);
    QDialog dialogo;
    dialogo.setWindowTitle(QStringLiteral("Gridora"));
    dialogo.setFixedSize(257, 200);
    if (argc > 1 && QByteArray(argv[1]) == "testo")
        (new QLabel(QStringLiteral("Istruzioni"), &dialogo))->move(100, 180);
    dialogo.show();
    return applicazione.exec();
}
