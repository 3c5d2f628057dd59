#include "Raccolta.h"

#include "Bmp.h"
#include "Disegni.h"
#include "Icone.h"
#include "Puntatori.h"
#include "Suoni.h"

#include <QBuffer>
#include <stdexcept>

namespace genera {

namespace {

QByteArray jpeg(const QImage& immagine)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    if (!immagine.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 90))
        throw std::runtime_error("codifica JPEG non riuscita (manca il plugin jpeg?)");
    return dati;
}

QByteArray png(const QImage& immagine)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    if (!immagine.save(&buffer, "PNG"))
        throw std::runtime_error("codifica PNG non riuscita");
    return dati;
}

void bitmap(FileGenerati& file, const QString& nome, const QImage& immagine)
{
    file.push_back({QStringLiteral("bitmap/%1.bmp").arg(nome), bmp24(immagine)});
}

} // namespace

FileGenerati tutteLeRisorse(const Caratteri& caratteri)
{
    FileGenerati file;

    bitmap(file, QStringLiteral("101"), cellaPiena());
    const QRgb chiaro = qRgb(0xD9, 0xF0, 0xFC);
    const QRgb medio = qRgb(0xB4, 0xE1, 0xF9);
    const QRgb bianco = qRgb(0xFC, 0xF9, 0xFB);
    bitmap(file, QStringLiteral("102"), cellaVuota(chiaro, false));
    bitmap(file, QStringLiteral("103"), cellaVuota(medio, false));
    bitmap(file, QStringLiteral("104"), cellaVuota(chiaro, true));
    bitmap(file, QStringLiteral("105"), cellaVuota(medio, true));
    bitmap(file, QStringLiteral("106"), cellaVuota(bianco, false));
    bitmap(file, QStringLiteral("107"), cellaVuota(bianco, true));

    bitmap(file, QStringLiteral("LOGO"), logo(caratteri));
    bitmap(file, QStringLiteral("FACILE"), etichetta(caratteri, QStringLiteral("Facile")));
    bitmap(file, QStringLiteral("MEDIO"), etichetta(caratteri, QStringLiteral("Medio")));
    bitmap(file, QStringLiteral("DIFFICILE"), etichetta(caratteri, QStringLiteral("Difficile")));
    bitmap(file, QStringLiteral("LIBERO"), etichetta(caratteri, QStringLiteral("Crea Schema")));
    bitmap(file, QStringLiteral("ICONA"), icona());

    file.push_back({QStringLiteral("finestra/gridora.ico"), fileIcona(icona())});
    file.push_back(
        {QStringLiteral("finestra/pulsante_record.jpg"), jpeg(pulsanteRecord(caratteri))});

    // The desktop's icon theme, installed with the program rather than compiled in.
    for (const int lato : {16, 32, 48, 64, 128, 256})
        file.push_back(
            {QStringLiteral("icone/%1x%1/gridorapc.png").arg(lato), png(iconaProgramma(lato))});
    file.push_back({QStringLiteral("icone/scalable/gridorapc.svg"), iconaSvg()});

    std::vector<Puntatore> puntatori = puntatoriDisegnati();
    for (Puntatore& p : puntatoriScritti(caratteri))
        puntatori.push_back(std::move(p));
    for (const Puntatore& p : puntatori)
        file.push_back({QStringLiteral("puntatori/%1.cur").arg(p.nome),
                        filePuntatore(p.immagine, p.puntoCaldo, p.profondita)});

    for (FileGenerato& s : suoni())
        file.push_back(std::move(s));
    return file;
}

} // namespace genera
