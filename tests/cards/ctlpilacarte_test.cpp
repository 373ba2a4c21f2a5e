#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "rendi.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using rendi::Conta;
using rendi::kBianco;
using rendi::kSelezione;
using rendi::kVerde;
using rendi::Rendi;

struct Vista : ::testing::Test {
    CtlMazzoCarte mazzo;
    CtlPilaCarte vista;
    void SetUp() override { vista.ImpostaMazzo(&mazzo); }
};

// Rectangles in pixels of a card at zoom 100 (twips / 15).
const QRect kSlot0(8, 12, 40, 55);
const QRect kSlot1(8, 76, 40, 55);
const QRect kSlot6(40, 40, 40, 55);
const QRect kSlot7(40, 104, 40, 55);
const QRect kMarchio(4, 4, 40, 55);

// What a picture looks like drawn alone on a white body.
QImage SuBianco(const Disegno& d, QSize dimensione) {
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(kBianco);
    QPainter p(&img);
    d.Disegna(p, QRectF(QPointF(0, 0), QSizeF(dimensione)));
    return img;
}

TEST(CtlPilaCarte, SizeFollowsTheZoomAndNotTheHost) {
    CtlPilaCarte v;
    EXPECT_EQ(v.Zoom(), 100);
    EXPECT_FALSE(v.ZoomModificato());
    EXPECT_EQ(v.size(), QSize(120, 200));

    v.SetZoom(40);
    EXPECT_TRUE(v.ZoomModificato());
    EXPECT_EQ(v.size(), QSize(48, 80));
    v.resize(120, 200);
    EXPECT_EQ(v.size(), QSize(48, 80));
    v.setGeometry(10, 20, 300, 5);
    EXPECT_EQ(v.geometry(), QRect(10, 20, 48, 80));

    v.SetZoom(255);
    EXPECT_EQ(v.size(), QSize(306, 510));
    v.SetZoom(0);
    EXPECT_EQ(v.Zoom(), 100);
    EXPECT_EQ(v.size(), QSize(120, 200));

    EXPECT_THROW(v.SetZoom(256), std::out_of_range);
    EXPECT_THROW(v.SetZoom(-1), std::out_of_range);
    EXPECT_EQ(v.Zoom(), 100);
}

TEST(CtlPilaCarte, HostLayoutCannotStretchTheCard) {
    QWidget host;
    auto* v = new CtlPilaCarte(&host);
    host.resize(400, 400);
    host.show();
    v->setGeometry(host.rect());
    EXPECT_EQ(v->size(), QSize(120, 200));
}

TEST_F(Vista, ClickOnlyInsideTheBackArea) {
    QWidget host;
    auto& vista = *new CtlPilaCarte(&host);
    vista.ImpostaMazzo(&mazzo);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QSignalSpy click(&vista, &CtlPilaCarte::Click);
    auto clicca = [&](QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        click.clear();
        QTest::mouseClick(&vista, b, {}, p);
        return click.count();
    };
    // At zoom 100 the back runs from pixel 4 to pixel 112 across and 4 to 192 down.
    EXPECT_EQ(clicca({4, 4}), 1);
    EXPECT_EQ(clicca({112, 192}), 1);
    EXPECT_EQ(clicca({60, 100}), 1);
    EXPECT_EQ(clicca({3, 100}), 0);
    EXPECT_EQ(clicca({60, 3}), 0);
    EXPECT_EQ(clicca({113, 100}), 0);
    EXPECT_EQ(clicca({60, 193}), 0);
    EXPECT_EQ(clicca({118, 198}), 0);
    EXPECT_EQ(clicca({60, 100}, Qt::RightButton), 0);

    vista.SettaCarta("Coppe", 5);
    vista.SetCoperta(true);
    EXPECT_EQ(clicca({60, 100}), 1);

    // Two quick clicks are two clicks: the player marks and unmarks a card as fast as he likes.
    click.clear();
    QTest::mouseClick(&vista, Qt::LeftButton, {}, {60, 100});
    QTest::mouseClick(&vista, Qt::LeftButton, {}, {60, 100});
    EXPECT_EQ(click.count(), 2);

    // A press that leaves the card, or a release that arrives from the margin, is no click.
    click.clear();
    QTest::mousePress(&vista, Qt::LeftButton, {}, {60, 100});
    QTest::mouseRelease(&vista, Qt::LeftButton, {}, {1, 100});
    QTest::mousePress(&vista, Qt::LeftButton, {}, {1, 100});
    QTest::mouseRelease(&vista, Qt::LeftButton, {}, {60, 100});
    EXPECT_EQ(click.count(), 0);

    // The small card's back starts at 24 twips (pixel 1.6) and ends at 678 by 1158
    // (pixels 45.2 and 77.2).
    vista.SetZoom(40);
    EXPECT_EQ(clicca({1, 40}), 0);
    EXPECT_EQ(clicca({2, 2}), 1);
    EXPECT_EQ(clicca({45, 75}), 1);
    EXPECT_EQ(clicca({46, 40}), 0);
    EXPECT_EQ(clicca({20, 77}), 1);
    EXPECT_EQ(clicca({20, 78}), 0);
}

