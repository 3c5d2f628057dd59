#include "widgets/Tavoliere.h"

#include "model/Indizi.h"
#include "widgets/Twips.h"

namespace gridora {

namespace {

QWidget* cornice(QWidget* finestra, int left, int top, int width, int height)
{
    auto* frame = new QWidget(finestra);
    posiziona(frame, left, top, width, height);
    return frame;
}

} // namespace

Tavoliere::Tavoliere(QWidget* finestra) : QObject(finestra)
{
    area = cornice(finestra, 1095, 1215, 3615, 3615);
    for (int i = 0; i < CelleVideo; ++i) {
        Image1[i] = new Cella(area, i);
        connect(Image1[i], &Cella::rilasciata, this, &Tavoliere::cellaRilasciata);
        connect(Image1[i], &Cella::mossa, this, &Tavoliere::cellaMossa);
    }
    creaLinee();
    creaCornici(finestra);
}

void Tavoliere::creaLinee()
{
    struct Tratto {
        int x1, y1, x2, y2;
        QColor colore;
        int spessore;
    };
    const std::array<Tratto, 4> quindiciDisegno = {{{1200, 0, 1200, 3600, "#FF8080", 2},
                                                    {2400, 0, 2400, 3600, "#FF8080", 1},
                                                    {0, 1200, 3600, 1200, "#FF8080", 1},
                                                    {0, 2400, 3600, 2400, "#FF8080", 1}}};
    const std::array<Tratto, 4> dieciDisegno = {{{1200, 0, 1200, 1200, "#FF0000", 1},
                                                 {1200, 1200, 1200, 2400, "#FF0000", 1},
                                                 {1200, 1200, 0, 1200, "#FF8080", 1},
                                                 {2400, 1200, 1200, 1200, "#FF8080", 1}}};
    const auto crea = [this](const Tratto& t) {
        auto* linea = new Linea(area);
        linea->setEstremi(t.x1, t.y1, t.x2, t.y2);
        linea->setColore(t.colore);
        linea->setSpessore(t.spessore);
        linea->hide();
        return linea;
    };
    for (int j = 0; j < 4; ++j) {
        quindici[j] = crea(quindiciDisegno[j]);
        dieci[j] = crea(dieciDisegno[j]);
    }
}

void Tavoliere::creaCornici(QWidget* finestra)
{
    d1 = cornice(finestra, 1095, 255, 1215, 975);
    d2 = cornice(finestra, 2295, 255, 1215, 975);
    d3 = cornice(finestra, 3495, 255, 1215, 975);
    v1 = cornice(finestra, 240, 1230, 855, 1215);
    v2 = cornice(finestra, 240, 2430, 855, 1215);
    v3 = cornice(finestra, 240, 3630, 855, 1215);
    const std::array colonne = {d1, d2, d3};
    const std::array righe = {v1, v2, v3};
    const QFont font = carattere(6.75);
    for (int k = 0; k < LatoMassimo; ++k) {
        auto* verticale = new Etichetta(colonne[k / 5]);
        posiziona(verticale, k == 0 ? -20 : 240 * (k % 5), 0, 255, 1050);
        verticale->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        verticale->setFont(font);
        verticale->setMouseTracking(true);
        connect(verticale, &Etichetta::mossa, this, [this, k] { emit verticaleMossa(k); });
        Verticale[k] = verticale;

        box[k] = new Forma(righe[k / 5]);
        posiziona(box[k], 0, 240 * (k % 5), 855, 255);
        box[k]->setBordo(false);
        box[k]->setRiempimento(coloreIndizio(k));

        auto* orizz = new Etichetta(righe[k / 5]);
        posiziona(orizz, 0, 240 * (k % 5), 855, 255);
        orizz->setAlignment(Qt::AlignRight | Qt::AlignTop);
        orizz->setFont(font);
        orizz->setMouseTracking(true);
        connect(orizz, &Etichetta::mossa, this, [this, k] { emit orizzontaleMossa(k); });
        orizzontale[k] = orizz;
    }
    coloraIndizi();
    d2->hide();
    d3->hide();
}

QColor Tavoliere::coloreIndizio(int indice)
{
    return indice % 2 == 0 ? QColor(0x00, 0xFF, 0xFF) : QColor(0xC0, 0xFF, 0xFF);
}

void Tavoliere::coloraIndizi()
{
    for (int i = 0; i < LatoMassimo; ++i) {
        Verticale[i]->setSfondo(coloreIndizio(i));
        orizzontale[i]->setSfondo(coloreIndizio(i));
    }
}

void Tavoliere::Pulisci()
{
    if (Caricato == 0) {
        for (Cella* cella : Image1)
            cella->setImmagine(0);
    }
    for (int j = 0; j < 4; ++j) {
        for (Linea* linea : {dieci[j], quindici[j]}) {
            linea->hide();
            linea->setColore(QColor(0xFF, 0, 0));
            linea->setSpessore(2);
        }
    }
    for (QWidget* frame : {d1, d2, d3, v1, v2, v3})
        frame->hide();
}

void Tavoliere::disegna(int Schema)
{
    for (int i = 0; i < CelleVideo; ++i) {
        const bool dentro = cellaVisibile(i, Schema);
        Image1[i]->setImmagine(dentro ? immagineCella(Vuoto, tonalita(i)) : 0);
    }
    Pulitura(Schema);
}

void Tavoliere::Pulitura(int Schema)
{
    for (Cella* cella : Image1) {
        cella->setEnabled(false);
        cella->setVisible(cellaVisibile(cella->indice(), Schema));
    }
    for (int i = 0; i < LatoMassimo; ++i) {
        Verticale[i]->setCaption({});
        orizzontale[i]->setCaption({});
    }
    if (cancellaSuperficie)
        cancellaSuperficie();
    for (int j = 0; j < 4; ++j) {
        dieci[j]->setVisible(Schema == 10);
        quindici[j]->setVisible(Schema == 15);
        (Schema == 10 ? dieci[j] : quindici[j])->raise();
    }
    mostraCornici(Schema);
}

void Tavoliere::mostraCornici(int Schema)
{
    d1->setVisible(true);
    v1->setVisible(true);
    d2->setVisible(Schema >= 10);
    v2->setVisible(Schema >= 10);
    d3->setVisible(Schema == 15);
    v3->setVisible(Schema == 15);
}

void Tavoliere::Conta(int Schema, const Segni& W)
{
    const Indizi indizi = calcolaIndizi(W, Schema);
    const int spostamento = spostamentoEtichetteRiga(Schema);
    for (int i = 0; i < LatoMassimo; ++i) {
        Verticale[i]->setCaption(indizi.colonne[i]);
        orizzontale[i]->setCaption(indizi.righe[i]);
        sposta(orizzontale[i], 0, 240 * (i % 5) + spostamento);
    }
    IndiziCalcolati = 1;
}

} // namespace gridora
