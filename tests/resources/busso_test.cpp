#include <QCoreApplication>
#include <QDataStream>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Wave {
    std::uint16_t formato = 0;
    std::uint16_t canali = 0;
    std::uint32_t frequenza = 0;
    std::uint16_t bit = 0;
    std::vector<std::int16_t> campioni;
};

// Walks the RIFF chunks; fmt and data may come in any order, other chunks are skipped.
bool Analizza(const QByteArray& dati, Wave& w) {
    QDataStream in(dati);
    in.setByteOrder(QDataStream::LittleEndian);
    char id[4];
    quint32 lunghezza = 0;
    if (in.readRawData(id, 4) != 4 || QByteArray(id, 4) != "RIFF")
        return false;
    in >> lunghezza;
    if (in.readRawData(id, 4) != 4 || QByteArray(id, 4) != "WAVE")
        return false;
    bool fmt = false, data = false;
    while (in.readRawData(id, 4) == 4) {
        in >> lunghezza;
        if (in.status() != QDataStream::Ok || lunghezza > quint32(dati.size()))
            return false;
        const QByteArray corpo = dati.mid(in.device()->pos(), lunghezza);
        if (corpo.size() != qsizetype(lunghezza))
            return false;
        QDataStream pezzo(corpo);
        pezzo.setByteOrder(QDataStream::LittleEndian);
        if (QByteArray(id, 4) == "fmt " && lunghezza >= 16) {
            quint32 byteAlSecondo = 0;
            quint16 allineamento = 0;
            pezzo >> w.formato >> w.canali >> w.frequenza >> byteAlSecondo >> allineamento >> w.bit;
            fmt = true;
        } else if (QByteArray(id, 4) == "data") {
            w.campioni.resize(lunghezza / 2);
            for (auto& c : w.campioni)
                pezzo >> c;
            data = true;
        }
        in.skipRawData(int(lunghezza + (lunghezza & 1)));
    }
    return fmt && data;
}

TEST(Busso, IsAShortTwoRapKnockIn16BitPcm) {
    QFile file(QStringLiteral(GALBIROLA_RESOURCES_DIR "/Busso.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    EXPECT_LT(dati.size(), 50 * 1024);

    Wave w;
    ASSERT_TRUE(Analizza(dati, w));
    EXPECT_EQ(w.formato, 1); // PCM
    EXPECT_EQ(w.canali, 1);
    EXPECT_EQ(w.bit, 16);
    ASSERT_GT(w.frequenza, 8000u);
    const double durata = double(w.campioni.size()) / w.frequenza;
    EXPECT_GT(durata, 0.3);
    EXPECT_LT(durata, 0.5);

    // Loudness in 10 ms windows: two separate bursts with silence between and after.
    const size_t finestra = w.frequenza / 100;
    std::vector<double> livello;
    for (size_t i = 0; i + finestra <= w.campioni.size(); i += finestra) {
        double somma = 0;
        for (size_t j = i; j < i + finestra; ++j)
            somma += double(w.campioni[j]) * w.campioni[j];
        livello.push_back(std::sqrt(somma / finestra));
    }
    const double picco = *std::max_element(livello.begin(), livello.end());
    int raps = 0;
    bool sopra = false;
    for (double l : livello) {
        if (!sopra && l > picco * 0.4)
            ++raps;
        sopra = l > picco * 0.1;
    }
    EXPECT_EQ(raps, 2);
    EXPECT_LT(livello.back(), picco * 0.02) << "the knock ends in silence";
    // No clipping.
    const auto [minimo, massimo] = std::minmax_element(w.campioni.begin(), w.campioni.end());
    EXPECT_GT(*minimo, -32768);
    EXPECT_LT(*massimo, 32767);
}

TEST(Busso, LiesBesideThePrograms) {
    EXPECT_TRUE(QFile::exists(QCoreApplication::applicationDirPath() + "/Busso.wav"));
}

} // namespace
