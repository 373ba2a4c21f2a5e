#include "table/window/frmgalbirola.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The window knocks with the file the program carries beside it; any other name or folder
// finds nothing there and the player hears only a beep.
TEST(Busso, TheWindowPlaysTheKnockPlacedBesideTheProgram) {
    const FrmGalbirola finestra;
    const QString cercato = finestra.Percorso() + FrmGalbirola::FileBussata();
    QFile suonato(cercato), nostro(QStringLiteral(GALBIROLA_RESOURCES_DIR "/Busso.wav"));
    ASSERT_TRUE(nostro.open(QIODevice::ReadOnly));
    ASSERT_TRUE(suonato.open(QIODevice::ReadOnly))
        << "the window looks for the knock at " << cercato.toStdString()
        << ", where the program has no file: every knock would be a beep";
    EXPECT_TRUE(suonato.readAll() == nostro.readAll())
        << cercato.toStdString() << " is not the knock the program installs";
}

// A short, audible mono 16-bit PCM knock.
TEST(Busso, IsAShortKnockIn16BitPcm) {
    QFile file(QStringLiteral(GALBIROLA_RESOURCES_DIR "/Busso.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    ASSERT_TRUE(dati.startsWith("RIFF") && dati.mid(8, 4) == "WAVE");
    const char* d = dati.constData();

    // Chunks follow one another from byte 12, each padded to an even length.
    qsizetype fmt = -1, data = -1;
    for (qsizetype i = 12; i + 8 <= dati.size();) {
        const quint32 lunghezza = qFromLittleEndian<quint32>(d + i + 4);
        if (dati.mid(i, 4) == "fmt ")
            fmt = i;
        else if (dati.mid(i, 4) == "data")
            data = i;
        i += 8 + lunghezza + (lunghezza & 1);
    }
    ASSERT_GE(fmt, 0);
    ASSERT_GE(data, 0);
    EXPECT_EQ(qFromLittleEndian<quint16>(d + fmt + 8), 1);  // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(d + fmt + 10), 1); // mono
    EXPECT_EQ(qFromLittleEndian<quint16>(d + fmt + 22), 16);
    const quint32 frequenza = qFromLittleEndian<quint32>(d + fmt + 12);
    const qsizetype campioni = qFromLittleEndian<quint32>(d + data + 4) / 2;
    ASSERT_LE(data + 8 + campioni * 2, dati.size());
    EXPECT_GT(campioni, frequenza * 0.3);
    EXPECT_LT(campioni, frequenza * 0.5);
    int picco = 0;
    for (qsizetype i = 0; i < campioni; ++i)
        picco = std::max(picco, std::abs(int(qFromLittleEndian<qint16>(d + data + 8 + 2 * i))));
    EXPECT_GT(picco, 3000);
}

} // namespace
