// What the keys answer about seeded tables, to the byte, as a player relies on them.
#include "../tavolo_prova.h"
#include "table/access/parole.h"
#include "table/sguardo.h"

namespace {

struct Domande : TavoloProva {
    // The answers to the keys, one line each.
    std::string Chiedi(const char* tasti) {
        const char* const nomi[] = {"", "Mario", "Andrea Z.", "Gino", "Erika"};
        const auto nome = [&](int s) { return QString::fromLatin1(nomi[s]); };
        std::string r;
        for (const char* k = tasti; *k; ++k)
            r += parole::Risposta(*k, Guarda(t), {}, nome, t.NumGiocatori()).toStdString() + '\n';
        return r;
    }
};

TEST_F(Domande, EachKeyTellsWhatASightedPlayerSeesAndNothingCovered) {
    std::string pensa; // while the opener thinks, the table still shows its backs
    ui.durantePausa = [&] { pensa = pensa.empty() ? Chiedi("TG") : pensa; };
    const struct {
        const char* come;
        std::function<std::string()> gioca;
        const char* atteso;
    } casi[] = {
        {"before the first deal only the balls mean something",
         [&] {
             Torneo(4, 1);
             return Chiedi("CTGRP");
         },
         "Nessuna mano ancora\nNessuna mano ancora\nNessuna mano ancora\nNessuna mano ancora\n"
         "Mario tre palle, Andrea Z. tre palle, Gino tre palle e tu tre palle\n"},
        {"seat 1 opens, seat 2 knocks, the human's turn",
         [&] {
             Dai("2B 4C 6D  1S 10S 9S  3B 5C 7S  2C 3D 4S  5B 6B 8D");
             return pensa + Chiedi("CTG");
         },
         "Carte in tavola coperte\nTocca a Mario; nessuno ha bussato\n"
         "Due di Coppe, Tre di Denari e Quattro di Spade: Punti 4\n"
         "In tavola: Tre di Bastoni, Sette di Spade e Sei di Denari\n"
         "Tocca a te; ha bussato Andrea Z.: ultimo giro\n"},
        {"a Galbirolone, a tris, points with a pair",
         [&] {
             std::string r;
             for (const char* mano : {"1C 10C 9C", "7D 7S 7B", "7D 5D 10B"}) {
                 Metti(4, mano);
                 r += Chiedi("C");
             }
             return r;
         },
         "Asso, Re e Cavallo di Coppe: Galbirolone\n"
         "Sette di Denari, Sette di Spade e Sette di Bastoni: Tris di 7\n"
         "Sette di Denari, Cinque di Denari e Re di Bastoni: Punti 12\n"},
        {"the human knocks; the hand ends",
         [&] {
             t.Fatto();
             return Chiedi("GT");
         },
         "Mano finita\nIn tavola: Fante di Denari, Sette di Spade e Sei di Denari\n"},
        {"a seat out, the human alone",
         [&] {
             TavoloAccesso::Palle(t, 2, 0);
             TavoloAccesso::Palle(t, 4, 1);
             std::string r = Chiedi("P");
             TavoloAccesso::Palle(t, 1, 0);
             TavoloAccesso::Palle(t, 3, 0);
             TavoloAccesso::InGioco(t, 1);
             return r + Chiedi("G");
         },
         "Mario tre palle, Andrea Z. fuori, Gino due palle e tu una palla\nTorneo finito: hai "
         "vinto\n"},
        {"no knock at the human's turn",
         [&] {
             Torneo(3, 1);
             Dai("2B 4C 6D  3S 5C 8S  2C 3D 4S  5B 6B 8D");
             return Chiedi("G");
         },
         "Tocca a te; nessuno ha bussato\n"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(c.gioca(), c.atteso) << c.come;
}

} // namespace
