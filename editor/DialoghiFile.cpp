#include "editor/DialoghiFile.h"

#include <QFileDialog>
#include <QFileInfo>

namespace gridora {

QString DialoghiFileReali::fileDaSalvare(QWidget* finestra, const QString& titolo,
                                         const QString& proposto, const QString& filtro)
{
    QFileDialog dialogo(finestra, titolo, proposto, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    // A name typed without the extension still gets it.
    dialogo.setDefaultSuffix(QFileInfo(proposto).suffix());
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

QString DialoghiFileReali::cartella(QWidget* finestra, const QString& titolo,
                                    const QString& iniziale)
{
    return QFileDialog::getExistingDirectory(finestra, titolo, iniziale);
}

} // namespace gridora
