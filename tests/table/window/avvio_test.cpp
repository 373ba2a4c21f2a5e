#include "banco.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(AvvioFinestra, OpensWithTheBacksThePanelAndOnlyCreaTorneo) {
    Banco b;
    EXPECT_EQ(b.finestra.windowTitle(), QStringLiteral("Galbirola 1.0 (12)"));
    EXPECT_EQ(b.finestra.size(), QSize(640, 480));
    EXPECT_EQ(b.finestra.palette().color(QPalette::Window), QColor(0, 128, 0));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(b.C().CtlPilaCarte0[i]->Coperta());
        EXPECT_TRUE(b.C().CtlPilaTavolo[i]->Coperta());
        EXPECT_TRUE(b.C().CtlPilaCarte0[i]->isVisible());
    }
    EXPECT_TRUE(b.C().FrTorneo->isVisible());
    EXPECT_TRUE(b.C().CmdTorneo->isVisible());
    EXPECT_FALSE(b.C().CmdCarte->isVisible());
    EXPECT_FALSE(b.C().CmdFatto->isVisible());
    EXPECT_FALSE(b.finestra.CtlPilaCarte1(0)->isVisible());
    EXPECT_TRUE(b.C().OptAvversari[5]->isChecked());

    const QString nome = b.C().TxtNome->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\S+ [A-Z]\\.$")).match(nome).hasMatch())
        << nome.toStdString();

    for (int k = 0; k < 7; ++k)
        EXPECT_FALSE(b.Elemento("LblNome", k).visibile);
    for (int i = 0; i < 21; ++i)
        EXPECT_FALSE(b.Elemento("ShPalla", i).visibile);
    EXPECT_FALSE(b.Elemento("ImgGiocatore", 0).visibile);
    EXPECT_TRUE(b.Elemento("Shape1", -1).visibile);
    EXPECT_EQ(b.T().FaseCorrente(), Fase::Torneo);
    EXPECT_EQ(b.T().NumGiocatori(), 4);
}

TEST(AvvioFinestra, DesignPlacesTheScoreboardAndTheButtonsWhereTheTableSays) {
    Banco b;
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(b.Elemento("LblNome", k).twips, QRect(180, 480 + 240 * k, 960, 195));
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(b.Elemento("ShPalla", 3 * k + j).twips,
                      QRect(1200 + 180 * j, 540 + 240 * k, 135, 135));
    }
    // The last ball ends inside the white panel.
    EXPECT_LT(b.Elemento("ShPalla", 20).twips.bottom(), b.Elemento("Shape1", -1).twips.bottom());

    for (ImgBtn* bottone : {b.C().CmdTorneo, b.C().CmdCarte, b.C().CmdFatto}) {
        EXPECT_EQ(bottone->geometry(), QRect(16, 152, 85, 105));
        EXPECT_EQ(bottone->Gradino(), 50);
        EXPECT_TRUE(bottone->Stretch());
        EXPECT_EQ(bottone->BackStyle(), 1);
        EXPECT_EQ(bottone->BackColor(), Colore::Rgb(0, 128, 0));
    }
    EXPECT_EQ(b.C().CmdCarte->Caption(), QStringLiteral("Dai Carte"));
    EXPECT_EQ(b.C().CtlPilaCarte0[0]->pos(), PixelDi(5100, 3780));
    EXPECT_EQ(b.C().CtlPilaTavolo[2]->pos(), PixelDi(2760, 4140));
    EXPECT_EQ(b.finestra.CtlPilaCarte1(0)->Zoom(), 40);
    EXPECT_EQ(b.C().CtlPilaCarte0[0]->Zoom(), 100);

    // Children stack front to back as designed: the panel above the small card, the human's
    // last card on the middle one and that on the first.
    const QObjectList figli = b.finestra.children();
    EXPECT_GT(figli.indexOf(b.C().FrTorneo), figli.indexOf(b.finestra.CtlPilaCarte1(0)));
    EXPECT_GT(figli.indexOf(b.C().CtlPilaCarte0[2]), figli.indexOf(b.C().CtlPilaCarte0[1]));
    EXPECT_GT(figli.indexOf(b.C().CtlPilaCarte0[1]), figli.indexOf(b.C().CtlPilaCarte0[0]));
    EXPECT_GT(figli.indexOf(b.C().CmdTorneo), figli.indexOf(b.C().CmdFatto));
}

