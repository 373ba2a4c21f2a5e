#include "table/sound/onda.h"
#include "table/sound/uscitaqt.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Where there is no PulseAudio to build against, the knock plays through Qt Multimedia. On a
// machine without an audio output that way must say at once that it cannot play, so that
// the knock beeps instead of waiting.
TEST(UscitaQt, WithoutAnAudioOutputItSaysSoAtOnce) {
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    const QString file = QStringLiteral(GALBIROLA_BIN_DIR "/Busso.wav");
    UscitaQt uscita(file);
    bool finita = false, sentita = true;
    QObject::connect(&uscita, &UscitaSuono::Finita, [&](bool s) {
        finita = true;
        sentita = s;
    });
    QElapsedTimer tempo;
    tempo.start();
    uscita.Avvia(LeggiOnda(file));
    EXPECT_TRUE(QTest::qWaitFor([&] { return finita; }, 2000));
    EXPECT_FALSE(sentita);
    EXPECT_LT(tempo.elapsed(), 500);
}

} // namespace
