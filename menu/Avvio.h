#pragma once

// The program's start: its collaborators, the database beside the program or in the player's
// folder, and the start window; then the event loop until the start window closes.

class QApplication;

namespace gridora {

int avviaGridora(QApplication& applicazione);

// Qt's own texts (the buttons of message boxes, the name box's menu, the file dialogs) in Italian,
// whatever the system's language, as every other text of the program. The translations come with
// the system's Qt; false, and the texts stay as Qt has them, when they are not installed.
bool caricaTraduzioniQt(QApplication& applicazione);

} // namespace gridora
