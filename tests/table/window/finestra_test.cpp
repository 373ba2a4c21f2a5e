#include "banco.h"
#include "table/access/cronaca.h"
#include "table/access/parole.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <random>

namespace {

class Torneo : public ::testing::TestWithParam<int> {};

// Played to the end, the window agreeing with the table at every step; the opener's question
// names the player's own three cards, and the chronicle (F3) still holds the hand before.
TEST_P(Torneo, PlaysToTheEndWithTheMouse) {
    Banco b(static_cast<std::uint64_t>(GetParam()));
    std::mt19937 scelte(GetParam());
    const auto carte = [&](int seggio) { // a seat's three cards in words
        std::vector<CartaDetta> tre;
        for (int i = 0; i < 3; ++i) {
            const Carta& c = seggio == b.T().NumGiocatori()
                                 ? b.T().CtlPilaCarte0(i)
                                 : b.T().CtlPilaCarte1(3 * seggio - 3 + i);
            tre.push_back({c.CodiceSeme(), c.Valore()});
        }
        return parole::Mano(tre);
    };
    b.dialoghi.risposta = [&] {
        const QString mie = carte(b.T().NumGiocatori());
        EXPECT_TRUE(b.dialoghi.descrizione.contains(mie))
            << "the opener's question tells a screen reader \""
            << b.dialoghi.descrizione.toStdString() << "\", but the player holds "
            << mie.toStdString();
        return scelte() % 2 == 0;
    };
    Clicca(b.C().OptAvversari[GetParam() % 6]);
    Clicca(b.C().CmdTorneo);
    const auto fine = [&] { return b.dialoghi.messaggi.endsWith("Galbirola|Fine del Torneo"); };
    for (int passo = 0; passo < 5000 && !fine(); ++passo) {
        SCOPED_TRACE(passo);
        if (b.T().FaseCorrente() == Fase::Carte) {
            std::vector<std::pair<QString, QString>>
                mostrate; // the last showdown's seats and hands
            for (const Tavolo::Risultato& r : b.T().UltimaMano())
                mostrate.emplace_back(QString::fromStdString(std::string(r.Nome)),
                                      carte(r.Posto + 1));
            Clicca(b.C().CmdCarte);
            if (b.T().FaseCorrente() != Fase::Fatto)
                continue;
            b.finestra.Cronista()->Apri();
            const auto* cronaca = b.finestra.Cronista()->Finestra()->findChild<QListWidget*>();
            for (const auto& [nome, mano] : mostrate) {
                bool letta = false;
                for (int i = 0; i < cronaca->count(); ++i)
                    letta |= cronaca->item(i)->text().contains(nome) &&
                             cronaca->item(i)->text().contains(mano);
                EXPECT_TRUE(letta) << "the chronicle (F3) has lost the hand before this one, where "
                                   << nome.toStdString() << " showed " << mano.toStdString();
            }
            b.finestra.Cronista()->Finestra()->close();
        } else {
            ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
            auto sei =
                std::array{b.C().CtlPilaCarte0[0], b.C().CtlPilaCarte0[1], b.C().CtlPilaCarte0[2],
                           b.C().CtlPilaTavolo[0], b.C().CtlPilaTavolo[1], b.C().CtlPilaTavolo[2]};
            std::shuffle(sei.begin(), sei.end(), scelte);
            // Nothing marked, three of the six, or a count the table refuses keeping the marks.
            const int segni = std::array{0, 3, 3, 2, 4}[scelte() % 5];
            for (int i = 0; i < segni; ++i)
                Clicca(sei[i]);
            Clicca(b.C().CmdFatto);
            if (segni % 3 != 0) {
                ASSERT_TRUE(b.dialoghi.messaggi.constLast().startsWith("Mossa Illegale|"));
                EXPECT_TRUE(sei[0]->Selezionata());
                for (int i = 0; i < segni; ++i)
                    Clicca(sei[i]);
            }
            for (const CtlPilaCarte* v : sei)
                EXPECT_FALSE(v->Selezionata());
        }
        ASSERT_EQ(ControllaFinestra(b.finestra), "");
    }
    ASSERT_TRUE(fine());
    // On screen the names of the seats that left are grey, the winner's is not.
    const QImage schermo = b.finestra.grab().toImage();
    for (int s = 1; s <= b.T().NumGiocatori(); ++s) {
        const QRect r = Elemento(b.finestra, "LblNome", s - 1).twips;
        int scuro = 255; // the letters are the darkest pixels of the white scoreboard
        for (int y = PixelDi(0, r.top()).y(); y < PixelDi(0, r.bottom()).y(); ++y)
            for (int x = PixelDi(r.left(), 0).x(); x < PixelDi(r.right(), 0).x(); ++x)
                scuro = std::min(scuro, qGray(schermo.pixel(x, y)));
        EXPECT_EQ(scuro > 96, b.T().Palle(s) == 0)
            << "seat " << s << " has " << b.T().Palle(s) << " balls, its name's darkest grey is "
            << scuro << ": a seat out of the tournament is named in grey, the others in black";
    }
}

INSTANTIATE_TEST_SUITE_P(Semi, Torneo, ::testing::Values(1, 2, 3, 11, 40));

TEST(Finestra, PauseWaitsOnATimerWithoutSpinning) {
    Banco b(1, false, 1.0);
    int battiti = 0;
    QTimer battito;
    QObject::connect(&battito, &QTimer::timeout, [&] { ++battiti; });
    battito.start(20);
    QElapsedTimer orologio;
    orologio.start();
    // A timer a little shorter, started beside the pause: a busy machine makes both late
    // alike, so the pause ends soon after it, however late that is.
    qint64 vicino = -1;
    QTimer::singleShot(280, [&] { vicino = orologio.elapsed(); });
    const std::clock_t cpu = std::clock();
    b.finestra.Pausa(0.3);
    const qint64 fine = orologio.elapsed();
    EXPECT_LT(static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC, 0.1);
    EXPECT_GE(fine, 295);
    ASSERT_GE(vicino, 0) << "the pause ended before a shorter timer fired";
    EXPECT_LT(fine - vicino, 150) << "the pause outlasted its timer";
    EXPECT_GE(battiti, 5); // the window's events flow meanwhile
}

// Closed while a computer thinks, the game ends within a frame or two, not when the pause
// would have run out; nothing more is shown and the program is told to end. The frames are
// the event loop's rounds, counted by a zero timer: a busy machine slows them, not their count.
TEST(Finestra, ClosedWhileAComputerThinksTheGameEndsAtOnce) {
    Banco b(5, false, 1.0);
    Clicca(b.C().CmdTorneo);
    int giri = -1;
    QTimer giro;
    QObject::connect(&giro, &QTimer::timeout, [&] { ++giri; });
    QTimer::singleShot(300, [&] {
        EXPECT_TRUE(b.T().Occupato());
        giri = 0;
        giro.start(0);
        b.finestra.close();
    });
    Clicca(b.C().CmdCarte);
    giro.stop();
    const std::size_t scatole = b.dialoghi.messaggi.size();
    ASSERT_GE(giri, 0) << "the window was not closed while the computers played";
    EXPECT_LE(giri, 2) << "the computer's pause ran on after the window closed";
    EXPECT_TRUE(b.terminato);
    QApplication::processEvents();
    EXPECT_EQ(b.dialoghi.messaggi.size(), scatole);
}

// Answers the box that opens next, after noting its title, text, icon and buttons.
void Rispondi(QString& visto, std::function<void(QMessageBox&)> azione) {
    QTimer::singleShot(50, qApp, [&visto, azione] {
        QMessageBox* box = ScatolaAperta();
        ASSERT_NE(box, nullptr);
        visto = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                            QString::number(box->buttons().size())}
                    .join('|');
        azione(*box);
    });
}

