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
        m_importa = &m_importazione.finestra();
        connect(m_importa, &Importa::trasferita, this,
                [this](const QString& pixel, int lato, const QString& titolo) {
                    riceviImportazione(pixel, lato, titolo);
                    show();
                });
        connect(m_importa, &Importa::chiusa, this, [this] {
            // The editor shows the size last chosen in the import.
            const int scelto = m_importazione.sessione().lato;
            if (scelto != lato())
                m_c.Option1[scelto / 5 - 1]->setChecked(true);
            show();
        });
    }
    m_importazione.sessione().lato = lato();
    m_importa->preparaApertura(this);
    hide();
    m_importa->show();
}

} // namespace gridora
