// The collection text reader, the line solver and the starting collection built into the program.

#include "Disegni.h"
#include "model/Collezione.h"
#include "model/Indizi.h"
#include "model/Nomi.h"
#include "model/Risolutore.h"
#include "model/Tavola.h"

#include <QSet>
#include <QTest>
#include <optional>
#include <vector>

using namespace gridora;

using IndiziLinee = std::vector<Sequenze>;
Q_DECLARE_METATYPE(IndiziLinee)

namespace {

IndiziLinee indiziRighe(const QString& celle, int lato)
{
    const Segni segni = segniDaPixel(celle, lato);
    IndiziLinee righe;
    for (int r = 0; r < lato; ++r)
        righe.push_back(sequenzeRiga(segni, lato, r));
    return righe;
}

IndiziLinee indiziColonne(const QString& celle, int lato)
{
    const Segni segni = segniDaPixel(celle, lato);
    IndiziLinee colonne;
    for (int c = 0; c < lato; ++c)
        colonne.push_back(sequenzeColonna(segni, lato, c));
    return colonne;
}

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

    void leggeUnTestoCorretto()
    {
        QString errore = QStringLiteral("not cleared");
        const QList<VoceCollezione> voci = leggiCollezione(testoCorretto, 5, &errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QCOMPARE(voci.size(), 2);
        QCOMPARE(voci[0].nome, QStringLiteral("Cuore"));
        QCOMPARE(voci[0].pixel, pixelDi({".#.#.", "#####", "#####", ".###.", "..#.."}));
        QCOMPARE(voci[1].nome, QStringLiteral("Casa con giardino e forno"));
        QCOMPARE(voci[1].pixel, pixelDi({"..#..", ".###.", "#####", "##.##", "##.##"}));
    }

    // Blanks at line ends, Windows line endings, a byte-order mark and a missing final newline
    // change nothing.
    void tolleraSpaziFinaliECrlf()
    {
        QString variato = testoCorretto;
        variato.replace(u'\n', QStringLiteral(" \t\r\n"));
        variato.prepend(QChar(0xFEFF));
        variato.chop(4);
        QString errore;
        const QList<VoceCollezione> voci = leggiCollezione(variato, 5, &errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        const QList<VoceCollezione> attese = leggiCollezione(testoCorretto, 5);
        QCOMPARE(voci.size(), attese.size());
        for (qsizetype i = 0; i < voci.size(); ++i) {
            QCOMPARE(voci[i].nome, attese[i].nome);
            QCOMPARE(voci[i].pixel, attese[i].pixel);
        }
    }

    void testoSenzaDisegni()
    {
        QString errore = QStringLiteral("not cleared");
        QVERIFY(leggiCollezione(QStringLiteral("// nothing yet\n\n"), 10, &errore).isEmpty());
        QVERIFY(errore.isEmpty());
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
        QTest::newRow("nome dopo un nome") << "Cuore\nCasa\n" << 2;
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
        // The same text is a fault for another valid side, because its rows are too short.
        QVERIFY(leggiCollezione(testoCorretto, 10, &errore).isEmpty());
        QVERIFY(errore.startsWith(QStringLiteral("riga 4:")));
    }

    // --- The line solver ---

    void risolutore_data()
    {
        QTest::addColumn<IndiziLinee>("righe");
        QTest::addColumn<IndiziLinee>("colonne");
        QTest::addColumn<QString>("attesa"); // empty: line logic must give up

        const QString casa = pixelDi({"..#..", ".###.", "#####", "##.##", "##.##"});
        QTest::newRow("casa") << IndiziLinee{{1}, {3}, {5}, {2, 2}, {2, 2}}
                              << IndiziLinee{{3}, {4}, {3}, {4}, {3}} << casa;
        QTest::newRow("tavola vuota") << IndiziLinee(5) << IndiziLinee(5) << QString(25, u'0');
        QTest::newRow("zero per una riga vuota")
            << IndiziLinee{{0}, {0}, {0}, {0}, {0}} << IndiziLinee(5) << QString(25, u'0');
        QTest::newRow("tavola piena")
            << IndiziLinee(10, {10}) << IndiziLinee(10, {10}) << QString(100, u'1');
        // Two filled cells on a diagonal, or on the other one: two solutions.
        QTest::newRow("due soluzioni")
            << IndiziLinee{{1}, {1}, {}, {}, {}} << IndiziLinee{{1}, {1}, {}, {}, {}} << QString();
        // This board has exactly one solution, but no single line ever forces a cell: finding it
        // takes a guess, which line logic does not make.
        QTest::newRow("unica ma non per linee")
            << IndiziLinee{{2, 1}, {2, 1}, {1}, {2}, {1}}
            << IndiziLinee{{1, 1}, {2, 1}, {2}, {}, {2, 1}} << QString();
        QTest::newRow("righe e colonne in disaccordo")
            << IndiziLinee(5, {5}) << IndiziLinee(5, {4}) << QString();
        QTest::newRow("sequenze troppo lunghe per la riga")
            << IndiziLinee{{3, 2}, {}, {}, {}, {}} << IndiziLinee{{1}, {1}, {1}, {1}, {1}}
            << QString();
        QTest::newRow("sequenza negativa")
            << IndiziLinee{{-1}, {}, {}, {}, {}} << IndiziLinee(5) << QString();
        QTest::newRow("righe e colonne in numero diverso")
            << IndiziLinee(5) << IndiziLinee(4) << QString();
        QTest::newRow("nessuna riga") << IndiziLinee() << IndiziLinee() << QString();
    }

    void risolutore()
    {
        QFETCH(IndiziLinee, righe);
        QFETCH(IndiziLinee, colonne);
        QFETCH(QString, attesa);
        const std::optional<QString> soluzione = risolviConLogica(righe, colonne);
        if (attesa.isEmpty()) {
            QVERIFY2(!soluzione, qPrintable(soluzione.value_or(QString())));
        } else {
            QVERIFY(soluzione);
            QCOMPARE(*soluzione, attesa);
        }
    }

    // --- The starting collection ---

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

    void collezioneIniziale()
    {
        QFETCH(int, lato);
        const QList<VoceCollezione> voci = gridora::collezioneIniziale(lato);
        QVERIFY2(voci.size() >= 15, qPrintable(QString::number(voci.size())));

        QSet<QString> nomi;
        QSet<QString> disegni;
        for (const VoceCollezione& voce : voci) {
            const QString& nome = voce.nome;
            QVERIFY2(!nome.isEmpty() && nome.size() <= 25, qPrintable(nome));
            QVERIFY2(nome == nome.trimmed(), qPrintable(nome));
            QVERIFY2(nome == nomeProprio(nome), qPrintable(nome)); // as the editor stores names
            QVERIFY2(!nomi.contains(nome), qPrintable(nome));
            nomi.insert(nome);

            QVERIFY2(pixelValido(voce.pixel, lato), qPrintable(nome));
            QVERIFY2(voce.pixel.contains(u'1'), qPrintable(nome));
            QVERIFY2(voce.pixel.contains(u'0'), qPrintable(nome));
            QVERIFY2(!disegni.contains(voce.pixel), qPrintable(nome));
            disegni.insert(voce.pixel);
        }
    }

    // Every picture has a single solution that a player reaches without guessing.
    void ogniDisegnoSiRisolvePerLinee_data() { collezioneIniziale_data(); }

    void ogniDisegnoSiRisolvePerLinee()
    {
        QFETCH(int, lato);
        const QList<VoceCollezione> voci = gridora::collezioneIniziale(lato);
        QVERIFY(!voci.isEmpty());
        for (const VoceCollezione& voce : voci) {
            const std::optional<QString> soluzione =
                risolviConLogica(indiziRighe(voce.pixel, lato), indiziColonne(voce.pixel, lato));
            QVERIFY2(soluzione.has_value(), qPrintable(voce.nome));
            QVERIFY2(*soluzione == voce.pixel, qPrintable(voce.nome));
        }
    }

    void nessunaCollezionePerAltriLati()
    {
        QVERIFY(gridora::collezioneIniziale(7).isEmpty());
        QVERIFY(gridora::collezioneIniziale(0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCollezione)
#include "tst_collezione.moc"
