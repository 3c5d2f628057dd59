// Puzzle files: reading every variant other programs write and each refusal, writing back, the
// checks on the file itself, and the file names and writes of the exports.

#include "model/FileSicuri.h"
#include "model/FormatoNon.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace gridora;

namespace {

// The house of the examples: 5 x 5, one picture, found by line logic.
const QString Casa = u"0010001110111110101001110"_qs;
const QByteArray RigheCasa = "rows\n1\n3\n5\n1,1\n3\n";
const QByteArray ColonneCasa = "columns\n1\n4\n3,1\n4\n1\n";
const QByteArray Lati5 = "width 5\nheight 5\n";
const QByteArray CasaNon = Lati5 + RigheCasa + ColonneCasa;
// Above the solver's side only a goal that fits gives the picture.
const QByteArray Riga40 =
    "width 40\nheight 1\nrows\n40\ncolumns\n" + QByteArray("1\n").repeated(40);

} // namespace

class TestFormatoNon : public QObject {
    Q_OBJECT

private slots:
    void letture();
    void rifiuti();
    void file();
    void nomiSicuri();
    void nomiLiberi();
};

// Each file read shows the picture of its clues and writes back to a file that reads the same.
void TestFormatoNon::letture()
{
    using U = Unicita;
    const QByteArray goal = "goal \"" + Casa.toLatin1() + "\"\n";
    // Columns first, keys without value or unknown, blank lines, a blank in a clue, a bare goal.
    const QByteArray varianti =
        "catalogue \"12\"\nby \"A\"\nlicense\n" + Lati5 + "copyright \"x\"\n" + ColonneCasa +
        "\n\nrows\n1\n3\n5\n1, 1\n3\ngoal " + Casa.toLatin1() + "\nfoo bar\n";
    const QByteArray crlf = QByteArray("TITLE Casa di \"Anna\"\n" + CasaNon).replace("\n", "\r\n");
    const QByteArray entita = "\xEF\xBB\xBFtitle \" Caff&egrave; &lt;&#233;&#xE8;&gt; &amp;amp; "
                              "&ordm; &#0; \xC3\xA8 &copy;\"\n" +
                              CasaNon;
    // Empty lines written "0", left blank, or "0,0", on a board that is not square.
    const QByteArray vuote = "width 4\nheight 3\nrows\n0\n\n1,0,2\ncolumns\n1\n0,0\n1\n1\n";
    const QString pieni40(40, u'1');
    // Each file with its title, its picture (empty: any that fits the clues), whether it has just
    // one and whether it comes from the goal.
    for (const auto& [testo, titolo, pixel, unicita, dalGoal] :
         std::initializer_list<std::tuple<QByteArray, QString, QString, U, bool>>{
             {"title \"Casa\"\n" + CasaNon + goal, u"Casa"_qs, Casa, U::Unica, true},
             {varianti, {}, Casa, U::Unica, true},
             {crlf, u"Casa di \"Anna\""_qs, Casa, U::Unica, false},
             // A goal that contradicts the clues, or of the wrong length, is not the picture.
             {CasaNon + "goal \"" + QByteArray(25, '1') + "\"\n", {}, Casa, U::Unica, false},
             {CasaNon + "goal \"0101\"\n", {}, Casa, U::Unica, false},
             {vuote, {}, u"000000001011"_qs, U::Unica, false},
             {entita, u"Caffè <éè> &amp; &ordm; \uFFFD è ©"_qs, Casa, U::Unica, false},
             {"width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n", {}, {}, U::PiuDiUna, false},
             {Riga40 + "goal " + pieni40.toLatin1(), {}, pieni40, U::NonVerificata, true}}) {
        const EsitoNon e = leggiNon(testo);
        const SchemaNon& s = e.schema;
        const SchemaNon r = leggiNon(scriviNon(s.titolo, s.larghezza, s.altezza, s.pixel)).schema;
        QVERIFY2(e.ok() && s.titolo == titolo && s.unicita == unicita && s.dalGoal == dalGoal &&
                     (pixel.isEmpty() || s.pixel == pixel) && r.titolo == s.titolo &&
                     r.pixel == s.pixel && r.righe == s.righe && r.colonne == s.colonne,
                 testo.left(60).constData());
    }
}

