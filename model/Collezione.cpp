#include "model/Collezione.h"

#include "model/Nomi.h"
#include "model/Tavola.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <algorithm>

// Collection text, one puzzle after another:
//
//     // a comment
//     Cuore
//     .#.#.
//     #####
//     #####
//     .###.
//     ..#..
//
// A puzzle is its name on one line, then exactly `lato` picture rows of exactly `lato`
// characters, '#' for a filled cell and '.' for an empty one. At least one blank line follows
// every picture before the next name. A line that starts with "//" is a comment; comments may
// only stand where a name may (before a name, between puzzles or at the end), never inside a
// picture, where every line is a row. A name starts with a capital letter, has no blank in front
// and at most 25 characters. Blanks and a carriage return at the end of any line are ignored.
// The first fault refuses the whole text.

namespace gridora {

namespace {

QString senzaSpaziFinali(const QString& riga)
{
    qsizetype fine = riga.size();
    while (fine > 0 && riga.at(fine - 1).isSpace())
        --fine;
    return riga.left(fine);
}

bool eCommento(const QString& riga)
{
    return riga.startsWith(QLatin1String("//"));
}

} // namespace

QList<VoceCollezione> leggiCollezione(const QString& testo, int lato, QString* errore)
{
    auto rifiuta = [errore](int numeroRiga, const QString& motivo) {
        if (errore)
            *errore =
                numeroRiga > 0 ? QStringLiteral("riga %1: %2").arg(numeroRiga).arg(motivo) : motivo;
        return QList<VoceCollezione>();
    };
    if (errore)
        errore->clear();
    if (!latoValido(lato))
        return rifiuta(0, QStringLiteral("lato %1 non valido").arg(lato));

    QString corpo = testo;
    if (corpo.startsWith(QChar(0xFEFF)))
        corpo.remove(0, 1);
    QStringList righe = corpo.split(QLatin1Char('\n'));
    if (!righe.isEmpty() && righe.last().isEmpty())
        righe.removeLast(); // the newline that ends the last line does not start another

    QList<VoceCollezione> voci;
    QSet<QString> nomiVisti;
    VoceCollezione corrente;
    int righeDisegno = -1;    // picture rows read for the current puzzle; -1 outside a puzzle
    bool attesaVuota = false; // a picture has just ended: a blank line must come next

    for (int i = 0; i < righe.size(); ++i) {
        const int numero = i + 1;
        const QString riga = senzaSpaziFinali(righe.at(i));

        if (righeDisegno >= 0) {
            if (riga.isEmpty())
                return rifiuta(numero, QStringLiteral("il disegno \"%1\" ha %2 righe invece di %3")
                                           .arg(corrente.nome)
                                           .arg(righeDisegno)
                                           .arg(lato));
            if (riga.size() != lato)
                return rifiuta(numero, QStringLiteral("la riga del disegno ha %1 caratteri "
                                                      "invece di %2")
                                           .arg(riga.size())
                                           .arg(lato));
            for (const QChar c : riga) {
                if (c == QLatin1Char('#'))
                    corrente.pixel += QLatin1Char('1');
                else if (c == QLatin1Char('.'))
                    corrente.pixel += QLatin1Char('0');
                else
                    return rifiuta(numero, QStringLiteral("carattere '%1' non ammesso nel disegno "
                                                          "(solo '#' e '.')")
                                               .arg(c));
            }
            if (++righeDisegno == lato) {
                voci.append(corrente);
                righeDisegno = -1;
                attesaVuota = true;
            }
            continue;
        }

        if (riga.isEmpty()) {
            attesaVuota = false;
            continue;
        }
        if (attesaVuota) {
            const bool altraRigaDisegno = std::all_of(riga.cbegin(), riga.cend(), [](QChar c) {
                return c == QLatin1Char('#') || c == QLatin1Char('.');
            });
            if (altraRigaDisegno)
                return rifiuta(numero, QStringLiteral("il disegno \"%1\" ha più di %2 righe")
                                           .arg(voci.last().nome)
                                           .arg(lato));
            return rifiuta(
                numero,
                QStringLiteral("manca la riga vuota dopo il disegno \"%1\"").arg(voci.last().nome));
        }
        if (eCommento(riga))
            continue;

        // A name line.
        if (riga.at(0).isSpace())
            return rifiuta(numero, QStringLiteral("il nome non deve iniziare con uno spazio"));
        if (!riga.at(0).isLetter() || !riga.at(0).isUpper())
            return rifiuta(numero, QStringLiteral("atteso il nome di un disegno, con "
                                                  "l'iniziale maiuscola"));
        if (riga.size() > LunghezzaMassimaNome)
            return rifiuta(numero, QStringLiteral("il nome \"%1\" supera %2 caratteri")
                                       .arg(riga)
                                       .arg(LunghezzaMassimaNome));
        if (nomiVisti.contains(riga))
            return rifiuta(numero, QStringLiteral("il nome \"%1\" è ripetuto").arg(riga));
        nomiVisti.insert(riga);
        corrente = VoceCollezione{riga, QString()};
        corrente.pixel.reserve(lato * lato);
        righeDisegno = 0;
    }

    if (righeDisegno >= 0)
        return rifiuta(int(righe.size()), QStringLiteral("il testo finisce, ma il disegno \"%1\" "
                                                         "ha %2 righe invece di %3")
                                              .arg(corrente.nome)
                                              .arg(righeDisegno)
                                              .arg(lato));
    return voci;
}

QList<VoceCollezione> collezioneIniziale(int lato)
{
    if (!latoValido(lato))
        return {};
    QFile file(QStringLiteral(":/collezione/disegni%1.txt").arg(lato));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return leggiCollezione(QString::fromUtf8(file.readAll()), lato);
}

} // namespace gridora
