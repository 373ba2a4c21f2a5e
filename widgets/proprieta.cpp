#include "widgets/proprieta.h"

#include <QJsonArray>
#include <QPalette>

QColor Colore::Risolvi(const QPalette& tavolozza) const {
    if (!DelDesktop())
        return QColor(valore & 0xFF, (valore >> 8) & 0xFF, (valore >> 16) & 0xFF);
    switch (valore & 0xFF) {
    case 5:
        return tavolozza.color(QPalette::Base);
    case 7:
    case 8:
        return tavolozza.color(QPalette::WindowText);
    case 13:
        return tavolozza.color(QPalette::Highlight);
    case 14:
        return tavolozza.color(QPalette::HighlightedText);
    case 15:
        return tavolozza.color(QPalette::Button);
    case 16:
        return tavolozza.color(QPalette::Dark);
    case 17:
        return tavolozza.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return tavolozza.color(QPalette::ButtonText);
    case 20:
        return tavolozza.color(QPalette::Light);
    case 21:
        return tavolozza.color(QPalette::Shadow);
    case 22:
        return tavolozza.color(QPalette::Midlight);
    case 23:
        return tavolozza.color(QPalette::ToolTipText);
    case 24:
        return tavolozza.color(QPalette::ToolTipBase);
    default:
        return tavolozza.color(QPalette::Window);
    }
}

QFont Carattere::Font() const {
    // The old desktop's small interface face has no namesake here; the desktop's own
    // matching finds a face with Arial's metrics, which are close to it.
    QFont f(nome == QLatin1String("MS Sans Serif") ? QStringLiteral("Arial") : nome);
    f.setPointSizeF(punti);
    f.setWeight(static_cast<QFont::Weight>(peso));
    f.setItalic(corsivo);
    f.setUnderline(sottolineato);
    f.setStrikeOut(barrato);
    return f;
}

Carattere Carattere::Da(const QFont& font) {
    Carattere c;
    c.nome = font.family();
    c.punti = font.pointSizeF();
    c.peso = font.weight();
    c.corsivo = font.italic();
    c.sottolineato = font.underline();
    c.barrato = font.strikeOut();
    return c;
}

namespace {

// The two integer kinds compare by value, as the stored form does not keep them apart.
std::optional<std::int64_t> intero(const ValoreProprieta& v) {
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return *i;
    if (const auto* s = std::get_if<std::int16_t>(&v))
        return *s;
    return std::nullopt;
}

bool uguali(const ValoreProprieta& a, const ValoreProprieta& b) {
    const auto ia = intero(a);
    const auto ib = intero(b);
    if (ia && ib)
        return *ia == *ib;
    return a == b;
}

std::int64_t comeIntero(const ValoreProprieta& v, const QString& chiave) {
    if (const auto i = intero(v))
        return *i;
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? -1 : 0;
    throw TipoNonCorrispondente(QStringLiteral("\"%1\" is not a number").arg(chiave).toStdString());
}

template <class T> T come(const ValoreProprieta& v, const QString& chiave) {
    if (const auto* t = std::get_if<T>(&v))
        return *t;
    throw TipoNonCorrispondente(
        QStringLiteral("\"%1\" holds another kind of value").arg(chiave).toStdString());
}

QJsonValue carattereJson(const Carattere& c) {
    return QJsonObject{{QStringLiteral("nome"), c.nome},
                       {QStringLiteral("punti"), c.punti},
                       {QStringLiteral("peso"), c.peso},
                       {QStringLiteral("corsivo"), c.corsivo},
                       {QStringLiteral("sottolineato"), c.sottolineato},
                       {QStringLiteral("barrato"), c.barrato},
                       {QStringLiteral("set"), c.set}};
}

Carattere carattereDa(const QJsonObject& o) {
    Carattere c;
    c.nome = o.value(QStringLiteral("nome")).toString(c.nome);
    c.punti = o.value(QStringLiteral("punti")).toDouble(c.punti);
    c.peso = o.value(QStringLiteral("peso")).toInt(c.peso);
    c.corsivo = o.value(QStringLiteral("corsivo")).toBool();
    c.sottolineato = o.value(QStringLiteral("sottolineato")).toBool();
    c.barrato = o.value(QStringLiteral("barrato")).toBool();
    c.set = o.value(QStringLiteral("set")).toInt();
    return c;
}

QJsonObject valoreJson(const ValoreProprieta& v) {
    struct Visitatore {
        QJsonObject operator()(std::int32_t i) const { return {{QStringLiteral("int32"), i}}; }
        QJsonObject operator()(std::int16_t i) const { return {{QStringLiteral("int16"), i}}; }
        QJsonObject operator()(bool b) const { return {{QStringLiteral("bool"), b}}; }
        QJsonObject operator()(const QString& s) const { return {{QStringLiteral("string"), s}}; }
        QJsonObject operator()(Colore c) const {
            return {
                {QStringLiteral("colour"),
                 QStringLiteral("0x") +
                     QString::number(c.valore, 16).rightJustified(8, QLatin1Char('0')).toUpper()}};
        }
        QJsonObject operator()(const Carattere& c) const {
            return {{QStringLiteral("font"), carattereJson(c)}};
        }
        QJsonObject operator()(const Immagine& im) const {
            return {{QStringLiteral("picture"),
                     im.Vuota() ? QJsonValue(QJsonValue::Null) : QJsonValue(im.Percorso())}};
        }
    };
    return std::visit(Visitatore{}, v);
}

ValoreProprieta valoreDa(const QString& chiave, const QJsonValue& json) {
    const QJsonObject o = json.toObject();
    if (o.size() != 1)
        throw TipoNonCorrispondente(
            QStringLiteral("\"%1\" needs exactly one kind").arg(chiave).toStdString());
    const QString tipo = o.begin().key();
    const QJsonValue v = o.begin().value();
    if (tipo == QLatin1String("int32") && v.isDouble())
        return static_cast<std::int32_t>(v.toInteger());
    if (tipo == QLatin1String("int16") && v.isDouble())
        return static_cast<std::int16_t>(v.toInteger());
    if (tipo == QLatin1String("bool") && v.isBool())
        return v.toBool();
    if (tipo == QLatin1String("string") && v.isString())
        return v.toString();
    if (tipo == QLatin1String("colour") && v.isString()) {
        bool ok = false;
        const auto c = v.toString().toUInt(&ok, 0);
        if (ok)
            return Colore{c};
    }
    if (tipo == QLatin1String("font") && v.isObject())
        return carattereDa(v.toObject());
    if (tipo == QLatin1String("picture") && (v.isNull() || v.isString()))
        return Immagine(v.toString());
    throw TipoNonCorrispondente(
        QStringLiteral("\"%1\": cannot read a value of kind %2").arg(chiave, tipo).toStdString());
}

} // namespace