// Each refusal with its reason: runs near the integer limit whose sum would overflow, and clues
// the solver cannot settle in its budget, refused rather than guessed.
void TestFormatoNon::rifiuti()
{
    using R = RifiutoNon;
    for (const auto& [testo, rifiuto] : std::initializer_list<std::pair<QByteArray, R>>{
             {"", R::Malformato},
             {RigheCasa + Lati5 + ColonneCasa, R::Malformato},
             {CasaNon + "width 5\n", R::Malformato},
             {CasaNon + RigheCasa, R::Malformato},
             {Lati5 + ColonneCasa + "rows\n1\n3\n", R::Malformato},
             {Lati5 + RigheCasa, R::Malformato},
             {Lati5 + "rows\n1\n3\n5\n1 1\n3\n" + ColonneCasa, R::Malformato},
             {Lati5 + "rows\n1\n3\n5\n-1\n3\n" + ColonneCasa, R::Malformato},
             {"width cinque\n", R::Malformato},
             {"width 0\n", R::LatoNonValido},
             {"width 101\nheight 5\n", R::LatoNonValido},
             {"width 99999999999\nheight 5\n", R::NumeroTroppoGrande},
             {"color a 000000\n" + CasaNon, R::AColori},
             {Lati5 + "rows\n1a\n3\n5\n1,1\n3\n" + ColonneCasa, R::AColori},
             {Lati5 + "rows\n1\n3,2\n5\n1,1\n3\n" + ColonneCasa, R::SequenzaTroppoLunga},
             {Lati5 + "rows\n2147483647,2147483647\n", R::SequenzaTroppoLunga},
             {Lati5 + "rows\n1\n3\n2147483648\n", R::NumeroTroppoGrande},
             {Lati5 + RigheCasa + "columns\n1\n4\n3,1\n4\n2\n", R::TotaliDiversi},
             {"width 2\nheight 2\nrows\n2\n0\ncolumns\n0\n2\n", R::NessunaFigura},
             {Riga40, R::NonRisolto},
             {CasaNon + QByteArray(ByteMassimiNon, '\n'), R::TroppoGrande}})
        QVERIFY2(leggiNon(testo).rifiuto == rifiuto, testo.left(60).constData());
    QCOMPARE(leggiNon(CasaNon, Budget{1}).rifiuto, RifiutoNon::NonRisolto);
    // A title stays on its line; a picture that does not match its sides is not written.
    QCOMPARE(leggiNon(scriviNon(u"riga\nnuova"_qs, 5, 5, Casa)).schema.titolo, u"riga nuova"_qs);
    QVERIFY(scriviNon({}, 5, 5, Casa.first(24)).isEmpty() &&
            scriviNon({}, 5, 5, QString(Casa).replace(u'1', u'#')).isEmpty());
}

// Files: only regular ones, read without blocking, and the size limit before reading.
void TestFormatoNon::file()
{
    QTemporaryDir dir;
    const auto percorso = [&](const char* nome) { return dir.filePath(QString::fromLatin1(nome)); };
    QVERIFY(scriviFileAtomico(percorso("casa.non"), CasaNon));
    QCOMPARE(leggiFileNon(percorso("casa.non")).schema.pixel, Casa);
    QCOMPARE(::mkfifo(QFile::encodeName(percorso("tubo.non")).constData(), 0600), 0);
    for (const char* nome : {"", "manca.non", "tubo.non"})
        QCOMPARE(leggiFileNon(percorso(nome)).rifiuto, RifiutoNon::Illeggibile);
    QFile grande(percorso("grande.non"));
    QVERIFY(grande.open(QIODevice::WriteOnly) && grande.resize(ByteMassimiNon + 1));
    grande.close();
    QCOMPARE(leggiFileNon(grande.fileName()).rifiuto, RifiutoNon::TroppoGrande);
}

// Names made safe for every file system: reserved names and characters, dots and blanks at the
// ends, and a cut at the byte limit after 14 whole thumbs with a skin tone, never inside one.
void TestFormatoNon::nomiSicuri()
{
    const QString pollice = u"👍🏽"_qs;
    for (const auto& [nome, sicuro] :
         {std::pair{u"Gatto Nero"_qs, u"Gatto Nero"_qs},
          {u"a/b\\c:d*e?f\"g<h>i|j\tk"_qs, u"a_b_c_d_e_f_g_h_i_j_k"_qs},
          {u" ..Nome. . "_qs, u"Nome"_qs},
          {u"con"_qs, u"con_"_qs},
          {u"Lpt1.txt"_qs, u"Lpt1_.txt"_qs},
          {u"COM10"_qs, u"COM10"_qs},
          {u" .. "_qs, u"Schema"_qs},
          {pollice.repeated(30), pollice.repeated(14)}})
        QCOMPARE(nomeFileSicuro(nome), sicuro);
}

// A name in use is skipped whatever is there, even a link to nothing, and an existing file is
// never replaced.
void TestFormatoNon::nomiLiberi()
{
    QTemporaryDir dir;
    const QString non = QString::fromLatin1(EstensioneNon);
    QCOMPARE(nomeLibero(dir.path(), u"Gatto"_qs, non), u"Gatto.non"_qs);
    QVERIFY(scriviFileAtomico(dir.filePath(u"Gatto.non"_qs), "vecchio"));
    QVERIFY(QFile::link(dir.filePath(u"manca"_qs), dir.filePath(u"Gatto (2).non"_qs)));
    QCOMPARE(scriviFileNuovo(dir.path(), u"Gatto"_qs, non, "nuovo"),
             dir.filePath(u"Gatto (3).non"_qs));
    QCOMPARE(nomeLibero(dir.path(), u"Gatto"_qs, non), u"Gatto (4).non"_qs);
}

QTEST_GUILESS_MAIN(TestFormatoNon)
#include "tst_formato_non.moc"
