#include "model/FormatoNon.h"

#include "model/EntitaHtml.h"
#include "model/FileSicuri.h"
#include "model/Risolutore.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace gridora {

namespace {

// The file's lines one at a time, without their line ends.
class Righe {
public:
    explicit Righe(QStringView testo) : testo_(testo) {}

    bool prossima(QStringView& riga)
    {
        if (pos_ > testo_.size())
            return false;
        qsizetype fine = testo_.indexOf(u'\n', pos_);
        if (fine < 0)
            fine = testo_.size();
        riga = testo_.mid(pos_, fine - pos_);
        if (riga.endsWith(u'\r'))
            riga.chop(1);
        pos_ = fine + 1;
        return true;
    }

private:
    QStringView testo_;
    qsizetype pos_ = 0;
};

enum class Numero { Ok, NonNumero, TroppoGrande };

// A decimal number of ASCII digits only.
Numero numero(QStringView testo, int& valore)
{
    if (testo.isEmpty())
        return Numero::NonNumero;
    qint64 v = 0;
    for (const QChar c : testo) {
        if (c < u'0' || c > u'9')
            return Numero::NonNumero;
        v = std::min<qint64>(v * 10 + (c.unicode() - u'0'), qint64(1) << 40);
    }
    if (v > std::numeric_limits<int>::max())
        return Numero::TroppoGrande;
    valore = int(v);
    return Numero::Ok;
}

// What a file says, before the picture is looked for.
struct Grezzo {
    QString titolo;
    int larghezza = 0;
    int altezza = 0;
    std::vector<Sequenze> righe;
    std::vector<Sequenze> colonne;
    bool conRighe = false;
    bool conColonne = false;
    QString goal;
};

// One clue line: comma-separated runs, "0" or nothing for an empty line. Runs are checked
// against the line as they come, so a long line of runs is refused before it is stored.
RifiutoNon indizio(QStringView riga, int lunghezza, Sequenze& sequenze)
{
    qint64 necessarie = 0;
    for (QStringView voce : riga.tokenize(u',')) {
        voce = voce.trimmed();
        if (voce.isEmpty())
            continue;
        int valore = 0;
        const Numero n = numero(voce, valore);
        if (n == Numero::TroppoGrande)
            return RifiutoNon::NumeroTroppoGrande;
        if (n == Numero::NonNumero) {
            // A run followed by a colour letter ("3a") belongs to a multi-colour puzzle.
            const bool colore = voce[0].isDigit() && voce.back().isLetter();
            return colore ? RifiutoNon::AColori : RifiutoNon::Malformato;
        }
        if (valore == 0)
            continue;
        necessarie += valore + (sequenze.empty() ? 0 : 1);
        if (necessarie > lunghezza)
            return RifiutoNon::SequenzaTroppoLunga;
        sequenze.push_back(valore);
    }
    return RifiutoNon::Nessuno;
}

// The `quante` lines after "rows" or "columns", each a clue for a line of `lunghezza` cells.
RifiutoNon blocco(Righe& righe, int quante, int lunghezza, std::vector<Sequenze>& indizi)
{
    indizi.assign(std::size_t(quante), {});
    for (Sequenze& sequenze : indizi) {
        QStringView riga;
        if (!righe.prossima(riga))
            return RifiutoNon::Malformato;
        const RifiutoNon esito = indizio(riga.trimmed(), lunghezza, sequenze);
        if (esito != RifiutoNon::Nessuno)
            return esito;
    }
    return RifiutoNon::Nessuno;
}

// A side given once, before the clue blocks that need it (a block before it finds it unset).
RifiutoNon leggiLato(QStringView valore, int& lato)
{
    if (lato != 0)
        return RifiutoNon::Malformato; // given twice
    switch (numero(valore, lato)) {
    case Numero::Ok:
        return lato >= 1 && lato <= LatoMassimoNon ? RifiutoNon::Nessuno
                                                   : RifiutoNon::LatoNonValido;
    case Numero::TroppoGrande:
        return RifiutoNon::NumeroTroppoGrande;
    default:
        return RifiutoNon::Malformato;
    }
}

// A string value: between double quotes when it starts with one, else as written.
QStringView stringa(QStringView valore)
{
    if (!valore.startsWith(u'"'))
        return valore;
    valore = valore.mid(1);
    const qsizetype chiusa = valore.lastIndexOf(u'"');
    return chiusa >= 0 ? valore.first(chiusa) : valore;
}

QString titolo(QStringView valore)
{
    QString testo = decodificaEntita(stringa(valore).toString());
    for (QChar& c : testo) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return testo.trimmed();
}

RifiutoNon chiave(QStringView nome, QStringView valore, Righe& righe, Grezzo& g)
{
    if (nome == u"width" || nome == u"height")
        return leggiLato(valore, nome == u"width" ? g.larghezza : g.altezza);
    if (nome == u"rows" || nome == u"columns") {
        const bool perRighe = nome == u"rows";
        bool& letto = perRighe ? g.conRighe : g.conColonne;
        if (g.larghezza == 0 || g.altezza == 0 || letto)
            return RifiutoNon::Malformato;
        letto = true;
        return perRighe ? blocco(righe, g.altezza, g.larghezza, g.righe)
                        : blocco(righe, g.larghezza, g.altezza, g.colonne);
    }
    if (nome == u"color" || nome == u"colour")
        return RifiutoNon::AColori;
    if (nome == u"title")
        g.titolo = titolo(valore);
    else if (nome == u"goal")
        g.goal = stringa(valore).trimmed().toString();
    return RifiutoNon::Nessuno; // other keys (by, copyright, license, catalogue ...) are not used
}

RifiutoNon analizza(QStringView testo, Grezzo& g)
{
    Righe righe(testo);
    QStringView riga;
    while (righe.prossima(riga)) {
        riga = riga.trimmed();
        if (riga.isEmpty())
            continue;
        qsizetype spazio = 0;
        while (spazio < riga.size() && !riga[spazio].isSpace())
            ++spazio;
        const QString nome = riga.first(spazio).toString().toLower();
        const RifiutoNon esito = chiave(nome, riga.mid(spazio).trimmed(), righe, g);
        if (esito != RifiutoNon::Nessuno)
            return esito;
    }
    if (!g.conRighe || !g.conColonne)
        return RifiutoNon::Malformato;
    qint64 totale = 0;
    for (const Sequenze& s : g.righe)
        for (const int n : s)
            totale += n;
    for (const Sequenze& s : g.colonne)
        for (const int n : s)
            totale -= n;
    return totale == 0 ? RifiutoNon::Nessuno : RifiutoNon::TotaliDiversi;
}

// Whether the goal is a picture of the right size whose runs are the clues.
bool goalValido(const Grezzo& g)
{
    if (g.goal.size() != qsizetype(g.larghezza) * g.altezza)
        return false;
    for (const QChar c : g.goal) {
        if (c != u'0' && c != u'1')
            return false;
    }
    const SequenzeDisegno goal = sequenzeDiPixel(g.goal, g.larghezza, g.altezza);
    return goal.righe == g.righe && goal.colonne == g.colonne;
}

// The solver takes square boards: a narrower side is padded with empty lines, which leave the
// pictures as they are. Above the solver's side nothing is searched: such a puzzle is only read
// with a goal that fits its clues.
EsitoSoluzioni cercaFigure(const Grezzo& g, Budget budget)
{
    const int lato = std::max(g.larghezza, g.altezza);
    std::vector<Sequenze> righe = g.righe;
    std::vector<Sequenze> colonne = g.colonne;
    righe.resize(std::size_t(lato));
    colonne.resize(std::size_t(lato));
    EsitoSoluzioni esito = contaSoluzioni(righe, colonne, budget);
    QString ritagliata;
    if (!esito.prima.isEmpty()) {
        for (int r = 0; r < g.altezza; ++r)
            ritagliata += QStringView(esito.prima).mid(qsizetype(r) * lato, g.larghezza);
    }
    esito.prima = ritagliata;
    return esito;
}

EsitoNon rifiuto(RifiutoNon motivo)
{
    EsitoNon esito;
    esito.rifiuto = motivo;
    return esito;
}

} // namespace

