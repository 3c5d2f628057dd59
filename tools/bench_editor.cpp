// Benchmarks of the editor (not part of the test run), with 10,000 puzzles of 15 x 15 in the
// table: loading the list, a click with its clues and preview, a keystroke in the name box, a
// save up to its confirmation, and on a drawing with two pictures a click apart from the count
// and the frames of its ambiguous cells that follow it. Also saves pictures of the narrow and the
// widened window. Run: QT_QPA_PLATFORM=offscreen ./build/tools/bench_editor   (pictures go to the
// temporary folder, editor_stretto.png and editor_largo.png)

#include "Banco.h"
#include "RiempiArchivio.h"
#include "editor/Gridora.h"
#include "model/Collezione.h"

#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <ctime>

using namespace gridora;

namespace {

// The processor time of `passo`, in milliseconds: on a busy machine the wall-clock figures of
// QBENCHMARK also count the time other programs take.
template <typename Passo> double msProcessore(Passo passo)
{
    timespec da{}, a{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &da);
    passo();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
    return double(a.tv_sec - da.tv_sec) * 1e3 + double(a.tv_nsec - da.tv_nsec) / 1e6;
}

// The same averaged over `volte` calls.
template <typename Passo> void tempoProcessore(const char* cosa, int volte, Passo passo)
{
    const double ms = msProcessore([&] {
        for (int n = 0; n < volte; ++n)
            passo();
    });
    qInfo("%s: %.3f ms di processore", cosa, ms / volte);
}

Gridora* apriEditor(Banco& banco)
{
    banco.inizio->apriEditor(); // "Crea Schema"
    auto* editor = qobject_cast<Gridora*>(banco.inizio->figlia());
    Q_ASSERT(editor);
    const bool esposta = QTest::qWaitForWindowExposed(editor);
    Q_ASSERT(esposta);
    return editor;
}

void scegliLato(Gridora* editor, int lato)
{
    const QRadioButton* opzione = editor->controlli().Option1[lato / 5 - 1];
    clicca(editor, opzione->mapTo(editor, QPoint(6, opzione->height() / 2)));
}

} // namespace

class BenchEditor : public QObject {
    Q_OBJECT

    Banco m_banco;
    Gridora* m_editor = nullptr;

private slots:
    void initTestCase()
    {
        riempiTabella15(m_banco.archivio.percorso(), 10000);
        m_editor = apriEditor(m_banco);
        scegliLato(m_editor, 15);
        QVERIFY(m_banco.archivio.conta(15).valore >= 10000);
    }
    void cleanupTestCase() { delete m_editor; }

    // "Carica" with 10,000 puzzles: the listing, the list box, the first puzzle on the board and
    // the repaint.
    void caricaElenco()
    {
        const auto carica = [this] {
            clicca(m_editor->controlli().CaricaF);
            QCoreApplication::processEvents();
        };
        QBENCHMARK
        {
            carica();
        }
        tempoProcessore("Carica", 10, carica);
        QCOMPARE(m_editor->controlli().Lista->model()->rowCount(),
                 m_banco.archivio.conta(15).valore);
    }

    // One keystroke in the name box while the list is shown: the name box check looks through the
    // 10,000 names the list already holds, with no query. A letter and a backspace per round.
    void tastoNelNome()
    {
        clicca(m_editor->controlli().CaricaF);
        clicca(m_editor->controlli().Nome);
        const auto tasti = [this] {
            QTest::keyClick(m_editor->windowHandle(), 'x');
            QTest::keyClick(m_editor->windowHandle(), Qt::Key_Backspace);
            QCoreApplication::processEvents();
        };
        QBENCHMARK
        {
            tasti();
        }
        tempoProcessore("due tasti", 50, tasti);
        QVERIFY(m_editor->modoLista());
    }

