#include "table/tavolo.h"

#include "players/valutamano.h"
#include "table/invarianti.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

// The end of a hand: reveal, rank and show the hands, then balls won and lost, seats
// that leave, the end of the tournament or the next opener.
void Tavolo::FineMano() {
    const int n = m_numGiocatori;

    // Every seat still in shows its cards. The hands are ranked as small keys, type and value
    // above the seat; the names join the list once it is in order.
    std::array<std::uint32_t, kMaxGiocatori> chiavi;
    std::size_t m = 0;
    auto aggiungi = [&](int seggio, const Carta* c) {
        std::uint8_t tipo = 0, valore = 0;
        ValutaMano(c[0], c[1], c[2], tipo, valore);
        chiavi[m++] = std::uint32_t{tipo} << 24 | std::uint32_t{valore} << 16 |
                      static_cast<std::uint32_t>(seggio - 1);
    };
    for (int s = 1; s <= n - 1; ++s) {
        if (m_palle[s] == 0)
            continue;
        Carta* mano = &m_carte1[3 * s - 3];
        for (int j = 0; j < 3; ++j)
            mano[j].SetCoperta(false);
        aggiungi(s, mano);
    }
    if (m_palle[n] > 0)
        aggiungi(n, m_carte0.data());

    // This exchange sort is not stable, and who loses a ball among tied last places
    // depends on the order it leaves. It swaps without a branch on the hands.
    for (std::size_t a = 0; a + 1 < m; ++a)
        for (std::size_t b = a + 1; b < m; ++b) {
            const std::uint32_t x = chiavi[a], y = chiavi[b];
            const std::uint32_t scambio = (x ^ y) & (0u - ((y >> 16) > (x >> 16)));
            chiavi[a] = x ^ scambio;
            chiavi[b] = y ^ scambio;
        }
    std::vector<Risultato>& lista = m_ultimaMano;
    lista.resize(m);
    for (std::size_t i = 0; i < m; ++i) {
        Risultato& r = lista[i];
        r.Posto = static_cast<std::int16_t>(chiavi[i] & 0xffff);
        r.Nome = m_nomi[r.Posto + 1];
        r.Tipo = static_cast<std::uint8_t>(chiavi[i] >> 24);
        r.Punteggio = static_cast<std::uint8_t>(chiavi[i] >> 16);
        const bool pari =
            i > 0 && r.Tipo == lista[i - 1].Tipo && r.Punteggio == lista[i - 1].Punteggio;
        r.Posizione = static_cast<std::int16_t>(pari ? lista[i - 1].Posizione : i + 1);
    }

    for (int s = 1; s <= n && m_ui.Ascolta(); ++s) {
        if (m_palle[s] == 0)
            continue;
        const Carta* c = s < n ? &m_carte1[3 * s - 3] : &m_carte0[0];
        const auto mano = Guarda(c, c + 1, c + 2);
        Racconta(Accaduto::Tipo::Mostra, s, {mano.begin(), mano.end()});
    }
    Avvisa(kStileInformazione, std::nullopt, m_ui.LeggeClassifica() ? Classifica() : std::string());
    PalleEUscite();
}

std::string Tavolo::Classifica() const {
    // Written in place: every line fits its name and 40 bytes.
    std::size_t spazio = 0;
    for (const Risultato& r : m_ultimaMano)
        spazio += r.Nome.size() + 40;
    std::string testo(spazio, '\0');
    char* fine = testo.data();
    const auto scrivi = [&fine](std::string_view parte) {
        fine = std::copy(parte.begin(), parte.end(), fine);
    };
    const auto numero = [&](long long x) {
        fine = std::to_chars(fine, testo.data() + testo.size(), x).ptr;
    };
    for (const Risultato& r : m_ultimaMano) {
        numero(r.Posizione);
        scrivi("° ");
        scrivi(r.Nome);
        scrivi(": ");
        scrivi(NomeMano(r.Tipo, r.Punteggio));
        scrivi("\r\n");
    }
    testo.resize(static_cast<std::size_t>(fine - testo.data()));
    return testo;
}

void Tavolo::PalleEUscite() {
    const int n = m_numGiocatori;
    const std::vector<Risultato>& lista = m_ultimaMano;

    // Every Galbirolone earns a ball, before anybody loses one.
    for (const Risultato& r : lista) {
        if (r.Tipo != kGalbirolone)
            continue;
        const int seggio = r.Posto + 1;
        if (m_palle[seggio] < 255)
            ++m_palle[seggio];
        const int k = m_palle[seggio];
        if (k < 4)
            m_ui.ImpostaPalla(seggio, k - 1, true);
        else
            m_ui.ImpostaEtichetta(seggio, m_nomi[seggio] + ": " + std::to_string(k));
        Racconta(Accaduto::Tipo::Guadagna, seggio, {}, {}, k);
        Avvisa(kStileInformazione,
               "Meraviglioso:", std::string(r.Nome) + " ha guadagnato una palla!");
    }

    // Every seat tied for the last place loses one, from the bottom up; the first entry of
    // the list never does, even when all hands tie.
    const int peggiore = lista.back().Posizione;
    for (std::size_t i = lista.size() - 1;;) {
        const int seggio = lista[i].Posto + 1;
        Verifica(m_palle[seggio] > 0, "a seat without balls was about to lose one");
        const int k = --m_palle[seggio];
        if (k < 3)
            m_ui.ImpostaPalla(seggio, k, false);
        if (k > 3)
            m_ui.ImpostaEtichetta(seggio, m_nomi[seggio] + ": " + std::to_string(k));
        if (k == 3)
            m_ui.ImpostaEtichetta(seggio, m_nomi[seggio]);
        Racconta(Accaduto::Tipo::Perde, seggio, {}, {}, k);
        if (k == 0) {
            m_ui.EtichettaGrigia(seggio);
            Accendi(seggio, Lampada::Uscito);
            Racconta(Accaduto::Tipo::Uscita, seggio);
            Avvisa(kStileInformazione, "Attenzione:", m_nomi[seggio] + " è uscito dal torneo.");
            if (--m_giocatoriInGioco == 1) {
                VerificaPalle();
                for (int s = 1; s <= n; ++s)
                    if (m_palle[s] > 0)
                        Racconta(Accaduto::Tipo::Vince, s);
                Avvisa(kStileSemplice, std::nullopt, "Fine del Torneo");
                return;
            }
        }
        --i;
        if (i == 0 || lista[i].Posizione != peggiore)
            break;
    }

    VerificaPalle();
    do
        m_mazziere = Seguente(m_mazziere);
    while (m_palle[m_mazziere] == 0);
    // The focus on "Dai Carte" would cut short the balls still being said.
    AttendiVoce();
    ImpostaFase(Fase::Carte);
}
