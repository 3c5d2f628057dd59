// A picture of the whole starting collection: every puzzle of the three sizes drawn small with
// its name, so that anyone can see the pictures without solving them.
// Run: raccolta CARTELLA_COLLEZIONE USCITA.png   (the folder of disegni5.txt, disegni10.txt and
// disegni15.txt; `cmake --build build --target raccolta_png` writes docs/raccolta.png)

#include "model/Collezione.h"
#include "model/Lati.h"
#include "resources/Risorse.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int Colonne = 10;     // puzzles side by side
constexpr int Larghezza = 132;  // of one puzzle's place, pixels
constexpr int LatoFigura = 75;  // of the largest picture (15 cells of 5 pixels)
constexpr int AltezzaNome = 16; // the name under its picture
constexpr int Margine = 12;
constexpr int AltezzaTitolo = 30;

struct Sezione {
    int lato;
    QList<gridora::VoceCollezione> voci;
};

int altezzaSezione(const Sezione& s)
{
    const int righe = (int(s.voci.size()) + Colonne - 1) / Colonne;
    return AltezzaTitolo + righe * (LatoFigura + AltezzaNome + Margine);
}

// The picture centred in its place, a square per cell, and the name below.
void disegnaVoce(QPainter& p, QPoint angolo, const gridora::VoceCollezione& voce, int lato)
{
    const int cella = LatoFigura / lato;
    const QPoint origine = angolo + QPoint((Larghezza - cella * lato) / 2, 0);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(origine, QSize(cella * lato, cella * lato)), QColor(0xFF, 0xFF, 0xC0));
    for (int k = 0; k < lato * lato; ++k) {
        if (voce.pixel.at(k) == u'1')
            p.fillRect(origine.x() + (k % lato) * cella, origine.y() + (k / lato) * cella, cella,
                       cella, Qt::black);
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRect(origine, QSize(cella * lato, cella * lato)).adjusted(-1, -1, 0, 0));
    p.setPen(Qt::black);
    p.drawText(QRect(angolo.x(), angolo.y() + LatoFigura + 2, Larghezza, AltezzaNome),
               Qt::AlignHCenter | Qt::AlignTop, voce.nome);
}

QImage disegnaRaccolta(const QList<Sezione>& sezioni)
{
    int altezza = Margine;
    for (const Sezione& s : sezioni)
        altezza += altezzaSezione(s);
    QImage foglio(Margine * 2 + Colonne * Larghezza, altezza, QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter p(&foglio);
    QFont titolo(gridora::risorse::famigliaCaratteri());
    titolo.setPixelSize(16);
    titolo.setBold(true);
    QFont nomi(gridora::risorse::famigliaCaratteri());
    nomi.setPixelSize(11);
    int y = Margine;
    for (const Sezione& s : sezioni) {
        p.setFont(titolo);
        p.drawText(Margine, y + 18,
                   QStringLiteral("%1 (%2x%2): %3 schemi")
                       .arg(QLatin1String(gridora::fattiLato(s.lato).parola))
                       .arg(s.lato)
                       .arg(s.voci.size()));
        p.setFont(nomi);
        for (int i = 0; i < s.voci.size(); ++i) {
            const QPoint angolo(Margine + (i % Colonne) * Larghezza,
                                y + AltezzaTitolo +
                                    (i / Colonne) * (LatoFigura + AltezzaNome + Margine));
            disegnaVoce(p, angolo, s.voci.at(i), s.lato);
        }
        y += altezzaSezione(s);
    }
    return foglio;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream errori(stderr);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() != 3) {
        errori << "uso: raccolta CARTELLA_COLLEZIONE USCITA.png\n";
        return 2;
    }
    QList<Sezione> sezioni;
    for (const int lato : gridora::Lati) {
        QFile file(QDir(argomenti.at(1)).filePath(QStringLiteral("disegni%1.txt").arg(lato)));
        QString errore;
        if (!file.open(QIODevice::ReadOnly)) {
            errori << "impossibile leggere " << file.fileName() << '\n';
            return 1;
        }
        sezioni.append(
            {lato, gridora::leggiCollezione(QString::fromUtf8(file.readAll()), lato, &errore)});
        if (!errore.isEmpty()) {
            errori << file.fileName() << ": " << errore << '\n';
            return 1;
        }
    }
    if (!disegnaRaccolta(sezioni).save(argomenti.at(2), "PNG")) {
        errori << "impossibile scrivere " << argomenti.at(2) << '\n';
        return 1;
    }
    return 0;
}
