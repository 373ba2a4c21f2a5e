#include "banco.h"

#include <QMenu>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <deque>

namespace {

// The table in words: the phase, where the focus is, the cards marked and who knocked.
std::string Stato(Banco& b) {
    const QWidget* w = QApplication::focusWidget();
    std::string s = std::array{"Torneo", "Carte", "Fatto", "Nessuna"}[int(b.T().FaseCorrente())];
    s += " fuoco " + (w ? w->objectName().toStdString() : "-") + " segni";
    for (int i = 0; i < 3; ++i) {
        if (b.C().CtlPilaCarte0[i]->Selezionata())
            s += ' ' + std::to_string(i);
        if (b.C().CtlPilaTavolo[i]->Selezionata())
            s += " T" + std::to_string(i);
    }
    if (b.T().Bussato())
        s += " bussa " + std::to_string(b.T().Bussatore());
    return s;
}

// Keys as the keyboard sends them through the windowing system, to whatever has the focus: a
// held key is one press, then auto-repeated presses while it stays down.
void Premi(Banco& b, QKeyCombination k, bool tenuto = false) {
    QWindow* w = b.finestra.windowHandle();
    for (int i = 0; i < (tenuto ? 4 : 1); ++i) {
        QTest::simulateEvent(w, true, k.key(), k.keyboardModifiers(), QString(), i > 0);
        QApplication::processEvents(); // the command runs queued
    }
    QTest::simulateEvent(w, false, k.key(), k.keyboardModifiers(), QString(), false);
    QApplication::processEvents();
}

// Every key the rules and README list, from the settings to a knock, each checked by what it
// changed on the table; Return, keypad Enter and Space held down act once.
TEST(Tasti, EachKeyActsOnceOnTheTableAndTheFocusFollowsTheGame) {
    Banco b(5);
    b.finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    const Qt::KeyboardModifiers nulla = Qt::NoModifier, maiusc = Qt::ShiftModifier;
    const struct {
        Qt::Key tasto;
        Qt::KeyboardModifiers con;
        bool tenuto;
        const char *atteso, *cosa;
    } passi[] = {
        {Qt::Key_Tab, maiusc, false, "Torneo fuoco OptAvversari(5) segni", "Shift+Tab: options"},
        {Qt::Key_Up, nulla, false, "Torneo fuoco OptAvversari(4) segni", "Up: five opponents"},
        {Qt::Key_Tab, nulla, false, "Torneo fuoco TxtNome segni", "Tab: the name"},
        {Qt::Key_Return, nulla, true, "Carte fuoco CmdCarte segni",
         "Return held in the name field creates the tournament and deals nothing yet"},
        {Qt::Key_Space, nulla, true, "Fatto fuoco CtlPilaCarte0(0) segni",
         "Space held on Dai Carte deals once and marks no card"},
        {Qt::Key_Space, nulla, true, "Fatto fuoco CtlPilaCarte0(0) segni 0",
         "Space held on a card marks it once"},
        {Qt::Key_End, nulla, false, "Fatto fuoco CtlPilaCarte0(2) segni 0", "End: the last card"},
        {Qt::Key_Left, nulla, false, "Fatto fuoco CtlPilaCarte0(1) segni 0", "Left"},
        {Qt::Key_Space, nulla, false, "Fatto fuoco CtlPilaCarte0(1) segni 0 1", "Space marks"},
        {Qt::Key_Home, nulla, false, "Fatto fuoco CtlPilaCarte0(0) segni 0 1", "Home"},
        {Qt::Key_Right, nulla, false, "Fatto fuoco CtlPilaCarte0(1) segni 0 1", "Right"},
        {Qt::Key_Tab, nulla, false, "Fatto fuoco CtlPilaTavolo(0) segni 0 1", "Tab: the table"},
        {Qt::Key_Down, nulla, false, "Fatto fuoco CtlPilaTavolo(1) segni 0 1", "Down"},
        {Qt::Key_Tab, nulla, false, "Fatto fuoco CmdFatto segni 0 1", "Tab: Fatto"},
        {Qt::Key_Space, nulla, false, "Fatto fuoco CmdFatto segni 0 1",
         "two cards marked: the table refuses, the marks stay"},
        {Qt::Key_Tab, maiusc, false, "Fatto fuoco CtlPilaTavolo(1) segni 0 1", "Shift+Tab"},
        {Qt::Key_Tab, maiusc, false, "Fatto fuoco CtlPilaCarte0(1) segni 0 1", "Shift+Tab"},
        {Qt::Key_Right, nulla, false, "Fatto fuoco CtlPilaCarte0(2) segni 0 1", "Right"},
        {Qt::Key_Space, nulla, false, "Fatto fuoco CtlPilaCarte0(2) segni 0 1 2", "Space marks"},
        {Qt::Key_Enter, Qt::KeypadModifier, true, "Carte fuoco CmdCarte segni bussa 6",
         "keypad Enter held on a card plays Fatto once: the knock, and no new deal"},
        {Qt::Key_Return, nulla, true, "Fatto fuoco CtlPilaCarte0(0) segni",
         "Return held on Dai Carte deals once"},
        {Qt::Key_Tab, nulla, false, "Fatto fuoco CtlPilaTavolo(0) segni",
         "Tab on a new turn enters the table's cards at the first, not at last turn's"},
        {Qt::Key_Return, nulla, true, "Carte fuoco CmdCarte segni bussa 6",
         "Return held on a card with nothing marked knocks once"},
    };
    // The focus while the computers play, as their lamps change: the hand once it is dealt.
    std::string durante;
    QObject::connect(&b.finestra, &Superficie::ElementoCambiato, [&] {
        const bool mano = !b.T().CtlPilaCarte0(0).Coperta();
        if (durante.empty() && b.T().Occupato() && b.T().FaseCorrente() == Fase::Nessuna &&
            QApplication::focusWidget() !=
                (mano ? b.C().CtlPilaCarte0[0] : static_cast<QWidget*>(&b.finestra)))
            durante = Stato(b);
    });
    ASSERT_EQ(Stato(b), "Torneo fuoco TxtNome segni");
    for (const auto& p : passi) {
        Premi(b, p.tasto | p.con, p.tenuto);
        ASSERT_EQ(Stato(b), p.atteso) << p.cosa;
    }
    EXPECT_EQ(b.dialoghi.messaggi.filter("Mossa Illegale|").size(), 1);
    EXPECT_EQ(durante, "") << "while the computers play the focus rests on the hand";
}

// The real boxes, answered as a player does: the new tournament's question by the script,
// the rules by the test itself, every other box with its Escape button.
struct ConScatole : Banco {
    ConScatole() : Banco(5, true) {
        risponditore.callOnTimeout([this] {
            QMessageBox* box = ScatolaAperta();
            if (!box || box->windowTitle() == QLatin1String("Regole del gioco"))
                return;
            if (box->text() == QLatin1String("Vuoi abbandonare il torneo in corso?")) {
                domande.push_back(risposte.front());
                box->button(risposte.front() ? QMessageBox::Yes : QMessageBox::No)->click();
                risposte.pop_front();
            } else {
                (box->escapeButton() ? box->escapeButton() : box->buttons().constFirst())->click();
            }
        });
        risponditore.start(2);
        finestra.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }
    // Once no box is open, in the phase, with the window active again as a window manager
    // leaves it when a box over it closes.
    bool Fase_(Fase f) {
        const bool ok = QTest::qWaitFor(
            [&] { return T().FaseCorrente() == f && !T().Occupato() && !ScatolaAperta(); });
        finestra.activateWindow();
        return QTest::qWaitForWindowActive(&finestra) && ok;
    }
    QTimer risponditore;
    std::deque<bool> risposte;
    std::vector<bool> domande;
};

// After the rules, the new tournament's question (No, then Yes from the menu opened with the
// keyboard where the focus is), the table still answers the very next click and key.
TEST(Scatole, AfterEachBoxTheTableAnswersTheNextClickAndKey) {
    ConScatole b;
    b.risposte = {false, true};
    Premi(b, Qt::Key_Return);
    ASSERT_TRUE(b.Fase_(Fase::Carte)) << "Return in the name field created no tournament";

    Premi(b, Qt::Key_F1);
    QMessageBox* regole = ScatolaAperta();
    ASSERT_NE(regole, nullptr) << "F1 showed no rules";
    QTest::keyClick(regole, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return !ScatolaAperta(); }));
    Clicca(b.C().CmdCarte);
    EXPECT_TRUE(b.Fase_(Fase::Fatto)) << "after the rules a click on Dai Carte dealt nothing";

    Premi(b, Qt::CTRL | Qt::Key_N);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.domande.size() == 1; }));
    ASSERT_TRUE(b.Fase_(Fase::Fatto));
    EXPECT_EQ(Stato(b), "Fatto fuoco CtlPilaCarte0(0) segni") << "No changed the table";
    Premi(b, Qt::Key_Return);
    EXPECT_TRUE(b.Fase_(Fase::Carte)) << "after answering No, Return on a card knocked not";

    Premi(b, Qt::Key_Menu);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "the Menu key opened no menu";
    const QWidget* fuoco = b.C().CmdCarte;
    EXPECT_TRUE(
        menu->geometry().contains(fuoco->mapToGlobal(fuoco->rect().center()) + QPoint(2, 2)))
        << "the menu opened away from Dai Carte, which has the focus";
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return); // "Nuovo torneo"
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.domande.size() == 2; }));
    ASSERT_TRUE(b.Fase_(Fase::Torneo)) << "Yes gave no new tournament";
    EXPECT_EQ(Stato(b), "Torneo fuoco TxtNome segni");
    Clicca(b.C().CmdTorneo);
    EXPECT_TRUE(b.Fase_(Fase::Carte)) << "after answering Yes, a click on Crea Torneo did nothing";
    Premi(b, Qt::Key_Space);
    EXPECT_TRUE(b.Fase_(Fase::Fatto)) << "after answering Yes, Space on Dai Carte dealt nothing";
}

} // namespace
