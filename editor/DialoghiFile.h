#pragma once

// The dialogs that choose where a file goes, behind an interface so that tests can answer them.

#include <QString>

class QWidget;

namespace gridora {

class DialoghiFile {
public:
    virtual ~DialoghiFile() = default;
    // A file to write, starting from the path `proposto` and showing files that match `filtro`
    // ("Schemi (*.non)"); an existing file is replaced only once the user has confirmed it.
    // Empty when the user gives up.
    virtual QString fileDaSalvare(QWidget* finestra, const QString& titolo, const QString& proposto,
                                  const QString& filtro) = 0;
    // An existing folder, starting from `iniziale`; empty when the user gives up.
    virtual QString cartella(QWidget* finestra, const QString& titolo, const QString& iniziale) = 0;
};

class DialoghiFileReali : public DialoghiFile {
public:
    QString fileDaSalvare(QWidget* finestra, const QString& titolo, const QString& proposto,
                          const QString& filtro) override;
    QString cartella(QWidget* finestra, const QString& titolo, const QString& iniziale) override;
};

} // namespace gridora
