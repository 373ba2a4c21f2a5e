#pragma once

#include "widgets/immagine.h"

#include <QColor>
#include <QFont>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

class QPalette;

// A colour as stored: 0x00BBGGRR for an RGB colour, or 0x80000000 plus a desktop colour index
// for one that follows the desktop scheme.
struct Colore {
    std::uint32_t valore = 0;

    static constexpr std::uint32_t kTestoPulsante = 0x80000012;
    static constexpr std::uint32_t kFacciaPulsante = 0x8000000F;

    static Colore Rgb(int r, int g, int b) {
        return {static_cast<std::uint32_t>(r | (g << 8) | (b << 16))};
    }
    bool DelDesktop() const { return (valore & 0x80000000u) != 0; }
    // Desktop references resolve through the palette, so they follow the desktop's scheme.
    QColor Risolvi(const QPalette& tavolozza) const;
    bool operator==(const Colore&) const = default;
};

// A font as stored: face, size in points, weight (400 regular, 700 bold), the three style
// flags and the character set.
struct Carattere {
    QString nome = QStringLiteral("Arial");
    double punti = 9.75;
    int peso = 700;
    bool corsivo = false;
    bool sottolineato = false;
    bool barrato = false;
    int set = 0;

    QFont Font() const;
    static Carattere Da(const QFont& font);
    bool operator==(const Carattere&) const = default;
};

using ValoreProprieta =
    std::variant<std::int32_t, std::int16_t, bool, QString, Colore, Carattere, Immagine>;

// A stored value of the wrong kind for what reads it.
class TipoNonCorrispondente : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One control's stored settings: key to typed value. Keys match whatever their case; a value
// equal to the default given when writing is not stored, and reading a missing key gives the
// default given when reading. The text form is JSON a person can read and diff.
class Proprieta {
  public:
    void Scrivi(const QString& chiave, const ValoreProprieta& valore,
                const std::optional<ValoreProprieta>& predefinito);
    ValoreProprieta Leggi(const QString& chiave, const ValoreProprieta& predefinito) const;

    // Reads a value as the kind the caller keeps it in; the two integer kinds and Boolean
    // convert into each other, anything else of another kind throws TipoNonCorrispondente.
    std::int32_t LeggiInt32(const QString& chiave, std::int32_t predefinito) const;
    std::int16_t LeggiInt16(const QString& chiave, std::int16_t predefinito) const;
    bool LeggiBool(const QString& chiave, bool predefinito) const;
    QString LeggiStringa(const QString& chiave, const QString& predefinito) const;
    Colore LeggiColore(const QString& chiave, Colore predefinito) const;
    Carattere LeggiCarattere(const QString& chiave, const Carattere& predefinito) const;
    Immagine LeggiImmagine(const QString& chiave, const Immagine& predefinito) const;

    bool Contiene(const QString& chiave) const { return Trova(chiave) != nullptr; }
    // The stored keys in the order they were first written.
    QStringList Chiavi() const;
    bool Vuota() const { return m_voci.empty(); }

    QJsonObject Json() const;
    // Throws TipoNonCorrispondente on a value it cannot read.
    static Proprieta DaJson(const QJsonObject& json);

  private:
    const ValoreProprieta* Trova(const QString& chiave) const;

    std::vector<std::pair<QString, ValoreProprieta>> m_voci;
};
