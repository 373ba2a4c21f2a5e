#pragma once

#include "table/sound/onda.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QEventLoop;
class UscitaSuono;

// The knock: a wave file played to its end while the window keeps painting. Without the
// file, when it cannot be played or when there is no sound server, the desktop's beep. The
// file is read and the sound server reached when asked ahead (Prepara) or at the first
// knock, never at start-up.
class Bussata : public QObject {
    Q_OBJECT
  public:
    enum class Esito { Sentita, Bip, Interrotta };

    explicit Bussata(QString file, QObject* parent = nullptr);
    // Returns when the sound has been heard. A server that takes the sound and never plays
    // it is given the sound's length and two seconds more, then the knock beeps.
    Esito Suona();
    // Reads the file and reaches the sound server now, ahead of the first knock.
    void Prepara();
    // The window is closing: the knock playing now ends, and no other plays.
    void Interrompi();
    Esito Ultima() const { return m_ultima; }
    // The desktop's beep, the one place the program beeps; a test puts its own ear here.
    static void (*Bip)();

  private:
    void Leggi();
    Esito Fine(Esito esito);

    QString m_file;
    Onda m_onda;
    bool m_letta = false;
    UscitaSuono* m_uscita = nullptr;
    QPointer<QEventLoop> m_ciclo;
    bool m_interrotta = false;
    Esito m_ultima = Esito::Interrotta;
};
