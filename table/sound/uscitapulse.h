#pragma once

#include "table/sound/onda.h"
#include "table/sound/uscitasuono.h"

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

// The desktop's PulseAudio server, or PipeWire's service that speaks its protocol. Each knock
// is a short stream, written whole before it starts and drained; Finita comes when the server
// has played it and the output's latency has passed. The connection is made at the first knock
// and made again at the next knock after the server went away; a server that is not there at
// all is never started for us.
class UscitaPulse : public UscitaSuono {
    Q_OBJECT
  public:
    explicit UscitaPulse(QObject* parent = nullptr);
    ~UscitaPulse() override;

    void Prepara() override;
    void Avvia(const Onda& onda) override;
    void Ferma() override;

  private:
    bool AvviaCiclo();
    // All below run with the server thread's lock held.
    void Connetti();
    void ApriFlusso();
    void ChiudiFlusso();
    void ChiudiContesto();
    void Annuncia(bool sentita, int ritardoMs = 0);
    void Scrivi();
    static void CambioContesto(pa_context* contesto, void* io);
    static void CambioFlusso(pa_stream* flusso, void* io);
    static void Svuotato(pa_stream* flusso, int riuscito, void* io);
    static void Tempi(pa_stream* flusso, int riuscito, void* io);

    // In the window's thread, when the server has answered.
    void Concludi(unsigned giro, bool sentita);

    pa_threaded_mainloop* m_ciclo = nullptr;
    pa_context* m_contesto = nullptr;
    pa_stream* m_flusso = nullptr;
    pa_operation* m_svuota = nullptr;
    Onda m_onda;
    bool m_attesa = false; // a knock is waiting for its end
    unsigned m_giro = 0;   // which knock; answers about an older one are dropped
};
