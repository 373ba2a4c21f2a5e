#include "scimmia.h"

#include "platform/casuale.h"
#include "table/frmgalbirola.h"
#include "table/tavolo.h"

#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Pauses a hundredth of their length: a computer still thinks for several of the monkey's
// events.
constexpr double kScala = 0.01;

class ScimmiaSulTavolo : public ::testing::TestWithParam<int> {};

TEST_P(ScimmiaSulTavolo, RandomInputNeitherBreaksNorStopsTheGame) {
    const auto seme = static_cast<std::uint32_t>(1000 + GetParam());
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(seme));
    OrologioVeloce orologio(kScala);
    bool terminato = false;
    FrmGalbirola f(ServiziTavolo{nullptr, &orologio, kScala, [&] { terminato = true; }});
    f.show();
    Scimmia scimmia(f, seme);

    QElapsedTimer tempo;
    tempo.start();
    EXPECT_TRUE(scimmia.Gioca(Misura().eventi)) << scimmia.Errore() << "\n" << scimmia.Diario();
    EXPECT_FALSE(terminato);
    EXPECT_FALSE(f.Logica().Occupato());
    EXPECT_EQ(ScatolaAperta(), nullptr);

    const Scimmia::Conti& c = scimmia.Contati();
    // The input reached the table in every state that matters.
    EXPECT_GT(c.durantePause, 0);
    EXPECT_NE(f.Logica().FaseCorrente(), Fase::Torneo);
    RecordProperty("eventi", c.eventi);
    RecordProperty("durantePause", c.durantePause);
    RecordProperty("conScatola", c.conScatola);
    RecordProperty("mani", c.mani);
    RecordProperty("tornei", c.tornei);
    std::printf("seed %u: %d events (%d in pauses, %d with a box open), %d boxes answered, "
                "%d refused moves, %d hands, %d tournaments, %lld ms\n",
                seme, c.eventi, c.durantePause, c.conScatola, c.scatoleChiuse, c.refusi, c.mani,
                c.tornei, static_cast<long long>(tempo.elapsed()));
}

INSTANTIATE_TEST_SUITE_P(Semi, ScimmiaSulTavolo, ::testing::Range(0, Misura().semi));

// The program closed by the window manager at a random moment of random play: at any time,
// while a box is open, or while the computers think. It must end by itself, with status 0.
TEST(ScimmiaSulTavolo, ClosedAtARandomMomentTheProgramEnds) {
    const int volte = 6;
    int aMetaPartita = 0;
    for (int i = 0; i < volte; ++i) {
        SCOPED_TRACE(i);
        QProcess gioco;
        gioco.setProcessChannelMode(QProcess::MergedChannels);
        gioco.start(QStringLiteral(GALBIROLA_CHIUSURA), {QString::number(2000 + i)});
        ASSERT_TRUE(gioco.waitForStarted());
        const bool finito = gioco.waitForFinished(120'000);
        if (!finito)
            gioco.kill();
        const QString uscita = QString::fromLocal8Bit(gioco.readAll());
        ASSERT_TRUE(finito) << uscita.toStdString();
        EXPECT_EQ(gioco.exitStatus(), QProcess::NormalExit) << uscita.toStdString();
        EXPECT_EQ(gioco.exitCode(), 0) << uscita.toStdString();
        EXPECT_TRUE(uscita.contains(QStringLiteral("closed at event"))) << uscita.toStdString();
        std::printf("%s", qPrintable(uscita));
        aMetaPartita += uscita.contains(QStringLiteral("with a box open")) ||
                        uscita.contains(QStringLiteral("while the computers play"));
    }
    EXPECT_GT(aMetaPartita, 0);
}

} // namespace
