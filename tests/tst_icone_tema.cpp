// The icons installed for the desktop's theme: the window icon's 2 x 2 grid at every size,
// drawn on whole pixels, and an SVG of the same drawing.

#include "resources/Risorse.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString percorso(const QString& nome)
{
    return QDir(QStringLiteral(CARTELLA_ICONE)).filePath(nome);
}

// The colours along a row or, with `colonna`, down a column, one letter for each run of equal
// pixels: N black, B white, A orange, T clear, ? any other colour, such as a blend at an edge.
QString colori(const QImage& img, int indice, bool colonna)
{
    QString sequenza;
    for (int i = 0; i < img.width(); ++i) {
        const QRgb p = colonna ? img.pixel(indice, i) : img.pixel(i, indice);
        const QChar c = qAlpha(p) == 0                ? u'T'
                        : p == qRgb(0, 0, 0)          ? u'N'
                        : p == qRgb(255, 255, 255)    ? u'B'
                        : p == qRgb(0xFF, 0x8C, 0x1A) ? u'A'
                                                      : u'?';
        if (!sequenza.endsWith(c))
            sequenza += c;
    }
    return sequenza;
}

} // namespace

class TestIconeTema : public QObject {
    Q_OBJECT

private slots:
    // Black lines around and between four cells, three white and the lower right one orange,
    // drawn on whole pixels at every size; the 32-pixel icon is the window's own 31-pixel
    // drawing.
    void grigliaNitida()
    {
        for (const int lato : {16, 32, 48, 64, 128, 256}) {
            const QImage img(percorso(QStringLiteral("%1x%1/gridorapc.png").arg(lato)));
            QCOMPARE(img.size(), QSize(lato, lato));
            for (int i = 0; i < lato; ++i)
                QVERIFY2(!colori(img, i, false).contains(u'?'), qPrintable(QString::number(i)));
            // Across the upper and the lower cells, both ways; at most one clear pixel after it.
            const QRegularExpression finale(QStringLiteral("T$"));
            for (const bool colonna : {false, true}) {
                QCOMPARE(colori(img, lato / 4, colonna).remove(finale), QStringLiteral("NBNBN"));
                QCOMPARE(colori(img, 3 * lato / 4, colonna).remove(finale),
                         QStringLiteral("NBNAN"));
            }
            QCOMPARE(img.pixel(lato - 2, lato - 2), qRgb(0, 0, 0));
        }
        const QImage tema(percorso(QStringLiteral("32x32/gridorapc.png")));
        QCOMPARE(tema.copy(0, 0, 31, 31).convertToFormat(QImage::Format_RGB32),
                 gridora::risorse::immagine(u"ICONA").convertToFormat(QImage::Format_RGB32));
    }

    // The SVG's rectangles, painted in order on whole pixels, give the 256-pixel picture.
    void svgComeLaGrigliaGrande()
    {
        QFile file(percorso(QStringLiteral("scalable/gridorapc.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QImage dipinta(256, 256, QImage::Format_ARGB32);
        dipinta.fill(Qt::transparent);
        QPainter pittore(&dipinta);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == u"svg")
                QCOMPARE(a.value("viewBox"), u"0 0 256 256");
            if (xml.name() == u"rect")
                pittore.fillRect(QRect(a.value("x").toInt(), a.value("y").toInt(),
                                       a.value("width").toInt(), a.value("height").toInt()),
                                 QColor(a.value("fill")));
        }
        pittore.end();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(dipinta, QImage(percorso(QStringLiteral("256x256/gridorapc.png")))
                              .convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestIconeTema)
#include "tst_icone_tema.moc"
