// The whole path of a picture: from the start window to the editor, to the image import, back to
// the editor with the converted drawing, saved, and played in a game, all through the windows.

#include "SessioneEditor.h"
#include "import/Importa.h"

using namespace gridora;

namespace {

const QStringList Freccia = {"....##....", "...####...", "..######..", ".########.", "##########",
                             "...####...", "...####...", "...####...", "...####...", "...####..."};

bool attendi(Importa* importa)
{
    return QTest::qWaitForWindowExposed(importa) &&
           QTest::qWaitFor([importa] { return !importa->occupata(); }, 10000);
}

} // namespace

class TestPercorso : public QObject {
    Q_OBJECT

private slots:
    // The import converts at the side chosen in the editor; "Crea Schema" opens again at the side
    // last chosen in the import, and finds the same import window.
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
        clicca(s.c().SalvaF);
        s.scegliLato(15);
        s.editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();

        clicca(s.banco.inizio->Libero);
        QPointer<Gridora> editor = qobject_cast<Gridora*>(s.banco.inizio->figlia());
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor) && editor->lato() == 10);
        clicca(editor->controlli().ImportaF);
        QVERIFY(editor->importa() == importa && attendi(importa));
        importa->close();
        QVERIFY(editor->isVisible());
        editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();

        // The imported puzzle is the one a 10x10 game now plays.
        s.banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = s.banco.apri(10);
        QCOMPARE(gioco->disegno().pixel, pixelDi(Freccia));
    }
};

QTEST_MAIN(TestPercorso)
#include "tst_percorso.moc"
