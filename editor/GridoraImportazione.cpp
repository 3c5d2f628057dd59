// The image import seen from the editor: "Importa Immagine" hides the editor and shows the import
// window; a transfer puts the drawing on the board, and closing the import brings the editor back
// with the size chosen there.

#include "editor/Gridora.h"
#include "import/Importa.h"

#include <QRadioButton>

namespace gridora {

void Gridora::apriImportazione()
{
    if (!m_importa) {
        // A window of its own, not a child: hiding the editor must not hide it.
        m_importa = std::make_unique<Importa>(m_servizi, m_sessione,
                                              LetturaImmagine(percorsoProgrammaWmf()));
        connect(m_importa.get(), &Importa::trasferita, this,
                [this](const QString& pixel, int lato) {
                    riceviImportazione(pixel, lato);
                    show();
                });
        connect(m_importa.get(), &Importa::chiusa, this, [this] {
            // The editor shows the size last chosen in the import.
            if (m_sessione.lato != lato())
                m_c.Option1[m_sessione.lato / 5 - 1]->setChecked(true);
            show();
        });
    }
    m_sessione.lato = lato();
    m_importa->preparaApertura(this);
    hide();
    m_importa->show();
}

} // namespace gridora
