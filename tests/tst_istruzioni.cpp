// The instructions window: turning the pages through the window system, the page table's
// exceptions, the pictures and whether every page's text fits its label.

#include "Banco.h"
#include "help/Istruzioni.h"
#include "menu/FinestraFiglia.h"
#include "resources/Risorse.h"

#include <QFontMetrics>

using namespace gridora;

namespace {

struct Finestra {
    Istruzioni istruzioni;

    Finestra()
    {
        istruzioni.show();
        const bool esposta = QTest::qWaitForWindowExposed(&istruzioni);
        Q_ASSERT(esposta);
    }

    const Istruzioni::Controlli& c() const { return istruzioni.controlli(); }

    // Clicks "Avanti ->" or "<- Indietro" where it lies, visible or not.
    void avanti() { clicca(&istruzioni, centroInFinestra(c().Avanti)); }
    void indietro() { clicca(&istruzioni, centroInFinestra(c().indietro)); }

    void vaiA(int pagina)
    {
        while (istruzioni.pagina() < pagina)
            avanti();
    }
};

} // namespace

class TestIstruzioni : public QObject {
    Q_OBJECT

private slots:
    void apreSullaPrimaPagina()
    {
        Finestra f;
        QCOMPARE(f.istruzioni.windowTitle(), QStringLiteral("Istruzioni"));
        QCOMPARE(f.istruzioni.size(), QSize(287, 488));
        QCOMPARE(f.istruzioni.pagina(), 0);
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("INTRO"));
        QVERIFY(f.c().note->caption().startsWith(QStringLiteral("GridoraPC è un gioco")));
        // The picture fills the lower half, the text the upper one.
        QCOMPARE(f.c().helpimg->geometry(), QRect(0, 240, 289, 249));
        QVERIFY(f.c().note->geometry().bottom() < f.c().helpimg->geometry().top());
        const QImage mano = risorse::puntatore(u"MANO").pixmap().toImage();
        QCOMPARE(f.c().Avanti->cursor().pixmap().toImage(), mano);
        QCOMPARE(f.c().indietro->cursor().pixmap().toImage(), mano);
    }

    // Forward past the last page and back past the first: only the label that would leave the
    // pages is hidden, and a click where it lies does nothing.
    void navigazioneAgliEstremi()
    {
        Finestra f;
        const auto stato = [&] {
            return QList<int>{f.istruzioni.pagina(), f.c().indietro->isVisible(),
                              f.c().Avanti->isVisible()};
        };
        QCOMPARE(stato(), (QList<int>{0, false, true}));
        f.indietro();
        QCOMPARE(stato(), (QList<int>{0, false, true}));
        for (int pagina = 1; pagina <= 7; ++pagina) {
            f.avanti();
            QCOMPARE(stato(), (QList<int>{qMin(pagina, 6), true, pagina < 6}));
        }
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("IMPORTARE IMMAGINI"));
        for (int pagina = 5; pagina >= 0; --pagina) {
            f.indietro();
            QCOMPARE(stato(), (QList<int>{pagina, pagina > 0, true}));
        }
        f.istruzioni.Notizie(7); // outside the pages: nothing changes
        f.istruzioni.Notizie(-1);
        QCOMPARE(stato(), (QList<int>{0, false, true}));
    }

    // Lines are broken by CR as captions are, shown as line breaks, spacing kept. Pages 2 and 3
    // are one topic cut in two; the penalties page 3 states are those the game charges: 2, 4,
    // then 8 minutes.
    void testiDellePagine()
    {
        Finestra f;
        const Etichetta* note = f.c().note;
        QVERIFY(note->text().contains(QStringLiteral("\nFacile  = 5x5\nMedio  = 10x10\n")));
        f.avanti();
        QVERIFY(note->caption().contains(QStringLiteral("scelto:\r\rFacile  = +30")));
        QVERIFY(!note->text().contains(QChar(13)));
        f.avanti();
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("GIOCO"));
        QVERIFY(note->caption().endsWith(QStringLiteral("[CONTINUA]")));
        f.avanti();
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("GIOCO"));
        QVERIFY(note->caption().startsWith(QStringLiteral("[SEGUE]")));
        const QStringList righe = note->caption().split(QChar(13));
        QVERIFY(righe.contains(QStringLiteral("1° Errore                 = +2 Minuti;")));
        QVERIFY(righe.contains(QStringLiteral("2° Errore                 = +4 Minuti;")));
        QVERIFY(righe.contains(QStringLiteral("Dal 3° Errore in poi = +8 Minuti;")));
    }

    // Each page shows its own bitmap stretched over the picture control, and every word of its
    // text can be read: wrapped as the label wraps it, with the label's own font, the same on
    // every page, the text stays inside the label.
    void immagineETestoDiOgniPagina()
    {
        const QStringList immagini = {"INIZIO",  "AIUTO",  "MOSTRA", "MOSTRA2",
                                      "DISEGNO", "CARICA", "IMPORTA"};
        Finestra f;
        const Etichetta* note = f.c().note;
        const QFont carattere = note->font();
        for (int pagina = 0; pagina < 7; ++pagina) {
            f.vaiA(pagina);
            const QImage atteso =
                risorse::immagine(immagini[pagina])
                    .scaled(f.c().helpimg->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(f.c().helpimg->grab().toImage().convertToFormat(QImage::Format_RGB32) ==
                         atteso.convertToFormat(QImage::Format_RGB32),
                     qPrintable(immagini[pagina]));
            QCOMPARE(note->font(), carattere);
            const QRect spazio = note->contentsRect();
            const QRect occupato = note->fontMetrics().boundingRect(
                spazio, int(note->alignment()) | Qt::TextWordWrap, note->text());
            QVERIFY2(spazio.contains(occupato), qPrintable(QStringLiteral("pagina %1: %2 x %3")
                                                               .arg(pagina)
                                                               .arg(occupato.width())
                                                               .arg(occupato.height())));
        }
    }

    // "Istruzioni" in the start window opens the first page in its place.
    void apertaDallaFinestraDiInizio()
    {
        Banco banco;
        clicca(banco.inizio->Label1, Qt::RightButton);
        QVERIFY(!banco.inizio->figlia());
        clicca(banco.inizio->Label1);
        const Istruzioni* istruzioni = qobject_cast<Istruzioni*>(banco.inizio->figlia());
        QVERIFY(istruzioni);
        QVERIFY(istruzioni->isVisible());
        QCOMPARE(istruzioni->pagina(), 0);
        QVERIFY(!banco.inizio->isVisible());
    }
};

QTEST_MAIN(TestIstruzioni)
#include "tst_istruzioni.moc"
