// Puzzle files: reading every variant other programs write, each refusal, the round trip of the
// whole starting collection, and the file names and writes of the exports.

#include "model/Collezione.h"
#include "model/FileSicuri.h"
#include "model/FormatoNon.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace gridora;

Q_DECLARE_METATYPE(gridora::RifiutoNon)
Q_DECLARE_METATYPE(gridora::Unicita)

namespace {

// The house of the examples: 5 x 5, one picture, found by line logic.
const QString Casa = u"00100"
                     u"01110"
                     u"11111"
                     u"01010"
                     u"01110"_qs;
const QByteArray RigheCasa = "rows\n1\n3\n5\n1,1\n3\n";
const QByteArray ColonneCasa = "columns\n1\n4\n3,1\n4\n1\n";
const QByteArray Lati5 = "width 5\nheight 5\n";

QByteArray ripetute(const QByteArray& riga, int volte)
{
    QByteArray testo;
    for (int i = 0; i < volte; ++i)
        testo += riga;
    return testo;
}

// A permutation puzzle of side n: every line holds one cell, n! pictures, none settled by line
// logic.
QByteArray permutazione(int n)
{
    const QByteArray lato = QByteArray::number(n);
    return "width " + lato + "\nheight " + lato + "\nrows\n" + ripetute("1\n", n) + "columns\n" +
           ripetute("1\n", n);
}

} // namespace

class TestFormatoNon : public QObject {
    Q_OBJECT

private slots:
    void lettura_data();
    void lettura();
    void rifiuti();
    void file();
    void andataERitorno();
    void nomiSicuri();
    void nomiLiberiEScrittureFallite();
};

void TestFormatoNon::lettura_data()
{
    QTest::addColumn<QByteArray>("testo");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<QString>("pixel"); // empty: any picture that fits the clues
    QTest::addColumn<Unicita>("unicita");
    QTest::addColumn<bool>("dalGoal");
    const QByteArray casa = Lati5 + RigheCasa + ColonneCasa;

    const QByteArray goal = "goal \"" + Casa.toLatin1() + "\"\n";
    QTest::newRow("goal tra virgolette")
        << "title \"Casa\"\n" + casa + goal << "Casa" << 5 << Casa << Unicita::Unica << true;
    QTest::newRow("colonne prima, chiavi ignote")
        << "catalogue \"12\"\nby \"A\"\nlicense\n" + Lati5 + "copyright \"x\"\n" + ColonneCasa +
               "\n\nrows\n1\n3\n5\n1, 1\n3\ngoal " + Casa.toLatin1() + "\nfoo bar\n"
        << "" << 5 << Casa << Unicita::Unica << true;
    QTest::newRow("senza goal, CRLF, TITLE maiuscolo")
        << QByteArray("TITLE Casa di \"Anna\"\r\n" + Lati5 + RigheCasa + ColonneCasa)
               .replace("\n", "\r\n")
        << "Casa di \"Anna\"" << 5 << Casa << Unicita::Unica << false;
    QTest::newRow("goal contraddetto") << casa + "goal \"" + QByteArray(25, '1') + "\"\n"
                                       << "" << 5 << Casa << Unicita::Unica << false;
    QTest::newRow("goal di lunghezza sbagliata") << casa + "goal \"0101\"\n"
                                                 << "" << 5 << Casa << Unicita::Unica << false;
    // Empty lines written "0", left empty, or "0,0"; a blank line counts inside a block.
    QTest::newRow("righe vuote, rettangolo")
        << QByteArray("width 4\nheight 3\nrows\n0\n\n1,0,2\ncolumns\n1\n0,0\n1\n1\n") << "" << 4
        << u"0000000010110"_qs.first(12) << Unicita::Unica << false;
    QTest::newRow("entità") << "\xEF\xBB\xBFtitle \" Caff&egrave; &lt;&#233;&#xE8;&gt; &amp;amp; "
                               "&ordm; &#0; \xC3\xA8 &copy;\"\n" +
                                   casa
                            << u"Caffè <éè> &amp; &ordm; \uFFFD è ©"_qs << 5 << Casa
                            << Unicita::Unica << false;
    QTest::newRow("più figure") << QByteArray("width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n")
                                << "" << 2 << "" << Unicita::PiuDiUna << false;
    // Above the solver's side the goal gives the picture.
    QByteArray diagonale(34 * 34, '0');
    for (int i = 0; i < 34; ++i)
        diagonale[i * 35] = '1';
    QTest::newRow("34 x 34 col goal")
        << permutazione(34) + "goal " + diagonale << "" << 34 << QString::fromLatin1(diagonale)
        << Unicita::NonVerificata << true;
}