const ValoreProprieta* Proprieta::Trova(const QString& chiave) const {
    for (const auto& [k, v] : m_voci)
        if (k.compare(chiave, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

void Proprieta::Scrivi(const QString& chiave, const ValoreProprieta& valore,
                       const std::optional<ValoreProprieta>& predefinito) {
    std::erase_if(m_voci, [&](const auto& voce) {
        return voce.first.compare(chiave, Qt::CaseInsensitive) == 0;
    });
    if (predefinito && uguali(valore, *predefinito))
        return;
    m_voci.emplace_back(chiave, valore);
}

ValoreProprieta Proprieta::Leggi(const QString& chiave, const ValoreProprieta& predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    return v ? *v : predefinito;
}

std::int32_t Proprieta::LeggiInt32(const QString& chiave, std::int32_t predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    return v ? static_cast<std::int32_t>(comeIntero(*v, chiave)) : predefinito;
}

std::int16_t Proprieta::LeggiInt16(const QString& chiave, std::int16_t predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    if (!v)
        return predefinito;
    const std::int64_t i = comeIntero(*v, chiave);
    if (i < INT16_MIN || i > INT16_MAX)
        throw TipoNonCorrispondente(
            QStringLiteral("\"%1\" does not fit 16 bits").arg(chiave).toStdString());
    return static_cast<std::int16_t>(i);
}

bool Proprieta::LeggiBool(const QString& chiave, bool predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    if (!v)
        return predefinito;
    if (const auto* b = std::get_if<bool>(v))
        return *b;
    return comeIntero(*v, chiave) != 0;
}

QString Proprieta::LeggiStringa(const QString& chiave, const QString& predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    return v ? come<QString>(*v, chiave) : predefinito;
}

Colore Proprieta::LeggiColore(const QString& chiave, Colore predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    if (!v)
        return predefinito;
    // A colour written as a plain number is the same 32-bit value.
    if (const auto i = intero(*v))
        return Colore{static_cast<std::uint32_t>(*i)};
    return come<Colore>(*v, chiave);
}

Carattere Proprieta::LeggiCarattere(const QString& chiave, const Carattere& predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    return v ? come<Carattere>(*v, chiave) : predefinito;
}

Immagine Proprieta::LeggiImmagine(const QString& chiave, const Immagine& predefinito) const {
    const ValoreProprieta* v = Trova(chiave);
    return v ? come<Immagine>(*v, chiave) : predefinito;
}

QStringList Proprieta::Chiavi() const {
    QStringList chiavi;
    for (const auto& voce : m_voci)
        chiavi << voce.first;
    return chiavi;
}

QJsonObject Proprieta::Json() const {
    QJsonObject json;
    for (const auto& [k, v] : m_voci)
        json.insert(k, valoreJson(v));
    return json;
}

Proprieta Proprieta::DaJson(const QJsonObject& json) {
    Proprieta bag;
    for (auto it = json.begin(); it != json.end(); ++it)
        bag.Scrivi(it.key(), valoreDa(it.key(), it.value()), std::nullopt);
    return bag;
}
