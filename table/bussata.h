#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QEventLoop;
class QSoundEffect;

// The knock: a wave file played to its end while the window keeps painting. Without the
// file, without an audio output or when the file cannot be played, the desktop's beep.
// The sound machinery is loaded at the first knock, not at start-up.
class Bussata : public QObject {
    Q_OBJECT
  public:
    Bussata(QString file, QObject* parent = nullptr);
    // Returns when the sound has played, or at the latest its length plus a margin later.
    void Suona();
    void Interrompi();

  private:
    bool Attendi(int millisecondi, const std::function<bool()>& fatto);

    QString m_file;
    QSoundEffect* m_effetto = nullptr;
    int m_durataMs = 0;
    QPointer<QEventLoop> m_ciclo;
    bool m_interrotta = false;
};
