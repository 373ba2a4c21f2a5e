#include "table/sound/onda.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kVirgolaMobile = 3;
constexpr quint16 kEstensibile = 0xFFFE;
constexpr int kCanaliMassimi = 32;
constexpr int kFrequenzaMassima = 384000;

Onda::Campione campione(quint16 formato, int bit) {
    if (formato == kPcm) {
        switch (bit) {
        case 8:
            return Onda::Campione::U8;
        case 16:
            return Onda::Campione::S16;
        case 24:
            return Onda::Campione::S24;
        case 32:
            return Onda::Campione::S32;
        default:
            break;
        }
    } else if (formato == kVirgolaMobile && bit == 32) {
        return Onda::Campione::F32;
    }
    return Onda::Campione::Nessuno;
}

} // namespace

int Onda::BytePerFotogramma() const {
    switch (campione) {
    case Campione::U8:
        return canali;
    case Campione::S16:
        return 2 * canali;
    case Campione::S24:
        return 3 * canali;
    case Campione::S32:
    case Campione::F32:
        return 4 * canali;
    case Campione::Nessuno:
        break;
    }
    return 0;
}

int Onda::DurataMs() const {
    if (!Valida())
        return 0;
    return static_cast<int>(
        std::ceil(1000.0 * double(dati.size()) / (double(BytePerFotogramma()) * frequenza)));
}

Onda LeggiOnda(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray testa = f.read(12);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE")
        return {};
    Onda onda;
    while (!f.atEnd()) {
        const QByteArray blocco = f.read(8);
        if (blocco.size() < 8)
            return {};
        const quint32 lunghezza = qFromLittleEndian<quint32>(blocco.constData() + 4);
        if (blocco.startsWith("fmt ")) {
            const QByteArray fmt = f.read(lunghezza);
            if (fmt.size() < 16)
                return {};
            const char* d = fmt.constData();
            quint16 formato = qFromLittleEndian<quint16>(d);
            const int bit = qFromLittleEndian<quint16>(d + 14);
            // The extensible header names the real format in its first two bytes.
            if (formato == kEstensibile && fmt.size() >= 26)
                formato = qFromLittleEndian<quint16>(d + 24);
            onda.campione = campione(formato, bit);
            onda.canali = qFromLittleEndian<quint16>(d + 2);
            onda.frequenza = static_cast<int>(
                std::min<quint32>(qFromLittleEndian<quint32>(d + 4), kFrequenzaMassima + 1));
            if (onda.canali < 1 || onda.canali > kCanaliMassimi || onda.frequenza < 1 ||
                onda.frequenza > kFrequenzaMassima)
                return {};
            if (lunghezza & 1)
                f.skip(1);
        } else if (blocco.startsWith("data")) {
            if (onda.campione == Onda::Campione::Nessuno)
                return {};
            // A damaged header may claim more than the file holds: only what is there plays.
            onda.dati = f.read(std::min<qint64>(lunghezza, f.size() - f.pos()));
            onda.dati.truncate(onda.dati.size() - onda.dati.size() % onda.BytePerFotogramma());
            return onda.Valida() ? onda : Onda{};
        } else {
            f.skip(lunghezza + (lunghezza & 1));
        }
    }
    return {};
}
