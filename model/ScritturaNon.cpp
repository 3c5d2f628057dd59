#include "model/EntitaHtml.h"
#include "model/FormatoNon.h"

namespace gridora {

namespace {

// "3,1", or "0" for an empty line.
QByteArray testoIndizio(const Sequenze& sequenze)
{
    QByteArray testo;
    for (const int n : sequenze)
        testo += (testo.isEmpty() ? "" : ",") + QByteArray::number(n);
    return testo.isEmpty() ? QByteArray("0") : testo;
}

} // namespace

QByteArray scriviNon(const QString& titolo, int larghezza, int altezza, const QString& pixel)
{
    if (larghezza < 1 || altezza < 1 || larghezza > LatoMassimoNon || altezza > LatoMassimoNon ||
        pixel.size() != qsizetype(larghezza) * altezza ||
        pixel.count(u'0') + pixel.count(u'1') != pixel.size())
        return {};
    // Line breaks and other control characters cannot stand in a one-line value.
    QString nome = titolo;
    for (QChar& c : nome) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    QByteArray testo = "title \"" + codificaEntita(nome.trimmed()).toUtf8() + "\"\n";
    testo += "width " + QByteArray::number(larghezza) + "\n";
    testo += "height " + QByteArray::number(altezza) + "\n\nrows\n";
    const SequenzeDisegno indizi = sequenzeDiPixel(pixel, larghezza, altezza);
    for (const Sequenze& riga : indizi.righe)
        testo += testoIndizio(riga) + "\n";
    testo += "\ncolumns\n";
    for (const Sequenze& colonna : indizi.colonne)
        testo += testoIndizio(colonna) + "\n";
    testo += "\ngoal \"" + pixel.toLatin1() + "\"\n";
    return testo;
}

QString descrizioneRifiuto(RifiutoNon rifiuto)
{
    switch (rifiuto) {
    case RifiutoNon::Nessuno:
        return {};
    case RifiutoNon::Illeggibile:
        return QStringLiteral("Il file non si può leggere.");
    case RifiutoNon::TroppoGrande:
        return QStringLiteral("Il file è troppo grande.");
    case RifiutoNon::Malformato:
        return QStringLiteral("Il file non è uno schema valido.");
    case RifiutoNon::LatoNonValido:
        return QStringLiteral("Lo schema è vuoto o più grande di 100 caselle per lato.");
    case RifiutoNon::AColori:
        return QStringLiteral("Lo schema è a colori.");
    case RifiutoNon::SequenzaTroppoLunga:
        return QStringLiteral("Una riga o colonna chiede più caselle di quante ne abbia.");
    case RifiutoNon::NumeroTroppoGrande:
        return QStringLiteral("Lo schema contiene un numero troppo grande.");
    case RifiutoNon::TotaliDiversi:
        return QStringLiteral("Righe e colonne non contano le stesse caselle piene.");
    case RifiutoNon::NessunaFigura:
        return QStringLiteral("Nessun disegno corrisponde ai numeri dello schema.");
    case RifiutoNon::NonRisolto:
        return QStringLiteral("Lo schema è troppo difficile da risolvere.");
    }
    return {};
}

} // namespace gridora
