// The whole path of a picture: from the start window to the editor, to the image import, back to
// the editor with the converted drawing, saved, and played in a game, all through the windows.

#include "Figure.h"
#include "SessioneEditor.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "model/FormatoNon.h"
#include "widgets/Forme.h"

#include <QStringListModel>

using namespace gridora;

namespace {

const QStringList Freccia = {"....##....", "...####...", "..######..", ".########.", "##########",
                             "...####...", "...####...", "...####...", "...####...", "...####..."};

bool attendi(Importa* importa)
{
    return QTest::qWaitForWindowExposed(importa) &&
           QTest::qWaitFor([importa] { return !importa->occupata(); }, 10000);
}

// A puzzle file without its picture: the reader has to find it from the clues.
QByteArray senzaGoal(const QString& titolo, const QStringList& righe)
{
    const int lato = int(righe.size());
    const QList<QByteArray> linee = scriviNon(titolo, lato, lato, pixelDi(righe)).split('\n');
    QByteArray testo;
    for (const QByteArray& linea : linee) {
        if (!linea.startsWith("goal"))
            testo += linea + '\n';
    }
    return testo;
}

} // namespace

class TestPercorso : public QObject {
    Q_OBJECT

private slots:
    void dallaFiguraAllaPartita()
    {
        Sessione s({}, 10); // no 10 x 10 puzzle
        QTemporaryDir cartella;
        QImage figura(200, 200, QImage::Format_RGB32); // 20 pixels a cell
        for (int k = 0; k < 200 * 200; ++k)
            figura.setPixel(k % 200, k / 200,
                            Freccia[k / 4000][k % 200 / 20] == u'#' ? qRgb(200, 30, 30)
                                                                    : qRgb(250, 250, 250));
        QVERIFY(figura.save(cartella.filePath("freccia.bmp"), "BMP"));
        s.editor->sessioneImportazione().cartella = cartella.path();
        s.scegliLato(10);
        clicca(s.c().ImportaF);
        Importa* importa = s.editor->importa();
        QVERIFY(importa && attendi(importa) && !s.editor->isVisible());
        const auto& c = importa->controlli();
        const QModelIndex voce = c.File1->model()->index(0, 0);
        clicca(importa, c.File1->viewport()->mapTo(importa, c.File1->visualRect(voce).center()));
        QVERIFY(attendi(importa));
        clicca(c.Importami); // "Trasforma"
        clicca(c.Importami); // "Importa"
        QVERIFY(s.editor->isVisible() && !importa->isVisible());
        QCOMPARE(s.pixel(), pixelDi(Freccia));
        s.scrivi(QStringLiteral("freccia rossa"));
        clicca(s.c().SalvaF);
        s.scegliLato(15);
        s.editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();

        // "Crea Schema" again: the side last chosen in the import, which shows its folder, its
        // files and the picture as they were.
        clicca(s.banco.inizio->Libero);
        QPointer<Gridora> editor = qobject_cast<Gridora*>(s.banco.inizio->figlia());
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor) && editor->lato() == 10);
        clicca(editor->controlli().ImportaF);
        QVERIFY(editor->importa() == importa && attendi(importa));
        QCOMPARE(importa->cartella(), cartella.path());
        QCOMPARE(static_cast<QStringListModel*>(c.File1->model())->stringList(),
                 QStringList{"freccia.bmp"});
        QVERIFY(c.test->haFigura());
        importa->close();
        QVERIFY(editor->isVisible());
        editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();

        // The imported puzzle is the one a 10x10 game now plays.
        s.banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = s.banco.apri(10);
        QCOMPARE(gioco->disegno().pixel, pixelDi(Freccia));
    }

    // A puzzle file of another side than the editor's: choosing it moves the size choice to its
    // side, the conversion gives exactly its cells, and the editor stores them under its title.
    void dalloSchemaAllaRaccolta()
    {
        Sessione s; // 5 x 5
        QTemporaryDir cartella;
        scriviFile(cartella.filePath("freccia.NON"),
                   senzaGoal(QStringLiteral("  una freccia & un arco  "), Freccia));
        s.editor->sessioneImportazione().cartella = cartella.path();
        clicca(s.c().ImportaF);
        Importa* importa = s.editor->importa();
        QVERIFY(importa && QTest::qWaitForWindowExposed(importa) && attendi(importa));
        const auto& c = importa->controlli();
        const QModelIndex voce = c.File1->model()->index(0, 0);
        QCOMPARE(voce.data().toString(), QStringLiteral("freccia.NON"));
        clicca(importa, c.File1->viewport()->mapTo(importa, c.File1->visualRect(voce).center()));
        QVERIFY(attendi(importa));
        QVERIFY(c.test->haFigura());
        QVERIFY(c.Option1[1]->isChecked());
        QVERIFY(c.risultato->celle().isEmpty()); // nothing converted before "Trasforma"
        clicca(c.Importami);
        QCOMPARE(importa->celle(), pixelDi(Freccia));
        clicca(c.Importami);

        QVERIFY(s.editor->isVisible());
        QCOMPARE(s.editor->lato(), 10);
        QCOMPARE(s.c().Nome->text(), QStringLiteral("una freccia & un arco"));
        clicca(s.c().SalvaF);
        QVERIFY(s.avvisi().last().endsWith(QStringLiteral("Disegno Salvato")));
        const auto righe = s.banco.archivio.elenco(10);
        QVERIFY(righe.ok() && !righe.valore.isEmpty());
        QCOMPARE(righe.valore.last().nome, QStringLiteral("Una Freccia & Un Arco"));
        QCOMPARE(righe.valore.last().pixel, pixelDi(Freccia));
    }
};

QTEST_MAIN(TestPercorso)
#include "tst_percorso.moc"
