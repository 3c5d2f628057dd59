// The collection text reader, puzzle names in proper case and the starting collection built into
// the program.

#include "Disegni.h"
#include "model/Collezione.h"
#include "model/Indizi.h"
#include "model/Nomi.h"
#include "model/RisolutoreCompleto.h"

#include <QSet>
#include <QTest>
#include <optional>

using namespace gridora;

namespace {

const QStringList Cuore = {".#.#.", "#####", "#####", ".###.", "..#.."};
const QStringList Casa = {"..#..", ".###.", "#####", "##.##", "##.##"};

// Two puzzles, the second with a name of the longest length allowed.
const QString TestoCorretto =
    (QStringList{"// two puzzles", "", "Cuore"} + Cuore +
     QStringList{"", "", "// 25 characters", "Casa con giardino e forno"} + Casa)
        .join(u'\n') +
    u'\n';

// The smallest of a picture's eight orientations: turned a quarter at a time, then mirrored.
QString forma(QString pixel, int lato)
{
    QString minima = pixel;
    for (int k = 1; k < 8; ++k) {
        QString t(pixel.size(), u'0');
        for (int i = 0; i < pixel.size(); ++i) {
            const int r = i / lato, c = i % lato;
            t[k == 4 ? r * lato + lato - 1 - c : c * lato + lato - 1 - r] = pixel[i];
        }
        pixel = t;
        minima = std::min(minima, pixel);
    }
    return minima;
}

} // namespace

class TestCollezione : public QObject {
    Q_OBJECT

private slots:
    // Blanks at line ends, Windows line endings, a byte-order mark and a missing final newline
    // change nothing.
    void leggeUnTestoCorretto()
    {
        QString variato = TestoCorretto;
        variato.replace(u'\n', QStringLiteral(" \t\r\n")).prepend(QChar(0xFEFF)).chop(4);
        for (const QString& testo : {TestoCorretto, variato}) {
            QString errore = QStringLiteral("not cleared");
            const QList<VoceCollezione> voci = leggiCollezione(testo, 5, &errore);
            QVERIFY2(errore.isEmpty(), qPrintable(errore));
            QCOMPARE(voci.size(), 2);
            QCOMPARE(voci[0].nome, u"Cuore"_qs);
            QCOMPARE(voci[0].pixel, pixelDi(Cuore));
            QCOMPARE(voci[1].nome, u"Casa con giardino e forno"_qs);
            QCOMPARE(voci[1].pixel, pixelDi(Casa));
        }
        QString errore;
        QVERIFY(leggiCollezione(u"// nothing yet\n\n"_qs, 5, &errore).isEmpty() &&
                errore.isEmpty());
    }

    // The first fault refuses the whole text and names its line.
    void rifiutaTestoMalformato()
    {
        const QString cuore = QStringLiteral("Cuore\n.#.#.\n#####\n#####\n.###.\n..#..\n");
        const QString lungo = QString(cuore).replace("Cuore", "Casa con giardino e fornoo");
        const QString rotto = QString(cuore).replace("Cuore", "Casa").replace(".###.", ".#o#.");
        for (const auto& [testo, riga] : std::initializer_list<std::pair<QString, int>>{
                 {"Cuore\n.#.#.\n####\n#####\n.###.\n..#..\n", 3},  // a short row
                 {"Cuore\n.#.#.\n#####\n##x##\n.###.\n..#..\n", 4}, // a stray character
                 {"Cuore\n.#.#.\n#####\n\nCasa\n", 4},              // rows missing
                 {"Cuore\n.#.#.\n#####\n#####", 4},                 // text cut short
                 {cuore + "Casa\n", 7},                             // no blank line
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
        for (const auto& [digitato, salvato] : {std::pair{"gatto nero", "Gatto Nero"},
                                                {"GRIDORA-12", "Gridora-12"},
                                                {" due  spazi", " Due  Spazi"},
                                                {"l'ÀNCORA è qui", "L'àncora È Qui"},
                                                {"", ""}}) {
            QCOMPARE(nomeProprio(QString::fromUtf8(digitato)), QString::fromUtf8(salvato));
            QCOMPARE(nomeProprio(QString::fromUtf8(salvato)), QString::fromUtf8(salvato));
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
            QSet<QString> forme;
            int difficili = 0, facili = 0;
            for (const VoceCollezione& voce : voci) {
                const SequenzeDisegno indizi =
                    sequenzeDisegno(segniDaPixel(voce.pixel, lato), lato);
                const std::optional<int> passate = passateLogica(indizi.righe, indizi.colonne);
                QVERIFY2(voce.nome == nomeProprio(voce.nome) && voce.pixel.contains(u'1') &&
                             voce.pixel.contains(u'0') &&
                             !forme.contains(forma(voce.pixel, lato)) &&
                             contaSoluzioni(voce.pixel, lato).esito == Unicita::Unica &&
                             (passate || lato == 15),
                         qPrintable(voce.nome));
                forme.insert(forma(voce.pixel, lato));
                difficili += passate.value_or(99) >= 4 ? 1 : 0;
                facili += passate.value_or(99) <= 2 ? 1 : 0;
            }
            QVERIFY2(facili > 0 && (lato == 5 || difficili * 5 >= voci.size()),
                     qPrintable(QString::number(difficili)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCollezione)
#include "tst_collezione.moc"
