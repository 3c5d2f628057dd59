#include "model/DisegnoEditor.h"

namespace gridora {

DisegnoEditor::DisegnoEditor(int lato)
{
    setLato(lato);
}

void DisegnoEditor::setLato(int lato)
{
    m_lato = latoValido(lato) ? lato : 5;
    m_celle.fill(Vuoto);
    m_originali.fill(Vuoto);
}

Segno DisegnoEditor::segno(int riga, int colonna) const
{
    return static_cast<Segno>(m_celle[indice(riga, colonna)]);
}

Segno DisegnoEditor::clic(int riga, int colonna, Pulsante pulsante)
{
    const int k = indice(riga, colonna);
    const bool vuota = m_celle[k] == Vuoto;
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
    return cambia(indice(riga, colonna), segno);
}

void DisegnoEditor::cancella()
{
    for (int k = 0; k < m_lato * m_lato; ++k)
        cambia(k, Vuoto);
}

bool DisegnoEditor::cambia(int k, Segno segno)
{
    if (m_celle[k] == segno)
        return false;
    m_celle[k] = segno;
    ricordaCroce(k);
    return true;
}

void DisegnoEditor::ricordaCroce(int k)
{
    // A filled cell of the puzzle that is crossed now is gone from the drawing: not remembered.
    if (m_celle[k] == Croce && m_originali[k] != Pieno)
        m_originali[k] = Croce;
}

void DisegnoEditor::metti(const QString& pixel)
{
    const int celle = m_lato * m_lato;
    for (int k = 0; k < celle; ++k)
        m_celle[k] = k < pixel.size() && pixel[k] == u'1' ? Pieno : Vuoto;
    const Indizi indizi = calcolaIndizi(m_celle, m_lato);
    for (int i = 0; i < m_lato; ++i) {
        for (int j = 0; j < m_lato; ++j) {
            if (indizi.sequenzeColonne[i].empty())
                m_celle[indice(j, i)] = Croce;
            if (indizi.sequenzeRighe[i].empty())
                m_celle[indice(i, j)] = Croce;
        }
    }
}

void DisegnoEditor::carica(const QString& pixel)
{
    metti(pixel);
    m_originali.fill(Vuoto);
    for (int k = 0; k < m_lato * m_lato; ++k) {
        if (m_celle[k] == Pieno)
            m_originali[k] = Pieno;
        ricordaCroce(k);
    }
}

void DisegnoEditor::importa(const QString& pixel)
{
    metti(pixel);
    for (int k = 0; k < m_lato * m_lato; ++k)
        ricordaCroce(k);
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

} // namespace gridora
