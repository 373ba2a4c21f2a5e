#pragma once

#include <array>
#include <string>

// Made-up opponent names: an Italian first name, a blank, a surname's initial and a full
// stop ("Laura M."). Making a pool reseeds the shared random source.
class ClsNomi {
  public:
    ClsNomi();
    std::string GetNome() const;

    static const std::array<const char*, 19> Elenco;
};
