// The composition of the import window: every control in its place, and the wiring of
// their events.

#include "import/Caricatore.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "resources/Risorse.h"
#include "widgets/Composizione.h"
#include "widgets/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <QTreeWidget>
#include <array>

namespace gridora {

namespace {

const QColor Rosso(0xFF, 0x00, 0x00);
const QColor Rosa(0xFF, 0x80, 0x80);
const QColor Azzurro(0xC0, 0xFF, 0xFF);

QGroupBox* cornice(QWidget* contenitore, QRect twips, const QString& caption)
{
    auto* frame = new QGroupBox(caption, contenitore);
    posiziona(frame, twips.x(), twips.y(), twips.width(), twips.height());
    frame->setFont(carattere(8.25, true));
    frame->setAutoFillBackground(true);
    return frame;
}

template <typename Lista> Lista* lista(QWidget* contenitore, QRect twips)
{
    auto* l = new Lista(contenitore);
    posiziona(l, twips.x(), twips.y(), twips.width(), twips.height());
    l->setFont(carattere(8.25));
    return l;
}

} // namespace

void Importa::componi()
{
    setWindowTitle(QStringLiteral("Importa"));
    setWindowIcon(risorse::icona());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(7680), px(4560));
    QPalette bianco = palette();
    bianco.setColor(QPalette::Window, Qt::white);
    setPalette(bianco);
    setAutoFillBackground(true);

    m_c.Frame2 = cornice(this, {6480, 240, 1095, 1935}, QStringLiteral("Legenda"));
    componiLegenda();
    m_c.Frame1 = cornice(this, {6480, 2400, 1095, 1095}, QStringLiteral("Griglia"));
    componiLati();

    componiNavigazione();
    m_c.test = new TelaAnteprima(this);
    posiziona(m_c.test, 4560, 360, 1815, 1815);
    m_c.risultato = new RisultatoConversione(this);
    posiziona(m_c.risultato, 4560, 2640, 1815, 1815);
    m_c.errore = creaEtichetta(
        this, {4680, 840, 1575, 735}, QStringLiteral("Immagine NON Valida"),
        {.testo = Rosso, .punti = 12, .grassetto = true, .allineamento = Qt::AlignHCenter});
    m_c.errore->setWordWrap(true);
    m_c.errore->hide();

    componiTitoli();
    m_c.Shape1 = creaForma(this, {4560, 360, 1815, 1815}, std::nullopt);
    m_c.Shape3 = creaForma(this, {2160, 4250, 2175, 255}, Qt::black);

    impila({m_c.Frame2, m_c.Frame1, m_c.File1, m_c.Drive1, m_c.Dir1, m_c.test, m_c.risultato,
            m_c.errore, m_c.Label2, m_c.Label1, m_c.Importami, m_c.Shape1, m_c.Shape3});
    setTabOrder(m_c.Drive1, m_c.Dir1);
    setTabOrder(m_c.Dir1, m_c.File1);
}

// The drive list, the folder tree and the file list at the left.
void Importa::componiNavigazione()
{
    m_c.File1 = lista<QListView>(this, {2040, 120, 2415, 3990});
    m_file = new QStringListModel(this);
    m_c.File1->setModel(m_file);
    m_c.File1->setUniformItemSizes(true); // a folder of thousands of files lays out at once
    m_c.File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_c.File1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_c.File1->viewport()->setMouseTracking(true);

    m_c.Drive1 = lista<QComboBox>(this, {120, 120, 1815, 315});
    m_c.Dir1 = lista<QTreeWidget>(this, {120, 480, 1815, 3915});
    m_c.Dir1->setHeaderHidden(true);
    m_c.Dir1->setColumnCount(1);
    m_c.Dir1->setIndentation(px(180));
    m_c.Dir1->setRootIsDecorated(false);
    m_c.Dir1->setItemsExpandable(false); // folders open by activation, one level at a time
    m_c.Dir1->setExpandsOnDoubleClick(false);
}

// The titles of the preview and of the result, and the convert button.
void Importa::componiTitoli()
{
    struct Voce {
        Etichetta* Controlli::*campo;
        QRect twips;
        QString caption;
        QColor sfondo;
    };
    const std::array<Voce, 2> titoli = {{
        {&Controlli::Label2,
         {4560, 2400, 1815, 255},
         QStringLiteral("Bitmap %1x%1").arg(m_lato),
         Azzurro},
        {&Controlli::Label1, {4560, 120, 1815, 255}, QStringLiteral("Immagine"), Rosa},
    }};
    StileEtichetta stile = {.grassetto = true, .allineamento = Qt::AlignHCenter, .bordo = true};
    for (const Voce& v : titoli) {
        stile.sfondo = v.sfondo;
        m_c.*v.campo = creaEtichetta(this, v.twips, v.caption, stile);
    }
    stile.sfondo = QColor(Qt::white);
    m_c.Importami = creaEtichetta<EtichettaPulsante>(this, {2040, 4200, 2415, 255},
                                                     QStringLiteral("Trasforma"), stile);
    coloriPulsante(false);
    m_c.Importami->setEnabled(false);
}

