// The collection text reader, puzzle names in proper case and the starting collection built into
// the program.

#include "Disegni.h"
#include "model/Collezione.h"
#include "model/Indizi.h"
#include "model/Nomi.h"
#include "model/Risolutore.h"

#include <QSet>
#include <QTest>

using namespace gridora;

namespace {

const QString testoCorretto = QStringLiteral("// two puzzles\n"
                                             "\n"
                                             "Cuore\n"
                                             ".#.#.\n"
                                             "#####\n"
                                             "#####\n"
                                             ".###.\n"
                                             "..#..\n"
                                             "\n"
                                             "\n"
                                             "// the name may be 25 characters long\n"
                                             "Casa con giardino e forno\n"
                                             "..#..\n"
                                             ".###.\n"
                                             "#####\n"
                                             "##.##\n"
                                             "##.##\n");

} // namespace

class TestCollezione : public QObject {
    Q_OBJECT

private slots:
    // --- Reading a collection text ---

    void leggeUnTestoCorretto_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("disegni");

        QTest::newRow("due disegni") << testoCorretto << 2;
        // Blanks at line ends, Windows line endings, a byte-order mark and a missing final newline
        // change nothing.
        QString variato = testoCorretto;
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
        const QList<VoceCollezione> attese = {
            {"Cuore", pixelDi({".#.#.", "#####", "#####", ".###.", "..#.."})},
            {"Casa con giardino e forno", pixelDi({"..#..", ".###.", "#####", "##.##", "##.##"})}};
        QCOMPARE(voci.size(), disegni);
        for (qsizetype i = 0; i < voci.size(); ++i) {
            QCOMPARE(voci[i].nome, attese[i].nome);
            QCOMPARE(voci[i].pixel, attese[i].pixel);
        }
    }

    void rifiutaTestoMalformato_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("rigaErrore");

        const QString cuore = QStringLiteral("Cuore\n.#.#.\n#####\n#####\n.###.\n..#..\n");
        QTest::newRow("riga corta") << "Cuore\n.#.#.\n####\n#####\n.###.\n..#..\n" << 3;
        QTest::newRow("riga lunga") << "Cuore\n.#.#.\n#####\n######\n.###.\n..#..\n" << 4;
        QTest::newRow("carattere estraneo") << "Cuore\n.#.#.\n#####\n##x##\n.###.\n..#..\n" << 4;
        QTest::newRow("spazio in testa a una riga") << "Cuore\n.#.#.\n #####\n#####\n.###.\n..#..\n"
                                                    << 3;
        QTest::newRow("commento dentro il disegno")
            << "Cuore\n.#.#.\n// no\n#####\n#####\n.###.\n..#..\n"
            << 3;
        QTest::newRow("righe mancanti") << "Cuore\n.#.#.\n#####\n\nCasa\n" << 4;
        QTest::newRow("testo interrotto") << "Cuore\n.#.#.\n#####\n#####" << 4;
        QTest::newRow("righe in più") << cuore.chopped(1) + "\n#...#\n" << 7;
        QTest::newRow("disegno senza nome") << ".#.#.\n#####\n#####\n.###.\n..#..\n" << 1;
        QTest::newRow("manca la riga vuota") << cuore + "Casa\n" << 7;
        QTest::newRow("commento senza riga vuota") << cuore + "// more\n" << 7;
        QTest::newRow("nome minuscolo") << "// one\ncuore\n.#.#.\n" << 2;
        QTest::newRow("nome con spazio in testa") << "\n Cuore\n.#.#.\n" << 2;
        QTest::newRow("nome troppo lungo") << cuore + "\nCasa con giardino e fornoo\n" << 8;
        QTest::newRow("nome ripetuto") << cuore + "\n" + cuore << 8;
        // A fault after good puzzles refuses them too.
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

    void rifiutaLatoNonValido()
    {
        QString errore;
        QVERIFY(leggiCollezione(testoCorretto, 7, &errore).isEmpty());
        QVERIFY(!errore.isEmpty());
    }

    void nomiPropri_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("salvato");
        QTest::newRow("parole minuscole") << "gatto nero"
                                          << "Gatto Nero";
        QTest::newRow("tutto maiuscolo") << "GRIDORA-12"
                                         << "Gridora-12";
        QTest::newRow("spazi ripetuti") << " due  spazi"
                                        << " Due  Spazi";
        QTest::newRow("apostrofo e accenti") << "l'ÀNCORA è qui"
                                             << "L'àncora È Qui";
        QTest::newRow("vuoto") << ""
                               << "";
    }
    void nomiPropri()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, salvato);
        QCOMPARE(nomeProprio(digitato), salvato);
        QCOMPARE(nomeProprio(salvato), salvato);
    }

    void collezioneIniziale_data()
    {
        QTest::addColumn<int>("lato");
        for (const int lato : {5, 10, 15})
            QTest::addRow("%dx%d", lato, lato) << lato;
    }

    // What the reader does not check already: names as the editor stores them, and pictures that
    // are neither empty nor full, all different, each with a single solution that a player
    // reaches without guessing.
    void collezioneIniziale()
    {
        QFETCH(int, lato);
        const QList<VoceCollezione> voci = gridora::collezioneIniziale(lato);
        QVERIFY2(voci.size() >= 15, qPrintable(QString::number(voci.size())));

        QSet<QString> disegni;
        for (const VoceCollezione& voce : voci) {
            QVERIFY2(voce.nome == nomeProprio(voce.nome), qPrintable(voce.nome));
            QVERIFY2(voce.pixel.contains(u'1'), qPrintable(voce.nome));
            QVERIFY2(voce.pixel.contains(u'0'), qPrintable(voce.nome));
            QVERIFY2(!disegni.contains(voce.pixel), qPrintable(voce.nome));
            disegni.insert(voce.pixel);

            const Segni segni = segniDaPixel(voce.pixel, lato);
            std::vector<Sequenze> righe;
            std::vector<Sequenze> colonne;
            for (int k = 0; k < lato; ++k) {
                righe.push_back(sequenzeRiga(segni, lato, k));
                colonne.push_back(sequenzeColonna(segni, lato, k));
            }
            QVERIFY2(risolviConLogica(righe, colonne) == voce.pixel, qPrintable(voce.nome));
        }
    }
};

QTEST_GUILESS_MAIN(TestCollezione)
#include "tst_collezione.moc"
