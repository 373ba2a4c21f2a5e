#include "banco.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

// The window as the player's keyboard reaches it: active, keys going to the focus.
struct BancoAttivo : Banco {
    explicit BancoAttivo(std::uint64_t seme) : Banco(seme) {
        finestra.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }
    QWidget* Fuoco() const { return QApplication::focusWidget(); }
    void Tasto(Qt::Key tasto, Qt::KeyboardModifiers m = Qt::NoModifier) {
        ASSERT_NE(Fuoco(), nullptr);
        QTest::keyClick(Fuoco(), tasto, m);
        QApplication::processEvents(); // the game action runs queued
    }
    // 0 for the player's cards, 1 for the table's, -1 elsewhere.
    int Gruppo(const QWidget* w) const {
        for (int i = 0; i < 3; ++i)
            if (w == C().CtlPilaCarte0[i] || w == C().CtlPilaTavolo[i])
                return w == C().CtlPilaTavolo[i];
        return -1;
    }
    // Goes to a card the way a player would (Tab to its group, then Home and Right).
    void VaiA(CtlPilaCarte* carta) {
        for (int i = 0; i < 5 && Gruppo(Fuoco()) != Gruppo(carta); ++i)
            Tasto(Qt::Key_Tab);
        Tasto(Qt::Key_Home);
        while (Fuoco() != carta && Gruppo(Fuoco()) == Gruppo(carta) && Fuoco()->x() < carta->x())
            Tasto(Qt::Key_Right);
        ASSERT_EQ(Fuoco(), carta);
    }
    // Where the game leaves the focus: the phase's button, the first card on the player's
    // turn, the window itself while the computers play and after the end.
    std::string ControllaFuoco() const {
        const QWidget* w = Fuoco();
        const Fase fase = const_cast<BancoAttivo*>(this)->T().FaseCorrente();
        const QWidget* atteso = fase == Fase::Carte   ? static_cast<QWidget*>(C().CmdCarte)
                                : fase == Fase::Fatto ? static_cast<QWidget*>(C().CtlPilaCarte0[0])
                                                      : &finestra;
        if (w == atteso && w->isVisible())
            return {};
        return "the focus is on " +
               (!w               ? "nothing"
                : w == &finestra ? "the window"
                                 : w->objectName().toStdString()) +
               " in phase " + std::to_string(static_cast<int>(fase));
    }
};

class TorneoATasti : public ::testing::TestWithParam<std::pair<int, int>> {};

// The whole tournament with keys only: the settings, every deal, every turn, and both moves
// the table refuses, checked against the table's state after every move.
TEST_P(TorneoATasti, PlaysToTheEndWithTheKeyboardAlone) {
    const auto [opzione, seme] = GetParam();
    BancoAttivo b(seme);
    std::mt19937 scelte(seme);
    b.dialoghi.risposta = [&] { return scelte() % 2 == 0; };
    ASSERT_EQ(b.Fuoco(), b.C().TxtNome);
    b.Tasto(Qt::Key_Tab, Qt::ShiftModifier); // to the chosen option, "6 avversari"
    for (int i = 5; i > opzione; --i)
        b.Tasto(Qt::Key_Up);
    b.Tasto(Qt::Key_Tab);
    b.Tasto(Qt::Key_Tab);
    ASSERT_EQ(b.Fuoco(), b.C().CmdTorneo);
    b.Tasto(Qt::Key_Space);
    ASSERT_EQ(b.T().NumGiocatori(), opzione + 2);
    const auto fine = [&] { return b.dialoghi.messaggi.endsWith("Galbirola|Fine del Torneo"); };
    QSet<QString> illegali;
    int turni = 0;
    std::string durante; // the focus while the computers play, as their lamps change
    QObject::connect(&b.finestra, &Superficie::ElementoCambiato, [&] {
        if (durante.empty() && b.T().Occupato() && b.T().FaseCorrente() == Fase::Nessuna)
            durante = b.ControllaFuoco();
    });
    for (int passo = 0; passo < 5000 && !fine(); ++passo) {
        SCOPED_TRACE(passo);
        ASSERT_EQ(ControllaFinestra(b.finestra), "");
        ASSERT_EQ(b.ControllaFuoco(), "");
        if (b.T().FaseCorrente() == Fase::Carte) {
            b.Tasto(passo % 2 ? Qt::Key_Return : Qt::Key_Space);
            continue;
        }
        ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
        auto sei =
            std::array{b.C().CtlPilaCarte0[0], b.C().CtlPilaCarte0[1], b.C().CtlPilaCarte0[2],
                       b.C().CtlPilaTavolo[0], b.C().CtlPilaTavolo[1], b.C().CtlPilaTavolo[2]};
        std::shuffle(sei.begin(), sei.end(), scelte);
        // Too many and too few first, then a knock or an exchange.
        const int segni = std::array{4, 2, 3, 0, 3}[turni++ % 5];
        const auto segna = [&] {
            for (int i = 0; i < segni; ++i) {
                b.VaiA(sei[i]);
                b.Tasto(Qt::Key_Space);
            }
        };
        segna();
        if (scelte() % 2) { // "Fatto" itself, or Return from a card
            while (b.Fuoco() != b.C().CmdFatto)
                b.Tasto(Qt::Key_Tab);
            b.Tasto(Qt::Key_Space);
        } else {
            b.Tasto(Qt::Key_Return);
        }
        if (segni % 3 != 0) {
            illegali.insert(b.dialoghi.messaggi.constLast());
            ASSERT_TRUE(b.dialoghi.messaggi.constLast().startsWith("Mossa Illegale|"));
            ASSERT_TRUE(sei[0]->Selezionata() && b.T().FaseCorrente() == Fase::Fatto);
            segna(); // unmarked again, then a knock or a pass
            b.Tasto(Qt::Key_Return);
        }
    }
    EXPECT_TRUE(fine());
    EXPECT_EQ(b.ControllaFuoco(), "");
    EXPECT_EQ(durante, "");
    EXPECT_EQ(illegali.size(), 2) << QStringList(illegali.values()).join(";").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Avversari, TorneoATasti,
                         ::testing::Values(std::pair{0, 2}, std::pair{5, 2}));

