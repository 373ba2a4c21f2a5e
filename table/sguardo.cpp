#include "table/sguardo.h"

#include "players/valutamano.h"
#include "table/tavolo.h"

namespace {

// Three face-up cards as the table's events name them; none while any is covered.
Sguardo::Carte Scoperte(const Carta& a, const Carta& b, const Carta& c) {
    if (a.Coperta() || b.Coperta() || c.Coperta())
        return {};
    return {CartaDetta{a.CodiceSeme(), a.Valore()}, CartaDetta{b.CodiceSeme(), b.Valore()},
            CartaDetta{c.CodiceSeme(), c.Valore()}};
}

} // namespace

Sguardo Guarda(const Tavolo& t) {
    Sguardo s;
    const int n = t.NumGiocatori();
    s.torneo = t.FaseCorrente() != Fase::Torneo && t.GiocatoriInGioco() > 0;
    if (!s.torneo)
        return s;
    s.palle.assign(n + 1, 0);
    for (int k = 1; k <= n; ++k)
        s.palle[k] = t.Palle(k);
    // The first deal sets whose turn it is; before it the cards show their backs.
    s.mano = t.Turno() != 0;
    if (!s.mano)
        return s;
    s.mie = Scoperte(t.CtlPilaCarte0(0), t.CtlPilaCarte0(1), t.CtlPilaCarte0(2));
    if (!s.mie.empty()) {
        std::uint8_t tipo = 0, valore = 0;
        ValutaMano(t.CtlPilaCarte0(0), t.CtlPilaCarte0(1), t.CtlPilaCarte0(2), tipo, valore);
        s.valore = NomeMano(tipo, valore);
    }
    s.banco = Scoperte(t.CtlPilaTavolo(0), t.CtlPilaTavolo(1), t.CtlPilaTavolo(2));
    if (t.GiocatoriInGioco() == 1 && !t.Occupato()) {
        for (int k = 1; k <= n; ++k)
            if (t.Palle(k) > 0)
                s.vincitore = k;
        return s;
    }
    s.finita = t.FaseCorrente() == Fase::Carte;
    if (s.finita)
        return s;
    if (t.Bussato())
        s.bussatore = t.Bussatore();
    // The knocker's lamp shows its knock, not a turn: its turn coming back ends the hand.
    if (t.Turno() != s.bussatore)
        s.turno = t.Turno();
    return s;
}