TEST_F(Vista, FaceUpShowsPipsOnTheWhiteBody) {
    vista.SettaCarta("Denari", 3);
    const QImage img = Rendi(vista);
    EXPECT_EQ(img.pixelColor(60, 30), kBianco); // between the pips
    // The middle of the bottom pip, where no other slot reaches, is the Denari picture.
    EXPECT_EQ(img.copy(QRect(48, 104, 24, 55)),
              SuBianco(mazzo.ImgLstSemi(2), kSlot7.size()).copy(8, 0, 24, 55));
    EXPECT_GT(40 * 55 - Conta(img, kSlot1, kBianco), 0);
    // No pips in the corners, no mark, no figure.
    EXPECT_EQ(Conta(img, kSlot0, kBianco), 40 * 55);
    // The table shows through beside the body, which stops 3 pixels short of the edge.
    EXPECT_EQ(img.pixelColor(118, 100), kVerde);
    EXPECT_EQ(img.pixelColor(60, 198), kVerde);
}

TEST_F(Vista, SelectionColourShowsAroundThePips) {
    vista.SettaCarta("Coppe", 1);
    vista.SetSelezionata(true);
    const QImage img = Rendi(vista);
    const int sfondo = Conta(img, kSlot6, kSelezione);
    EXPECT_GT(sfondo, 0);
    EXPECT_LT(sfondo, 40 * 55);
    EXPECT_EQ(img.pixelColor(60, 150), kSelezione);
    EXPECT_EQ(Conta(img, kSlot6, kBianco), 0);

    vista.SetSelezionata(false);
    EXPECT_EQ(Rendi(vista).pixelColor(60, 150), kBianco);
}

TEST_F(Vista, FigureCarriesTheSuitMarkInItsCorner) {
    vista.SettaCarta("Spade", 9);
    const QImage spade = Rendi(vista);
    vista.SettaCarta("Coppe", 9);
    const QImage coppe = Rendi(vista);
    vista.SettaCarta("Coppe", 8);
    const QImage fante = Rendi(vista);

    EXPECT_NE(spade.copy(kMarchio), coppe.copy(kMarchio));
    // The mark lies over the figure's top-left part.
    QImage atteso(120, 200, QImage::Format_ARGB32_Premultiplied);
    atteso.fill(kBianco);
    {
        QPainter p(&atteso);
        mazzo.ImgCavallo().Disegna(p, QRectF(12, 16, 96, 170));
        mazzo.ImgLstSemi(3).Disegna(p, QRectF(kMarchio));
    }
    EXPECT_EQ(spade.copy(kMarchio), atteso.copy(kMarchio));
    // Below the mark the two Cavalli are the same figure, and a Fante is another one.
    const QRect sottoIlMarchio(12, 60, 96, 110);
    EXPECT_EQ(spade.copy(sottoIlMarchio), coppe.copy(sottoIlMarchio));
    EXPECT_NE(fante.copy(sottoIlMarchio), coppe.copy(sottoIlMarchio));
    // No pips on a figure card: the right column's bottom slot area below the figure.
    EXPECT_EQ(Conta(spade, QRect(40, 188, 60, 4), kBianco), 60 * 4);
}

