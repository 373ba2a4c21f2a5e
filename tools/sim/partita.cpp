#include "partita.h"

#include "platform/orologio.h"
#include "players/clsgiocatore.h"
#include "players/valutamano.h"
#include "table/tavolo.h"
#include "trascrizione.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>

namespace {

// Out of the way of the pauses that look for it.
[[noreturn, gnu::noinline, gnu::cold]] void Infinita(int maxTurni) {
    throw ManoInfinita("a hand went on for more than " + std::to_string(maxTurni) + " turns");
}

class InterfacciaSim : public InterfacciaTavolo {
  public:
    InterfacciaSim(const OpzioniSim& o, Simulatore::Uscita u, void* c)
        : m_o(o), m_uscita(u), m_contesto(c) {}

    Tavolo* tavolo = nullptr;
    std::string nomeProposto;
    Fase fase = Fase::Torneo;

    void MostraFase(Fase f) override { fase = f; }
    void ProponiNome(const std::string& nome) override { nomeProposto = nome; }
    void CreaPostazioni(int) override {}
    void ImpostaLampada(int, Lampada) override {}
    void MostraSegnapunti(int) override {}
    void ImpostaEtichetta(int, const std::string&) override {}
    void EtichettaGrigia(int) override {}
    void ImpostaPalla(int, int, bool) override {}

    void Messaggio(int stile, const std::optional<std::string>& titolo,
                   const std::string& testo) override {
        if (m_o.trascrizione)
            Scrivi(RigaJson()
                       .Campo("event", "message")
                       .Campo("style", stile)
                       .Campo("title", titolo.value_or(""))
                       .Campo("text", testo)
                       .Fine());
    }

    bool LeggeClassifica() const override { return m_o.trascrizione; }

    bool Domanda(const std::string& titolo, const std::string& testo) override {
        bool si = false;
        switch (m_o.umano) {
        case Politica::Tieni:
            si = true;
            break;
        case Politica::Tavolo:
            si = false;
            break;
        case Politica::Computer: {
            // the computer opener's rule
            std::uint8_t tipo = 0, valore = 0;
            ValutaMano(tavolo->CtlPilaCarte0(0), tavolo->CtlPilaCarte0(1), tavolo->CtlPilaCarte0(2),
                       tipo, valore);
            si = tipo >= kTris || valore > 2 * tavolo->NumGiocatori() + 14;
            break;
        }
        }
        if (m_o.trascrizione)
            Scrivi(RigaJson()
                       .Campo("event", "question")
                       .Campo("title", titolo)
                       .Campo("text", testo)
                       .Campo("answer", si ? "yes" : "no")
                       .Fine());
        return si;
    }

    void Bussa(int seggio) override {
        if (m_o.trascrizione)
            Scrivi(RigaJson().Campo("event", "knock").Campo("seat", seggio).Fine());
    }

    void Pausa(double) override {
        if (tavolo && tavolo->TurniMano() > m_o.maxTurni)
            Infinita(m_o.maxTurni);
    }

    void Scrivi(const std::string& riga) { m_uscita(riga, m_contesto); }

  private:
    const OpzioniSim& m_o;
    Simulatore::Uscita m_uscita;
    void* m_contesto;
};

} // namespace

void Simulatore::GiocaTorneo(long long numero) {
    InterfacciaSim ui(m_o, m_uscita, m_contesto);
    OrologioSalto orologio; // waits take no time
    Tavolo tavolo(ui, orologio);
    ui.tavolo = &tavolo;

    tavolo.Carica();
    tavolo.CreaTorneo(m_o.avversari - 1, m_o.nome.value_or(ui.nomeProposto));
    const int n = tavolo.NumGiocatori();
    if (m_o.trascrizione) {
        std::string nomi = "[";
        for (int k = 1; k <= n; ++k) {
            if (k > 1)
                nomi += ',';
            nomi += RigaJson::Stringa(tavolo.Nomi(k));
        }
        ui.Scrivi(RigaJson()
                      .Campo("event", "setup")
                      .Campo("tournament", numero)
                      .Campo("seats", n)
                      .Campo("mazziere", tavolo.Mazziere())
                      .CampoGrezzo("names", nomi + "]")
                      .Fine());
    }

    // The human seat played by the computer strategy, over its own and the table's cards.
    ClsGiocatore umano;
    umano.ImpostaCarte(&tavolo.CtlPilaCarte0(0), &tavolo.CtlPilaCarte0(1),
                       &tavolo.CtlPilaCarte0(2));
    umano.ImpostaTavolo(&tavolo.CtlPilaTavolo(0), &tavolo.CtlPilaTavolo(1),
                        &tavolo.CtlPilaTavolo(2));

    std::array<ClsGiocatore*, Tavolo::kMaxGiocatori> giocatori{};
    for (int k = 1; k < n; ++k)
        giocatori[k] = tavolo.Giocatori(k);

    long long mani = 0;
    while (ui.fase == Fase::Carte) {
        ++mani;
        if (m_o.trascrizione)
            ui.Scrivi(RigaJson()
                          .Campo("event", "deal")
                          .Campo("hand", mani)
                          .Campo("mazziere", tavolo.Mazziere())
                          .Fine());
        umano.NuovaMano();
        tavolo.DaiCarte();
        while (ui.fase == Fase::Fatto) {
            if (tavolo.TurniMano() + 1 > m_o.maxTurni)
                Infinita(m_o.maxTurni);
            switch (m_o.umano) {
            case Politica::Tieni:
                break;
            case Politica::Tavolo:
                for (int i = 0; i < 3; ++i)
                    tavolo.ClickTavolo(i);
                break;
            case Politica::Computer: {
                std::array<std::uint8_t, 3> scelta;
                umano.Scegli(scelta);
                for (const std::uint8_t p : scelta) {
                    if (p <= 3)
                        tavolo.ClickCarta0(p - 1);
                    else
                        tavolo.ClickTavolo(p - 4);
                }
                break;
            }
            }
            tavolo.Fatto();
        }
        m_dati.turni += tavolo.TurniMano();
        if (tavolo.TurniMano() > m_dati.manoPiuLunga)
            m_dati.manoPiuLunga = tavolo.TurniMano();
        for (const auto& r : tavolo.UltimaMano())
            ++m_dati.tipiVisti[r.Tipo];
        std::uint8_t turni = umano.Turni();
        for (int k = 1; k < n; ++k)
            turni = std::max(turni, giocatori[k]->Turni());
        m_dati.maniAllaResa += turni >= ClsGiocatore::kTurnoResa;
    }

    ++m_dati.partite;
    m_dati.mani += mani;
    if (mani > m_dati.torneoPiuLungo)
        m_dati.torneoPiuLungo = mani;
    for (int k = 1; k <= n; ++k)
        if (tavolo.Palle(k) > 0)
            ++m_dati.vittorie[k];
}

MescolaEDistribuisci::MescolaEDistribuisci(int seggi) : m_daDare(3 * seggi + 3) {
    for (auto& c : m_carte)
        c.ImpostaMazzo(&m_mazzo);
}

void MescolaEDistribuisci::Mano() {
    int seme = 0;
    std::uint8_t valore = 0;
    m_mazzo.Mescola();
    for (int i = 0; i < m_daDare; ++i) {
        m_mazzo.Pesca(seme, valore);
        m_carte[i].SettaCarta(seme, valore);
    }
}

double TempoMescolaEDistribuisci(long long mani, int seggi) {
    MescolaEDistribuisci pavimento(seggi);
    const auto inizio = std::chrono::steady_clock::now();
    for (long long h = 0; h < mani; ++h)
        pavimento.Mano();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
}
