// The game as its own program starts it, played by the monkey and closed by the window
// manager at a random moment; the status says whether it ended as it should.
#include "scimmia.h"

#include "platform/casuale.h"
#include "table/frmgalbirola.h"
#include "table/tavolo.h"

#include <QApplication>

#include <cstdio>
#include <random>
#include <string>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbirola"));
    const auto seme = static_cast<std::uint32_t>(argc > 1 ? std::stoul(argv[1]) : 1);
    casuale::Sostituzione sostituzione(std::make_unique<CasualeFisso>(seme));
    constexpr double kScala = 0.01;
    OrologioVeloce orologio(kScala);
    std::mt19937 rng(seme);

    int stato = 0;
    {
        // The program's own ending: no termina of the test's.
        FrmGalbirola finestra(ServiziTavolo{nullptr, &orologio, kScala, {}});
        finestra.show();
        Scimmia scimmia(finestra, seme);
        const int eventi = Misura().eventi;
        scimmia.Avvia(eventi, 20 + static_cast<int>(rng() % (eventi - 40)));
        const int uscita = app.exec();
        const Tavolo& t = finestra.Logica();
        std::string guasto;
        if (uscita != 0)
            guasto = "the event loop ended with " + std::to_string(uscita);
        else if (!scimmia.Chiusa())
            guasto = "the program ended without being closed";
        else if (!scimmia.Errore().empty())
            guasto = scimmia.Errore();
        else if (t.Occupato())
            guasto = "a game action is still running";
        else if (ScatolaAperta())
            guasto = "a box is still open";
        if (!guasto.empty()) {
            std::printf("seed %u: %s\n%s", seme, guasto.c_str(), scimmia.Diario().c_str());
            stato = 1;
        } else {
            std::printf("seed %u: closed at event %d, %s\n", seme, scimmia.Contati().eventi,
                        scimmia.Momento());
        }
    }
    return stato;
}
