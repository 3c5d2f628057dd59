#pragma once

// Message boxes to the user, behind an interface so that tests can answer them.

#include <QString>

class QWidget;

namespace gridora {

class Messaggi {
public:
    virtual ~Messaggi() = default;
    // One OK button, no icon.
    virtual void avviso(QWidget* finestra, const QString& titolo, const QString& testo) = 0;
    // Yes and No, Yes the default; true for Yes.
    virtual bool domanda(QWidget* finestra, const QString& titolo, const QString& testo) = 0;
};

class MessaggiReali : public Messaggi {
public:
    void avviso(QWidget* finestra, const QString& titolo, const QString& testo) override;
    bool domanda(QWidget* finestra, const QString& titolo, const QString& testo) override;
};

} // namespace gridora
