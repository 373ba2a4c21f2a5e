#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

// The program's one source of uniform numbers in [0, 1). Every random choice of the game
// (shuffle, names, the first opener, the computers' pauses and choices) draws from it, and
// the game reseeds it from the time of day at start-up, at deck creation and whenever a name
// pool is made. Tests and the simulator substitute a fixed seed or a replayed sequence;
// reseeding then does nothing, so every game is reproducible.
class FonteCasuale {
  public:
    virtual ~FonteCasuale() = default;
    virtual double Prossimo() = 0;
    // Reseed from the time of day, in seconds since midnight.
    virtual void Riseme(float secondiDaMezzanotte) = 0;
    // Reseed from the time of day now. A source that ignores reseeding need not read the clock.
    virtual void RisemeDallOra();
    // How many numbers have been drawn so far.
    std::uint64_t Estratti() const { return m_estratti; }

  protected:
    std::uint64_t m_estratti = 0;
};

// The generator the window uses: reseeded whenever the game asks.
class CasualeOrologio : public FonteCasuale {
  public:
    CasualeOrologio();
    double Prossimo() override;
    void Riseme(float secondiDaMezzanotte) override;

  private:
    std::mt19937_64 m_motore;
};

// Seeded once with a number; reseeding is ignored.
class CasualeFisso : public FonteCasuale {
  public:
    explicit CasualeFisso(std::uint64_t seme);
    double Prossimo() override;
    void Riseme(float) override {}
    void RisemeDallOra() override {}

  private:
    std::mt19937_64 m_motore;
};

// Hands out a given list of numbers in order; reseeding is ignored.
class CasualeRipetuto : public FonteCasuale {
  public:
    explicit CasualeRipetuto(std::vector<double> numeri);
    double Prossimo() override;
    void Riseme(float) override {}
    void RisemeDallOra() override {}
    std::size_t Rimasti() const { return m_numeri.size() - m_pos; }

  private:
    std::vector<double> m_numeri;
    std::size_t m_pos = 0;
};

// Raised when a replayed sequence runs out.
class NumeriEsauriti : public std::runtime_error {
  public:
    explicit NumeriEsauriti(std::uint64_t usati);
    std::uint64_t usati;
};

namespace casuale {

// The process-wide source. Until something else is installed it is a CasualeOrologio.
FonteCasuale& Fonte();
// Installs a new process-wide source and returns the previous one.
std::unique_ptr<FonteCasuale> Installa(std::unique_ptr<FonteCasuale> nuova);

// r uniform in [0, 1) from the process-wide source.
double Rnd();
// Reseeds the process-wide source from the current time of day.
void RisemeDallOra();

// A whole number in 0..n-1, drawn as floor(n * r).
inline int Intero(int n, double r) {
    const int i = static_cast<int>(n * r);
    return i < n ? i : n - 1;
}

// Installs a source for the lifetime of a scope, then puts the old one back.
class Sostituzione {
  public:
    explicit Sostituzione(std::unique_ptr<FonteCasuale> nuova)
        : m_vecchia(Installa(std::move(nuova))) {}
    ~Sostituzione() { Installa(std::move(m_vecchia)); }
    Sostituzione(const Sostituzione&) = delete;
    Sostituzione& operator=(const Sostituzione&) = delete;

  private:
    std::unique_ptr<FonteCasuale> m_vecchia;
};

} // namespace casuale
