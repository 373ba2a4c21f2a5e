#include "trascrizione.h"

#include <cstdio>

std::string RigaJson::Stringa(std::string_view testo) {
    std::string s = "\"";
    for (const char c : testo) {
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        case '\b':
            s += "\\b";
            break;
        case '\f':
            s += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned char>(c));
                s += esc;
            } else {
                s += c; // UTF-8 passes through as it is
            }
        }
    }
    return s + "\"";
}

void RigaJson::Chiave(std::string_view chiave) {
    if (m_testo.size() > 1)
        m_testo += ',';
    m_testo += Stringa(chiave);
    m_testo += ':';
}

RigaJson& RigaJson::Campo(std::string_view chiave, std::string_view testo) {
    Chiave(chiave);
    m_testo += Stringa(testo);
    return *this;
}

RigaJson& RigaJson::Campo(std::string_view chiave, long long numero) {
    Chiave(chiave);
    m_testo += std::to_string(numero);
    return *this;
}

RigaJson& RigaJson::CampoGrezzo(std::string_view chiave, std::string_view json) {
    Chiave(chiave);
    m_testo += json;
    return *this;
}

std::string RigaJson::Fine() {
    return m_testo + "}\n";
}
