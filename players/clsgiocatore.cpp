#include "players/clsgiocatore.h"

#include "cards/carta.h"
#include "platform/casuale.h"
#include "players/valutamano.h"

#include <bit>
#include <utility>

namespace {

// Every value's points at hand: a turn looks them up for six cards.
constexpr auto kPuntiDelValore = [] {
    std::array<std::uint8_t, 256> punti{};
    for (int v = 0; v < 256; ++v)
        punti[v] = PuntiCarta(static_cast<std::uint8_t>(v));
    return punti;
}();

// The values of a Galbirolone as bits: ace, Cavallo and Re.
constexpr unsigned kAssoCavalloRe = (1u << 1) | (1u << 9) | (1u << 10);

// The increasing triples and pairs of positions 1..6, in the order i, j, k.
constexpr auto kTriple = [] {
    std::array<std::array<std::uint8_t, 3>, 20> t{};
    int n = 0;
    for (int i = 1; i <= 4; ++i)
        for (int j = i + 1; j <= 5; ++j)
            for (int k = j + 1; k <= 6; ++k)
                t[n++] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(j),
                          static_cast<std::uint8_t>(k)};
    return t;
}();
constexpr auto kCoppie = [] {
    std::array<std::array<std::uint8_t, 2>, 15> c{};
    int n = 0;
    for (int i = 1; i <= 5; ++i)
        for (int j = i + 1; j <= 6; ++j)
            c[n++] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(j)};
    return c;
}();

// Per set of positions (bits 1..6), the triples or pairs above holding at least that many of
// its positions, one bit per triple or pair in the order of the list.
template <std::size_t N, std::size_t L>
constexpr auto ConAlmeno(const std::array<std::array<std::uint8_t, L>, N>& gruppi, int quante) {
    std::array<std::uint32_t, 128> in{};
    for (unsigned m = 0; m < in.size(); ++m)
        for (std::size_t t = 0; t < N; ++t) {
            int dentro = 0;
            for (const std::uint8_t p : gruppi[t])
                dentro += static_cast<int>(m >> p & 1);
            if (dentro >= quante)
                in[m] |= 1u << t;
        }
    return in;
}
constexpr auto kTripleIn = ConAlmeno(kTriple, 3);
constexpr auto kCoppieIn = ConAlmeno(kCoppie, 2);
constexpr auto kTripleConCoppia = ConAlmeno(kTriple, 2);

// The triples or pairs a table above gives for the positions of each group, eight bits a
// group, taken together.
inline std::uint32_t PerGruppo(std::uint64_t delGruppo, const std::array<std::uint32_t, 128>& in) {
    const auto primi = [&]<int N>() {
        std::uint32_t tutti = 0;
        for (int g = 0; g < N; ++g)
            tutti |= in[delGruppo >> (8 * g) & 0x7f];
        return tutti;
    };
    // the four suits' codes, as every deal makes them, fill the first four groups alone
    return delGruppo >> 32 == 0 ? primi.template operator()<4>() : primi.template operator()<7>();
}

// The first of the candidates (bits in the order of the list) with the highest positive sum,
// -1 for none; the sum of candidate t is somma(t).
template <class Somma> int Migliore(std::uint32_t candidati, Somma somma) {
    int migliore = 0, quale = -1;
    for (; candidati != 0; candidati &= candidati - 1) {
        const int t = std::countr_zero(candidati);
        const int s = somma(t);
        quale = s > migliore ? t : quale;
        migliore = s > migliore ? s : migliore;
    }
    return quale;
}

} // namespace

void ClsGiocatore::ImpostaCarte(Carta* c1, Carta* c2, Carta* c3) {
    m_viste[1] = c1;
    m_viste[2] = c2;
    m_viste[3] = c3;
}

void ClsGiocatore::ImpostaTavolo(Carta* c1, Carta* c2, Carta* c3) {
    m_viste[4] = c1;
    m_viste[5] = c2;
    m_viste[6] = c3;
}

