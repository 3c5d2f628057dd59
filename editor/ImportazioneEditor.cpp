#include "editor/ImportazioneEditor.h"

#include "import/Importa.h"

namespace gridora {

ImportazioneEditor::ImportazioneEditor(const Servizi& servizi) : m_servizi(servizi) {}

ImportazioneEditor::~ImportazioneEditor() = default;

Importa& ImportazioneEditor::finestra()
{
    // A window of its own, not a child: hiding the editor must not hide it.
    if (!m_finestra)
        m_finestra = std::make_unique<Importa>(m_servizi, m_sessione,
                                               LetturaImmagine(percorsoProgrammaWmf()));
    return *m_finestra;
}

} // namespace gridora