void TestFormatoNon::lettura()
{
    QFETCH(QByteArray, testo);
    QFETCH(QString, pixel);
    const EsitoNon esito = leggiNon(testo);
    QCOMPARE(esito.rifiuto, RifiutoNon::Nessuno);
    const SchemaNon& s = esito.schema;
    QTEST(s.titolo, "titolo");
    QTEST(s.larghezza, "larghezza");
    QTEST(s.unicita, "unicita");
    QTEST(s.dalGoal, "dalGoal");
    if (!pixel.isEmpty())
        QCOMPARE(s.pixel, pixel);
    // Whatever its source, the picture shows the file's clues.
    const EsitoNon riscritto = leggiNon(scriviNon(u"x"_qs, s.larghezza, s.altezza, s.pixel));
    QVERIFY(riscritto.ok());
    QCOMPARE(riscritto.schema.righe, s.righe);
    QCOMPARE(riscritto.schema.colonne, s.colonne);
}

// Each refusal with its reason; runs near the integer limit whose sum would overflow; a
// budget spent before the search ends refuses rather than guesses.
void TestFormatoNon::rifiuti()
{
    using R = RifiutoNon;
    const QByteArray casa = RigheCasa + ColonneCasa;
    for (const auto& [testo, rifiuto] : std::initializer_list<std::pair<QByteArray, R>>{
             {"", R::Malformato},
             {RigheCasa + Lati5 + ColonneCasa, R::Malformato},
             {Lati5 + "width 5\n" + casa, R::Malformato},
             {Lati5 + ColonneCasa + "rows\n1\n3\n", R::Malformato},
             {Lati5 + RigheCasa, R::Malformato},
             {Lati5 + "rows\n1\n3\n5\n1 1\n3\n" + ColonneCasa, R::Malformato},
             {Lati5 + "rows\n1\n3\n5\n-1\n3\n" + ColonneCasa, R::Malformato},
             {"width cinque\nheight 5\n" + casa, R::Malformato},
             {"width 0\nheight 5\n" + RigheCasa, R::LatoNonValido},
             {"width 101\nheight 5\n", R::LatoNonValido},
             {"width 99999999999\nheight 5\n", R::NumeroTroppoGrande},
             {"color a 000000\n" + Lati5 + casa, R::AColori},
             {Lati5 + "rows\n1a\n3\n5\n1,1\n3\n" + ColonneCasa, R::AColori},
             {Lati5 + "rows\n1\n3,2\n5\n1,1\n3\n" + ColonneCasa, R::SequenzaTroppoLunga},
             {Lati5 + "rows\n2147483647,2147483647\n", R::SequenzaTroppoLunga},
             {Lati5 + "rows\n1\n3\n2147483648\n", R::NumeroTroppoGrande},
             {Lati5 + RigheCasa + "columns\n1\n4\n3,1\n4\n2\n", R::TotaliDiversi},
             {"width 2\nheight 2\nrows\n2\n0\ncolumns\n0\n2\n", R::NessunaFigura},
             {permutazione(34), R::NonRisolto},
             {"width 40\nheight 1\nrows\n40\ncolumns\n" + ripetute("1\n", 40), R::NonRisolto},
             {Lati5 + casa + QByteArray(ByteMassimiNon, '\n'), R::TroppoGrande}})
        QVERIFY2(leggiNon(testo).rifiuto == rifiuto, testo.left(60).constData());
    QCOMPARE(leggiNon(permutazione(5), Budget{1}).rifiuto, RifiutoNon::NonRisolto);
}