void ClsGiocatore::SetCarte(const std::array<DatiCarta, 6>& carte) {
    Raggruppa([&](int p) {
        m_carte[p] = carte[p - 1];
        return std::pair{m_carte[p].codice, m_carte[p].Valore};
    });
}

void ClsGiocatore::Fotografa() {
    Raggruppa([this](int p) {
        const Carta& c = *m_viste[p];
        const int codice = c.CodiceSeme();
        const std::uint8_t valore = c.Valore();
        DatiCarta& d = m_carte[p];
        if (codice < 0) [[unlikely]]
            d.Seme = c.Seme();
        d.codice = codice;
        d.Valore = valore;
        return std::pair{codice, valore};
    });
}

// Fills the snapshot a position at a time with copia(p), which also gives the position's suit
// code and value, and groups it in the same pass.
template <class Copia> [[gnu::always_inline]] inline void ClsGiocatore::Raggruppa(Copia copia) {
    // The four suits and the deck's values, as every deal makes them: one pass of bit masks
    // held in registers, a lane per suit; a suit's code is its group.
    std::uint64_t delSeme = 0;    // positions, eight bits per suit
    std::uint64_t valoriSeme = 0; // values, sixteen bits per suit
    std::uint64_t quanti = 0;     // cards per value, four bits apiece
#pragma GCC unroll 6
    for (int p = 1; p <= 6; ++p) {
        const auto [codice, valore] = copia(p);
        if (codice < 0 || valore > 10) [[unlikely]] {
            for (int q = p + 1; q <= 6; ++q)
                copia(q);
            RaggruppaTutto();
            return;
        }
        m_punti[p] = kPuntiDelValore[valore];
        m_gruppo[p] = static_cast<std::uint8_t>(codice);
        delSeme |= std::uint64_t{1} << (8 * codice + p);
        valoriSeme |= std::uint64_t{1} << (16 * codice + valore);
        quanti += std::uint64_t{1} << (4 * valore);
    }
    m_delGruppo = delSeme;
    // Values 0..10 never reach a lane's top five bits, so no run crosses into the next suit.
    const std::uint64_t fila = valoriSeme & valoriSeme >> 1 & valoriSeme >> 2;
    constexpr std::uint64_t kCorsie = 0x0001000100010001; // the lowest bit of every lane
    const std::uint64_t galbirolone =
        valoriSeme >> 1 & valoriSeme >> 9 & valoriSeme >> 10 & kCorsie;
    // a count of three or more has bit 2 set once one is added (six cards never make seven)
    m_forseTris = ((quanti + 0x11111111111) & 0x44444444444) != 0;
    m_forseGalbirolone = galbirolone != 0;
    m_forseGalbirola = fila != 0;
    m_fila = fila;
    m_valoriStrani = false;
    if (m_forseTris || m_forseGalbirolone || m_forseGalbirola)
        RaggruppaValori();
}

void ClsGiocatore::RaggruppaValori() {
    m_delValore = {};
    for (int p = 1; p <= 6; ++p)
        m_delValore[m_carte[p].Valore] |= static_cast<std::uint8_t>(1u << p);
}

