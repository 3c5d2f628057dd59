// The icons installed for the desktop's theme: the window icon's 2 x 2 grid at every size,
// drawn on whole pixels, and an SVG of the same drawing.

#include "resources/Risorse.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QRgb Nero = qRgb(0, 0, 0);
const QRgb Bianco = qRgb(255, 255, 255);
const QRgb Arancio = qRgb(0xFF, 0x8C, 0x1A);
const QRgb Trasparente = qRgba(0, 0, 0, 0);

QString percorso(const QString& nome)
{
    return QDir(QStringLiteral(CARTELLA_ICONE)).filePath(nome);
}

struct Tratto {
    QRgb colore;
    int lunghezza;
    bool operator==(const Tratto&) const = default;
};

// The runs of equal pixels along a row or, with `colonna`, down a column.
QList<Tratto> tratti(const QImage& img, int indice, bool colonna)
{
    QList<Tratto> elenco;
    for (int i = 0; i < img.width(); ++i) {
        QRgb p = colonna ? img.pixel(indice, i) : img.pixel(i, indice);
        if (qAlpha(p) == 0)
            p = Trasparente;
        if (!elenco.isEmpty() && elenco.last().colore == p)
            ++elenco.last().lunghezza;
        else
            elenco.append({p, 1});
    }
    return elenco;
}

// Line, cell, line, cell, line, with at most one transparent pixel after.
QList<Tratto> griglia(int linea, int cella, QRgb prima, QRgb seconda, int avanzo)
{
    QList<Tratto> attesi = {
        {Nero, linea}, {prima, cella}, {Nero, linea}, {seconda, cella}, {Nero, linea}};
    if (avanzo > 0)
        attesi.append({Trasparente, avanzo});
    return attesi;
}

} // namespace

class TestIconeTema : public QObject {
    Q_OBJECT

private slots:
    void grigliaNitida_data()
    {
        QTest::addColumn<int>("lato");
        for (const int lato : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", lato, lato) << lato;
    }

    void grigliaNitida()
    {
        QFETCH(int, lato);
        const QImage img(percorso(QStringLiteral("%1x%1/gridorapc.png").arg(lato)));
        QCOMPARE(img.size(), QSize(lato, lato));

        // The top row is all line; the first row that differs crosses the upper cells and
        // gives the widths of the lines and the cells.
        const QList<Tratto> tutta = tratti(img, 0, false);
        QVERIFY(tutta.size() <= 2 && tutta.first().colore == Nero);
        const int usato = tutta.first().lunghezza;
        const int avanzo = lato - usato;
        QVERIFY2(avanzo <= 1, "the grid fills the icon");
        int linea = 1;
        while (linea < lato && tratti(img, linea, false) == tutta)
            ++linea;
        QVERIFY(linea < lato / 8);
        const int cella = (usato - 3 * linea) / 2;
        QCOMPARE(tratti(img, linea, false), griglia(linea, cella, Bianco, Bianco, avanzo));

        // Every row and column, each pixel exactly one of the four colours.
        for (int i = 0; i < lato; ++i) {
            const bool suLinea = i < linea || (i >= linea + cella && i < 2 * linea + cella) ||
                                 (i >= usato - linea && i < usato);
            const bool seconda = i >= 2 * linea + cella;
            QList<Tratto> attesi;
            if (i >= usato)
                attesi = {{Trasparente, lato}};
            else if (suLinea)
                attesi = tutta;
            else
                attesi = griglia(linea, cella, Bianco, seconda ? Arancio : Bianco, avanzo);
            QVERIFY2(tratti(img, i, false) == attesi, qPrintable(QStringLiteral("riga %1").arg(i)));
            QVERIFY2(tratti(img, i, true) == attesi,
                     qPrintable(QStringLiteral("colonna %1").arg(i)));
        }
    }

    // The 32-pixel icon is the window's own 31-pixel drawing.
    void comeIconaDellaFinestra()
    {
        const QImage tema(percorso(QStringLiteral("32x32/gridorapc.png")));
        const QImage finestra = gridora::risorse::immagine(QStringLiteral("ICONA"));
        QCOMPARE(finestra.size(), QSize(31, 31));
        QCOMPARE(tema.copy(0, 0, 31, 31).convertToFormat(QImage::Format_RGB32),
                 finestra.convertToFormat(QImage::Format_RGB32));
    }

    // The SVG's rectangles, painted in order on whole pixels, give the 256-pixel picture.
    void svgComeLaGrigliaGrande()
    {
        QFile file(percorso(QStringLiteral("scalable/gridorapc.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage grande(percorso(QStringLiteral("256x256/gridorapc.png")));
        QVERIFY(!grande.isNull());

        QImage dipinta(256, 256, QImage::Format_ARGB32);
        dipinta.fill(Qt::transparent);
        QPainter pittore(&dipinta);
        QXmlStreamReader xml(&file);
        int rettangoli = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == u"svg")
                QCOMPARE(a.value("viewBox"), u"0 0 256 256");
            if (xml.name() != u"rect")
                continue;
            pittore.fillRect(QRect(a.value("x").toInt(), a.value("y").toInt(),
                                   a.value("width").toInt(), a.value("height").toInt()),
                             QColor(a.value("fill")));
            ++rettangoli;
        }
        pittore.end();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(rettangoli >= 4);
        QCOMPARE(dipinta, grande.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestIconeTema)
#include "tst_icone_tema.moc"
