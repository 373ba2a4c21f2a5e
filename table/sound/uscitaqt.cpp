#include "table/sound/uscitaqt.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

UscitaQt::UscitaQt(QString file, QObject* parent) : UscitaSuono(parent), m_file(std::move(file)) {}

void UscitaQt::Avvia(const Onda&) {
    m_attesa = true;
    m_partito = false;
    if (!m_effetto) {
        if (QMediaDevices::audioOutputs().isEmpty()) {
            QTimer::singleShot(0, this, [this] { Prosegui(); });
            return;
        }
        m_effetto = new QSoundEffect(this);
        connect(m_effetto, &QSoundEffect::statusChanged, this, &UscitaQt::Prosegui);
        connect(m_effetto, &QSoundEffect::playingChanged, this, &UscitaQt::Prosegui);
        m_effetto->setSource(QUrl::fromLocalFile(m_file));
    }
    QTimer::singleShot(0, this, [this] { Prosegui(); });
}

void UscitaQt::Ferma() {
    m_attesa = false;
    if (m_effetto)
        m_effetto->stop();
}

// One step after each change of the effect: play it once loaded, end once it has played.
void UscitaQt::Prosegui() {
    if (!m_attesa)
        return;
    const auto fine = [this](bool sentita) {
        m_attesa = false;
        emit Finita(sentita);
    };
    if (!m_effetto || m_effetto->status() == QSoundEffect::Error)
        return fine(false);
    if (m_effetto->status() != QSoundEffect::Ready)
        return; // still loading
    if (m_partito) {
        if (!m_effetto->isPlaying())
            fine(true);
        return;
    }
    m_partito = true;
    m_effetto->play();
}