void ClsGiocatore::RaggruppaTutto() {
    // How many cards hold each value, four bits apiece: a count of three or more is one
    // whose bit 2 is set once one is added (six cards never make a count of seven).
    std::uint64_t quanti = 0;
    std::array<unsigned, 7> valoriDelGruppo{};
    std::array<std::uint8_t, 4> primoDelSeme{}; // 0 while no card of the suit is seen
    m_delGruppo = 0;
    m_delValore = {};
    m_valoriStrani = false;
    for (int p = 1; p <= 6; ++p) {
        const DatiCarta& d = m_carte[p];
        const auto bit = static_cast<std::uint8_t>(1u << p);
        m_punti[p] = kPuntiDelValore[d.Valore];
        std::uint8_t gruppo = static_cast<std::uint8_t>(p);
        if (d.codice >= 0) [[likely]] {
            std::uint8_t& primo = primoDelSeme[d.codice];
            primo = primo != 0 ? primo : gruppo;
            gruppo = primo;
        } else {
            // a suit text outside the four names is compared as written
            for (int q = 1; q < p; ++q) {
                if (m_carte[q].codice < 0 && m_carte[q].Seme == d.Seme) {
                    gruppo = m_gruppo[q];
                    break;
                }
            }
        }
        m_gruppo[p] = gruppo;
        m_delGruppo |= std::uint64_t{bit} << (8 * gruppo);
        // values no card of the deck has are let through to the full search
        if (d.Valore <= 10) [[likely]] {
            m_delValore[d.Valore] |= bit;
            valoriDelGruppo[gruppo] |= 1u << d.Valore;
            quanti += std::uint64_t{1} << (4 * d.Valore);
        } else {
            m_valoriStrani = true;
        }
    }
    unsigned fila = 0;
    bool galbirolone = false;
    for (const unsigned v : valoriDelGruppo) {
        fila |= v & (v >> 1) & (v >> 2);
        galbirolone |= (v & kAssoCavalloRe) == kAssoCavalloRe;
    }
    m_forseTris = m_valoriStrani || ((quanti + 0x11111111111) & 0x44444444444) != 0;
    m_forseGalbirolone = m_valoriStrani || galbirolone;
    m_forseGalbirola = m_valoriStrani || fila != 0;
    m_fila = kFilaIgnota;
}

void ClsGiocatore::Scegli(std::array<std::uint8_t, 3>& s) {
    if (m_turni < 255)
        ++m_turni;
    Fotografa();
    s = {0, 0, 0};
    if (m_turni >= kTurnoResa) {
        s = {1, 2, 3};
        return;
    }
    // Most turns hold no pattern: the quick tests spare the searches.
    bool trovato = false;
    if (m_forseGalbirolone)
        CercaGalbirolone(s[0], s[1], s[2], trovato);
    if (!trovato && m_forseGalbirola)
        CercaGalbirola(s[0], s[1], s[2], trovato);
    if (!trovato && m_forseTris)
        CercaTris(s[0], s[1], s[2], trovato);
    if (!trovato)
        CercaPunti(s[0], s[1], s[2]);
}

bool ClsGiocatore::GiocaTurno(Attesa& attesa) {
    std::array<std::uint8_t, 3> scelta;
    Scegli(scelta);
    const bool cambiato = scelta[0] + scelta[1] + scelta[2] != 6;
    const unsigned tenute = 1u << scelta[0] | 1u << scelta[1] | 1u << scelta[2];
    Carta* const scelte[3] = {Vista(scelta[0]), Vista(scelta[1]), Vista(scelta[2])};

    attesa.Pausa(0.6 + 0.8 * casuale::Rnd());
    for (Carta* c : scelte)
        c->SetSelezionata(true);
    attesa.Pausa(0.6);
    for (Carta* c : scelte)
        c->SetSelezionata(false);

    // The k-th own card given up goes to the k-th table card taken, in position order.
    unsigned lasciate = ~tenute & 0b1110;
    for (unsigned prese = tenute & 0b1110000; lasciate != 0 && prese != 0; prese &= prese - 1) {
        m_viste[std::countr_zero(lasciate)]->SwapWith(m_viste[std::countr_zero(prese)]);
        lasciate &= lasciate - 1;
    }
    return cambiato;
}

void ClsGiocatore::CercaGalbirolone(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3,
                                    bool& trovato) const {
    trovato = false;
    if (!m_forseGalbirolone)
        return;
    for (unsigned assi = ConValore(1); assi != 0; assi &= assi - 1) {
        const int i = std::countr_zero(assi);
        if (m_carte[i].Valore != 1)
            continue;
        const unsigned seme = SemeDi(i);
        for (unsigned re = seme & ConValore(10); re != 0; re &= re - 1) {
            const int j = std::countr_zero(re);
            if (m_carte[j].Valore != 10 || !Stesso(j, i))
                continue;
            for (unsigned cavalli = seme & ConValore(9); cavalli != 0; cavalli &= cavalli - 1) {
                const int k = std::countr_zero(cavalli);
                if (m_carte[k].Valore == 9 && Stesso(k, i)) {
                    p1 = static_cast<std::uint8_t>(i);
                    p2 = static_cast<std::uint8_t>(j);
                    p3 = static_cast<std::uint8_t>(k);
                    trovato = true;
                    return;
                }
            }
        }
    }
}