// Tab goes round the groups in the order of play, the arrows within a group of cards.
TEST(Tastiera, TabGoesRoundTheGroupsAndTheArrowsWithinTheCards) {
    BancoAttivo b(3);
    const ControlliTavolo& c = b.C();
    const Qt::KeyboardModifiers indietro = Qt::ShiftModifier;
    const auto giro = [&](std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, QWidget*>> passi) {
        for (const auto& [tasto, m, atteso] : passi) {
            b.Tasto(tasto, m);
            EXPECT_EQ(b.Fuoco()->objectName(), atteso->objectName())
                << "after " << QKeySequence(tasto | m).toString().toStdString();
        }
    };
    giro({{Qt::Key_Tab, {}, c.CmdTorneo},
          {Qt::Key_Tab, {}, c.OptAvversari[5]},
          {Qt::Key_Tab, {}, c.TxtNome},
          {Qt::Key_Tab, indietro, c.OptAvversari[5]},
          {Qt::Key_Tab, indietro, c.CmdTorneo}});
    Clicca(c.CmdTorneo);
    while (b.T().FaseCorrente() == Fase::Carte)
        Clicca(c.CmdCarte);
    ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
    giro({{Qt::Key_Right, {}, c.CtlPilaCarte0[1]},
          {Qt::Key_End, {}, c.CtlPilaCarte0[2]},
          {Qt::Key_Right, {}, c.CtlPilaCarte0[2]},
          {Qt::Key_Up, {}, c.CtlPilaCarte0[1]},
          {Qt::Key_Tab, {}, c.CtlPilaTavolo[0]},
          {Qt::Key_Down, {}, c.CtlPilaTavolo[1]},
          {Qt::Key_Tab, {}, c.CmdFatto},
          {Qt::Key_Tab, {}, c.CtlPilaCarte0[1]},
          {Qt::Key_Tab, {}, c.CtlPilaTavolo[1]},
          {Qt::Key_Tab, indietro, c.CtlPilaCarte0[1]},
          {Qt::Key_Home, {}, c.CtlPilaCarte0[0]}});
}

// A mouse player's table looks as it always did: wherever the game puts the focus, nothing
// is drawn for it until a key is used.
TEST(Tastiera, TheFocusShowsOnlyOnceAKeyIsUsed) {
    BancoAttivo b(11);
    EXPECT_EQ(b.Fuoco(), b.C().TxtNome);
    Clicca(b.C().OptAvversari[0]);
    Clicca(b.C().CmdTorneo);
    for (int passo = 0; passo < 8; ++passo) {
        Clicca(b.T().FaseCorrente() == Fase::Carte ? static_cast<QWidget*>(b.C().CmdCarte)
                                                   : b.C().CtlPilaCarte0[passo % 3]);
        if (b.T().FaseCorrente() == Fase::Fatto && passo % 2)
            Clicca(b.C().CmdFatto);
        QWidget* fuoco = b.Fuoco();
        ASSERT_NE(fuoco, nullptr);
        const QImage visto = b.finestra.grab().toImage();
        b.finestra.setFocus();
        EXPECT_TRUE(b.finestra.grab().toImage() == visto)
            << "focus drawn on " << fuoco->objectName().toStdString();
        fuoco->setFocus();
    }
    const QImage prima = b.finestra.grab().toImage();
    b.Tasto(b.T().FaseCorrente() == Fase::Fatto ? Qt::Key_Right : Qt::Key_Tab);
    EXPECT_FALSE(b.finestra.grab().toImage() == prima) << "no focus drawn after a key";
}

} // namespace