    // A left click on a 15 x 15 cell: the mark, the clues, the preview and the repaint.
    void clicSuUnaCella()
    {
        scegliLato(m_editor, 10);
        scegliLato(m_editor, 15);
        const QPoint centro = m_editor->tavoliere().rettangoloCella(7, 7).center();
        const auto clic = [&] {
            clicca(m_editor, centro);
            QCoreApplication::processEvents();
        };
        QBENCHMARK
        {
            clic();
        }
        tempoProcessore("clic", 500, clic);
    }

    // On a 15 x 15 drawing with two pictures, a bird's cell filled and emptied again: the click
    // up to its change on the board, then what follows once it is on screen (the repaint, the
    // count of the pictures and the frames of the ambiguous cells).
    void segniDiAmbiguita()
    {
        scegliLato(m_editor, 10);
        scegliLato(m_editor, 15);
        m_editor->riceviImportazione(pixelDi(CasaConUccelli), 15);
        QCoreApplication::processEvents();
        QCOMPARE(m_editor->tavoliere().celleSegnalate().size(), 4);
        const QPoint cella = m_editor->tavoliere().rettangoloCella(1, 4).center();
        constexpr int Volte = 200;
        double clic = 0, dopo = 0;
        for (int n = 0; n < Volte; ++n) {
            clic += msProcessore([&] { clicca(m_editor, cella); });
            dopo += msProcessore([] { QCoreApplication::processEvents(); });
        }
        qInfo("clic su un disegno ambiguo: %.3f ms di processore", clic / Volte);
        qInfo("conteggio e segni dopo il clic: %.3f ms di processore", dopo / Volte);
        QCOMPARE(m_editor->tavoliere().celleSegnalate().size(), 4);
    }

    // "Salva" up to the answer "No": the duplicate check over 10,000 rows and the solution count
    // of a drawing of the collection with one cell changed.
    void salvataggioFinoAllaDomanda()
    {
        const QList<VoceCollezione> collezione = collezioneIniziale(15);
        QVERIFY(!collezione.isEmpty());
        m_banco.messaggi.risposta = false;
        scegliLato(m_editor, 10);
        scegliLato(m_editor, 15);
        m_editor->riceviImportazione(collezione.last().pixel, 15);
        clicca(m_editor, m_editor->tavoliere().rettangoloCella(7, 7).center()); // a new drawing
        QBENCHMARK
        {
            clicca(m_editor->controlli().SalvaF);
        }
        tempoProcessore("Salva fino alla domanda", 10,
                        [this] { clicca(m_editor->controlli().SalvaF); });
        QVERIFY(!m_banco.messaggi.domande.isEmpty());
    }

    // Pictures of the window with a 15 x 15 drawing: narrow while drawing, widened with the list.
    void istantanee()
    {
        Banco banco;
        Gridora* editor = apriEditor(banco);
        scegliLato(editor, 15);
        const QList<VoceCollezione> collezione = collezioneIniziale(15);
        editor->riceviImportazione(collezione.first().pixel, 15);
        for (int c = 0; c < 15; ++c) // a few crosses
            clicca(editor, editor->tavoliere().rettangoloCella(14, c).center(), Qt::RightButton);
        muovi(editor, editor->tavoliere().rettangoloCella(6, 7).center());
        muovi(editor, centroInFinestra(editor->controlli().ClearF));
        muovi(editor, editor->tavoliere().rettangoloCella(7, 7).center());
        const QString stretto = QDir::temp().filePath(QStringLiteral("editor_stretto.png"));
        QVERIFY(editor->grab().save(stretto));

        clicca(editor->controlli().CaricaF);
        clicca(editor, editor->tavoliere().rettangoloCella(0, 0).center());
        muovi(editor, editor->tavoliere().rettangoloCella(3, 4).center());
        muovi(editor, centroInFinestra(editor->controlli().ModF));
        const QString largo = QDir::temp().filePath(QStringLiteral("editor_largo.png"));
        QVERIFY(editor->grab().save(largo));
        qInfo("%s\n%s", qPrintable(stretto), qPrintable(largo));
        delete editor;
    }
};

QTEST_MAIN(BenchEditor)
#include "bench_editor.moc"
