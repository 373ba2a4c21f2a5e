#include "banco.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

namespace {

// A real pause lasts as asked, keeps the window's events flowing and leaves the CPU idle.
TEST(AtteseFinestra, PauseWaitsOnATimerWithoutSpinning) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(1));
    DialoghiFinti dialoghi;
    FrmGalbirola finestra(ServiziTavolo{&dialoghi, nullptr, 1.0, [] {}});
    finestra.show();
    int battiti = 0;
    QTimer battito;
    QObject::connect(&battito, &QTimer::timeout, [&] { ++battiti; });
    battito.start(20);

    QElapsedTimer orologio;
    orologio.start();
    const std::clock_t cpu = std::clock();
    finestra.Pausa(0.3);
    const double cpuSecondi = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_GE(orologio.elapsed(), 295);
    EXPECT_LT(orologio.elapsed(), 600);
    EXPECT_GE(battiti, 5);
    EXPECT_LT(cpuSecondi, 0.1);
}

TEST(AtteseFinestra, ClosingDuringAPauseUnwindsAtOnce) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(1));
    DialoghiFinti dialoghi;
    FrmGalbirola finestra(ServiziTavolo{&dialoghi, nullptr, 1.0, [] {}});
    finestra.show();
    QTimer::singleShot(50, &finestra, [&] { finestra.close(); });
    QElapsedTimer orologio;
    orologio.start();
    EXPECT_THROW(finestra.Pausa(30), Annullato);
    EXPECT_LT(orologio.elapsed(), 2000);
    // Every later wait of the same action refuses too.
    EXPECT_THROW(finestra.Messaggio(64, std::nullopt, "x"), Annullato);
    EXPECT_THROW(finestra.Bussa(1), Annullato);
    EXPECT_TRUE(dialoghi.messaggi.empty());
}

// Closed while the computers think: the deal's action ends, the program is told to end and
// no box appears afterwards.
TEST(AtteseFinestra, ClosingDuringTheComputersTurnsEndsTheGame) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(5));
    DialoghiFinti dialoghi;
    OrologioAPassi passi;
    bool terminato = false;
    FrmGalbirola f(ServiziTavolo{&dialoghi, &passi, 1.0, [&] { terminato = true; }});
    f.show();
    Clicca(f.Controlli().CmdTorneo);
    ASSERT_EQ(f.Logica().FaseCorrente(), Fase::Carte);

    QTimer::singleShot(300, &f, [&] { f.close(); });
    QElapsedTimer orologio;
    orologio.start();
    Clicca(f.Controlli().CmdCarte);
    EXPECT_TRUE(terminato);
    EXPECT_LT(orologio.elapsed(), 3000);
    EXPECT_FALSE(f.Logica().Occupato());
    const std::size_t scatole = dialoghi.messaggi.size();
    QApplication::processEvents();
    EXPECT_EQ(dialoghi.messaggi.size(), scatole);
}

// Clicks that arrive while a computer thinks reach no card: the marks belong to the
// human's turn only.
TEST(AtteseFinestra, CardClicksDuringTheComputersTurnsAreIgnored) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(8));
    DialoghiFinti dialoghi;
    OrologioAPassi passi;
    FrmGalbirola f(ServiziTavolo{&dialoghi, &passi, 1.0, [] {}});
    f.show();
    Clicca(f.Controlli().OptAvversari[0]);
    Clicca(f.Controlli().CmdTorneo);
    int tentativi = 0;
    QTimer durante;
    QObject::connect(&durante, &QTimer::timeout, [&] {
        if (f.Logica().FaseCorrente() != Fase::Nessuna)
            return;
        ++tentativi;
        Clicca(f.Controlli().CtlPilaCarte0[tentativi % 3]);
        Clicca(f.Controlli().CtlPilaTavolo[tentativi % 3]);
    });
    durante.start(100);
    Clicca(f.Controlli().CmdCarte);
    durante.stop();
    EXPECT_GT(tentativi, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(f.Controlli().CtlPilaCarte0[i]->Selezionata());
        EXPECT_FALSE(f.Controlli().CtlPilaTavolo[i]->Selezionata());
    }
}

} // namespace