TEST_F(Vista, BackCoversTheWholeFace) {
    vista.SetCoperta(true);
    vista.SettaCarta("Coppe", 7);
    const QImage sette = Rendi(vista);
    vista.SettaCarta("Spade", 10);
    EXPECT_EQ(Rendi(vista), sette);
    vista.SetSelezionata(true);
    const QImage re = Rendi(vista);
    // The selection shows only in the margin around the back.
    EXPECT_EQ(sette.pixelColor(60, 2), kBianco);
    EXPECT_EQ(re.pixelColor(60, 2), kSelezione);
    EXPECT_EQ(re.copy(QRect(10, 10, 90, 170)), sette.copy(QRect(10, 10, 90, 170)));

    // Turned up again, the same card, colour and zoom.
    vista.SetCoperta(false);
    EXPECT_NE(Rendi(vista), re);
    EXPECT_EQ(vista.Valore(), 10);
    EXPECT_TRUE(vista.Selezionata());
    EXPECT_EQ(vista.size(), QSize(120, 200));
}

TEST_F(Vista, SwapBetweenFaceDownAndFaceUpViews) {
    CtlPilaCarte scoperta;
    scoperta.ImpostaMazzo(&mazzo);
    scoperta.SettaCarta("Spade", 9);
    vista.SettaCarta("Coppe", 1);
    vista.SetCoperta(true);
    const QImage dorso = Rendi(vista);

    vista.SwapWith(&scoperta);
    EXPECT_EQ(vista.Seme(), "Spade");
    EXPECT_EQ(vista.Valore(), 9);
    EXPECT_TRUE(vista.Coperta());
    EXPECT_EQ(scoperta.Seme(), "Coppe");
    EXPECT_EQ(scoperta.Valore(), 1);
    EXPECT_FALSE(scoperta.Coperta());

    EXPECT_EQ(Rendi(vista), dorso);
    EXPECT_EQ(Rendi(scoperta).copy(kSlot6), SuBianco(mazzo.ImgLstSemi(1), kSlot6.size()));
    EXPECT_EQ(vista.accessibleName(), "Carta coperta");
    EXPECT_EQ(scoperta.accessibleName(), "Asso di Coppe");

    EXPECT_THROW(vista.SwapWith(nullptr), OggettoNonImpostato);
    EXPECT_EQ(vista.Valore(), 9);
}

TEST(CtlPilaCarte, WithoutADeckSuitsAndBacksFail) {
    CtlPilaCarte v;
    EXPECT_THROW(v.SettaCarta("Bastoni", 2), OggettoNonImpostato);
    EXPECT_EQ(v.Seme(), "Bastoni");
    EXPECT_THROW(v.SetCoperta(true), OggettoNonImpostato);
    EXPECT_FALSE(v.Coperta());
    EXPECT_NO_THROW(v.SettaCarta("Nessuno", 3));
    EXPECT_NO_THROW(v.SetSelezionata(true));
    // Only the body is painted.
    const QImage img = Rendi(v);
    EXPECT_EQ(Conta(img, QRect(4, 4, 100, 180), kSelezione), 100 * 180);
}

