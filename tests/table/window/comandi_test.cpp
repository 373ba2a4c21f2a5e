#include "banco.h"

#include <QHelpEvent>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// The tooltip shown for the pointer resting at a point of the window, or nothing. A tip
// takes a while to go away: a mark shown first stays when no tip replaces it.
std::string Suggerito(FrmGalbirola& f, QPoint punto) {
    QToolTip::showText(f.mapToGlobal(QPoint(0, 0)), QStringLiteral("?"), &f);
    QWidget* w = f.childAt(punto) ? f.childAt(punto) : &f;
    QHelpEvent evento(QEvent::ToolTip, w->mapFrom(&f, punto), f.mapToGlobal(punto));
    QApplication::sendEvent(w, &evento);
    return QToolTip::text() == QLatin1String("?") ? std::string() : QToolTip::text().toStdString();
}

QPoint Centro(const FrmGalbirola& f, const char* nome, int indice) {
    const QRect r = Elemento(f, nome, indice).twips;
    return PixelDi(r.center().x(), r.center().y());
}

// A score row between its first two balls, and at its name.
QPoint Riga(int posto) {
    return PixelDi(1360, 600 + 240 * posto);
}

// Face-up cards by name, face-down ones not at all; score rows with the whole name and the
// balls; lamps by what they mean, through a tournament from its setup to its end.
TEST(Suggerimenti, CardsRowsAndLampsSayWhatTheyShow) {
    Banco b(6);
    const std::string nome = "Massimiliano Bartolomeo";
    b.C().TxtNome->setText(QString::fromStdString(nome));
    b.C().OptAvversari[0]->setChecked(true);
    EXPECT_EQ(Suggerito(b.finestra, Riga(0)), "");
    Clicca(b.C().CmdTorneo);
    const std::string avversario = b.T().Nomi(1);
    EXPECT_EQ(Suggerito(b.finestra, Riga(1)), nome + ": 3 palle");
    EXPECT_EQ(Suggerito(b.finestra, PixelDi(200, 500)), avversario + ": 3 palle");
    EXPECT_EQ(Suggerito(b.finestra, Centro(b.finestra, "ImgGiocatore", 1)), "In gioco");
    EXPECT_EQ(Suggerito(b.finestra, Centro(b.finestra, "Label4", -1)), "");

    while (b.T().FaseCorrente() == Fase::Carte)
        Clicca(b.C().CmdCarte);
    ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
    EXPECT_EQ(Suggerito(b.finestra, Riga(1)), nome + ": 3 palle, di turno");
    EXPECT_EQ(Suggerito(b.finestra, Centro(b.finestra, "ImgGiocatore", 1)), "Di turno");
    CtlPilaCarte* mia = b.C().CtlPilaCarte0[2];
    mia->SettaCarta("Coppe", 4);
    const QPoint suMia = mia->geometry().center();
    EXPECT_EQ(Suggerito(b.finestra, suMia), "Quattro di Coppe");
    Clicca(mia);
    EXPECT_EQ(Suggerito(b.finestra, suMia), mia->accessibleName().toStdString());
    Clicca(mia);
    // The table's first card shows only its left edge under the second.
    const CtlPilaCarte* sotto = b.C().CtlPilaTavolo[0];
    EXPECT_EQ(Suggerito(b.finestra, sotto->geometry().topLeft() + QPoint(20, 100)),
              sotto->accessibleName().toStdString());
    EXPECT_FALSE(sotto->accessibleName().startsWith("Carta"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Suggerito(b.finestra, b.finestra.CtlPilaCarte1(i)->geometry().center()), "");

    // Keeping the own cards knocks: the lamp says so until the next deal.
    Clicca(b.C().CmdFatto);
    EXPECT_EQ(Suggerito(b.finestra, Centro(b.finestra, "ImgGiocatore", 1)), "Ha bussato");
    while (b.T().FaseCorrente() != Fase::Nessuna)
        Clicca(b.T().FaseCorrente() == Fase::Carte ? b.C().CmdCarte : b.C().CmdFatto);
    const int fuori = b.T().Palle(1) == 0 ? 0 : 1;
    const std::string chi = fuori == 0 ? avversario : nome;
    EXPECT_EQ(Suggerito(b.finestra, Riga(fuori)), chi + ": 0 palle, fuori dal torneo");
    EXPECT_EQ(Suggerito(b.finestra, Centro(b.finestra, "ImgGiocatore", fuori)), "Fuori dal torneo");
}

void Attiva(QWidget& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

QStringList Voci(const QWidget* menu) {
    QStringList voci;
    for (const QAction* a : menu->actions())
        voci << a->text();
    return voci;
}

// Every key the rules box lists, as it names it there; the window's own keys do what the
// box says, the table's menu opens from the keys and the right button.
TEST(Comandi, TheRulesBoxListsTheKeysAndTheKeysDoWhatItSays) {
    Banco b(2);
    Attiva(b.finestra);
    QTest::keyClick(&b.finestra, Qt::Key_F1);
    QApplication::processEvents();
    QMessageBox* regole = ScatolaAperta();
    ASSERT_NE(regole, nullptr);
    EXPECT_EQ(regole->windowTitle(), "Regole del gioco");
    EXPECT_NE(regole->windowModality(), Qt::NonModal);
    const QString testo = regole->text();
    for (const char* parola :
         {"Galbirolone", "bussare", "palle", "Di turno", "Ha bussato", "Fuori dal torneo", "Ctrl+N",
          "F2", "F1", "Ctrl+Q", "Menu", "Maiusc+F10", "Tab", "Maiusc+Tab", "Inizio", "Fine",
          "Spazio", "Invio"})
        EXPECT_TRUE(testo.contains(QLatin1String(parola), Qt::CaseInsensitive)) << parola;
    QTest::keyClick(regole, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(ScatolaAperta(), nullptr);
    Attiva(b.finestra);

    const QStringList menu{"Nuovo torneo", "Regole del gioco", "", "Esci"};
    const auto destro = [&](QWidget* w) {
        QContextMenuEvent evento(QContextMenuEvent::Mouse, w->rect().center(),
                                 w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &evento);
    };
    for (const auto& [come, apri] : std::vector<std::pair<const char*, std::function<void()>>>{
             {"Menu", [&] { QTest::keyClick(&b.finestra, Qt::Key_Menu); }},
             {"Maiusc+F10", [&] { QTest::keyClick(&b.finestra, Qt::Key_F10, Qt::ShiftModifier); }},
             {"Menu in the name field", [&] { QTest::keyClick(b.C().TxtNome, Qt::Key_Menu); }},
             {"right button on a card", [&] { destro(b.C().CtlPilaTavolo[1]); }},
             {"right button on the table", [&] { destro(&b.finestra); }}}) {
        SCOPED_TRACE(come);
        apri();
        QWidget* aperto = QApplication::activePopupWidget();
        ASSERT_NE(aperto, nullptr);
        EXPECT_EQ(Voci(aperto), menu);
        aperto->close();
    }
    destro(b.C().TxtNome); // the name field keeps its editing menu
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_NE(Voci(QApplication::activePopupWidget()), menu);
    QApplication::activePopupWidget()->close();
    Attiva(b.finestra);

    for (const Qt::Key tasto : {Qt::Key_N, Qt::Key_F2}) {
        Clicca(b.C().CmdTorneo);
        ASSERT_EQ(b.T().FaseCorrente(), Fase::Carte);
        b.dialoghi.risposta = [] { return true; };
        QTest::keyClick(&b.finestra, tasto,
                        tasto == Qt::Key_N ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::processEvents();
        EXPECT_TRUE(b.T().FaseCorrente() == Fase::Torneo) << "no new tournament from key " << tasto;
    }
}

// Ctrl+Q closes the window as its close button does: at rest and while the computers play,
// the program ends with status 0 and no game action is left running.
TEST(Comandi, CtrlQEndsTheProgramWithStatusZero) {
    for (const bool aMetaPartita : {false, true}) {
        SCOPED_TRACE(aMetaPartita);
        casuale::Sostituzione fonte(std::make_unique<CasualeFisso>(3));
        DialoghiFinti dialoghi;
        OrologioSalto orologio;
        FrmGalbirola f(ServiziTavolo{&dialoghi, &orologio, 0.01, {}}); // the program's own end
        f.show();
        Attiva(f);
        if (aMetaPartita)
            Clicca(f.Controlli().CmdTorneo);
        bool premuto = false;
        QTimer spia;
        QObject::connect(&spia, &QTimer::timeout, [&] {
            if (!premuto && f.Logica().Occupato() == aMetaPartita) {
                premuto = true;
                QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
            }
        });
        spia.start(1);
        if (aMetaPartita)
            QTimer::singleShot(0, [&] { Clicca(f.Controlli().CmdCarte); });
        QTimer guardia; // when the program would never end
        QObject::connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guardia.start(10000);

        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(premuto);
        EXPECT_FALSE(f.isVisible() || f.Logica().Occupato());
    }
}

} // namespace
