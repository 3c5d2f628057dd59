#pragma once

// An editor session through the real windows: the editor opened by "Crea Schema" on a bench whose
// database holds chosen puzzles of a side (5 x 5 unless told), the hands that draw, type and pick,
// and what the board shows.

#include "Banco.h"
#include "editor/Gridora.h"
#include "widgets/Anteprima.h"

#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

namespace gridora {

// Column 4 and row 4 are empty: they are crossed when the puzzle is loaded.
inline const Schema Bandiera = {QStringLiteral("Bandiera"),
                                {".#...", ".#...", "####.", ".#...", "....."}};
inline const Schema Punto = {QStringLiteral("Punto"),
                             {"#....", ".....", ".....", ".....", "....."}};
inline const Schema Croce5 = {QStringLiteral("Croce"),
                              {"..#..", "..#..", "#####", "..#..", "..#.."}};

struct Sessione {
    Banco banco;
    QPointer<Gridora> editor;

    explicit Sessione(const QList<Schema>& schemi = {Bandiera, Punto}, int lato = 5)
    {
        banco.metti(lato, schemi);
        clicca(banco.inizio->Libero);
        editor = qobject_cast<Gridora*>(banco.inizio->figlia());
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor));
    }
    ~Sessione() { delete editor; }

    const Gridora::Controlli& c() const { return editor->controlli(); }
    const Tavoliere& tavoliere() const { return editor->tavoliere(); }
    QWindow* w() const { return editor->windowHandle(); }

    QPoint cella(int r, int c) const { return tavoliere().rettangoloCella(r, c).center(); }
    void clic(int r, int c, Qt::MouseButton b = Qt::LeftButton) { clicca(editor, cella(r, c), b); }
    // A click on every '#' of the picture.
    void disegna(const QStringList& righe)
    {
        for (int k = 0; k < righe.size() * 5; ++k) {
            if (righe[k / 5][k % 5] == u'#')
                clic(k / 5, k % 5);
        }
    }
    // A press on a cell of a row, moves over the next ones up to `a`, the release there.
    void trascina(Qt::MouseButton pulsante, int riga, int da, int a)
    {
        QTest::mousePress(w(), pulsante, {}, cella(riga, da));
        for (int c = da + 1; c <= a; ++c)
            QTest::mouseMove(w(), cella(riga, c));
        QTest::mouseRelease(w(), pulsante, {}, cella(riga, a));
    }
    void tasto(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(w(), k, m); }
    void annulla() { tasto(Qt::Key_Z, Qt::ControlModifier); }
    // Empties the name box and types into it, a character a key (two code units for one beyond
    // the basic plane).
    void scrivi(const QString& testo)
    {
        clicca(c().Nome);
        tasto(Qt::Key_A, Qt::ControlModifier);
        tasto(Qt::Key_Backspace);
        for (qsizetype i = 0, n = 0; i < testo.size(); i += n) {
            n = testo[i].isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, w(), Qt::Key_unknown, testo.mid(i, n), {});
        }
    }
    // The radio button of a side, clicked on its round indicator.
    void scegliLato(int lato)
    {
        const QRadioButton* opzione = c().Option1[lato / 5 - 1];
        clicca(editor, opzione->mapTo(editor, QPoint(6, opzione->height() / 2)));
    }
    void scegliInLista(int riga, Qt::MouseButton pulsante = Qt::LeftButton)
    {
        QListView* lista = c().Lista;
        const QRect r = lista->visualRect(lista->model()->index(riga, 0));
        clicca(editor, lista->viewport()->mapTo(editor, r.center()), pulsante);
    }

    QString pixel() const { return editor->disegno().pixel(); }
    // Every cell as the board shows it, row after row: '.' empty, '#' filled, 'x' crossed; '?' for
    // a picture of no mark or a preview dot that is not the board's.
    QString segni() const
    {
        QString testo;
        for (int k = 0, n = editor->lato(); k < n * n; ++k) {
            int segno = Vuoto;
            while (segno < 3 && tavoliere().immagine(k / n, k % n) !=
                                    immagineCella(segno, tonalita(indiceVideo(k / n, k % n))))
                ++segno;
            testo += u".#x?"[c().anteprima->nero(k) == (segno == Pieno) ? segno : 3];
        }
        return testo;
    }
    QList<Disegno> righe() const { return banco.archivio.elenco(5).valore; }
    QStringList nomi() const
    {
        QStringList n;
        for (const Disegno& d : righe())
            n << d.nome;
        return n;
    }
    const QStringList& domande() const { return banco.messaggi.domande; }
    const QStringList& avvisi() const { return banco.messaggi.avvisi; }
};

} // namespace gridora
