#pragma once

// The image import as the editor uses it, kept for the whole run by the start window: the import
// window, made at its first opening, and its session (the side it converts to, the volume and
// folder it browses). Every opening of the editor finds them as the last one left them: the
// editor opens at the side last chosen in the import, and the import on its folder, its file
// list and its preview.

#include "import/SessioneImportazione.h"

#include <memory>

namespace gridora {

class Importa;
struct Servizi;

class ImportazioneEditor {
public:
    explicit ImportazioneEditor(const Servizi& servizi);
    ~ImportazioneEditor();
    ImportazioneEditor(const ImportazioneEditor&) = delete;
    ImportazioneEditor& operator=(const ImportazioneEditor&) = delete;

    SessioneImportazione& sessione() { return m_sessione; }
    // The window, made at the first call.
    Importa& finestra();
    // The window once made, otherwise nullptr.
    Importa* fatta() const { return m_finestra.get(); }

private:
    const Servizi& m_servizi;
    SessioneImportazione m_sessione;
    std::unique_ptr<Importa> m_finestra;
};

} // namespace gridora
