#pragma once

// What the image import keeps for the whole run, across openings of the editor: the board side
// the import converts to, and where its browsing was left. Empty volume and folder: browsing starts
// in the program's folder.

#include <QString>

namespace gridora {

struct SessioneImportazione {
    int lato = 5;     // 5, 10 or 15
    QString volume;   // the root of the volume last chosen
    QString cartella; // the folder last shown
};

} // namespace gridora
