#include "table/sound/bussata.h"

#include "table/sound/uscitasuono.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#ifdef GALBIROLA_PULSE
#include "table/sound/uscitapulse.h"
#else
#include "table/sound/uscitaqt.h"
#endif

namespace {

// Past the sound's length, the last guard against a server that never plays it.
constexpr int kGuardiaMs = 2000;

} // namespace

void (*Bussata::Bip)() = &QApplication::beep;

Bussata::Bussata(QString file, QObject* parent) : QObject(parent), m_file(std::move(file)) {}

void Bussata::Leggi() {
    if (!m_letta) {
        m_onda = LeggiOnda(m_file);
        m_letta = true;
    }
    if (m_onda.Valida() && !m_uscita) {
#ifdef GALBIROLA_PULSE
        m_uscita = new UscitaPulse(this);
#else
        m_uscita = new UscitaQt(m_file, this);
#endif
    }
}

void Bussata::Prepara() {
    Leggi();
    if (m_uscita && !m_interrotta)
        m_uscita->Prepara();
}

Bussata::Esito Bussata::Suona() {
    if (m_interrotta)
        return Esito::Interrotta;
    Leggi();
    if (!m_uscita)
        return Fine(Esito::Bip);

    QEventLoop ciclo;
    m_ciclo = &ciclo;
    bool finita = false, sentita = false;
    const QMetaObject::Connection risposta =
        connect(m_uscita, &UscitaSuono::Finita, &ciclo, [&](bool s) {
            finita = true;
            sentita = s;
            ciclo.quit();
        });
    QTimer guardia;
    guardia.setSingleShot(true);
    // A coarse timer may ring up to a twentieth early: the server gets its whole two seconds.
    guardia.setTimerType(Qt::PreciseTimer);
    connect(&guardia, &QTimer::timeout, &ciclo, &QEventLoop::quit);
    guardia.start(m_onda.DurataMs() + kGuardiaMs);
    m_uscita->Avvia(m_onda);
    if (!finita && !m_interrotta)
        ciclo.exec();
    disconnect(risposta);
    m_ciclo = nullptr;
    if (!finita)
        m_uscita->Ferma();
    if (m_interrotta)
        return Fine(Esito::Interrotta);
    return Fine(sentita ? Esito::Sentita : Esito::Bip);
}

Bussata::Esito Bussata::Fine(Esito esito) {
    if (esito == Esito::Bip)
        Bip();
    m_ultima = esito;
    return esito;
}

void Bussata::Interrompi() {
    m_interrotta = true;
    if (m_ciclo)
        m_ciclo->quit();
}
