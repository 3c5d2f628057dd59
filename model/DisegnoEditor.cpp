#include "model/DisegnoEditor.h"

#include <utility>

namespace gridora {

// Keeps a step open for the life of a change: the change is one step unless a wider one (a drag)
// is open already.
class DisegnoEditor::PassoAperto {
public:
    explicit PassoAperto(DisegnoEditor& disegno) : m_disegno(disegno) { m_disegno.apriPasso(); }
    ~PassoAperto() { m_disegno.chiudiPasso(); }
    PassoAperto(const PassoAperto&) = delete;
    PassoAperto& operator=(const PassoAperto&) = delete;

private:
    DisegnoEditor& m_disegno;
};

DisegnoEditor::DisegnoEditor(int lato)
{
    setLato(lato);
}

void DisegnoEditor::setLato(int lato)
{
    m_lato = latoValido(lato) ? lato : 5;
    m_celle.fill(Vuoto);
    m_originali.fill(Vuoto);
    nuovaCronologia();
}

Segno DisegnoEditor::segno(int riga, int colonna) const
{
    return static_cast<Segno>(m_celle[indice(riga, colonna)]);
}

Segno DisegnoEditor::clic(int riga, int colonna, Pulsante pulsante)
{
    const int k = indice(riga, colonna);
    const bool vuota = m_celle[k] == Vuoto;
    const PassoAperto passo(*this);
    switch (pulsante) {
    case Pulsante::Sinistro:
        cambia(k, vuota ? Pieno : Vuoto);
        break;
    case Pulsante::Destro:
        cambia(k, vuota ? Croce : Vuoto);
        break;
    case Pulsante::Altro:
        break;
    }
    return static_cast<Segno>(m_celle[k]);
}

bool DisegnoEditor::imposta(int riga, int colonna, Segno segno)
{
    const PassoAperto passo(*this);
    return cambia(indice(riga, colonna), segno);
}

void DisegnoEditor::cancella()
{
    const PassoAperto passo(*this);
    for (int k = 0; k < m_lato * m_lato; ++k)
        cambia(k, Vuoto);
}

// Always inside an open step.
bool DisegnoEditor::cambia(int k, Segno segno)
{
    if (m_celle[k] == segno)
        return false;
    Cambio cambio{static_cast<std::int16_t>(k), static_cast<std::uint8_t>(m_celle[k]),
                  static_cast<std::uint8_t>(segno), static_cast<std::uint8_t>(m_originali[k]), 0};
    m_celle[k] = segno;
    ricordaCroce(k);
    cambio.originaleDopo = static_cast<std::uint8_t>(m_originali[k]);
    m_passo.push_back(cambio);
    return true;
}

void DisegnoEditor::ricordaCroce(int k)
{
    // A filled cell of the puzzle that is crossed now is gone from the drawing: not remembered.
    if (m_celle[k] == Croce && m_originali[k] != Pieno)
        m_originali[k] = Croce;
}

// The marks a cell string puts on the board: its cells, then its empty lines crossed.
Segni DisegnoEditor::disposti(const QString& pixel) const
{
    Segni celle{};
    const int quante = m_lato * m_lato;
    for (int k = 0; k < quante; ++k)
        celle[k] = k < pixel.size() && pixel[k] == u'1' ? Pieno : Vuoto;
    const Indizi indizi = calcolaIndizi(celle, m_lato);
    for (int i = 0; i < m_lato; ++i) {
        for (int j = 0; j < m_lato; ++j) {
            if (indizi.sequenzeColonne[i].empty())
                celle[indice(j, i)] = Croce;
            if (indizi.sequenzeRighe[i].empty())
                celle[indice(i, j)] = Croce;
        }
    }
    return celle;
}

void DisegnoEditor::carica(const QString& pixel)
{
    m_celle = disposti(pixel);
    m_originali.fill(Vuoto);
    for (int k = 0; k < m_lato * m_lato; ++k) {
        if (m_celle[k] == Pieno)
            m_originali[k] = Pieno;
        ricordaCroce(k);
    }
    nuovaCronologia();
}

// A crossed cell has had its cross remembered when it was crossed, so only the cells that change
// need remembering here.
void DisegnoEditor::importa(const QString& pixel)
{
    const Segni celle = disposti(pixel);
    const PassoAperto passo(*this);
    for (int k = 0; k < m_lato * m_lato; ++k)
        cambia(k, static_cast<Segno>(celle[k]));
}

QString DisegnoEditor::pixel() const
{
    return pixelDaSegni(m_celle, m_lato);
}

int DisegnoEditor::piene() const
{
    int n = 0;
    for (int k = 0; k < m_lato * m_lato; ++k)
        n += m_celle[k] == Pieno ? 1 : 0;
    return n;
}

Indizi DisegnoEditor::indizi() const
{
    return calcolaIndizi(m_celle, m_lato);
}

bool DisegnoEditor::modificato() const
{
    for (int k = 0; k < m_lato * m_lato; ++k) {
        if (m_celle[k] != m_originali[k])
            return true;
    }
    return false;
}

void DisegnoEditor::apriPasso()
{
    ++m_aperti;
}

// A step that changed nothing is no step: undo never spends a key on it.
void DisegnoEditor::chiudiPasso()
{
    if (m_aperti == 0 || --m_aperti > 0 || m_passo.empty())
        return;
    m_annullabili.push_back(std::move(m_passo));
    m_passo.clear();
    m_ripetibili.clear();
    if (m_annullabili.size() > std::size_t{PassiMassimi})
        m_annullabili.pop_front();
}

bool DisegnoEditor::annulla()
{
    if (passoAperto() || m_annullabili.empty())
        return false;
    const Passo& passo = m_annullabili.back();
    for (auto c = passo.rbegin(); c != passo.rend(); ++c) {
        m_celle[c->k] = c->prima;
        m_originali[c->k] = c->originalePrima;
    }
    m_ripetibili.push_back(std::move(m_annullabili.back()));
    m_annullabili.pop_back();
    return true;
}

bool DisegnoEditor::ripeti()
{
    if (passoAperto() || m_ripetibili.empty())
        return false;
    for (const Cambio& c : m_ripetibili.back()) {
        m_celle[c.k] = c.dopo;
        m_originali[c.k] = c.originaleDopo;
    }
    m_annullabili.push_back(std::move(m_ripetibili.back()));
    m_ripetibili.pop_back();
    return true;
}

void DisegnoEditor::nuovaCronologia()
{
    m_annullabili.clear();
    m_ripetibili.clear();
    m_passo.clear();
    m_aperti = 0;
}

} // namespace gridora