TEST(Finestra, RealBoxesShowTheirTextTitleIconAndButtons) {
    Banco b(3, true, 1.0);
    QString visto;
    const auto premi = [](QMessageBox::StandardButton s) {
        return [s](QMessageBox& m) { m.button(s)->click(); };
    };
    bool cliccato = false; // the table takes no clicks while a box is open
    QObject::connect(b.C().CmdTorneo, &ImgBtn::Click, [&] { cliccato = true; });
    Rispondi(visto, [&](QMessageBox& m) {
        // A box over this one, as the new tournament's question can be: once it is answered
        // the table still takes no click, and opens no menu, while this one stays open.
        QTimer::singleShot(50, qApp, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* sopra = qobject_cast<QMessageBox*>(w); sopra && sopra->text() == "?")
                    sopra->button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(b.finestra.Domanda("Nuovo torneo", "?"));
        QTest::mouseClick(b.C().CmdTorneo, Qt::LeftButton, {}, QPoint(40, 40));
        QContextMenuEvent destro(QContextMenuEvent::Mouse, {300, 20},
                                 b.finestra.mapToGlobal(QPoint(300, 20)));
        QApplication::sendEvent(&b.finestra, &destro);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the table's menu opened";
        if (QWidget* menu = QApplication::activePopupWidget())
            menu->close();
        m.button(QMessageBox::Ok)->click();
    });
    b.finestra.Messaggio(64, std::nullopt, "1° Anna: Punti 21\r\n");
    EXPECT_EQ(visto, QStringLiteral("Galbirola|1° Anna: Punti 21\n|1|1"));
    EXPECT_FALSE(cliccato);
    Rispondi(visto, premi(QMessageBox::Ok));
    b.finestra.Messaggio(0, "Mossa Illegale", "x");
    EXPECT_EQ(visto, QStringLiteral("Mossa Illegale|x|0|1"));
    Rispondi(visto, premi(QMessageBox::Yes));
    EXPECT_TRUE(b.finestra.Domanda("Domanda:", "Vuoi bussare con queste carte?"));
    EXPECT_EQ(visto, QStringLiteral("Domanda:|Vuoi bussare con queste carte?|1|2"));
    Rispondi(visto, [](QMessageBox& m) { m.close(); });
    EXPECT_FALSE(b.finestra.Domanda("Domanda:", "?"));
    Rispondi(visto, [&](QMessageBox&) { b.finestra.close(); });
    EXPECT_THROW(b.finestra.Messaggio(64, "Attenzione:", "x"), Annullato);
    EXPECT_EQ(ScatolaAperta(), nullptr);
}

} // namespace
