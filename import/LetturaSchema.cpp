#include "import/LetturaSchema.h"

namespace gridora {

bool nomeDiSchema(QByteArrayView nome)
{
    return nome.size() >= 4 && qstrnicmp(nome.last(4).data(), 4, EstensioneNon, 4) == 0;
}

QImage figuraSchema(const SchemaNon& schema)
{
    QImage figura(schema.larghezza, schema.altezza, QImage::Format_RGB32);
    figura.fill(Qt::white);
    for (int r = 0; r < schema.altezza; ++r) {
        for (int c = 0; c < schema.larghezza; ++c) {
            if (schema.pixel.at(r * schema.larghezza + c) == u'1')
                figura.setPixel(c, r, qRgb(0, 0, 0));
        }
    }
    return figura;
}

EsitoImmagine leggiSchema(const QByteArray& percorso)
{
    EsitoNon letto = leggiFileNon(percorso);
    EsitoImmagine esito;
    switch (letto.rifiuto) {
    case RifiutoNon::Nessuno:
        esito.immagine = figuraSchema(letto.schema);
        esito.schema = std::make_shared<const SchemaNon>(std::move(letto.schema));
        return esito;
    case RifiutoNon::Illeggibile:
        esito.errore = ErroreImmagine::NonLeggibile;
        return esito;
    case RifiutoNon::TroppoGrande:
        esito.errore = ErroreImmagine::TroppoGrande;
        return esito;
    default:
        esito.errore = ErroreImmagine::Danneggiata;
        return esito;
    }
}

Caricatore::Lettura letturaConSchemi(LetturaImmagine lettura)
{
    return [l = std::move(lettura)](const QByteArray& percorso, QSize massima) {
        return nomeDiSchema(percorso) ? leggiSchema(percorso) : l.leggi(percorso, massima);
    };
}

} // namespace gridora