// Three mouse pictograms, one above the other, the pressed part of each in red: the left button
// draws, the right one erases, the wheel clears.
void Importa::componiLegenda()
{
    QWidget* f = m_c.Frame2;
    const std::array<const char*, 3> didascalie = {"Disegna", "Cancella", "Elimina"};
    std::array<Forma*, 3> rotelle{};
    std::array<Forma*, 6> tasti{};
    std::array<Forma*, 3> corpi{};
    for (int r = 0; r < 3; ++r) {
        const int cima = 360 + 480 * r;
        creaEtichetta(f, {360, 480 + 480 * r, 735, 255}, QString::fromLatin1(didascalie[r]),
                      {.allineamento = Qt::AlignHCenter});
        const auto tasto = [&](int sinistra, bool premuto) {
            return creaForma(f, {sinistra, cima, 135, 135},
                             premuto ? std::optional<QColor>(Rosso) : std::nullopt);
        };
        tasti[2 * r] = tasto(120, r == 0);
        tasti[2 * r + 1] = tasto(240, r == 1);
        rotelle[r] = r == 2 ? creaForma(f, {210, cima, 70, 100}, Rosso)
                            : creaForma(f, {210, cima, 75, 105}, QColor(Qt::white));
        corpi[r] = creaForma(f, {120, cima, 255, 375}, std::nullopt);
    }
    for (Forma* dietro : corpi)
        dietro->raise();
    for (Forma* forma : tasti)
        forma->raise();
    for (Forma* davanti : rotelle)
        davanti->raise();
}

// The size options "Griglia"; 5x5 is chosen until the window is shown.
void Importa::componiLati()
{
    m_c.Frame1->setCursor(risorse::puntatore(u"MANO"));
    const std::array<const char*, 3> dimensioni = {"5x5", "10x10", "15x15"};
    for (int i = 0; i < 3; ++i) {
        auto* opzione = new QRadioButton(QString::fromLatin1(dimensioni[i]), m_c.Frame1);
        posiziona(opzione, 120, 240 + 240 * i, 855, 255);
        opzione->setFont(carattere(8.25));
        m_c.Option1[i] = opzione;
    }
    m_c.Option1[0]->setChecked(true);
}

void Importa::collega()
{
    auto* lati = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i)
        lati->addButton(m_c.Option1[i], i);
    connect(lati, &QButtonGroup::idToggled, this, [this](int id, bool scelto) {
        if (scelto)
            Option1_Click(id);
    });

    connect(m_c.Drive1, &QComboBox::activated, this,
            [this](int indice) { Drive1_Change(m_c.Drive1->itemText(indice)); });
    connect(m_c.Dir1, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* voce) { Dir1_Change(voce->data(0, Qt::UserRole).toString()); });
    // A file is chosen when it becomes selected, by the mouse or the keys, and again when the
    // file already selected is clicked.
    connect(m_c.File1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList scelti = m_c.File1->selectionModel()->selectedRows();
        if (!scelti.isEmpty())
            File1_Click(scelti.first().row());
    });
    connect(m_c.File1, &QAbstractItemView::clicked, this, [this](const QModelIndex& indice) {
        if (indice.row() == m_rigaPremuta)
            File1_Click(indice.row());
    });
    m_c.File1->viewport()->installEventFilter(this);
    m_c.File1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_c.File1, &QWidget::customContextMenuRequested, this, &Importa::File1_Menu);

    connect(m_c.Importami, &EtichettaPulsante::cliccata, this, &Importa::Importami_Click);
    m_c.Importami->installEventFilter(this);
    connect(m_c.test, &TelaAnteprima::trattoIniziato, this, &Importa::tela_MouseDown);
    connect(m_c.test, &TelaAnteprima::svuotataColMouse, this, &Importa::tela_Svuotata);

    connect(m_caricatore, &Caricatore::elencata, this, &Importa::cartellaElencata);
    connect(m_caricatore, &Caricatore::letta, this, &Importa::figuraLetta);
    connect(m_caricatore, &Caricatore::raccolti, this, &Importa::schemiRaccolti);
}

} // namespace gridora
