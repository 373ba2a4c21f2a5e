#pragma once

// A table driven through its window interface with scripted answers, and a random source
// whose next numbers a test chooses (for example to lay out the next deal).

#include "../support/notazione.h"
#include "platform/casuale.h"
#include "platform/orologio.h"
#include "table/tavolo.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

struct TavoloAccesso {
    static void Palle(Tavolo& t, int seggio, int palle) {
        t.m_palle.at(seggio) = static_cast<std::uint8_t>(palle);
    }
    static void InGioco(Tavolo& t, int n) { t.m_giocatoriInGioco = static_cast<std::uint8_t>(n); }
    static void FineMano(Tavolo& t) { t.FineMano(); }
};

// Numbers chosen by the test first, then a fixed-seed stream.
class CodaCasuale : public FonteCasuale {
  public:
    std::deque<double> coda;
    double Prossimo() override {
        ++m_estratti;
        if (coda.empty())
            return m_riserva.Prossimo();
        const double r = coda.front();
        coda.pop_front();
        return r;
    }
    void Riseme(float) override {}

  private:
    CasualeFisso m_riserva{12345};
};

struct UiProva : InterfacciaTavolo {
    std::vector<std::string> eventi;
    std::deque<bool> risposte;
    Fase fase = Fase::Torneo;
    std::map<int, Lampada> lampade;
    std::map<int, std::string> etichette;
    std::set<int> grigie;
    std::map<int, std::array<bool, 3>> palle;
    std::function<void()> durantePausa;
    std::vector<double> pause;
    std::size_t pauseAllaDomanda = 0;

    void MostraFase(Fase f) override { fase = f; }
    void ProponiNome(const std::string&) override {}
    void CreaPostazioni(int n) override { eventi.push_back("postazioni " + std::to_string(n)); }
    void ImpostaLampada(int s, Lampada l) override {
        lampade[s] = l;
        if (l == Lampada::Turno)
            eventi.push_back("turno " + std::to_string(s));
    }
    void MostraSegnapunti(int) override {}
    void ImpostaEtichetta(int s, const std::string& t) override { etichette[s] = t; }
    void EtichettaGrigia(int s) override { grigie.insert(s); }
    void ImpostaPalla(int s, int p, bool piena) override { palle[s].at(p) = piena; }
    void Messaggio(int stile, const std::optional<std::string>& titolo,
                   const std::string& testo) override {
        eventi.push_back("msg " + std::to_string(stile) + " [" + titolo.value_or("-") + "] " +
                         testo);
    }
    bool Domanda(const std::string& titolo, const std::string& testo) override {
        eventi.push_back("domanda [" + titolo + "] " + testo);
        pauseAllaDomanda = pause.size();
        const bool r = risposte.empty() ? false : risposte.front();
        if (!risposte.empty())
            risposte.pop_front();
        return r;
    }
    void Bussa(int s) override { eventi.push_back("bussa " + std::to_string(s)); }
    std::vector<Accaduto> racconto;
    std::function<void(const Accaduto&)> alRacconto; // as each event is told
    void Racconta(const Accaduto& a) override {
        racconto.push_back(a);
        if (alRacconto)
            alRacconto(a);
    }
    void Pausa(double s) override {
        pause.push_back(s);
        if (durantePausa)
            durantePausa();
    }

    // The events that start with a prefix, in order.
    std::vector<std::string> Solo(const std::string& prefisso) const {
        std::vector<std::string> v;
        for (const auto& e : eventi)
            if (e.rfind(prefisso, 0) == 0)
                v.push_back(e);
        return v;
    }
};

struct TavoloProva : ::testing::Test {
    CodaCasuale* numeri = new CodaCasuale;
    casuale::Sostituzione sostituzione{std::unique_ptr<FonteCasuale>(numeri)};
    UiProva ui;
    OrologioSalto orologio;
    Tavolo t{ui, orologio};

    // Starts the program and sets up a tournament with n seats and the given first opener.
    void Torneo(int n, int mazziere, const std::string& nome = "Anna") {
        numeri->coda = {0.0, 0.0};
        t.Carica();
        numeri->coda = {(mazziere - 1 + 0.5) / n};
        t.CreaTorneo(n - 2, nome);
    }

    // Lays out the next shuffle so that the cards come out in the given order (the rest in
    // the order they were), then deals.
    void Dai(const std::string& carte) {
        const auto voluti = notazione::LeggiTutte(carte);
        std::vector<std::pair<std::string, int>> ordine;
        for (int p = 1; p <= 40; ++p) {
            const auto& c = t.Mazzo().Posizione(p);
            ordine.push_back({std::string(kSemi[c.CodiceSeme - 1]), c.Valore});
        }
        std::vector<bool> preso(40, false);
        std::deque<double> r;
        auto prendi = [&](int slot) {
            preso[slot] = true;
            r.push_back((slot + 0.5) / 40);
        };
        for (const auto& v : voluti)
            for (int s = 0; s < 40; ++s)
                if (!preso[s] && ordine[s].first == v.first && ordine[s].second == v.second) {
                    prendi(s);
                    break;
                }
        ASSERT_EQ(r.size(), voluti.size()) << "a card twice in " << carte;
        for (int s = 0; s < 40; ++s)
            if (!preso[s])
                prendi(s);
        numeri->coda = r;
        t.DaiCarte();
    }

    std::string Carte1(int seggio) {
        return notazione::Scrivi(t.CtlPilaCarte1(3 * seggio - 3)) + " " +
               notazione::Scrivi(t.CtlPilaCarte1(3 * seggio - 2)) + " " +
               notazione::Scrivi(t.CtlPilaCarte1(3 * seggio - 1));
    }
    std::string Carte0() {
        return notazione::Scrivi(t.CtlPilaCarte0(0)) + " " + notazione::Scrivi(t.CtlPilaCarte0(1)) +
               " " + notazione::Scrivi(t.CtlPilaCarte0(2));
    }
    std::string Tavolo3() {
        return notazione::Scrivi(t.CtlPilaTavolo(0)) + " " + notazione::Scrivi(t.CtlPilaTavolo(1)) +
               " " + notazione::Scrivi(t.CtlPilaTavolo(2));
    }
    // Puts cards straight into a seat's slots (seat n is the human).
    void Metti(int seggio, const std::string& carte) {
        if (seggio == t.NumGiocatori())
            notazione::Metti(carte,
                             {&t.CtlPilaCarte0(0), &t.CtlPilaCarte0(1), &t.CtlPilaCarte0(2)});
        else
            notazione::Metti(carte,
                             {&t.CtlPilaCarte1(3 * seggio - 3), &t.CtlPilaCarte1(3 * seggio - 2),
                              &t.CtlPilaCarte1(3 * seggio - 1)});
    }
};
