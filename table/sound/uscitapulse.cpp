#include "table/sound/uscitapulse.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <pulse/pulseaudio.h>

namespace {

// A short output latency: the knock is heard as soon as it starts and ends close to its length.
// The stream's queue still takes the whole sound, which is written before the start.
constexpr pa_usec_t kLatenzaUs = 40'000;

pa_sample_format_t formato(Onda::Campione campione) {
    switch (campione) {
    case Onda::Campione::U8:
        return PA_SAMPLE_U8;
    case Onda::Campione::S16:
        return PA_SAMPLE_S16LE;
    case Onda::Campione::S24:
        return PA_SAMPLE_S24LE;
    case Onda::Campione::S32:
        return PA_SAMPLE_S32LE;
    case Onda::Campione::F32:
        return PA_SAMPLE_FLOAT32LE;
    case Onda::Campione::Nessuno:
        break;
    }
    return PA_SAMPLE_INVALID;
}

class Blocco {
  public:
    explicit Blocco(pa_threaded_mainloop* ciclo) : m_ciclo(ciclo) {
        pa_threaded_mainloop_lock(m_ciclo);
    }
    ~Blocco() { pa_threaded_mainloop_unlock(m_ciclo); }
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;

  private:
    pa_threaded_mainloop* m_ciclo;
};

} // namespace

UscitaPulse::UscitaPulse(QObject* parent) : UscitaSuono(parent) {}

UscitaPulse::~UscitaPulse() {
    if (!m_ciclo)
        return;
    {
        const Blocco blocco(m_ciclo);
        ChiudiFlusso();
        ChiudiContesto();
    }
    pa_threaded_mainloop_stop(m_ciclo);
    pa_threaded_mainloop_free(m_ciclo);
}

bool UscitaPulse::AvviaCiclo() {
    if (!m_ciclo) {
        m_ciclo = pa_threaded_mainloop_new();
        if (m_ciclo && pa_threaded_mainloop_start(m_ciclo) < 0) {
            pa_threaded_mainloop_free(m_ciclo);
            m_ciclo = nullptr;
        }
    }
    return m_ciclo != nullptr;
}

void UscitaPulse::Prepara() {
    if (!AvviaCiclo())
        return;
    const Blocco blocco(m_ciclo);
    if (!m_contesto)
        Connetti();
}

void UscitaPulse::Avvia(const Onda& onda) {
    if (!AvviaCiclo()) {
        QTimer::singleShot(0, this, [this] { emit Finita(false); });
        return;
    }
    const Blocco blocco(m_ciclo);
    ++m_giro;
    ChiudiFlusso();
    m_onda = onda;
    m_attesa = true;
    if (m_contesto && !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_contesto)))
        ChiudiContesto(); // the server went away since the last knock: try it afresh
    if (m_contesto) {
        if (pa_context_get_state(m_contesto) == PA_CONTEXT_READY)
            ApriFlusso();
        return;
    }
    Connetti();
}

void UscitaPulse::Connetti() {
    pa_proplist* proprieta = pa_proplist_new();
    pa_proplist_sets(proprieta, PA_PROP_APPLICATION_NAME, "Galbirola");
    pa_proplist_sets(proprieta, PA_PROP_APPLICATION_ID, "it.galbirola.galbirola");
    pa_proplist_sets(proprieta, PA_PROP_APPLICATION_ICON_NAME, "it.galbirola.galbirola");
    m_contesto =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_ciclo), "Galbirola", proprieta);
    pa_proplist_free(proprieta);
    if (!m_contesto) {
        Annuncia(false);
        return;
    }
    pa_context_set_state_callback(m_contesto, &UscitaPulse::CambioContesto, this);
    // No server is started for a game that only wants to knock: without one, it beeps.
    if (pa_context_connect(m_contesto, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        ChiudiContesto();
        Annuncia(false);
    }
}

void UscitaPulse::Ferma() {
    if (!m_ciclo)
        return;
    const Blocco blocco(m_ciclo);
    ++m_giro;
    m_attesa = false;
    ChiudiFlusso();
    // A server that took the sound and never played it is not trusted with the next one.
    ChiudiContesto();
}

void UscitaPulse::ApriFlusso() {
    const pa_sample_spec specifica{formato(m_onda.campione),
                                   static_cast<uint32_t>(m_onda.frequenza),
                                   static_cast<uint8_t>(m_onda.canali)};
    if (!pa_sample_spec_valid(&specifica)) {
        Annuncia(false);
        return;
    }
    pa_proplist* proprieta = pa_proplist_new();
    pa_proplist_sets(proprieta, PA_PROP_MEDIA_ROLE, "event");
    pa_proplist_sets(proprieta, PA_PROP_EVENT_ID, "galbirola-bussata");
    m_flusso = pa_stream_new_with_proplist(m_contesto, "Bussata", &specifica, nullptr, proprieta);
    pa_proplist_free(proprieta);
    if (!m_flusso) {
        Annuncia(false);
        return;
    }
    pa_stream_set_state_callback(m_flusso, &UscitaPulse::CambioFlusso, this);
    const uint32_t nessuno = static_cast<uint32_t>(-1);
    const pa_buffer_attr buffer{nessuno,
                                static_cast<uint32_t>(pa_usec_to_bytes(kLatenzaUs, &specifica)),
                                nessuno, nessuno, nessuno};
    // Corked until the whole sound is in the server's queue: nothing this process does late
    // can leave the stream without samples in the middle of the knock.
    if (pa_stream_connect_playback(
            m_flusso, nullptr, &buffer,
            static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED),
            nullptr, nullptr) < 0) {
        ChiudiFlusso();
        Annuncia(false);
    }
}

