#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// How the human seat plays in the simulator.
enum class Politica { Tieni, Tavolo, Computer };

struct OpzioniSim {
    int avversari = 6;
    Politica umano = Politica::Computer;
    std::optional<std::string> nome;
    std::optional<std::uint64_t> seme;
    std::optional<std::vector<double>> numeri; // from --randoms
    long long tornei = 1;
    bool trascrizione = false;
    long long maxTurni = 10000;
};

// A command line the simulator cannot accept.
class ArgomentoErrato : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

OpzioniSim LeggiOpzioni(const std::vector<std::string>& argomenti);

// One decimal number in [0, 1) per line; blank lines are skipped.
std::vector<double> LeggiNumeri(const std::string& testo);

extern const char* const kUso;