TEST(AvvioFinestra, OneOpponentMakesThreeSmallCardsAndTwoLamps) {
    Banco b;
    b.Clicca(b.C().OptAvversari[0]);
    b.C().TxtNome->clear();
    QTest::keyClicks(b.C().TxtNome, QStringLiteral("Io"));
    b.Clicca(b.C().CmdTorneo);

    ASSERT_EQ(b.T().NumGiocatori(), 2);
    ASSERT_EQ(b.finestra.NumCarte1(), 3);
    const QPoint attese[] = {PixelDi(1860, 60), PixelDi(2480, 180), PixelDi(3100, 300)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.finestra.CtlPilaCarte1(i)->pos(), attese[i]);
        EXPECT_TRUE(b.finestra.CtlPilaCarte1(i)->isVisible());
        EXPECT_TRUE(b.finestra.CtlPilaCarte1(i)->Coperta());
        EXPECT_EQ(b.finestra.CtlPilaCarte1(i)->Zoom(), 40);
    }
    EXPECT_EQ(b.Elemento("ImgGiocatore", 0).twips.topLeft(), QPoint(1860, 1260));
    EXPECT_EQ(b.Elemento("ImgGiocatore", 1).twips.topLeft(), QPoint(4570, 3780));
    EXPECT_TRUE(b.Elemento("ImgGiocatore", 1).visibile);
    EXPECT_EQ(b.Elemento("LblNome", 1).testo, QStringLiteral("Io"));
    EXPECT_TRUE(b.Elemento("LblNome", 1).visibile);
    EXPECT_FALSE(b.Elemento("LblNome", 2).visibile);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(b.Elemento("ShPalla", i).visibile);
        EXPECT_EQ(b.Elemento("ShPalla", i).stileRiempimento, 0);
    }
    EXPECT_FALSE(b.Elemento("ShPalla", 6).visibile);
    EXPECT_FALSE(b.C().FrTorneo->isVisible());
    EXPECT_FALSE(b.C().CmdTorneo->isVisible());
    EXPECT_TRUE(b.C().CmdCarte->isVisible());
}

TEST(AvvioFinestra, SixOpponentsFillTwoRowsOfSeats) {
    Banco b;
    b.Clicca(b.C().CmdTorneo);

    ASSERT_EQ(b.T().NumGiocatori(), 7);
    ASSERT_EQ(b.finestra.NumCarte1(), 18);
    EXPECT_EQ(b.finestra.CtlPilaCarte1(8)->pos(), PixelDi(8020, 300));
    EXPECT_EQ(b.finestra.CtlPilaCarte1(9)->pos(), PixelDi(2400, 1460));
    EXPECT_EQ(b.Elemento("ImgGiocatore", 3).twips.topLeft(), QPoint(2400, 2660));
    EXPECT_EQ(b.Elemento("ImgGiocatore", 6).twips.topLeft(), QPoint(4570, 3780));
    for (int s = 1; s <= 7; ++s) {
        EXPECT_TRUE(b.Elemento("ImgGiocatore", s - 1).visibile);
        EXPECT_EQ(b.Lampada(s), 0);
        EXPECT_EQ(b.Elemento("LblNome", s - 1).testo.toStdString(), b.T().Nomi(s));
    }
    // Within a seat each card lies on the one before it.
    const QObjectList figli = b.finestra.children();
    for (int i = 0; i + 1 < 18; ++i)
        EXPECT_LT(figli.indexOf(b.finestra.CtlPilaCarte1(i)),
                  figli.indexOf(b.finestra.CtlPilaCarte1(i + 1)));
}

TEST(AvvioFinestra, CardClicksActOnlyOnTheHumansTurn) {
    Banco b;
    b.Clicca(b.C().CtlPilaCarte0[0]);
    b.Clicca(b.C().CmdTorneo);
    b.Clicca(b.C().CtlPilaTavolo[1]);
    EXPECT_FALSE(b.C().CtlPilaCarte0[0]->Selezionata());
    EXPECT_FALSE(b.C().CtlPilaTavolo[1]->Selezionata());
}

} // namespace
