#include "menu/FinestraFiglia.h"

namespace gridora {

bool FinestraFiglia::apri(QWidget* figlia)
{
    if (m_figlia) {
        delete figlia;
        return false;
    }
    m_figlia = figlia;
    figlia->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(figlia, &QObject::destroyed, m_inizio, &QWidget::show);
    m_inizio->hide();
    figlia->show();
    return true;
}

} // namespace gridora
