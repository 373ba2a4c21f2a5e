#include "banco.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

std::string s(const QString& testo) {
    return testo.toStdString();
}

// What a start-up decides, in words: the table's state, the focus, and every control and
// drawn element with its place, visibility, text and look.
std::string Fotografia(FrmGalbirola& f) {
    const Tavolo& t = f.Logica();
    std::ostringstream o;
    o << "fase " << static_cast<int>(t.FaseCorrente()) << " n " << t.NumGiocatori() << " turno "
      << t.Turno() << " bussato " << t.Bussato() << t.Bussatore() << " mazziere " << t.Mazziere()
      << " in gioco " << t.GiocatoriInGioco() << " carte " << f.NumCarte1() << " mano "
      << t.UltimaMano().size() << " fuoco "
      << (f.focusWidget() ? s(f.focusWidget()->objectName()) : "-") << '\n';
    for (const QWidget* w : f.findChildren<QWidget*>())
        if (w->window() == &f)
            o << s(w->objectName()) << ' ' << w->x() << ',' << w->y() << ' ' << w->isVisibleTo(&f)
              << w->property("checked").toBool() << ' '
              << s(w->accessibleName() + '|' + w->property("text").toString()) << '\n';
    for (const Superficie* p : {static_cast<Superficie*>(&f), f.Controlli().FrTorneo})
        for (const auto& e : p->Elementi())
            o << s(e->nome) << e->indice << ' ' << e->twips.x() << ',' << e->twips.y() << ' '
              << e->visibile << e->stileRiempimento << ' ' << e->colTesto.valore << ' '
              << s(e->testo + '|' + e->immagine.Percorso()) << '\n';
    return o.str();
}

void Attiva(QWidget& f) {
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}

void Premi(QWidget& f, QKeyCombination tasto) {
    Attiva(f);
    QTest::keyClick(&f, tasto.key(), tasto.keyboardModifiers());
    QApplication::processEvents(); // the command runs queued, and then the new table is built
    QApplication::processEvents();
}

// Plays with the mouse from the settings to the human's turn or to the end, taking the
// table's cards now and then.
void Gioca(Banco& b, bool finoAllaFine) {
    std::mt19937 scelte(8);
    for (Fase f;
         (f = b.T().FaseCorrente()) != Fase::Nessuna && (f != Fase::Fatto || finoAllaFine);) {
        if (f == Fase::Fatto && scelte() % 2)
            for (CtlPilaCarte* v : b.C().CtlPilaTavolo)
                Clicca(v);
        Clicca(f == Fase::Torneo  ? b.C().CmdTorneo
               : f == Fase::Carte ? b.C().CmdCarte
                                  : b.C().CmdFatto);
    }
}

// Ctrl+N before the first tournament, in the middle of a hand (yes and no) and after "Fine
// del Torneo": the window as just started with the name and opponents kept, or untouched.
TEST(NuovoTorneo, GivesBackTheStartedWindowKeepingNameAndOpponents) {
    enum Quando { Prima, Mano, Fine };
    QApplication::setCursorFlashTime(0); // the name field's cursor stays put in the pictures
    for (const auto& [quando, si, domande] :
         {std::tuple{Prima, true, 0}, {Mano, true, 1}, {Mano, false, 1}, {Fine, true, 0}}) {
        SCOPED_TRACE(quando * 2 + si);
        const QString nome = QStringLiteral("Massimiliano Bartolomeo");
        const int opzione = quando == Fine ? 0 : 2;
        const auto prepara = [&](Banco& b) {
            Attiva(b.finestra);
            b.C().TxtNome->setText(nome);
            b.C().OptAvversari[opzione]->setChecked(true);
        };
        Banco b(4);
        prepara(b);
        if (quando != Prima)
            Gioca(b, quando == Fine);
        const std::string prima = Fotografia(b.finestra);
        int chieste = 0;
        // A click on the visible button that comes in under the question plays nothing.
        b.dialoghi.risposta = [&] { return Clicca(b.C().CmdFatto), ++chieste, si; };
        Premi(b.finestra, Qt::CTRL | Qt::Key_N);
        EXPECT_EQ(chieste, domande) << "\"Vuoi abbandonare il torneo in corso?\" asked";
        const std::string dopo = Fotografia(b.finestra);
        const QImage pixel = b.finestra.grab().toImage();
        if (!si) {
            EXPECT_EQ(dopo, prima);
            continue;
        }
        Banco appena(99);
        prepara(appena);
        EXPECT_EQ(dopo, Fotografia(appena.finestra)); // after Ctrl+N, just started
        EXPECT_TRUE(pixel == appena.finestra.grab().toImage());
    }
    QApplication::setCursorFlashTime(1000);
}

// F2 while the computers play: the table stays whole until their turns are over, they draw
// every number they would have drawn, and then the new start draws its own.
TEST(NuovoTorneo, WhileTheComputersPlayItWaitsForTheirTurns) {
    const auto gioca = [](bool f2) {
        Banco b(21, false, 0.01);
        const std::uint64_t avvio = casuale::Fonte().Estratti();
        b.C().OptAvversari[5]->setChecked(true);
        Clicca(b.C().CmdTorneo);
        int durante = 0;
        std::string errore;
        QTimer spia;
        QObject::connect(&spia, &QTimer::timeout, [&] {
            if (!f2 || !b.T().Occupato())
                return;
            if (!b.dialoghi.risposta) {
                b.dialoghi.risposta = [] { return true; };
                Premi(b.finestra, Qt::Key_F2);
            } else if (++durante, errore.empty()) {
                errore = ControllaFinestra(b.finestra);
                if (b.T().FaseCorrente() == Fase::Torneo)
                    errore = "a new table during the computers' turns";
            }
        });
        spia.start(1);
        Clicca(b.C().CmdCarte);
        QApplication::processEvents();
        EXPECT_EQ(errore, "");
        EXPECT_EQ(b.T().FaseCorrente() == Fase::Torneo, f2) << "a new table once they are over";
        EXPECT_TRUE(!f2 || durante > 3);
        return std::pair{avvio, casuale::Fonte().Estratti()};
    };
    const auto [avvio, turni] = gioca(false);
    EXPECT_EQ(gioca(true).second, turni + avvio) << "numbers drawn by the turns and the new start";
}

} // namespace