// The first triple in search order (i outermost) with the highest point sum among those
// the two tests accept; equal sums keep the first. Positions stay as they were when none is.
// Only the positions in the candidates' masks (bits 1..6) are put to the tests.
template <class CandidatiJ, class PerJ, class CandidatiK, class PerK>
bool ClsGiocatore::MiglioreTripla(CandidatiJ candidatiJ, PerJ accettaJ, CandidatiK candidatiK,
                                  PerK accettaK, std::uint8_t& p1, std::uint8_t& p2,
                                  std::uint8_t& p3) const {
    int migliore = 0;
    for (int i = 1; i <= 6; ++i) {
        for (unsigned restoJ = candidatiJ(i); restoJ != 0; restoJ &= restoJ - 1) {
            const int j = std::countr_zero(restoJ);
            if (!accettaJ(i, j))
                continue;
            for (unsigned restoK = candidatiK(i, j); restoK != 0; restoK &= restoK - 1) {
                const int k = std::countr_zero(restoK);
                if (!accettaK(i, j, k))
                    continue;
                const int somma = m_punti[i] + m_punti[j] + m_punti[k];
                if (somma > migliore) {
                    p1 = static_cast<std::uint8_t>(i);
                    p2 = static_cast<std::uint8_t>(j);
                    p3 = static_cast<std::uint8_t>(k);
                    migliore = somma;
                }
            }
        }
    }
    return migliore > 0;
}

void ClsGiocatore::CercaGalbirola(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3,
                                  bool& trovato) const {
    // three values in a row of one suit
    const auto seme = [&](int i) { return SemeDi(i); };
    if (m_forseGalbirola && !m_valoriStrani) {
        // Cards of one value weigh the same: for each lowest card the search in order keeps the
        // first card of each of the next two values, so one look per position settles it.
        const auto seguenti = [&](int i, int passo) {
            return seme(i) & ConValore(m_carte[i].Valore + passo);
        };
        // Only a card whose suit holds the next two values can start a run.
        unsigned inizi = 0x7e;
        if (m_fila != kFilaIgnota) {
            inizi = 0;
            for (int i = 1; i <= 6; ++i)
                inizi |= static_cast<unsigned>(m_fila >> (16 * m_gruppo[i] + m_carte[i].Valore) & 1)
                         << i;
        }
        int migliore = 0, quale = 0;
        for (; inizi != 0; inizi &= inizi - 1) {
            const int i = std::countr_zero(inizi);
            const unsigned j = seguenti(i, 1), k = seguenti(i, 2);
            // an empty set of positions counts position 0, which holds no points
            const int somma =
                m_punti[i] + m_punti[std::countr_zero(j) & 7] + m_punti[std::countr_zero(k) & 7];
            const bool fila = j != 0 && k != 0 && somma > migliore;
            quale = fila ? i : quale;
            migliore = fila ? somma : migliore;
        }
        trovato = quale != 0;
        if (trovato) {
            p1 = static_cast<std::uint8_t>(quale);
            p2 = static_cast<std::uint8_t>(std::countr_zero(seguenti(quale, 1)));
            p3 = static_cast<std::uint8_t>(std::countr_zero(seguenti(quale, 2)));
        }
        return;
    }
    trovato = m_forseGalbirola &&
              MiglioreTripla([&](int i) { return seme(i) & ConValore(m_carte[i].Valore + 1); },
                             [&](int i, int j) {
                                 return m_carte[j].Valore == m_carte[i].Valore + 1 && Stesso(j, i);
                             },
                             [&](int i, int) { return seme(i) & ConValore(m_carte[i].Valore + 2); },
                             [&](int i, int, int k) {
                                 return m_carte[k].Valore == m_carte[i].Valore + 2 && Stesso(k, i);
                             },
                             p1, p2, p3);
}

