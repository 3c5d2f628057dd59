#include "model/Nomi.h"

namespace gridora {

QString nomeProprio(const QString& nome)
{
    QString risultato = nome.toLower();
    bool inizioParola = true;
    for (QChar& c : risultato) {
        if (inizioParola)
            c = c.toUpper();
        inizioParola = c == u' ';
    }
    return risultato;
}

} // namespace gridora
