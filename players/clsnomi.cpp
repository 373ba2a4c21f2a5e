#include "players/clsnomi.h"

#include "platform/casuale.h"

#include <cmath>

const std::array<const char*, 19> ClsNomi::Elenco = {
    "Roberto", "Mario",   "Luca",   "Marco", "Andrea",  "Antonio",  "Filippo",
    "Simone",  "Stefano", "Davide", "Laura", "Barbara", "Giovanna", "Giorgia",
    "Erika",   "Susanna", "Giulia", "Sara",  "Simona"};

ClsNomi::ClsNomi() {
    casuale::RisemeDallOra();
}

std::string ClsNomi::GetNome() const {
    const double r1 = casuale::Rnd();
    const double r2 = casuale::Rnd();
    std::string nome = Elenco[casuale::Intero(19, r1)];
    // Halves round to even. J and K become L; W, X and Y become Z; a 0 becomes A.
    int b = static_cast<int>(std::nearbyint(26.0 * r2));
    if (b == 10 || b == 11)
        b = 12;
    if (b > 22)
        b = 26;
    if (b < 1)
        b = 1;
    nome += ' ';
    nome += static_cast<char>('A' + b - 1);
    nome += '.';
    return nome;
}