void ClsGiocatore::CercaTris(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3,
                             bool& trovato) const {
    // one value in three different suits
    if (m_forseTris && !m_valoriStrani) {
        // Among the orderings of one set of positions the increasing one comes first, so the
        // increasing triples of one value with no two of a suit give the same choice.
        std::uint32_t unValore = 0;
        for (const std::uint8_t posizioni : m_delValore)
            unValore |= kTripleIn[posizioni];
        const std::uint32_t dueDiUnSeme = PerGruppo(m_delGruppo, kTripleConCoppia);
        const int tripla = Migliore(unValore & ~dueDiUnSeme, [&](int t) {
            const auto& ijk = kTriple[t];
            return m_punti[ijk[0]] + m_punti[ijk[1]] + m_punti[ijk[2]];
        });
        trovato = tripla >= 0;
        if (trovato) {
            p1 = kTriple[tripla][0];
            p2 = kTriple[tripla][1];
            p3 = kTriple[tripla][2];
        }
        return;
    }
    const auto altri = [&](int i) { return ConValore(m_carte[i].Valore) & ~SemeDi(i); };
    trovato =
        m_forseTris &&
        MiglioreTripla(
            altri,
            [&](int i, int j) { return m_carte[j].Valore == m_carte[i].Valore && !Stesso(j, i); },
            [&](int i, int j) { return altri(i) & ~SemeDi(j); },
            [&](int i, int j, int k) {
                return m_carte[k].Valore == m_carte[i].Valore && !Stesso(k, i) && !Stesso(k, j);
            },
            p1, p2, p3);
}

void ClsGiocatore::CercaPunti(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3) const {
    // The best three of one suit; equal sums keep the first found in the order i, j, k.
    // Among the orderings of one set of positions the increasing one comes first, so
    // looking at increasing triples alone finds the same choice.
    // Every suit's positions name the triples of one suit at once.
    const std::uint32_t triple = PerGruppo(m_delGruppo, kTripleIn);
    const int tripla = Migliore(triple, [&](int t) {
        const auto& ijk = kTriple[t];
        return m_punti[ijk[0]] + m_punti[ijk[1]] + m_punti[ijk[2]];
    });

    if (tripla >= 0) {
        p1 = kTriple[tripla][0];
        p2 = kTriple[tripla][1];
        p3 = kTriple[tripla][2];
        const int migliore = m_punti[p1] + m_punti[p2] + m_punti[p3];
        // A weak own hand is not kept early: the bar rises by a point with every turn.
        if (p1 == 1 && p2 == 2 && p3 == 3 && migliore < m_turni + 16) {
            bool semeSulTavolo = false;
            for (int e = 4; e <= 6; ++e) {
                if (!Stesso(e, p1))
                    continue;
                semeSulTavolo = true;
                if (m_punti[e] <= m_punti[p1] + 2)
                    p1 = static_cast<std::uint8_t>(e);
            }
            if (!semeSulTavolo) {
                std::uint8_t* scelta[3] = {&p1, &p2, &p3};
                for (int l = 0; l < 3; ++l) {
                    if (m_punti[l + 1] < 4) {
                        *scelta[l] =
                            static_cast<std::uint8_t>(4 + casuale::Intero(3, casuale::Rnd()));
                        break;
                    }
                }
            }
        }
        return;
    }

    // No suit holds three of the six cards: the best pair of one suit and a random table card.
    const std::uint32_t coppie = PerGruppo(m_delGruppo, kCoppieIn);
    const int coppia = Migliore(coppie, [&](int t) {
        const auto& ij = kCoppie[t];
        return m_punti[ij[0]] + m_punti[ij[1]];
    });
    if (coppia >= 0) {
        p1 = kCoppie[coppia][0];
        p2 = kCoppie[coppia][1];
    }
    do {
        p3 = static_cast<std::uint8_t>(4 + casuale::Intero(3, casuale::Rnd()));
    } while (p3 == p1 || p3 == p2);
}
