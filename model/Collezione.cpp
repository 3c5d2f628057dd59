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

// Reads a collection text line by line. Outside a puzzle a line is blank, a comment or a name
// (rigaNome); inside one it is a row of its picture (rigaDisegno). Each gives the fault of its
// line, empty when there is none.
class Lettore {
public:
    explicit Lettore(int lato) : m_lato(lato) {}

    QString riga(const QString& riga)
    {
        return m_righeDisegno >= 0 ? rigaDisegno(riga) : rigaNome(riga);
    }

    // The fault of a text that ends here, empty when it is whole.
    QString fine() const
    {
        if (m_righeDisegno < 0)
            return {};
        return QStringLiteral("il testo finisce, ma il disegno \"%1\" ha %2 righe invece di %3")
            .arg(m_corrente.nome)
            .arg(m_righeDisegno)
            .arg(m_lato);
    }

    const QList<VoceCollezione>& voci() const { return m_voci; }

private:
    QString rigaDisegno(const QString& riga)
    {
        if (riga.isEmpty())
            return QStringLiteral("il disegno \"%1\" ha %2 righe invece di %3")
                .arg(m_corrente.nome)
                .arg(m_righeDisegno)
                .arg(m_lato);
        if (riga.size() != m_lato)
            return QStringLiteral("la riga del disegno ha %1 caratteri invece di %2")
                .arg(riga.size())
                .arg(m_lato);
        for (const QChar c : riga) {
            if (c != QLatin1Char('#') && c != QLatin1Char('.'))
                return QStringLiteral("carattere '%1' non ammesso nel disegno (solo '#' e '.')")
                    .arg(c);
            m_corrente.pixel += c == QLatin1Char('#') ? QLatin1Char('1') : QLatin1Char('0');
        }
        if (++m_righeDisegno == m_lato) {
            m_voci.append(m_corrente);
            m_righeDisegno = -1;
            m_attesaVuota = true;
        }
        return {};
    }

    QString rigaNome(const QString& riga)
    {
        if (riga.isEmpty()) {
            m_attesaVuota = false;
            return {};
        }
        if (m_attesaVuota) {
            const bool altraRigaDisegno = std::all_of(riga.cbegin(), riga.cend(), [](QChar c) {
                return c == QLatin1Char('#') || c == QLatin1Char('.');
            });
            const QString nome = m_voci.last().nome;
            return altraRigaDisegno
                       ? QStringLiteral("il disegno \"%1\" ha più di %2 righe")
                             .arg(nome)
                             .arg(m_lato)
                       : QStringLiteral("manca la riga vuota dopo il disegno \"%1\"").arg(nome);
        }
        if (eCommento(riga))
            return {};
        if (QString errore = erroreNome(riga); !errore.isEmpty())
            return errore;
        m_nomiVisti.insert(riga);
        m_corrente = VoceCollezione{riga, QString()};
        m_corrente.pixel.reserve(m_lato * m_lato);
        m_righeDisegno = 0;
        return {};
    }

    QString erroreNome(const QString& riga) const
    {
        if (riga.at(0).isSpace())
            return QStringLiteral("il nome non deve iniziare con uno spazio");
        if (!riga.at(0).isLetter() || !riga.at(0).isUpper())
            return QStringLiteral("atteso il nome di un disegno, con l'iniziale maiuscola");
        if (caratteriNome(riga) > LunghezzaMassimaNome)
            return QStringLiteral("il nome \"%1\" supera %2 caratteri")
                .arg(riga)
                .arg(LunghezzaMassimaNome);
        if (m_nomiVisti.contains(riga))
            return QStringLiteral("il nome \"%1\" è ripetuto").arg(riga);
        return {};
    }

    const int m_lato;
    QList<VoceCollezione> m_voci;
    QSet<QString> m_nomiVisti;
    VoceCollezione m_corrente;
    int m_righeDisegno = -1;    // picture rows read for the current puzzle; -1 outside a puzzle
    bool m_attesaVuota = false; // a picture has just ended: a blank line must come next
};

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

    Lettore lettore(lato);
    for (int i = 0; i < righe.size(); ++i) {
        if (const QString guasto = lettore.riga(senzaSpaziFinali(righe.at(i))); !guasto.isEmpty())
            return rifiuta(i + 1, guasto);
    }
    if (const QString guasto = lettore.fine(); !guasto.isEmpty())
        return rifiuta(int(righe.size()), guasto);
    return lettore.voci();
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
