#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace genera {

struct FileGenerato {
    QString percorso; // relative to the output directory, e.g. "suoni/101.wav"
    QByteArray dati;
};

using FileGenerati = std::vector<FileGenerato>;

} // namespace genera
