#include "players/valutamano.h"

#include "cards/carta.h"

namespace {

bool StessoSeme(const Carta& a, const Carta& b) {
    if (a.CodiceSeme() != b.CodiceSeme())
        return false;
    return a.CodiceSeme() >= 0 || a.Seme() == b.Seme();
}

} // namespace

void ValutaMano(const Carta& c1, const Carta& c2, const Carta& c3, std::uint8_t& Tipo,
                std::uint8_t& Valore) {
    const Carta* c[3] = {&c1, &c2, &c3};
    const int v[3] = {c1.Valore(), c2.Valore(), c3.Valore()};
    const bool unSeme = StessoSeme(c1, c2) && StessoSeme(c2, c3);

    if (unSeme) {
        bool asso = false, re = false, cavallo = false;
        for (int x : v) {
            asso |= x == 1;
            re |= x == 10;
            cavallo |= x == 9;
        }
        if (asso && re && cavallo) {
            Tipo = kGalbirolone;
            Valore = 11;
            return;
        }
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k)
                    if (v[j] == v[i] + 1 && v[k] == v[j] + 1) {
                        Tipo = kGalbirola;
                        // ace-2-3 beats every other sequence
                        Valore = static_cast<std::uint8_t>(v[k] == 3 ? 11 : v[k]);
                        return;
                    }
    }
    if (v[0] == v[1] && v[1] == v[2]) {
        Tipo = kTris;
        Valore = static_cast<std::uint8_t>(v[0] == 1 ? 11 : v[0]);
        return;
    }
    const int p[3] = {PuntiCarta(c1.Valore()), PuntiCarta(c2.Valore()), PuntiCarta(c3.Valore())};
    Tipo = kPunti;
    if (unSeme) {
        Valore = static_cast<std::uint8_t>(p[0] + p[1] + p[2]);
        return;
    }
    // The best single card, or the best pair of one suit.
    int valore = 0;
    for (int i = 0; i < 3; ++i) {
        if (p[i] > valore)
            valore = p[i];
        for (int j = i + 1; j < 3; ++j)
            if (StessoSeme(*c[j], *c[i]) && p[i] + p[j] > valore)
                valore = p[i] + p[j];
    }
    Valore = static_cast<std::uint8_t>(valore);
}

std::string NomeMano(std::uint8_t Tipo, std::int32_t Valore) {
    switch (Tipo) {
    case kPunti:
        return "Punti " + std::to_string(Valore);
    case kTris:
        return "Tris di " + std::to_string(Valore);
    case kGalbirola:
        return "Galbirola di " + std::to_string(Valore);
    case kGalbirolone:
        return "Galbirolone";
    }
    return {};
}