// Files: only regular ones, read without blocking, and the size limit before reading.
void TestFormatoNon::file()
{
    QTemporaryDir dir;
    const QString casa = dir.filePath(u"casa.non"_qs);
    QVERIFY(scriviFileAtomico(casa, Lati5 + RigheCasa + ColonneCasa));
    QCOMPARE(leggiFileNon(casa).schema.pixel, Casa);
    QCOMPARE(leggiFileNon(dir.path()).rifiuto, RifiutoNon::Illeggibile);
    QCOMPARE(leggiFileNon(dir.filePath(u"manca.non"_qs)).rifiuto, RifiutoNon::Illeggibile);
    const QString tubo = dir.filePath(u"tubo.non"_qs);
    QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    QCOMPARE(leggiFileNon(tubo).rifiuto, RifiutoNon::Illeggibile);
    const QString grande = dir.filePath(u"grande.non"_qs);
    QFile f(grande);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(ByteMassimiNon + 1));
    f.close();
    QCOMPARE(leggiFileNon(grande).rifiuto, RifiutoNon::TroppoGrande);
}

// Every puzzle of the starting collection writes and reads back to the same picture and name;
// so does a name with the characters the format escapes.
void TestFormatoNon::andataERitorno()
{
    for (const int lato : {5, 10, 15}) {
        const QList<VoceCollezione> voci = collezioneIniziale(lato);
        QVERIFY(!voci.isEmpty());
        for (const VoceCollezione& voce : voci) {
            const EsitoNon esito = leggiNon(scriviNon(voce.nome, lato, lato, voce.pixel));
            QVERIFY2(esito.ok() && esito.schema.titolo == voce.nome &&
                         esito.schema.pixel == voce.pixel && esito.schema.unicita == Unicita::Unica,
                     qPrintable(voce.nome));
        }
    }
    const QString strano = u"A & B \"c\" <d> &amp; è"_qs;
    QCOMPARE(leggiNon(scriviNon(strano, 5, 5, Casa)).schema.titolo, strano);
    QCOMPARE(leggiNon(scriviNon(u"riga\nnuova"_qs, 5, 5, Casa)).schema.titolo, u"riga nuova"_qs);
    QVERIFY(scriviNon(u"x"_qs, 5, 5, Casa.first(24)).isEmpty());
    QVERIFY(scriviNon(u"x"_qs, 5, 5, QString(Casa).replace(u'1', u'#')).isEmpty());
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

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Names in use are skipped, whatever is there, and an existing file is never replaced. In a
// folder that cannot exist (its parent is a file) the writes say so and leave nothing.
void TestFormatoNon::nomiLiberiEScrittureFallite()
{
    QTemporaryDir dir;
    const QString non = QString::fromLatin1(EstensioneNon);
    QCOMPARE(nomeLibero(dir.path(), u"Gatto"_qs, non), u"Gatto.non"_qs);
    QVERIFY(scriviFileAtomico(dir.filePath(u"Gatto.non"_qs), "vecchio"));
    QVERIFY(QFile::link(dir.filePath(u"manca"_qs), dir.filePath(u"Gatto (2).non"_qs)));
    QCOMPARE(nomeLibero(dir.path(), u"Gatto"_qs, non), u"Gatto (3).non"_qs);
    const QString scritto = scriviFileNuovo(dir.path(), u"Gatto"_qs, non, "nuovo");
    QCOMPARE(scritto, dir.filePath(u"Gatto (3).non"_qs));
    QCOMPARE(contenuto(dir.filePath(u"Gatto.non"_qs)), QByteArray("vecchio"));
    QCOMPARE(contenuto(scritto), QByteArray("nuovo"));

    const QString file = dir.filePath(u"Gatto.non"_qs);
    QString errore, erroreNuovo;
    QVERIFY(!scriviFileAtomico(file + u"/a.non"_qs, "dati", &errore));
    QVERIFY(scriviFileNuovo(file, u"a"_qs, non, "dati", &erroreNuovo).isEmpty());
    QVERIFY(!errore.isEmpty() && !erroreNuovo.isEmpty());
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList({u"Gatto (2).non"_qs, u"Gatto (3).non"_qs, u"Gatto.non"_qs}));
}

QTEST_GUILESS_MAIN(TestFormatoNon)
#include "tst_formato_non.moc"
