#pragma once

#include "table/interfacciatavolo.h"

#include <string>
#include <vector>

class Tavolo;

// What a sighted player takes in at a glance, whenever they look: their own cards and what
// they are worth, the table's cards, every seat's balls, the lamp of whose turn it is and the
// knock's. Only what is face up is in it: never a computer's covered card, never the deck.
struct Sguardo {
    using Carte = decltype(Accaduto::prese);

    bool torneo = false;    // the seats, names and balls are set up
    bool mano = false;      // a hand has been dealt in this tournament
    bool finita = false;    // the hand is over and the next one waits to be dealt
    int vincitore = 0;      // the tournament is over and this seat won it
    Carte mie;              // the human's three cards, when face up
    std::string valore;     // what they are worth, as the showdown names it
    Carte banco;            // the table's three cards, when face up
    std::vector<int> palle; // each seat's balls, 1-based; 0 is out of the tournament
    int turno = 0;          // the seat whose lamp shows its turn, 0 for none
    int bussatore = 0;      // who knocked in this hand, 0 for nobody: it is the last round
};

Sguardo Guarda(const Tavolo& tavolo);
