#include "platform/casuale.h"

#include "platform/orologio.h"

#include <bit>
#include <string>

namespace {

// 53 random bits make every double in [0, 1) on the 2^-53 grid equally likely.
double Uniforme(std::mt19937_64& motore) {
    return static_cast<double>(motore() >> 11) * 0x1.0p-53;
}

// Set up on first use, so that it exists whenever static initialisers draw.
std::unique_ptr<FonteCasuale>& Corrente() {
    static std::unique_ptr<FonteCasuale> fonte = std::make_unique<CasualeOrologio>();
    return fonte;
}

// A plain pointer for the hot path: every shuffle draws forty numbers.
FonteCasuale* g_fonte = nullptr;

} // namespace

void FonteCasuale::RisemeDallOra() {
    Riseme(orologio::SecondiDaMezzanotte());
}

CasualeOrologio::CasualeOrologio() : m_motore(std::random_device{}()) {}

double CasualeOrologio::Prossimo() {
    ++m_estratti;
    return Uniforme(m_motore);
}

void CasualeOrologio::Riseme(float secondiDaMezzanotte) {
    m_motore.seed(std::bit_cast<std::uint32_t>(secondiDaMezzanotte));
}

CasualeFisso::CasualeFisso(std::uint64_t seme) : m_motore(seme) {}

double CasualeFisso::Prossimo() {
    ++m_estratti;
    return Uniforme(m_motore);
}

CasualeRipetuto::CasualeRipetuto(std::vector<double> numeri) : m_numeri(std::move(numeri)) {}

double CasualeRipetuto::Prossimo() {
    if (m_pos >= m_numeri.size())
        throw NumeriEsauriti(m_estratti);
    ++m_estratti;
    return m_numeri[m_pos++];
}

NumeriEsauriti::NumeriEsauriti(std::uint64_t n)
    : std::runtime_error("random numbers exhausted after " + std::to_string(n) + " numbers"),
      usati(n) {}

namespace casuale {

FonteCasuale& Fonte() {
    return *Corrente();
}

std::unique_ptr<FonteCasuale> Installa(std::unique_ptr<FonteCasuale> nuova) {
    Corrente().swap(nuova);
    g_fonte = Corrente().get();
    return nuova;
}

double Rnd() {
    if (!g_fonte)
        g_fonte = Corrente().get();
    return g_fonte->Prossimo();
}

void RisemeDallOra() {
    Corrente()->RisemeDallOra();
}

} // namespace casuale
