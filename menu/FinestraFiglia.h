#pragma once

// The windows opened from the start window (the game, the editor, the instructions) take its place:
// it hides while one is open and comes back when that one closes.

#include <QPointer>
#include <QWidget>

namespace gridora {

class FinestraFiglia {
public:
    explicit FinestraFiglia(QWidget* inizio) : m_inizio(inizio) {}

    // Shows `figlia` (which is deleted when it closes) in place of the start window. Refused, and
    // `figlia` deleted, while another child is open.
    bool apri(QWidget* figlia);
    QWidget* aperta() const { return m_figlia; }

private:
    QWidget* m_inizio;
    QPointer<QWidget> m_figlia;
};

} // namespace gridora
