// Saves pictures of the windows in the states a player meets, for a look by eye:
//   ./build/tools/istantanee OUTPUT_DIR
// (run with QT_QPA_PLATFORM=offscreen where there is no display)

#include "BancoGioco.h"
#include "model/Slot.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QLineEdit>

using namespace gridora;

namespace {

QString cartella;

void salva(QWidget* finestra, const QString& nome)
{
    finestra->grab().save(QDir(cartella).filePath(nome + QStringLiteral(".png")));
}

void entra(QWidget* widget)
{
    QEnterEvent evento(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &evento);
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
        BancoGioco banco;
        salva(banco.inizio.get(), QStringLiteral("inizio"));
        entra(banco.inizio->medio1);
        entra(banco.inizio->Label1);
        salva(banco.inizio.get(), QStringLiteral("inizio_evidenziato"));
    }
    {
        BancoGioco banco;
        banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = banco.apri(15);
        salva(gioco, QStringLiteral("gioco_domanda"));
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        // Some fills, some crosses, two errors.
        int pieni = 0, errori = 0;
        for (int i = 0; i < 15 * 6; ++i) {
            const int d = indiceVideo(i / 15, i % 15);
            if (gioco->Soluzione[d] == 1 && pieni < 25) {
                BancoGioco::clic(gioco, i / 15, i % 15);
                ++pieni;
            } else if (gioco->Soluzione[d] == 0 && errori < 2 && i % 7 == 3) {
                BancoGioco::clic(gioco, i / 15, i % 15);
                ++errori;
            } else if (gioco->Soluzione[d] == 0 && i % 3 == 0) {
                BancoGioco::clic(gioco, i / 15, i % 15, Qt::RightButton);
            }
        }
        QTest::qWait(20);
        BancoGioco::muovi(gioco->tavoliere->Image1[indiceVideo(2, 6)]);
        salva(gioco, QStringLiteral("gioco_in_corso"));
        QStringList righe;
        for (int r = 0; r < 15; ++r) {
            QString riga;
            for (int c = 0; c < 15; ++c)
                riga += gioco->Soluzione[indiceVideo(r, c)] == 1 ? u'#' : u'.';
            righe << riga;
        }
        BancoGioco::riempiSoluzione(gioco, righe);
        QTest::keyClicks(gioco->Text1, QStringLiteral("mario"));
        QTest::qWait(20);
        salva(gioco, QStringLiteral("gioco_risolto_record"));
    }
    {
        BancoGioco banco;
        banco.inizio->NoAudio->setChecked(true);
        banco.casuale.numeri = {0.3, 0.62, 0.4};
        GridoraGame* gioco = banco.apri(10);
        const GiroSlot giro = estraiGiro(0.62, 0.4, 10);
        int passo = 0;
        banco.attesa.durante = [&](double) {
            ++passo;
            if (passo == giro.passiColonna / 2)
                salva(gioco, QStringLiteral("aiuto_slot"));
            if (passo == giro.passiColonna + giro.passiRiga + 1)
                salva(gioco, QStringLiteral("aiuto_conto_alla_rovescia"));
        };
        QTest::mouseClick(gioco->hlpYes[0], Qt::LeftButton);
        banco.attesa.durante = nullptr;
        salva(gioco, QStringLiteral("aiuto_dopo"));
    }
    return 0;
}