void UscitaPulse::ChiudiFlusso() {
    if (m_svuota) {
        pa_operation_cancel(m_svuota);
        pa_operation_unref(m_svuota);
        m_svuota = nullptr;
    }
    if (!m_flusso)
        return;
    pa_stream_set_state_callback(m_flusso, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_flusso)))
        pa_stream_disconnect(m_flusso);
    pa_stream_unref(m_flusso);
    m_flusso = nullptr;
}

void UscitaPulse::ChiudiContesto() {
    if (!m_contesto)
        return;
    ChiudiFlusso();
    pa_context_set_state_callback(m_contesto, nullptr, nullptr);
    pa_context_disconnect(m_contesto);
    pa_context_unref(m_contesto);
    m_contesto = nullptr;
}

void UscitaPulse::Annuncia(bool sentita, int ritardoMs) {
    if (!m_attesa)
        return;
    m_attesa = false;
    const unsigned giro = m_giro;
    // The sound's last samples are still on their way out: the knock has been heard once
    // they have, and the stream stays open until then so that nothing cuts them. The time is
    // counted from now, so a window thread slow to take the answer does not wait it twice.
    const QDeadlineTimer sentitaAlle(ritardoMs);
    QMetaObject::invokeMethod(
        this,
        [this, giro, sentita, sentitaAlle] {
            if (const qint64 resto = sentitaAlle.remainingTime(); resto > 0)
                QTimer::singleShot(std::chrono::milliseconds(resto), Qt::PreciseTimer, this,
                                   [this, giro, sentita] { Concludi(giro, sentita); });
            else
                Concludi(giro, sentita);
        },
        Qt::QueuedConnection);
}

void UscitaPulse::Concludi(unsigned giro, bool sentita) {
    {
        const Blocco blocco(m_ciclo);
        if (giro != m_giro)
            return;
        ChiudiFlusso();
    }
    emit Finita(sentita);
}

void UscitaPulse::Scrivi() {
    // More than the server asked for, in one go: the queue holds it all, and the start waits
    // behind it on the same connection.
    if (pa_stream_write(m_flusso, m_onda.dati.constData(), static_cast<size_t>(m_onda.dati.size()),
                        nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        Annuncia(false);
        return;
    }
    pa_operation* avvio = pa_stream_cork(m_flusso, 0, nullptr, nullptr);
    if (!avvio) {
        Annuncia(false);
        return;
    }
    pa_operation_unref(avvio);
    m_svuota = pa_stream_drain(m_flusso, &UscitaPulse::Svuotato, this);
    if (!m_svuota)
        Annuncia(false);
}

void UscitaPulse::CambioContesto(pa_context* contesto, void* io) {
    auto* uscita = static_cast<UscitaPulse*>(io);
    switch (pa_context_get_state(contesto)) {
    case PA_CONTEXT_READY:
        if (uscita->m_attesa && !uscita->m_flusso)
            uscita->ApriFlusso();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        uscita->Annuncia(false);
        break;
    default:
        break;
    }
}

void UscitaPulse::CambioFlusso(pa_stream* flusso, void* io) {
    switch (pa_stream_get_state(flusso)) {
    case PA_STREAM_READY:
        static_cast<UscitaPulse*>(io)->Scrivi();
        break;
    case PA_STREAM_FAILED:
        static_cast<UscitaPulse*>(io)->Annuncia(false);
        break;
    default:
        break;
    }
}

void UscitaPulse::Svuotato(pa_stream* flusso, int riuscito, void* io) {
    auto* uscita = static_cast<UscitaPulse*>(io);
    if (uscita->m_svuota) {
        pa_operation_unref(uscita->m_svuota);
        uscita->m_svuota = nullptr;
    }
    if (!riuscito) {
        uscita->Annuncia(false);
        return;
    }
    // How long the server's output still holds the last samples.
    if (pa_operation* tempi = pa_stream_update_timing_info(flusso, &UscitaPulse::Tempi, io))
        pa_operation_unref(tempi);
    else
        uscita->Annuncia(true);
}

void UscitaPulse::Tempi(pa_stream* flusso, int riuscito, void* io) {
    pa_usec_t latenza = 0;
    int negativa = 0;
    if (!riuscito || pa_stream_get_latency(flusso, &latenza, &negativa) < 0 || negativa)
        latenza = 0;
    static_cast<UscitaPulse*>(io)->Annuncia(true, static_cast<int>((latenza + 999) / 1000));
}
