#include "widgets/Messaggi.h"

#include <QMessageBox>

namespace gridora {

void MessaggiReali::avviso(QWidget* finestra, const QString& titolo, const QString& testo)
{
    QMessageBox box(QMessageBox::NoIcon, titolo, testo, QMessageBox::Ok, finestra);
    box.exec();
}

bool MessaggiReali::domanda(QWidget* finestra, const QString& titolo, const QString& testo)
{
    QMessageBox box(QMessageBox::NoIcon, titolo, testo, QMessageBox::Yes | QMessageBox::No,
                    finestra);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace gridora