EsitoNon leggiNon(const QByteArray& byte, Budget budget)
{
    if (byte.size() > ByteMassimiNon)
        return rifiuto(RifiutoNon::TroppoGrande);
    QString testo = QString::fromUtf8(byte);
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    Grezzo g;
    const RifiutoNon motivo = analizza(testo, g);
    if (motivo != RifiutoNon::Nessuno)
        return rifiuto(motivo);

    const bool conGoal = goalValido(g);
    const EsitoSoluzioni figure = cercaFigure(g, budget);
    if (!conGoal && figure.esito == Unicita::Nessuna)
        return rifiuto(RifiutoNon::NessunaFigura);
    if (!conGoal && figure.esito == Unicita::NonVerificata)
        return rifiuto(RifiutoNon::NonRisolto);

    EsitoNon esito;
    esito.rifiuto = RifiutoNon::Nessuno;
    SchemaNon& s = esito.schema;
    s.titolo = std::move(g.titolo);
    s.larghezza = g.larghezza;
    s.altezza = g.altezza;
    s.righe = std::move(g.righe);
    s.colonne = std::move(g.colonne);
    s.dalGoal = conGoal;
    s.pixel = conGoal ? std::move(g.goal) : figure.prima;
    // With a goal that fits, the clues have at least that picture.
    s.unicita = figure.esito == Unicita::Nessuna ? Unicita::NonVerificata : figure.esito;
    return esito;
}

EsitoNon leggiFileNon(const QString& percorso, Budget budget)
{
    return leggiFileNon(QFile::encodeName(percorso), budget);
}

EsitoNon leggiFileNon(const QByteArray& percorso, Budget budget)
{
    QFile file;
    qint64 dimensione = 0;
    if (apriFileRegolare(percorso, file, dimensione) != AperturaFile::Aperto)
        return rifiuto(RifiutoNon::Illeggibile);
    if (dimensione > ByteMassimiNon)
        return rifiuto(RifiutoNon::TroppoGrande);
    // One byte more than allowed tells a file that grew since it was opened.
    const QByteArray byte = file.read(ByteMassimiNon + 1);
    if (file.error() != QFileDevice::NoError)
        return rifiuto(RifiutoNon::Illeggibile);
    return leggiNon(byte, budget);
}

} // namespace gridora
