#include "Wav.h"

#include "Byte.h"

#include <cmath>
#include <stdexcept>

namespace genera {

QByteArray codificaPcm(const std::vector<std::vector<double>>& canali, const FormatoWav& formato)
{
    if (canali.size() != static_cast<std::size_t>(formato.canali))
        throw std::runtime_error("numero di canali diverso dal formato");
    const std::size_t fotogrammi = canali.front().size();
    Byte b;
    for (std::size_t i = 0; i < fotogrammi; ++i) {
        for (const auto& canale : canali) {
            const double v = canale.at(i);
            if (!(v >= -1.0 && v <= 1.0))
                throw std::runtime_error("campione fuori scala");
            if (formato.bit == 8)
                b.u8(static_cast<quint8>(128 + std::lround(v * 127.0)));
            else
                b.u16(static_cast<quint16>(static_cast<qint16>(std::lround(v * 32767.0))));
        }
    }
    return b.dati;
}

QByteArray fileWav(const FormatoWav& formato, const QByteArray& pcm)
{
    if (pcm.size() % formato.byteFotogramma() != 0)
        throw std::runtime_error("dati audio non allineati ai fotogrammi");

    Byte corpo;
    corpo.codice("WAVE");
    corpo.codice("fmt ");
    corpo.u32(formato.fmtEsteso ? 18 : 16);
    corpo.u16(1); // PCM
    corpo.u16(static_cast<quint16>(formato.canali));
    corpo.u32(static_cast<quint32>(formato.frequenza));
    corpo.u32(static_cast<quint32>(formato.frequenza * formato.byteFotogramma()));
    corpo.u16(static_cast<quint16>(formato.byteFotogramma()));
    corpo.u16(static_cast<quint16>(formato.bit));
    if (formato.fmtEsteso)
        corpo.u16(0);
    if (formato.fact) {
        corpo.codice("fact");
        corpo.u32(4);
        corpo.u32(static_cast<quint32>(pcm.size() / formato.byteFotogramma()));
    }
    corpo.codice("data");
    corpo.u32(static_cast<quint32>(pcm.size()));
    corpo.blocco(pcm);
    if (pcm.size() % 2 != 0)
        corpo.u8(0);
    if (!formato.software.isEmpty()) {
        QByteArray testo = formato.software;
        testo.append('\0');
        const qsizetype pad = testo.size() % 2;
        corpo.codice("LIST");
        corpo.u32(static_cast<quint32>(4 + 8 + testo.size() + pad));
        corpo.codice("INFO");
        corpo.codice("ISFT");
        corpo.u32(static_cast<quint32>(testo.size()));
        corpo.blocco(testo);
        corpo.zeri(pad);
    }

    Byte b;
    b.codice("RIFF");
    b.u32(static_cast<quint32>(corpo.size()));
    b.blocco(corpo.dati);
    return b.dati;
}

} // namespace genera
