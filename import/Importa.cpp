// The import window's life: opening, the pointer over its controls, closing.

#include "import/Importa.h"

#include "import/Caricatore.h"
#include "import/LetturaSchema.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "widgets/Etichetta.h"

#include <QCloseEvent>
#include <QListView>
#include <QMouseEvent>

namespace gridora {

Importa::Importa(const Servizi& servizi, SessioneImportazione& sessione, LetturaImmagine lettura,
                 AmbienteImportazione ambiente, QWidget* genitore)
    : QWidget(genitore), m_servizi(servizi), m_sessione(sessione), m_ambiente(std::move(ambiente)),
      m_caricatore(new Caricatore(letturaConSchemi(std::move(lettura)), this))
{
    componi();
    collega();
}

Importa::~Importa() = default;

void Importa::preparaApertura(const QWidget* aprente)
{
    pulsante(QStringLiteral("Trasforma"), false);
    if (aprente) // the frame is known once the window has been shown
        move(aprente->frameGeometry().center() - QRect(QPoint(), frameGeometry().size()).center());
}

const QString& Importa::celle() const
{
    return m_c.risultato->celle();
}

int Importa::latoCelle() const
{
    return m_c.risultato->lato();
}

bool Importa::occupata() const
{
    return m_caricatore->inCorso();
}

void Importa::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        Form_Activate();
}

void Importa::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    Form_Unload();
}

// Closing is the end of this opening: the side goes to the session, and the next opening finds
// the window as a new one would be, on the session's folder with nothing loaded.
void Importa::Form_Unload()
{
    m_sessione.lato = m_lato;
    m_caricatore->annullaLettura();
    m_lettura = 0;
    m_caricatore->annullaRaccolta();
    m_raccolta = 0;
    dimenticaFigura();
    m_c.test->show();
    m_c.errore->hide();
    Cancella();
    pulsante(QStringLiteral("Trasforma"), false);
    m_daRileggere = true;
    emit chiusa();
}

bool Importa::eventFilter(QObject* oggetto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    if (oggetto == m_c.Importami) {
        // Red with white text under the pointer while it can be clicked.
        if (tipo == QEvent::Enter || tipo == QEvent::MouseMove)
            coloriPulsante(m_c.Importami->isEnabled());
        else if (tipo == QEvent::Leave)
            coloriPulsante(false);
    } else if (oggetto == m_c.File1->viewport()) {
        if (tipo == QEvent::MouseMove) {
            coloriPulsante(false);
        } else if (tipo == QEvent::MouseButtonPress) {
            const QModelIndexList scelti = m_c.File1->selectionModel()->selectedRows();
            m_rigaPremuta = scelti.isEmpty() ? -1 : scelti.first().row();
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

} // namespace gridora
