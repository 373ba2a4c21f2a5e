#include "banco.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

std::string s(const QString& testo) {
    return testo.toStdString();
}

// What a start-up decides, in words: the table's state, where the focus is, and every
// control and drawn element with its place, visibility, text and look.
std::string Fotografia(FrmGalbirola& f) {
    const Tavolo& t = f.Logica();
    std::ostringstream o;
    o << s(f.windowTitle()) << " fase " << static_cast<int>(t.FaseCorrente()) << " occupato "
      << t.Occupato() << " n " << t.NumGiocatori() << " turno " << t.Turno() << " bussato "
      << t.Bussato() << t.Bussatore() << " mazziere " << t.Mazziere() << " in gioco "
      << t.GiocatoriInGioco() << " carte " << t.NumCarte1() << '/' << f.NumCarte1() << " mano "
      << t.UltimaMano().size() << " fuoco "
      << (f.focusWidget() ? s(f.focusWidget()->objectName()) : "-") << '\n';
    for (const QWidget* w : f.findChildren<QWidget*>()) {
        if (w->window() != &f)
            continue;
        const QRect g = w->geometry();
        o << w->metaObject()->className() << ' ' << s(w->objectName()) << ' ' << g.x() << ','
          << g.y() << ',' << g.width() << ',' << g.height() << ' ' << w->isVisibleTo(&f) << ' '
          << s(w->accessibleName());
        if (const auto* e = qobject_cast<const QLineEdit*>(w))
            o << " [" << s(e->text()) << ']';
        if (const auto* b = qobject_cast<const QRadioButton*>(w))
            o << ' ' << b->isChecked();
        o << '\n';
    }
    for (const Superficie* superficie : {static_cast<Superficie*>(&f), f.Controlli().FrTorneo})
        for (const auto& e : superficie->Elementi())
            o << s(e->nome) << '(' << e->indice << ") " << e->twips.x() << ',' << e->twips.y()
              << ' ' << e->visibile << " [" << s(e->testo) << "] " << e->colTesto.valore << ' '
              << e->stileRiempimento << ' ' << s(e->immagine.Percorso()) << '\n';
    return o.str();
}

// The first line where two descriptions differ, or nothing.
std::string Differenza(const std::string& a, const std::string& b) {
    std::istringstream ia(a), ib(b);
    for (std::string ra, rb;;) {
        const bool fineA = !std::getline(ia, ra), fineB = !std::getline(ib, rb);
        if (fineA && fineB)
            return {};
        if (fineA || fineB || ra != rb)
            return (fineA ? "(end)" : ra) + "  <>  " + (fineB ? "(end)" : rb);
    }
}

void Premi(FrmGalbirola& f, QKeyCombination tasto) {
    QTest::keyClick(&f, tasto.key(), tasto.keyboardModifiers());
    QApplication::processEvents(); // the command runs queued, and the new table is built
    QApplication::processEvents();
}

