// Saves pictures of the windows in the states a player meets, for a look by eye:
//   ./build/tools/istantanee OUTPUT_DIR
// (run with QT_QPA_PLATFORM=offscreen where there is no display)

#include "Banco.h"
#include "editor/Gridora.h"
#include "model/Slot.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

using namespace gridora;

namespace {

QString cartella;

void salva(QWidget* finestra, const QString& nome)
{
    finestra->grab().save(QDir(cartella).filePath(nome + QStringLiteral(".png")));
}

QStringList soluzione(const Partita& partita)
{
    QStringList righe;
    for (int r = 0; r < partita.lato(); ++r) {
        QString riga;
        for (int c = 0; c < partita.lato(); ++c)
            riga += partita.soluzione(r, c) == 1 ? u'#' : u'.';
        righe << riga;
    }
    return righe;
}

// The editor with a 15 x 15 drawing whose clues allow two pictures, its ambiguous cells framed;
// then the same drawing with one more cell filled, which leaves a single picture.
void editorAmbiguo()
{
    Banco banco;
    clicca(banco.inizio->Libero);
    auto* editor = qobject_cast<Gridora*>(banco.inizio->figlia());
    if (!editor || !QTest::qWaitForWindowExposed(editor))
        return;
    const QRadioButton* opzione = editor->controlli().Option1[2];
    clicca(editor, opzione->mapTo(editor, QPoint(6, opzione->height() / 2)));
    editor->riceviImportazione(pixelDi(CasaConUccelli), 15);
    muovi(editor, editor->tavoliere().rettangoloCella(1, 4).center());
    muovi(editor, QPoint(5, 5));
    QCoreApplication::processEvents();
    qInfo("celle segnalate: %d", int(editor->tavoliere().celleSegnalate().size()));
    salva(editor, QStringLiteral("editor_ambiguo"));
    clicca(editor, editor->tavoliere().rettangoloCella(1, 4).center());
    muovi(editor, QPoint(5, 5));
    QCoreApplication::processEvents();
    qInfo("celle segnalate: %d", int(editor->tavoliere().celleSegnalate().size()));
    salva(editor, QStringLiteral("editor_unico"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);

    {
        Banco banco;
        salva(banco.inizio.get(), QStringLiteral("inizio"));
        for (const QWidget* sopra : std::initializer_list<const QWidget*>{
                 banco.inizio->facile1, banco.inizio->medio1, banco.inizio->difficile1,
                 banco.inizio->Libero, banco.inizio->Label1}) {
            muovi(banco.inizio.get(), centroInFinestra(sopra));
            muovi(banco.inizio.get(), centroInFinestra(sopra) + QPoint(2, 1));
            salva(banco.inizio.get(), QStringLiteral("inizio_sopra_") + sopra->objectName() +
                                          QString::number(sopra->y()));
        }
    }
    {
        Banco banco;
        banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = banco.apri(15);
        salva(gioco, QStringLiteral("gioco_domanda"));
        banco.rispondi(gioco, false);
        const Partita& partita = *gioco->partita();
        // Some fills, some crosses, two errors.
        int pieni = 0, errori = 0;
        for (int i = 0; i < 15 * 6; ++i) {
            const int r = i / 15, c = i % 15;
            if (partita.soluzione(r, c) == 1 && pieni < 25) {
                banco.clic(gioco, r, c);
                ++pieni;
            } else if (partita.soluzione(r, c) == 0 && errori < 2 && i % 7 == 3) {
                banco.clic(gioco, r, c);
                ++errori;
            } else if (partita.soluzione(r, c) == 0 && i % 3 == 0) {
                banco.clic(gioco, r, c, Qt::RightButton);
            }
        }
        muovi(gioco, gioco->tavoliere().rettangoloCella(2, 6).center());
        salva(gioco, QStringLiteral("gioco_in_corso"));
        banco.riempiSoluzione(gioco, soluzione(partita));
        QTest::keyClicks(gioco->controlli().Text1, QStringLiteral("mario"));
        salva(gioco, QStringLiteral("gioco_risolto_record"));
    }
    {
        Banco banco;
        banco.inizio->NoAudio->setChecked(true);
        banco.casuale.numeri = {0.3, 0.62, 0.4};
        GridoraGame* gioco = banco.apri(10);
        const GiroSlot giro = estraiGiro(0.62, 0.4, 10);
        clicca(gioco->controlli().hlpYes[0]);
        for (int passo = 1; banco.tempo.avanza(); ++passo) {
            if (passo == giro.passiColonna / 2)
                salva(gioco, QStringLiteral("aiuto_slot"));
            if (passo == giro.passiColonna + giro.passiRiga + 1)
                salva(gioco, QStringLiteral("aiuto_conto_alla_rovescia"));
        }
        salva(gioco, QStringLiteral("aiuto_dopo"));
    }
    editorAmbiguo();
    return 0;
}
