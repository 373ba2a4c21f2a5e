#include "players/valutamano.h"

#include "cards/carta.h"

#include <array>

namespace {

bool StessoSeme(const Carta& a, const Carta& b) {
    if (a.CodiceSeme() != b.CodiceSeme())
        return false;
    return a.CodiceSeme() >= 0 || a.Seme() == b.Seme();
}

struct Valutazione {
    std::uint8_t tipo = 0;
    std::uint8_t valore = 0;
};

// Three values, read in argument order, and which of them share a suit: s12 the first two,
// s23 the last two, s13 the first and the last.
constexpr Valutazione Valuta(const int (&v)[3], bool s12, bool s23, bool s13) {
    const bool unSeme = s12 && s23;
    if (unSeme) {
        bool asso = false, re = false, cavallo = false;
        for (int x : v) {
            asso |= x == 1;
            re |= x == 10;
            cavallo |= x == 9;
        }
        if (asso && re && cavallo)
            return {kGalbirolone, 11};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k)
                    if (v[j] == v[i] + 1 && v[k] == v[j] + 1)
                        // ace-2-3 beats every other sequence
                        return {kGalbirola, static_cast<std::uint8_t>(v[k] == 3 ? 11 : v[k])};
    }
    if (v[0] == v[1] && v[1] == v[2])
        return {kTris, static_cast<std::uint8_t>(v[0] == 1 ? 11 : v[0])};
    const int p[3] = {PuntiCarta(static_cast<std::uint8_t>(v[0])),
                      PuntiCarta(static_cast<std::uint8_t>(v[1])),
                      PuntiCarta(static_cast<std::uint8_t>(v[2]))};
    if (unSeme)
        return {kPunti, static_cast<std::uint8_t>(p[0] + p[1] + p[2])};
    // The best single card, or the best pair of one suit.
    const bool stesso[3][3] = {{true, s12, s13}, {s12, true, s23}, {s13, s23, true}};
    int valore = 0;
    for (int i = 0; i < 3; ++i) {
        if (p[i] > valore)
            valore = p[i];
        for (int j = i + 1; j < 3; ++j)
            if (stesso[j][i] && p[i] + p[j] > valore)
                valore = p[i] + p[j];
    }
    return {kPunti, static_cast<std::uint8_t>(valore)};
}

// Every hand of the deck's cards, worked out once: by which pairs share a suit (three bits),
// then by the three values 1..10.
constexpr auto kTabella = [] {
    std::array<Valutazione, 8 * 1000> t{};
    for (int semi = 0; semi < 8; ++semi)
        for (int n = 0; n < 1000; ++n) {
            const int v[3] = {n / 100 + 1, n / 10 % 10 + 1, n % 10 + 1};
            t[semi * 1000 + n] = Valuta(v, (semi & 1) != 0, (semi & 2) != 0, (semi & 4) != 0);
        }
    return t;
}();

// Cards outside the deck's (tests, tools) are worked out as they come, away from the lookup.
[[gnu::noinline]] Valutazione ValutaAltre(const Carta& c1, const Carta& c2, const Carta& c3) {
    const int v[3] = {c1.Valore(), c2.Valore(), c3.Valore()};
    return Valuta(v, StessoSeme(c1, c2), StessoSeme(c2, c3), StessoSeme(c1, c3));
}

bool DelMazzo(const Carta& c) {
    return c.CodiceSeme() >= 0 && c.Valore() >= 1 && c.Valore() <= 10;
}

} // namespace

void ValutaMano(const Carta& c1, const Carta& c2, const Carta& c3, std::uint8_t& Tipo,
                std::uint8_t& Valore) {
    Valutazione e;
    if (DelMazzo(c1) && DelMazzo(c2) && DelMazzo(c3)) [[likely]] {
        const int semi = (c1.CodiceSeme() == c2.CodiceSeme()) |
                         (c2.CodiceSeme() == c3.CodiceSeme()) << 1 |
                         (c1.CodiceSeme() == c3.CodiceSeme()) << 2;
        e = kTabella[semi * 1000 + (c1.Valore() - 1) * 100 + (c2.Valore() - 1) * 10 + c3.Valore() -
                     1];
    } else {
        e = ValutaAltre(c1, c2, c3);
    }
    Tipo = e.tipo;
    Valore = e.valore;
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
