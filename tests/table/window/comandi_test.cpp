#include "banco.h"
#include "table/window/descrizioni.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// The tooltip for the pointer resting at a point of the window, or nothing. A tip takes a
// while to go away: a mark shown first stays when no tip replaces it.
std::string Suggerito(FrmGalbirola& f, QPoint punto) {
    QToolTip::showText(f.mapToGlobal(QPoint(0, 0)), QStringLiteral("?"), &f);
    QWidget* w = f.childAt(punto) ? f.childAt(punto) : &f;
    QHelpEvent evento(QEvent::ToolTip, w->mapFrom(&f, punto), f.mapToGlobal(punto));
    QApplication::sendEvent(w, &evento);
    return QToolTip::text() == QLatin1String("?") ? std::string() : QToolTip::text().toStdString();
}

// On the human's turn: face-up cards by name, even where the next card hides most of one,
// face-down ones not at all; a score row with the whole name and balls, between its balls
// too; lamps by what they mean.
TEST(Suggerimenti, CardsRowsAndLampsSayWhatTheyShow) {
    Banco b(6);
    b.C().TxtNome->setText(QStringLiteral("Massimiliano Bartolomeo"));
    b.C().OptAvversari[0]->setChecked(true);
    Clicca(b.C().CmdTorneo);
    while (b.T().FaseCorrente() == Fase::Carte)
        Clicca(b.C().CmdCarte);
    ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
    b.C().CtlPilaCarte0[2]->SettaCarta("Coppe", 4);
    const CtlPilaCarte* sotto = b.C().CtlPilaTavolo[0];
    const auto lampada = [&](int posto) {
        const QRect r = Elemento(b.finestra, "ImgGiocatore", posto).twips;
        return PixelDi(r.center().x(), r.center().y());
    };
    for (const auto& [punto, testo] : std::vector<std::pair<QPoint, std::string>>{
             {b.C().CtlPilaCarte0[2]->geometry().center(), "Quattro di Coppe"},
             {sotto->geometry().topLeft() + QPoint(20, 100), sotto->accessibleName().toStdString()},
             {b.finestra.CtlPilaCarte1(0)->geometry().center(), ""},
             {b.finestra.CtlPilaCarte1(2)->geometry().center(), ""},
             {PixelDi(1360, 840), "Massimiliano Bartolomeo: 3 palle, di turno"},
             {PixelDi(200, 500), b.T().Nomi(1) + ": 3 palle"},
             {lampada(1), "Di turno"},
             {lampada(0), "In gioco"},
             {PixelDi(3900, 3800), ""}}) // the table's label
        EXPECT_EQ(Suggerito(b.finestra, punto), testo) << punto.x() << ',' << punto.y();
    EXPECT_FALSE(sotto->Coperta());
}

// F1 opens the rules with every key named as the box names it; the table's menu opens from
// the keys and the right button, while the name field keeps its own editing menu.
TEST(Comandi, TheRulesListTheKeysAndTheMenuOpensFromKeysAndTheRightButton) {
    Banco b(2);
    b.finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    QTest::keyClick(&b.finestra, Qt::Key_F1);
    QApplication::processEvents();
    QMessageBox* regole = ScatolaAperta();
    ASSERT_NE(regole, nullptr);
    EXPECT_EQ(regole->windowTitle(), "Regole del gioco");
    EXPECT_NE(regole->windowModality(), Qt::NonModal);
    // What the box shows, as a screen reader reads it too: the words, not their markup.
    const QString letto = QAccessible::queryAccessibleInterface(
                              regole->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                              ->text(QAccessible::Name);
    EXPECT_FALSE(letto.contains(QLatin1Char('<')))
        << "the rules show their markup: " << letto.left(60).toStdString();
    for (const char* parola :
         {"Galbirolone", "bussare", "palle", "Ctrl+N", "F2", "F1", "F3", "Ctrl+Q", "Menu",
          "Maiusc+F10", "Maiusc+Tab", "Inizio", "Fine", "Spazio", "Invio", "C, T, P, G, R"})
        EXPECT_TRUE(letto.contains(QLatin1String(parola))) << parola;
    // Each lamp as the rules tell it: its look, then what the score row says it means.
    for (const auto& [stato, mostra] : {std::pair{Lampada::Riposo, "Bianca"},
                                        {Lampada::Turno, "Gialla"},
                                        {Lampada::Bussato, "Con una figura dentro"},
                                        {Lampada::Uscito, "Barrata in rosso"}}) {
        const QString significa = descrizioni::Lampada(stato).toLower();
        const QString detto = QStringLiteral("%1: %2.").arg(
            mostra, significa.isEmpty() ? QStringLiteral("in gioco") : significa);
        EXPECT_TRUE(letto.contains(detto))
            << "the rules do not say \"" << detto.toStdString() << "\" of the lamp that means it";
    }
    QTest::keyClick(regole, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(ScatolaAperta(), nullptr);

    const auto destro = [](QWidget* w) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &e);
    };
    using Modo = std::tuple<const char*, std::function<void()>, bool>;
    for (const auto& [come, apri, delTavolo] : std::vector<Modo>{
             {"Menu in the name field", // with the context menu X makes of the key
              [&] {
                  QTest::keyClick(b.C().TxtNome, Qt::Key_Menu);
                  QContextMenuEvent e(QContextMenuEvent::Keyboard, QPoint(), QPoint());
                  QApplication::sendEvent(b.C().TxtNome, &e);
              },
              true},
             {"Maiusc+F10", [&] { QTest::keyClick(&b.finestra, Qt::Key_F10, Qt::ShiftModifier); },
              true},
             {"right button on a card", [&] { destro(b.C().CtlPilaTavolo[1]); }, true},
             {"right button on the name field", [&] { destro(b.C().TxtNome); }, false}}) {
        b.finestra.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
        apri();
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr) << come;
        const QList<QAction*> voci = menu->actions();
        EXPECT_EQ(voci.size() == 5 && voci[0]->text() == "Nuovo torneo" &&
                      voci[1]->text() == "Regole del gioco" &&
                      voci[2]->text() == "Cronaca della mano" && voci[4]->text() == "Esci",
                  delTavolo)
            << come;
        menu->close();
    }
}

} // namespace
