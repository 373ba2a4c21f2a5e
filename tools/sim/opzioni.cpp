#include "opzioni.h"

#include <charconv>
#include <fstream>
#include <sstream>

const char* const kUso =
    "usage: galbirola-sim [--opponents K] [--human keep|table|computer] [--name TEXT]\n"
    "                     [--seed N | --randoms FILE] [--tournaments T]\n"
    "                     [--transcript] [--max-turns M]\n";

namespace {

std::string Pulisci(const std::string& s) {
    const auto inizio = s.find_first_not_of(" \t\r\n");
    if (inizio == std::string::npos)
        return {};
    const auto fine = s.find_last_not_of(" \t\r\n");
    return s.substr(inizio, fine - inizio + 1);
}

long long Intero(const std::string& opzione, const std::string& testo, long long minimo,
                 long long massimo) {
    long long v = 0;
    const char* fine = testo.data() + testo.size();
    const auto [p, ec] = std::from_chars(testo.data(), fine, v);
    if (testo.empty() || ec != std::errc() || p != fine || v < minimo || v > massimo)
        throw ArgomentoErrato(opzione + ": bad value '" + testo + "'");
    return v;
}

std::uint64_t Seme(const std::string& testo) {
    std::uint64_t v = 0;
    const char* fine = testo.data() + testo.size();
    const auto [p, ec] = std::from_chars(testo.data(), fine, v);
    if (testo.empty() || ec != std::errc() || p != fine)
        throw ArgomentoErrato("--seed: bad value '" + testo + "'");
    return v;
}

} // namespace

std::vector<double> LeggiNumeri(const std::string& testo) {
    std::vector<double> numeri;
    std::istringstream in(testo);
    std::string riga;
    for (int n = 1; std::getline(in, riga); ++n) {
        const std::string t = Pulisci(riga);
        if (t.empty())
            continue;
        double v = 0;
        const char* fine = t.data() + t.size();
        const char* inizio = t.data() + (t.size() > 1 && t[0] == '+'); // "+0.5" is a number too
        const auto [p, ec] = std::from_chars(inizio, fine, v);
        if (ec != std::errc() || p != fine || !(v >= 0.0 && v < 1.0))
            throw ArgomentoErrato("--randoms: line " + std::to_string(n) +
                                  " is not a number in [0, 1): '" + t + "'");
        numeri.push_back(v);
    }
    return numeri;
}

OpzioniSim LeggiOpzioni(const std::vector<std::string>& argomenti) {
    OpzioniSim o;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        std::string nome = argomenti[i];
        std::optional<std::string> valore;
        if (const auto uguale = nome.find('=');
            nome.rfind("--", 0) == 0 && uguale != std::string::npos) {
            valore = nome.substr(uguale + 1);
            nome = nome.substr(0, uguale);
        }
        auto prendi = [&]() -> std::string {
            if (valore)
                return *valore;
            if (i + 1 >= argomenti.size())
                throw ArgomentoErrato(nome + " needs a value");
            return argomenti[++i];
        };
        if (nome == "--opponents") {
            o.avversari = static_cast<int>(Intero(nome, prendi(), 1, 6));
        } else if (nome == "--human") {
            const std::string v = prendi();
            if (v == "keep")
                o.umano = Politica::Tieni;
            else if (v == "table")
                o.umano = Politica::Tavolo;
            else if (v == "computer")
                o.umano = Politica::Computer;
            else
                throw ArgomentoErrato("--human: expected keep, table or computer");
        } else if (nome == "--name") {
            o.nome = prendi();
        } else if (nome == "--seed") {
            o.seme = Seme(prendi());
        } else if (nome == "--randoms") {
            const std::string file = prendi();
            std::ifstream in(file, std::ios::binary);
            if (!in)
                throw ArgomentoErrato("--randoms: cannot read " + file);
            std::ostringstream testo;
            testo << in.rdbuf();
            o.numeri = LeggiNumeri(testo.str());
        } else if (nome == "--tournaments") {
            o.tornei = Intero(nome, prendi(), 0, 1'000'000'000'000LL);
        } else if (nome == "--max-turns") {
            o.maxTurni = Intero(nome, prendi(), 0, 1'000'000'000'000LL);
        } else if (nome == "--transcript" && !valore) {
            o.trascrizione = true;
        } else {
            throw ArgomentoErrato("unknown argument '" + argomenti[i] + "'");
        }
    }
    if (o.seme && o.numeri)
        throw ArgomentoErrato("--seed and --randoms exclude each other");
    return o;
}
