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
#include <tuple>

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

} // namespace

class TestCollezione : public QObject {
    Q_OBJECT

private slots:
    void leggeUnTestoCorretto_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("disegni");

        QTest::newRow("due disegni") << TestoCorretto << 2;
        // Blanks at line ends, Windows line endings, a byte-order mark and a missing final newline
        // change nothing.
        QString variato = TestoCorretto;
        variato.replace(u'\n', QStringLiteral(" \t\r\n")).prepend(QChar(0xFEFF));
        variato.chop(4);
        QTest::newRow("spazi, CRLF e BOM") << variato << 2;
        QTest::newRow("senza disegni") << "// nothing yet\n\n" << 0;
    }
    void leggeUnTestoCorretto()
    {
        QFETCH(QString, testo);
        QFETCH(int, disegni);

        QString errore = QStringLiteral("not cleared");
        const QList<VoceCollezione> voci = leggiCollezione(testo, 5, &errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QCOMPARE(voci.size(), disegni);
        const QStringList nomi = {"Cuore", "Casa con giardino e forno"};
        for (qsizetype i = 0; i < voci.size(); ++i) {
            QCOMPARE(voci[i].nome, nomi[i]);
            QCOMPARE(voci[i].pixel, pixelDi(i == 0 ? Cuore : Casa));
        }
    }

    // The first fault refuses the whole text and names its line.
    void rifiutaTestoMalformato_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("rigaErrore");

        const QString cuore = QStringLiteral("Cuore\n.#.#.\n#####\n#####\n.###.\n..#..\n");
        QTest::newRow("riga corta") << "Cuore\n.#.#.\n####\n#####\n.###.\n..#..\n" << 3;
        QTest::newRow("carattere estraneo") << "Cuore\n.#.#.\n#####\n##x##\n.###.\n..#..\n" << 4;
        QTest::newRow("righe mancanti") << "Cuore\n.#.#.\n#####\n\nCasa\n" << 4;
        QTest::newRow("testo interrotto") << "Cuore\n.#.#.\n#####\n#####" << 4;
        QTest::newRow("manca la riga vuota") << cuore + "Casa\n" << 7;
        QTest::newRow("nome minuscolo") << "// one\ncuore\n.#.#.\n" << 2;
        QTest::newRow("nome troppo lungo")
            << cuore + "\n" + QString(cuore).replace("Cuore", "Casa con giardino e fornoo") << 8;
        QTest::newRow("nome ripetuto") << cuore + "\n" + cuore << 8;
        QTest::newRow("errore dopo disegni buoni")
            << cuore + "\n" + QString(cuore).replace("Cuore", "Casa").replace(".###.", ".#o#.")
            << 12;
    }
    void rifiutaTestoMalformato()
    {
        QFETCH(QString, testo);
        QFETCH(int, rigaErrore);
        QString errore;
        QVERIFY(leggiCollezione(testo, 5, &errore).isEmpty());
        const QString attesa = QStringLiteral("riga %1:").arg(rigaErrore);
        QVERIFY2(errore.startsWith(attesa), qPrintable(errore));
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
            QSet<QString> disegni;
            int difficili = 0;
            int facili = 0;
            for (const VoceCollezione& voce : voci) {
                QVERIFY2(voce.nome == nomeProprio(voce.nome), qPrintable(voce.nome));
                QVERIFY2(voce.pixel.contains(u'1'), qPrintable(voce.nome));
                QVERIFY2(voce.pixel.contains(u'0'), qPrintable(voce.nome));
                for (const QString& simmetrico : simmetrie(voce.pixel, lato))
                    QVERIFY2(!disegni.contains(simmetrico), qPrintable(voce.nome));
                disegni.insert(voce.pixel);

                const SequenzeDisegno indizi =
                    sequenzeDisegno(segniDaPixel(voce.pixel, lato), lato);
                const std::optional<int> passate = passateLogica(indizi.righe, indizi.colonne);
                const Unicita esito = contaSoluzioni(voce.pixel, lato).esito;
                QVERIFY2(esito == Unicita::Unica && (passate || lato == 15), qPrintable(voce.nome));
                difficili += passate.value_or(99) >= 4 ? 1 : 0;
                facili += passate.value_or(99) <= 2 ? 1 : 0;
            }
            QVERIFY2(facili > 0, qPrintable(QString::number(lato)));
            if (lato > 5)
                QVERIFY2(difficili * 5 >= voci.size(), qPrintable(QString::number(difficili)));
        }
    }

private:
    // A picture in its eight orientations: turned 0, 1, 2 and 3 quarters, each also mirrored.
    static QList<QString> simmetrie(const QString& pixel, int lato)
    {
        QList<QString> tutte;
        for (int trasformazione = 0; trasformazione < 8; ++trasformazione) {
            QString t(pixel.size(), u'0');
            for (int r = 0; r < lato; ++r) {
                for (int c = 0; c < lato; ++c) {
                    int rr = r, cc = trasformazione & 4 ? lato - 1 - c : c;
                    for (int q = 0; q < (trasformazione & 3); ++q)
                        std::tie(rr, cc) = std::pair{cc, lato - 1 - rr};
                    t[rr * lato + cc] = pixel.at(r * lato + c);
                }
            }
            tutte.append(t);
        }
        return tutte;
    }
};

QTEST_GUILESS_MAIN(TestCollezione)
#include "tst_collezione.moc"
