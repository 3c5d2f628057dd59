#pragma once

// Where the game's sounds go: the recordings by number, and the system beep.

#include <array>
#include <memory>

class QSoundEffect;

namespace gridora {

class UscitaSuono {
public:
    virtual ~UscitaSuono() = default;
    // Gets ready to play without delay (a game window is about to need it).
    virtual void prepara() {}
    // Starts a recording and returns at once; a new sound stops the one playing.
    virtual void riproduci(int numero) = 0;
    virtual void ferma() = 0;
    virtual void beep() = 0;
};

// Plays the compiled-in recordings with Qt Multimedia. With no audio device it stays silent.
class UscitaSuonoQt : public UscitaSuono {
public:
    UscitaSuonoQt();
    ~UscitaSuonoQt() override;

    void riproduci(int numero) override;
    void ferma() override;
    void beep() override;

    bool haDispositivo() const { return m_dispositivo; }

private:
    bool m_dispositivo = false;
    // One effect per sound (101..108), made when the output is created.
    std::array<std::unique_ptr<QSoundEffect>, 8> m_effetti;
    QSoundEffect* m_inCorso = nullptr;
};

// Connects to the audio system only when a game first needs it, so the start window does not
// pay for it.
class UscitaSuonoPigra : public UscitaSuono {
public:
    UscitaSuonoPigra();
    ~UscitaSuonoPigra() override;

    void prepara() override;
    void riproduci(int numero) override;
    void ferma() override;
    void beep() override;

private:
    std::unique_ptr<UscitaSuonoQt> m_uscita;
};

} // namespace gridora
