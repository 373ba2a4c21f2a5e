// What the table says happened, event by event: the seat, the cards and the balls of each.
#include "tavolo_prova.h"

namespace {

using Righe = std::vector<std::string>;

std::string Scrivi(const std::vector<CartaDetta>& carte) {
    std::string t;
    for (const CartaDetta& c : carte)
        t.append(" ").append(std::to_string(c.valore)).append(1, "BCDS"[c.seme]);
    return t;
}

// Each event as one compact line: "scambio 2: 3B | 1S" is seat 2 taking 3B and leaving 1S.
struct Racconto : TavoloProva {
    Righe Detto() const {
        static const char* const kTipi[] = {"mano",  "turno",  "apertura", "scambio",
                                            "bussa", "ultimo", "mostra",   "guadagna",
                                            "perde", "uscita", "vince"};
        Righe righe;
        for (const Accaduto& a : ui.racconto) {
            auto r = std::string(kTipi[static_cast<int>(a.tipo)]) + ' ' + std::to_string(a.seggio);
            if (!a.prese.empty() || !a.lasciate.empty())
                r.append(":").append(Scrivi(a.prese)).append(" |").append(Scrivi(a.lasciate));
            if (a.tipo == Accaduto::Tipo::Perde || a.tipo == Accaduto::Tipo::Guadagna)
                r.append(" palle ").append(std::to_string(a.palle));
            righe.push_back(r);
        }
        return righe;
    }
};

TEST_F(Racconto, EachHandIsToldInOrderWithItsSeatsCardsAndBalls) {
    struct Caso {
        const char* come;
        std::function<void()> gioca;
        Righe atteso;
    };
    const std::vector<Caso> casi = {
        {"seat 1 opens weak, seat 2 knocks on a Galbirolone, the human keeps",
         [&] {
             Torneo(4, 1);
             Dai("2B 4C 6D  1S 10S 9S  3B 5C 7S  2C 3D 4S  5B 6B 8D");
             t.Fatto();
         },
         {"mano 1", "turno 1", "apertura 1: | 2B 4C 6D", "turno 2", "bussa 2", "ultimo 2",
          "turno 3", "scambio 3: 2B 4C | 3B 7S", "turno 4", "scambio 4", "turno 1",
          "scambio 1: 3B | 8D", "mostra 1: 5B 6B 3B |", "mostra 2: 1S 10S 9S |",
          "mostra 3: 2B 5C 4C |", "mostra 4: 2C 3D 4S |", "guadagna 2 palle 4", "perde 4 palle 2"}},
        {"the human opens, passes, then takes a table card",
         [&] {
             Torneo(3, 3);
             ui.risposte = {false};
             Dai("4B 6C 8D  1S 10S 9S  2C 3D 7S  5B 5C 5D");
             t.ClickCarta0(0);
             t.ClickCarta0(1);
             t.ClickTavolo(2);
             t.Fatto();
         },
         {"mano 3", "turno 3", "apertura 3: | 2C 3D 7S", "turno 1", "scambio 1: 2C 3D | 4B 6C",
          "turno 2", "bussa 2", "ultimo 2", "turno 3", "scambio 3: 7S | 5D", "turno 1",
          "scambio 1: 5D | 2C", "mostra 1: 5D 3D 8D |", "mostra 2: 1S 10S 9S |",
          "mostra 3: 5B 5C 7S |", "guadagna 2 palle 4", "perde 3 palle 2"}},
        {"two seats leave together and the tournament has its winner",
         [&] {
             Torneo(3, 1);
             TavoloAccesso::Palle(t, 2, 1);
             TavoloAccesso::Palle(t, 3, 1);
             Metti(1, "7C 7S 7D");
             Metti(2, "2C 3C 4S");
             Metti(3, "2D 3D 4B");
             TavoloAccesso::FineMano(t);
         },
         {"mostra 1: 7C 7S 7D |", "mostra 2: 2C 3C 4S |", "mostra 3: 2D 3D 4B |", "perde 3 palle 0",
          "uscita 3", "perde 2 palle 0", "uscita 2", "vince 1"}},
    };
    std::set<Accaduto::Tipo> detti;
    for (const Caso& c : casi) {
        ui.racconto.clear();
        c.gioca();
        EXPECT_EQ(Detto(), c.atteso) << c.come;
        for (const Accaduto& a : ui.racconto)
            detti.insert(a.tipo);
    }
    EXPECT_EQ(detti.size(), static_cast<std::size_t>(Accaduto::Tipo::Vince) + 1);
}

} // namespace
