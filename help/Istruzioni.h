#pragma once

// The instructions window: seven pages of help, each a title, a text and a picture of the
// program's windows, stepped through with "<- Indietro" and "Avanti ->". It opens on the first
// page; whoever opens it decides what happens when it closes.

#include <QWidget>

namespace gridora {

class Etichetta;
class EtichettaPulsante;
class Immagine;

class Istruzioni : public QWidget {
    Q_OBJECT

public:
    explicit Istruzioni(QWidget* genitore = nullptr);

    // The controls by their names, for tests and pictures of the window.
    struct Controlli {
        EtichettaPulsante* indietro = nullptr;
        EtichettaPulsante* Avanti = nullptr;
        Etichetta* note = nullptr;
        Etichetta* Titolo = nullptr;
        Immagine* helpimg = nullptr;
    };
    const Controlli& controlli() const { return m_c; }

    int pagina() const { return m_pagina; }
    // Shows a page, 0 to 6, with the navigation it allows; any other number changes nothing.
    void Notizie(int pagina);

private:
    void componi();

    Controlli m_c;
    int m_pagina = 0;
};

} // namespace gridora
