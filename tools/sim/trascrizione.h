#pragma once

#include <string>
#include <string_view>

// One JSON object per line, built by hand because the shape is tiny and fixed.
class RigaJson {
  public:
    RigaJson& Campo(std::string_view chiave, std::string_view testo);
    RigaJson& Campo(std::string_view chiave, long long numero);
    RigaJson& CampoGrezzo(std::string_view chiave, std::string_view json);
    std::string Fine();

    static std::string Stringa(std::string_view testo);

  private:
    void Chiave(std::string_view chiave);
    std::string m_testo = "{";
};
