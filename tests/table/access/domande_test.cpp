// What the keys answer about seeded tables, to the byte, as a player relies on them.
#include "../tavolo_prova.h"
#include "table/access/parole.h"
#include "table/sguardo.h"

#include <utility>

namespace {

using Domande = TavoloProva;

// A seeded hand asked about at each step: before the deal, while the opener thinks, at the
// human's turn after a knock and with three hands, at the end, with seats out, with a winner;
// then a turn without a knock.
TEST_F(Domande, EachKeyTellsWhatASightedPlayerSeesAndNothingCovered) {
    const char* const nomi[] = {"", "Mario", "Andrea Z.", "Gino", "Erika"};
    const auto nome = [&](int s) { return QString::fromLatin1(nomi[s]); };
    std::string detto;
    const auto chiedi = [&](const char* tasti) { // the answers to the keys, one line each
        std::string r;
        for (const char* k = tasti; *k; ++k)
            r += parole::Risposta(*k, Guarda(t), {}, nome, t.NumGiocatori()).toStdString() + '\n';
        return r;
    };
    bool pensa = true; // the first opener thinks with the table's cards face down
    ui.durantePausa = [&] { detto += std::exchange(pensa, false) ? chiedi("TG") : ""; };
    Torneo(4, 1);
    detto += chiedi("CGP");
    Dai("2B 4C 6D  1S 10S 9S  3B 5C 7S  2C 3D 4S  5B 6B 8D");
    detto += chiedi("CTG");
    for (const char* mano : {"1C 10C 9C", "7D 7S 7B", "7D 5D 10B"}) {
        Metti(4, mano);
        detto += chiedi("C");
    }
    Metti(4, "2C 3D 4S"); // the dealt hand back, so that the turn plays the cards in play
    t.Fatto();
    detto += chiedi("GT");
    TavoloAccesso::Palle(t, 2, 0);
    TavoloAccesso::Palle(t, 3, 2);
    TavoloAccesso::Palle(t, 4, 1);
    detto += chiedi("P");
    TavoloAccesso::Palle(t, 1, 0);
    TavoloAccesso::Palle(t, 3, 0);
    TavoloAccesso::InGioco(t, 1);
    detto += chiedi("G");
    Torneo(3, 1);
    Dai("2B 4C 6D  3S 5C 8S  2C 3D 4S  5B 6B 8D");
    detto += chiedi("G");
    EXPECT_EQ(detto, "Nessuna mano ancora\nNessuna mano ancora\n"
                     "Mario tre palle, Andrea Z. tre palle, Gino tre palle e tu tre palle\n"
                     "Carte in tavola coperte\nTocca a Mario; nessuno ha bussato\n"
                     "Due di Coppe, Tre di Denari e Quattro di Spade: Punti 4\n"
                     "In tavola: Tre di Bastoni, Sette di Spade e Sei di Denari\n"
                     "Tocca a te; ha bussato Andrea Z.: ultimo giro\n"
                     "Asso, Re e Cavallo di Coppe: Galbirolone\n"
                     "Sette di Denari, Sette di Spade e Sette di Bastoni: Tris di 7\n"
                     "Sette di Denari, Cinque di Denari e Re di Bastoni: Punti 12\n"
                     "Mano finita\nIn tavola: Fante di Denari, Sette di Spade e Sei di Denari\n"
                     "Mario tre palle, Andrea Z. fuori, Gino due palle e tu una palla\n"
                     "Torneo finito: hai vinto\nTocca a te; nessuno ha bussato\n");
}

} // namespace
