#include "table/bussata.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <functional>

namespace {

constexpr int kMargineMs = 500;
constexpr int kCaricamentoMs = 2000;

// The length of a wave file from its header. Qt's sound effect does not tell its length,
// and the wait must have a bound; -1 when the file is not a plain wave file.
int durataMs(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray testa = f.read(12);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteAlSecondo = 0;
    while (!f.atEnd()) {
        const QByteArray blocco = f.read(8);
        if (blocco.size() < 8)
            return -1;
        const quint32 lunghezza = qFromLittleEndian<quint32>(blocco.constData() + 4);
        if (blocco.startsWith("fmt ")) {
            const QByteArray fmt = f.read(lunghezza);
            if (fmt.size() < 12)
                return -1;
            byteAlSecondo = qFromLittleEndian<quint32>(fmt.constData() + 8);
        } else if (blocco.startsWith("data")) {
            // A damaged header may claim more than the file holds: only what is there plays.
            const double presenti = std::min<qint64>(lunghezza, f.size() - f.pos());
            return byteAlSecondo ? static_cast<int>(std::min(1000.0 * presenti / byteAlSecondo,
                                                             double(INT_MAX - kMargineMs)))
                                 : -1;
        } else {
            f.skip(lunghezza + (lunghezza & 1));
        }
    }
    return -1;
}

} // namespace

Bussata::Bussata(QString file, QObject* parent) : QObject(parent), m_file(std::move(file)) {}

bool Bussata::Attendi(int millisecondi, const std::function<bool()>& fatto) {
    QEventLoop ciclo;
    m_ciclo = &ciclo;
    QTimer limite;
    limite.setSingleShot(true);
    connect(&limite, &QTimer::timeout, &ciclo, &QEventLoop::quit);
    const auto controlla = [&] {
        if (fatto())
            ciclo.quit();
    };
    connect(m_effetto, &QSoundEffect::statusChanged, &ciclo, controlla);
    connect(m_effetto, &QSoundEffect::playingChanged, &ciclo, controlla);
    limite.start(millisecondi);
    if (!fatto() && !m_interrotta)
        ciclo.exec();
    m_ciclo = nullptr;
    return fatto();
}

void Bussata::Suona() {
    if (m_interrotta)
        return;
    if (!m_effetto) {
        m_durataMs = durataMs(m_file);
        if (m_durataMs < 0 || QMediaDevices::audioOutputs().isEmpty()) {
            QApplication::beep();
            return;
        }
        m_effetto = new QSoundEffect(this);
        m_effetto->setSource(QUrl::fromLocalFile(m_file));
    }
    const bool pronto = Attendi(kCaricamentoMs, [this] {
        return m_effetto->status() == QSoundEffect::Ready ||
               m_effetto->status() == QSoundEffect::Error;
    });
    if (!pronto || m_effetto->status() != QSoundEffect::Ready) {
        QApplication::beep();
        return;
    }
    m_effetto->play();
    bool partito = false;
    Attendi(m_durataMs + kMargineMs, [this, &partito] {
        partito = partito || m_effetto->isPlaying();
        return m_interrotta || (partito && !m_effetto->isPlaying());
    });
}

void Bussata::Interrompi() {
    m_interrotta = true;
    if (m_effetto)
        m_effetto->stop();
    if (m_ciclo)
        m_ciclo->quit();
}