TEST_F(Vista, AccessibleNameSaysTheCard) {
    EXPECT_EQ(vista.accessibleName(), "Nessuna carta");
    const std::pair<const char*, int> casi[] = {{"Due di Bastoni", 2},   {"Tre di Denari", 3},
                                                {"Sette di Spade", 7},   {"Fante di Coppe", 8},
                                                {"Cavallo di Spade", 9}, {"Re di Denari", 10}};
    for (const auto& [nome, valore] : casi) {
        const QString testo = QString::fromLatin1(nome);
        vista.SettaCarta(testo.section(' ', 2).toStdString(), static_cast<std::uint8_t>(valore));
        EXPECT_EQ(vista.accessibleName(), testo);
    }
    vista.SetSelezionata(true);
    EXPECT_EQ(vista.accessibleName(), "Re di Denari, selezionata");
    vista.SetCoperta(true);
    EXPECT_EQ(vista.accessibleName(), "Carta coperta, selezionata");
    vista.SetSelezionata(false);
    EXPECT_EQ(vista.accessibleName(), "Carta coperta");
}

TEST_F(Vista, FollowsTheSlotWhenTheTableChangesIt) {
    Carta slot;
    auto v = std::make_unique<CtlPilaCarte>(slot);
    v->ImpostaMazzo(&mazzo);
    EXPECT_EQ(slot.Mazzo(), &mazzo.Mazzo());
    slot.SettaCarta("Coppe", 4);
    EXPECT_EQ(v->accessibleName(), "Quattro di Coppe");
    EXPECT_EQ(v->Valore(), 4);
    // The slot outlives its view and keeps working.
    v.reset();
    slot.SettaCarta("Coppe", 5);
    EXPECT_EQ(slot.Valore(), 5);

    // And a view may outlive its slot.
    auto altro = std::make_unique<Carta>();
    CtlPilaCarte w(*altro);
    altro.reset();
}

TEST(CtlPilaCarte, SlotGivenItsDeckByTheTableShowsTheArtwork) {
    MazzoCarte logica;
    Carta slot;
    slot.ImpostaMazzo(&logica);
    slot.SettaCarta("Spade", 1);
    CtlPilaCarte v(slot);
    EXPECT_LT(Conta(Rendi(v), kSlot6, kBianco), 40 * 55);
}

TEST_F(Vista, RepaintUsesTheRenderedPictures) {
    const auto arte = mazzo.Arte();
    auto totale = [&] {
        int n = arte->Fante->Rendering() + arte->Sfondo->Rendering();
        for (const auto& s : arte->Semi)
            n += s->Rendering();
        return n;
    };
    CtlPilaCarte altra;
    altra.ImpostaMazzo(&mazzo);
    altra.SetCoperta(true);
    vista.SettaCarta("Bastoni", 7);
    Rendi(vista, 2);
    Rendi(altra, 2);
    const int dopoIlPrimo = totale();
    for (int i = 0; i < 3; ++i) {
        vista.SettaCarta(i % 2 ? "Bastoni" : "Coppe", 7);
        vista.SetSelezionata(i % 2);
        Rendi(vista, 2);
        Rendi(altra, 2);
    }
    // Only the Coppe pip was new; the back and the Bastoni pip came from the cache.
    EXPECT_EQ(totale(), dopoIlPrimo + 1);
}

TEST_F(Vista, PicturesAreRenderedAtTheScreensFullResolution) {
    vista.SettaCarta("Spade", 1);
    const Disegno& spade = mazzo.ImgLstSemi(3);
    const int prima = spade.Rendering();
    const QImage img = Rendi(vista, 2);
    EXPECT_EQ(img.size(), QSize(240, 400));
    EXPECT_EQ(spade.Rendering(), prima + 1);
    // The pip was made for 80 x 110 device pixels, not scaled up from 40 x 55.
    spade.Resa(QSize(80, 110), 2);
    EXPECT_EQ(spade.Rendering(), prima + 1);
    EXPECT_EQ(img.pixelColor(120, 300), kBianco);
}

TEST_F(Vista, KeepsTheArtworkWhenTheDeckControlGoes) {
    auto proprio = std::make_unique<CtlMazzoCarte>();
    CtlPilaCarte v;
    v.ImpostaMazzo(proprio.get());
    v.SettaCarta("Denari", 6);
    const QImage prima = Rendi(v);
    proprio.reset();
    EXPECT_EQ(v.Mazzo(), nullptr);
    EXPECT_EQ(Rendi(v), prima);
}

} // namespace
