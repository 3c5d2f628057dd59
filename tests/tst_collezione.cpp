// The collection text reader, puzzle names in proper case and the starting collection built into
// the program.

#include "model/Collezione.h"
#include "model/Nomi.h"
#include "model/RisolutoreCompleto.h"

#include <QSet>
#include <QTest>

using namespace gridora;

namespace {

// The picture's eight orientations: turned a quarter at a time, then mirrored.
QSet<QString> orientamenti(QString p, int lato)
{
    QSet<QString> tutti;
    for (int k = 0; k < 8; ++k) {
        QString t(p.size(), u'0');
        for (int i = 0; i < p.size(); ++i) {
            const int r = i / lato, c = i % lato;
            t[k == 4 ? r * lato + lato - 1 - c : c * lato + lato - 1 - r] = p[i];
        }
        tutti << (p = t);
    }
    return tutti;
}

} // namespace

class TestCollezione : public QObject {
    Q_OBJECT

private slots:
    // Blanks at line ends, Windows line endings, a byte-order mark and a missing final newline
    // change nothing. The first fault refuses the whole text and names its line.
    void lettura()
    {
        const QString cuore = u"Cuore\n.#.#.\n#####\n#####\n.###.\n..#..\n"_qs;
        const QString casa = u"Casa con giardino e forno\n..#..\n.###.\n#####\n##.##\n##.##\n"_qs;
        const QString corretto =
            u"// two puzzles\n\n"_qs + cuore + u"\n\n// 25 characters\n"_qs + casa;
        QString variato = corretto;
        variato.replace(u'\n', u" \t\r\n"_qs).prepend(QChar(0xFEFF)).chop(4);
        for (const QString& testo : {corretto, variato}) {
            QString errore = u"not cleared"_qs;
            const QList<VoceCollezione> voci = leggiCollezione(testo, 5, &errore);
            QVERIFY2(errore.isEmpty() && voci.size() == 2, qPrintable(errore));
            QCOMPARE(
                voci[0].nome + voci[0].pixel + voci[1].nome + voci[1].pixel,
                u"Cuore0101011111111110111000100Casa con giardino e forno0010001110111111101111011"_qs);
        }
        const QString lungo = QString(cuore).replace("Cuore", "Casa con giardino e fornoo");
        const QString rotto = QString(cuore).replace("Cuore", "Casa").replace(".###.", ".#o#.");
        for (const auto& [testo, riga] : std::initializer_list<std::pair<QString, int>>{
                 {"Cuore\n.#.#.\n####\n#####\n.###.\n..#..\n", 3},  // a short row
                 {"Cuore\n.#.#.\n#####\n##x##\n.###.\n..#..\n", 4}, // a stray character
                 {"Cuore\n.#.#.\n#####\n\nCasa\n", 4},              // rows missing
                 {"Cuore\n.#.#.\n#####\n#####", 4},                 // text cut short
                 {cuore + casa, 7},                                 // no blank line
                 {"// one\ncuore\n.#.#.\n", 2},                     // a lower-case name
                 {cuore + "\n" + lungo, 8},
                 {cuore + "\n" + cuore, 8},
                 {cuore + "\n" + rotto, 12}}) {
            QString errore;
            QVERIFY(leggiCollezione(testo, 5, &errore).isEmpty());
            QVERIFY2(errore.startsWith(QStringLiteral("riga %1:").arg(riga)), qPrintable(errore));
        }
    }

    // Names as the editor stores them: only a blank starts a word, and blanks are kept.
    void nomiPropri()
    {
        const QStringList casi = {"gatto nero",  "Gatto Nero",  "GRIDORA-12",     "Gridora-12",
                                  " due  spazi", " Due  Spazi", "l'ÀNCORA è qui", "L'àncora È Qui"};
        for (int k = 0; k < casi.size(); k += 2) {
            QCOMPARE(nomeProprio(casi[k]), casi[k + 1]);
            QCOMPARE(nomeProprio(casi[k + 1]), casi[k + 1]);
        }
    }

    // What the reader does not check already: names as the editor stores them; pictures that are
    // neither empty nor full, none the same as another even mirrored or turned; each with a
    // single solution, which line logic alone reaches (on 5 x 5 and 10 x 10 always); and a
    // spread of difficulty, by the sweeps of line logic a puzzle needs: at least a fifth of the
    // 10 x 10 and 15 x 15 ones need four or more, and every size has easy ones.
    void collezioneIniziale()
    {
        for (const int lato : {5, 10, 15}) {
            const QList<VoceCollezione> voci = gridora::collezioneIniziale(lato);
            QVERIFY2(voci.size() >= 50, qPrintable(QString::number(voci.size())));
            QSet<QString> viste;
            int difficili = 0, facili = 0;
            for (const VoceCollezione& voce : voci) {
                const SequenzeDisegno i = sequenzeDiPixel(voce.pixel, lato, lato);
                const int passate = passateLogica(i.righe, i.colonne).value_or(99);
                QVERIFY2(voce.nome == nomeProprio(voce.nome) && voce.pixel.contains(u'1') &&
                             voce.pixel.contains(u'0') && !viste.contains(voce.pixel) &&
                             contaSoluzioni(voce.pixel, lato).esito == Unicita::Unica &&
                             (passate < 99 || lato == 15),
                         qPrintable(voce.nome));
                viste.unite(orientamenti(voce.pixel, lato));
                difficili += passate >= 4 ? 1 : 0;
                facili += passate <= 2 ? 1 : 0;
            }
            QVERIFY2(facili > 0 && (lato == 5 || difficili * 5 >= voci.size()),
                     qPrintable(QString::number(difficili)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCollezione)
#include "tst_collezione.moc"
