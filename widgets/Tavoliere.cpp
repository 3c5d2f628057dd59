#include "widgets/Tavoliere.h"

#include "model/Lati.h"
#include "widgets/Cella.h"
#include "widgets/Etichetta.h"
#include "widgets/Forme.h"
#include "widgets/RiquadriCelle.h"
#include "widgets/Twips.h"

#include <QEvent>

namespace gridora {

namespace {

constexpr int Passo = 240; // twips between cells and between row labels

const QColor Rosso(0xFF, 0x00, 0x00);

QWidget* cornice(QWidget* finestra, int left, int top, int width, int height)
{
    auto* frame = new QWidget(finestra);
    posiziona(frame, left, top, width, height);
    return frame;
}

QRect nellaFinestra(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

} // namespace

Pulsante pulsanteDi(Qt::MouseButton pulsante)
{
    switch (pulsante) {
    case Qt::LeftButton:
        return Pulsante::Sinistro;
    case Qt::RightButton:
        return Pulsante::Destro;
    default:
        return Pulsante::Altro;
    }
}

Tavoliere::Tavoliere(QWidget* finestra) : QObject(finestra)
{
    m_area = cornice(finestra, 1095, 1215, 3615, 3615);
    for (int i = 0; i < CelleVideo; ++i)
        m_celle[i] = new Cella(m_area, this, i);
    creaLinee();
    m_segnalate = new RiquadriCelle(m_area);
    creaCornici(finestra);
    finestra->installEventFilter(this); // its deactivation ends a drag
}

void Tavoliere::creaLinee()
{
    struct Tratto {
        int x1, y1, x2, y2;
    };
    // Every board set-up draws them red and two pixels wide.
    const std::array<Tratto, 4> quindici = {{{1200, 0, 1200, 3600},
                                             {2400, 0, 2400, 3600},
                                             {0, 1200, 3600, 1200},
                                             {0, 2400, 3600, 2400}}};
    const std::array<Tratto, 4> dieci = {{{1200, 0, 1200, 1200},
                                          {1200, 1200, 1200, 2400},
                                          {1200, 1200, 0, 1200},
                                          {2400, 1200, 1200, 1200}}};
    const auto crea = [this](const Tratto& t) {
        auto* linea = new Linea(m_area);
        linea->setEstremi(t.x1, t.y1, t.x2, t.y2);
        linea->setColore(Rosso);
        linea->setSpessore(2);
        linea->hide();
        return linea;
    };
    for (int j = 0; j < 4; ++j) {
        m_quindici[j] = crea(quindici[j]);
        m_dieci[j] = crea(dieci[j]);
    }
}

void Tavoliere::creaCornici(QWidget* finestra)
{
    for (int f = 0; f < 3; ++f) {
        m_d[f] = cornice(finestra, 1095 + 1200 * f, 255, 1215, 975);
        m_v[f] = cornice(finestra, 240, 1230 + 1200 * f, 855, 1215);
    }
    const QFont font = carattere(6.75);
    for (int k = 0; k < LatoMassimo; ++k) {
        auto* verticale = new Etichetta(m_d[k / 5]);
        posiziona(verticale, k == 0 ? -20 : Passo * (k % 5), 0, 255, 1050);
        verticale->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        verticale->setFont(font);
        verticale->setMouseTracking(true);
        connect(verticale, &Etichetta::mossa, this, [this, k] { emit colonnaSorvolata(k); });
        m_verticale[k] = verticale;

        m_box[k] = new Forma(m_v[k / 5]);
        posiziona(m_box[k], 0, Passo * (k % 5), 855, 255);
        m_box[k]->setBordo(false);
        m_box[k]->setRiempimento(coloreIndizio(k));

        auto* orizzontale = new Etichetta(m_v[k / 5]);
        posiziona(orizzontale, 0, Passo * (k % 5), 855, 255);
        orizzontale->setAlignment(Qt::AlignRight | Qt::AlignTop);
        orizzontale->setFont(font);
        orizzontale->setMouseTracking(true);
        connect(orizzontale, &Etichetta::mossa, this, [this, k] { emit rigaSorvolata(k); });
        m_orizzontale[k] = orizzontale;
    }
    ripristinaColoriIndizi();
    m_d[1]->hide();
    m_d[2]->hide();
}

void Tavoliere::setLato(int lato)
{
    m_lato = lato;
    const FattiLato& fatti = fattiLato(lato);
    posiziona(m_area, fatti.area.x(), fatti.area.y(), fatti.latoArea, fatti.latoArea);
    for (int f = 0; f < fatti.cornici(); ++f) {
        sposta(m_d[f], fatti.cornici_d[f].x(), fatti.cornici_d[f].y());
        sposta(m_v[f], fatti.cornici_v[f].x(), fatti.cornici_v[f].y());
    }
    for (Cella* c : m_celle) {
        const bool usata = cellaVisibile(c->indice(), lato);
        c->setImmagine(usata ? immagineCella(Vuoto, tonalita(c->indice())) : 0);
        c->setAbilitata(false);
        c->setVisible(usata);
    }
    for (int i = 0; i < LatoMassimo; ++i) {
        m_verticale[i]->setCaption({});
        m_orizzontale[i]->setCaption({});
    }
    for (int j = 0; j < 4; ++j) {
        m_dieci[j]->setVisible(lato == 10);
        m_quindici[j]->setVisible(lato == 15);
        (lato == 10 ? m_dieci[j] : m_quindici[j])->raise();
    }
    for (int f = 0; f < 3; ++f) {
        m_d[f]->setVisible(f < fatti.cornici());
        m_v[f]->setVisible(f < fatti.cornici());
    }
    m_trascinamento.chiudi();
    m_segnalate->setCelle({});
    m_cursore = QPoint(0, 0);
    if (m_riquadroCursore)
        m_riquadroCursore->hide();
}

Cella* Tavoliere::cella(int riga, int colonna) const
{
    return m_celle[indiceVideo(riga, colonna)];
}

void Tavoliere::mostraSegno(int riga, int colonna, Segno segno)
{
    cella(riga, colonna)->setImmagine(immagineCella(segno, tonalita(indiceVideo(riga, colonna))));
}

int Tavoliere::immagine(int riga, int colonna) const
{
    return cella(riga, colonna)->immagine();
}

void Tavoliere::mostraIndizi(const Indizi& indizi)
{
    const int spostamento = fattiLato(m_lato).spostamentoRigheIndizio;
    // Seven or eight runs would not fit the frame's 65 pixels at the font's own line spacing.
    const int altezzaCornice = px(975) - 1;
    for (int i = 0; i < LatoMassimo; ++i) {
        const auto righe = static_cast<int>(indizi.sequenzeColonne[i].size());
        m_verticale[i]->setPassoRighe(righe > RigheIndizioColonna ? altezzaCornice / righe : 0);
        m_verticale[i]->setCaption(indizi.colonne[i]);
        m_orizzontale[i]->setCaption(indizi.righe[i]);
        sposta(m_orizzontale[i], 0, Passo * (i % 5) + spostamento);
    }
}

QString Tavoliere::indizioRiga(int riga) const
{
    return m_orizzontale[riga]->caption();
}

QString Tavoliere::indizioColonna(int colonna) const
{
    return m_verticale[colonna]->caption();
}

QColor Tavoliere::coloreIndizio(int indice)
{
    return indice % 2 == 0 ? QColor(0x00, 0xFF, 0xFF) : QColor(0xC0, 0xFF, 0xFF);
}

QColor Tavoliere::coloreIndizioColonna(int colonna) const
{
    return m_verticale[colonna]->sfondo();
}

void Tavoliere::setColoreIndizioColonna(int colonna, const QColor& colore)
{
    m_verticale[colonna]->setSfondo(colore);
}

QColor Tavoliere::coloreIndizioRiga(int riga) const
{
    return m_orizzontale[riga]->sfondo();
}

void Tavoliere::setColoreIndizioRiga(int riga, const QColor& colore)
{
    m_orizzontale[riga]->setSfondo(colore);
}

void Tavoliere::ripristinaColoriIndizi()
{
    for (int i = 0; i < LatoMassimo; ++i) {
        m_verticale[i]->setSfondo(coloreIndizio(i));
        m_orizzontale[i]->setSfondo(coloreIndizio(i));
    }
}

void Tavoliere::setBordoIndizioColonna(int colonna, bool bordo)
{
    m_verticale[colonna]->setBordo(bordo);
}

bool Tavoliere::bordoIndizioColonna(int colonna) const
{
    return m_verticale[colonna]->bordo();
}

void Tavoliere::setCellaAbilitata(int riga, int colonna, bool abilitata)
{
    cella(riga, colonna)->setAbilitata(abilitata);
}

bool Tavoliere::cellaAbilitata(int riga, int colonna) const
{
    return cella(riga, colonna)->abilitata();
}

void Tavoliere::setPuntatoreCella(int riga, int colonna, const QCursor& puntatore)
{
    cella(riga, colonna)->setPuntatore(puntatore);
}

void Tavoliere::setPuntatoreCelle(const QCursor& puntatore)
{
    for (Cella* c : m_celle)
        c->setPuntatore(puntatore);
}

QCursor Tavoliere::puntatoreCella(int riga, int colonna) const
{
    return cella(riga, colonna)->puntatore();
}

QRect Tavoliere::rettangoloCella(int riga, int colonna) const
{
    return nellaFinestra(cella(riga, colonna));
}

QRect Tavoliere::rettangoloIndizioColonna(int colonna) const
{
    return nellaFinestra(m_verticale[colonna]);
}

QRect Tavoliere::rettangoloIndizioRiga(int riga) const
{
    return nellaFinestra(m_orizzontale[riga]);
}

std::array<QWidget*, 7> Tavoliere::controlli() const
{
    return {m_area, m_d[2], m_d[1], m_v[1], m_d[0], m_v[2], m_v[0]};
}

int Tavoliere::cellaInArea(QPoint punto) const
{
    const int pixelPasso = px(Passo);
    if (punto.x() < 0 || punto.y() < 0)
        return -1;
    const int riga = punto.y() / pixelPasso;
    const int colonna = punto.x() / pixelPasso;
    if (riga >= m_lato || colonna >= m_lato)
        return -1;
    return indiceVideo(riga, colonna);
}

void Tavoliere::setCelleSegnalate(const QList<QPoint>& celle)
{
    m_segnalate->setCelle(celle);
    m_segnalate->raise();
    if (cursoreVisibile())
        m_riquadroCursore->raise(); // the keyboard cursor stays in front
}

QList<QPoint> Tavoliere::celleSegnalate() const
{
    return m_segnalate->isVisible() ? m_segnalate->celle() : QList<QPoint>{};
}

void Tavoliere::premuta(int indice, Qt::MouseButton pulsante, Qt::MouseButtons pulsanti)
{
    if (m_riquadroCursore)
        m_riquadroCursore->hide(); // the mouse has taken over; a key shows the cursor again
    if (m_trascinamento.attivo()) {
        if (pulsante != m_trascinamento.pulsante() && (pulsanti & m_trascinamento.pulsante()))
            return;      // a second button while one is held
        rilascioPerso(); // the held button is up, or pressed anew: its release never came
    }
    m_trascinamento.premi(indice, pulsante);
}

void Tavoliere::mossa(int indice, QPoint inArea, Qt::MouseButtons pulsanti)
{
    Trascinamento& t = m_trascinamento;
    if (t.attivo() && !(pulsanti & t.pulsante()))
        rilascioPerso();
    if (!t.attivo()) {
        if (m_celle[indice]->abilitata())
            emit cellaSorvolata(indice / LatoMassimo, indice % LatoMassimo);
        return;
    }
    // The button is held: the pressed cell gets the moves wherever the pointer is.
    const int sotto = cellaInArea(inArea);
    if (sotto < 0)
        return;
    emit cellaSorvolata(sotto / LatoMassimo, sotto % LatoMassimo);
    const bool primo = !t.iniziato();
    if (t.fermo() || !t.entra(sotto))
        return;
    const Qt::MouseButton pulsante = t.pulsante();
    if (primo) {
        emit trascinamentoIniziato(t.premuta() / LatoMassimo, t.premuta() % LatoMassimo, pulsante);
        if (t.fermo() || !t.attivo())
            return;
    }
    emit cellaTrascinata(sotto / LatoMassimo, sotto % LatoMassimo, pulsante);
}

void Tavoliere::rilasciata(int indice, Qt::MouseButton pulsante)
{
    if (!m_trascinamento.attivo() || indice != m_trascinamento.premuta() ||
        pulsante != m_trascinamento.pulsante())
        return;
    const bool trascinato = m_trascinamento.iniziato();
    m_trascinamento.chiudi();
    if (trascinato)
        emit trascinamentoFinito(false);
    else
        emit cellaRilasciata(indice / LatoMassimo, indice % LatoMassimo, pulsante);
}

// The release of the held button will not come: a press that had not left its cell is no click,
// a drag ends where it got to.
void Tavoliere::rilascioPerso()
{
    const bool trascinato = m_trascinamento.iniziato();
    m_trascinamento.chiudi();
    if (trascinato)
        emit trascinamentoFinito(true);
}

} // namespace gridora
