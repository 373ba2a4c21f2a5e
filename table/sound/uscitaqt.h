#pragma once

#include "table/sound/uscitasuono.h"

#include <QString>

class QSoundEffect;

// Qt Multimedia's sound effect, for platforms without a PulseAudio server. It plays the file
// itself, loaded at the first knock; it cannot tell how long the output holds the sound, so
// Finita comes when the effect stops playing.
class UscitaQt : public UscitaSuono {
    Q_OBJECT
  public:
    explicit UscitaQt(QString file, QObject* parent = nullptr);

    void Avvia(const Onda& onda) override;
    void Ferma() override;

  private:
    void Prosegui();

    QString m_file;
    QSoundEffect* m_effetto = nullptr;
    bool m_attesa = false;
    bool m_partito = false;
};
