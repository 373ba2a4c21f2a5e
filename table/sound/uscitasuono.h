#pragma once

#include <QObject>

struct Onda;

// Where the knock's samples go: the desktop's sound server, or whatever the platform offers.
// Avvia starts a sound and returns at once; Finita follows once, from the event loop, when
// the sound has been heard (true) or cannot be (false). Ferma abandons the sound playing
// and its Finita; the next Avvia starts afresh.
class UscitaSuono : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Reaches the output ahead of the first sound, so that it starts as promptly as the next.
    virtual void Prepara() {}
    virtual void Avvia(const Onda& onda) = 0;
    virtual void Ferma() = 0;

  signals:
    void Finita(bool sentita);
};