void Attiva(QWidget& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// A window just started, with that name typed and that many opponents chosen.
std::pair<std::string, QImage> AppenaAvviata(const QString& nome, int opzione) {
    Banco b(99);
    Attiva(b.finestra);
    b.C().TxtNome->setText(nome);
    b.C().OptAvversari[opzione]->setChecked(true);
    return {Fotografia(b.finestra), b.finestra.grab().toImage()};
}

// Deals until the human's turn, or plays to the end, knocking at every turn.
void Gioca(Banco& b, bool finoAllaFine) {
    for (int passo = 0; passo < 2000; ++passo) {
        const Fase fase = b.T().FaseCorrente();
        if (fase == Fase::Carte)
            Clicca(b.C().CmdCarte);
        else if (fase == Fase::Fatto && finoAllaFine)
            Clicca(b.C().CmdFatto);
        else
            return;
    }
}

// "Nuovo torneo" before the first tournament, in the middle of a hand (answered yes and
// no) and after "Fine del Torneo": the window is as just started, or untouched after a no.
TEST(NuovoTorneo, GivesBackTheStartedWindowKeepingNameAndOpponents) {
    enum class Quando { Prima, Mano, Fine };
    struct Caso {
        const char* nome;
        Quando quando;
        bool si;
        int domande;
    };
    QApplication::setCursorFlashTime(0); // the name field's cursor stays put in the pictures
    for (const Caso& k : {Caso{"before the first", Quando::Prima, true, 0},
                          Caso{"mid-hand, yes", Quando::Mano, true, 1},
                          Caso{"mid-hand, no", Quando::Mano, false, 1},
                          Caso{"after the end", Quando::Fine, true, 0}}) {
        SCOPED_TRACE(k.nome);
        const QString nome = QStringLiteral("Massimiliano Bartolomeo");
        const int opzione = k.quando == Quando::Fine ? 0 : 2;
        Banco b(4);
        Attiva(b.finestra);
        b.C().TxtNome->setText(nome);
        b.C().OptAvversari[opzione]->setChecked(true);
        if (k.quando != Quando::Prima) {
            Clicca(b.C().CmdTorneo);
            Gioca(b, k.quando == Quando::Fine);
            ASSERT_EQ(b.T().FaseCorrente(), k.quando == Quando::Fine ? Fase::Nessuna : Fase::Fatto);
        }
        const std::string prima = Fotografia(b.finestra);
        int domande = 0;
        // A click on the visible button that comes in under the question plays nothing.
        b.dialoghi.risposta = [&] {
            Clicca(b.C().CmdFatto);
            return ++domande, k.si;
        };
        Premi(b.finestra, Qt::CTRL | Qt::Key_N);
        EXPECT_EQ(domande, k.domande) << "\"Vuoi abbandonare il torneo in corso?\" asked";
        if (!k.si) {
            EXPECT_EQ(Differenza(Fotografia(b.finestra), prima), "");
            continue;
        }
        const std::string dopo = Fotografia(b.finestra);
        const QImage pixel = b.finestra.grab().toImage();
        const auto [fotografia, appena] = AppenaAvviata(nome, opzione);
        EXPECT_EQ(Differenza(dopo, fotografia), ""); // after the reset <> just started
        EXPECT_TRUE(pixel == appena);
        EXPECT_EQ(ControllaFinestra(b.finestra), "");
    }
    QApplication::setCursorFlashTime(1000);
}

// The boxes of a whole tournament and the table at its end, played the same way each time.
std::string Torneo(FrmGalbirola& f, DialoghiFinti& d) {
    const ControlliTavolo& c = f.Controlli();
    std::mt19937 scelte(8);
    d.messaggi.clear();
    Clicca(c.CmdTorneo);
    for (int passo = 0; passo < 5000 && f.Logica().FaseCorrente() != Fase::Nessuna; ++passo) {
        if (f.Logica().FaseCorrente() == Fase::Carte) {
            Clicca(c.CmdCarte);
            continue;
        }
        // Keep the own cards or take the table's.
        if (scelte() % 2)
            for (CtlPilaCarte* v : c.CtlPilaTavolo)
                Clicca(v);
        Clicca(c.CmdFatto);
    }
    return s(d.messaggi.join('\n')) + '\n' + Fotografia(f);
}

// With the same replayed numbers the second tournament of a run plays as the first: the
// start-up's draws are made again, the same and no more.
TEST(NuovoTorneo, TheSecondTournamentPlaysAsTheFirstFromTheSameNumbers) {
    std::vector<double> numeri(100000);
    std::mt19937_64 g(12);
    for (double& r : numeri)
        r = std::uniform_real_distribution<double>(0, 1)(g);
    DialoghiFinti d;
    OrologioSalto orologio;
    auto primi = std::make_unique<casuale::Sostituzione>(std::make_unique<CasualeRipetuto>(numeri));
    FrmGalbirola f(ServiziTavolo{&d, &orologio, 0.0, [] {}});
    f.show();
    Attiva(f);
    const std::uint64_t avvio = casuale::Fonte().Estratti();
    const std::string primo = Torneo(f, d);
    ASSERT_NE(primo.find("Galbirola|Fine del Torneo"), std::string::npos);

    casuale::Sostituzione ripetuti(std::make_unique<CasualeRipetuto>(numeri));
    Premi(f, Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(casuale::Fonte().Estratti(), avvio) << "numbers the new start drew";
    EXPECT_EQ(Differenza(Torneo(f, d), primo), ""); // second <> first
}

// Asked for while the computers play, the new tournament waits for their turns: the table
// stays whole meanwhile, the action draws every number it would have drawn, and then the
// start-up draws its own.
TEST(NuovoTorneo, AskedWhileTheComputersPlayStartsWhenTheirTurnsAreOver) {
    const auto estratti = [](bool nuovo) {
        Banco b(21, false, 0.01);
        const std::uint64_t avvio = casuale::Fonte().Estratti();
        Attiva(b.finestra);
        b.C().OptAvversari[5]->setChecked(true);
        Clicca(b.C().CmdTorneo);
        int domande = 0, durante = 0;
        std::string errore;
        QTimer spia;
        QObject::connect(&spia, &QTimer::timeout, [&] {
            if (!b.T().Occupato() || !nuovo)
                return;
            if (domande == 0) {
                b.dialoghi.risposta = [&] { return ++domande, true; };
                QTest::keyClick(&b.finestra, Qt::Key_F2);
            } else if (++durante, errore.empty()) {
                errore = ControllaFinestra(b.finestra);
                if (b.T().FaseCorrente() == Fase::Torneo || b.finestra.NumCarte1() != 18)
                    errore = "the table was rebuilt during the computers' turns";
            }
        });
        spia.start(1);
        Clicca(b.C().CmdCarte);
        QApplication::processEvents();
        spia.stop();
        EXPECT_EQ(errore, "");
        if (nuovo) {
            EXPECT_EQ(domande, 1);
            EXPECT_GT(durante, 3);
            EXPECT_EQ(b.T().FaseCorrente(), Fase::Torneo) << "no new tournament after the turns";
            EXPECT_EQ(ControllaFinestra(b.finestra), "");
        }
        return std::pair{avvio, casuale::Fonte().Estratti()};
    };
    const auto [avvio, solo] = estratti(false);
    EXPECT_EQ(estratti(true).second, solo + avvio)
        << "numbers drawn by the turns and the new start";
}

} // namespace
