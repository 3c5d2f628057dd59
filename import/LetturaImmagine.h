#pragma once

// Reading the picture file the user chose for the import: BMP, JPEG, GIF (its first frame), ICO
// and CUR through Qt's readers, WMF through the helper program gridora-wmf. The picture comes back
// decoded at no more than the size the preview needs, or with the reason it is not a picture.
//
// Every file is distrusted. Only regular files are opened (never a pipe or a device, which could
// block or never end); the file's size, the dimensions its header announces and the completeness
// of its structure are checked before anything is decoded, so a hostile or damaged file costs a
// bounded amount of memory and time. Every picture within LimitiImmagine is read: JPEG pictures
// are decoded at reduced size by the decoder itself, a progressive one holding its coefficients,
// at most about 6 bytes a pixel of the progressive limit (180 MB); BMP, GIF and an icon's PNG are
// decoded whole in their own format (Qt's allocation limit is raised to the pixel limit at 4
// bytes a pixel, 191 MB) and then reduced; an icon's or cursor's bitmap is decoded straight at
// the size wanted, with its transparency mask. A metafile is read whole (16 MB at most) and
// converted in a separate process with its own memory and CPU limits and a deadline, so a
// metafile that crashes or hangs libwmf costs a refused picture, never the game.

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

class QIODevice;

namespace gridora {

struct SchemaNon;

enum class FormatoImmagine { Sconosciuto, Bmp, Jpeg, Gif, Ico, Cur, Wmf };

enum class ErroreImmagine {
    Nessuno,
    NonUnFile,            // missing, a folder, a device or a pipe
    NonLeggibile,         // no permission, or reading failed
    Vuoto,                // zero bytes
    TroppoGrande,         // larger than the file-size limit
    FormatoSconosciuto,   // none of BMP, JPEG, GIF, ICO, CUR, WMF
    DimensioniEccessive,  // the header announces more pixels than the limits allow
    Danneggiata,          // truncated, inconsistent, or the decoder gave up
    WmfRifiutato,         // libwmf found no picture in the metafile
    WmfInterrotto,        // the helper crashed, broke its limits or missed its deadline
    ProgrammaWmfMancante, // the helper could not be started
};

struct EsitoImmagine {
    QImage immagine; // null unless ok()
    ErroreImmagine errore = ErroreImmagine::Nessuno;
    // The puzzle when the file was a puzzle file (see LetturaSchema.h), otherwise null.
    std::shared_ptr<const SchemaNon> schema;

    bool ok() const { return errore == ErroreImmagine::Nessuno; }
};

struct LimitiImmagine {
    qint64 byteMassimi = qint64(256) << 20;      // any picture file
    qint64 byteMassimiWmf = qint64(16) << 20;    // a metafile, which is read whole and piped
    int latoMassimo = 30000;                     // announced width or height, in pixels
    qint64 pixelMassimi = 50'000'000;            // announced width x height
    qint64 pixelMassimiProgressivi = 30'000'000; // the same for a progressive JPEG
    int attesaWmfMs = 2000;                      // deadline of one conversion by the helper
};

// The format by the first bytes of the content, whatever the file's name says.
FormatoImmagine riconosciFormato(const QByteArray& inizio);

// Largest size a caller may ask for, per side.
inline constexpr int LatoMassimoRichiesto = 4096;

class LetturaImmagine {
public:
    // `programmaWmf` is the path of the helper executable (see percorsoProgrammaWmf()); empty
    // means metafiles cannot be read. Raises Qt's image allocation limit to `limiti` if needed.
    explicit LetturaImmagine(QString programmaWmf, LimitiImmagine limiti = {});

    const LimitiImmagine& limiti() const { return m_limiti; }

    // The picture in the file at `percorso`, at most `massima` on each side: a larger picture is
    // scaled down along each axis that exceeds it (so its proportions may change, as the preview
    // stretches it anyway); a smaller one keeps its own size.
    EsitoImmagine leggi(const QString& percorso, QSize massima) const;
    // The same for a path as the file system spells it, which need not be valid UTF-8.
    EsitoImmagine leggi(const QByteArray& percorso, QSize massima) const;

    // The same for a picture already in memory.
    EsitoImmagine decodifica(const QByteArray& dati, QSize massima) const;

    // The same for a seekable device of `dimensione` bytes positioned at its start.
    EsitoImmagine decodifica(QIODevice& dispositivo, qint64 dimensione, QSize massima) const;

private:
    EsitoImmagine convertiWmf(const QByteArray& wmf, QSize massima) const;

    QString m_programmaWmf;
    LimitiImmagine m_limiti;
};

// Decodes the PNG that the helper writes, refusing anything larger than `massima`.
EsitoImmagine decodificaPngWmf(const QByteArray& png, QSize massima);

// Where the shipped program keeps the helper: beside the program, or in
// ../libexec/gridorapc/ relative to it. Empty when it is in neither place.
QString percorsoProgrammaWmf(const QString& cartellaProgramma);
QString percorsoProgrammaWmf(); // for the running program (QCoreApplication::applicationDirPath())

inline constexpr const char* NomeProgrammaWmf = "gridora-wmf";

} // namespace gridora
