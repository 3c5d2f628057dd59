#pragma once

// The program's start: its collaborators, the database beside the program or in the player's
// folder, and the start window; then the event loop until the start window closes.

class QApplication;

namespace gridora {

int avviaGridora(QApplication& applicazione);

} // namespace gridora
