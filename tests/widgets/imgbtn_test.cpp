#include "immaginiprova.h"
#include "widgets/imgbtn.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A button as the table window places it: 1275 x 1575 twips (85 x 105 pixels), a red up
// picture, a blue down picture, a caption below. Everything it raises is logged in order.
class PremiBottone : public ::testing::Test {
  protected:
    void SetUp() override {
        bottone = new ImgBtn(&ospite);
        bottone->ImpostaPredefiniti();
        bottone->setPictureUp(su);
        bottone->setPictureDown(giu);
        bottone->setCaption(QStringLiteral("Fatto"));
        bottone->ImpostaDimensioneTwips({1275, 1575});
        ospite.resize(200, 200);
        ospite.show();
        QObject::connect(bottone, &ImgBtn::MouseDown, [this](int b, int s, float x, float y) {
            log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                          std::to_string(static_cast<int>(x)) + " " +
                          std::to_string(static_cast<int>(y)));
        });
        QObject::connect(bottone, &ImgBtn::MouseUp, [this](int b, int, float x, float y) {
            log.push_back("up " + std::to_string(b) + " " + std::to_string(static_cast<int>(x)) +
                          " " + std::to_string(static_cast<int>(y)));
        });
        QObject::connect(bottone, &ImgBtn::Click, [this] { log.push_back("click"); });
    }

    // Positions in pixels of the button; (2, 2) is on its own surface, clear of the
    // picture and the caption.
    void premi(QPoint p = {2, 2}, Qt::KeyboardModifiers tasti = {}) {
        QTest::mousePress(bottone, Qt::LeftButton, tasti, p);
    }
    void muovi(QPoint p) { QTest::mouseMove(bottone, p); }
    void rilascia(QPoint p) { QTest::mouseRelease(bottone, Qt::LeftButton, {}, p); }

    bool aRiposo() const {
        return bottone->Image1().topLeft() == QPoint(bottone->SinistraBase(), bottone->AltoBase());
    }
    bool premuto() const {
        const int g = bottone->Gradino();
        return bottone->Image1().topLeft() ==
               QPoint(bottone->SinistraBase() + g, bottone->AltoBase() + g);
    }

    QWidget ospite;
    ImgBtn* bottone = nullptr;
    Immagine su = prova::Tinta(Qt::red);
    Immagine giu = prova::Tinta(Qt::blue);
    std::vector<std::string> log;
};

TEST_F(PremiBottone, ClickInsideRaisesDownUpClickInOrderWithTwipPositions) {
    premi({2, 2}, Qt::ShiftModifier);
    EXPECT_TRUE(premuto());
    EXPECT_EQ(bottone->ImmagineMostrata(), giu);
    rilascia({4, 6});
    EXPECT_TRUE(aRiposo());
    EXPECT_EQ(bottone->ImmagineMostrata(), su);
    EXPECT_EQ(log, (std::vector<std::string>{"down 1 1 30 30", "up 1 60 90", "click"}));
}

TEST_F(PremiBottone, PositionsReferToTheElementThatTookThePress) {
    const QRect etichetta = bottone->Label1();
    const QPoint sullEtichetta(40, (etichetta.top() + 30) / 15);
    premi(sullEtichetta);
    rilascia(sullEtichetta);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "down 1 0 600 " + std::to_string(sullEtichetta.y() * 15 - etichetta.top()));
}

TEST_F(PremiBottone, DragOutAndReleaseOutsideRaisesNothing) {
    bottone->setStrokeType(1);
    premi();
    muovi({-5, 10});
    EXPECT_TRUE(bottone->Fuori());
    EXPECT_TRUE(aRiposo());
    EXPECT_EQ(bottone->ImmagineMostrata(), su);
    rilascia({-5, 10});
    EXPECT_EQ(log, (std::vector<std::string>{"down 1 0 30 30"}));
    EXPECT_FALSE(bottone->Value());
}

TEST_F(PremiBottone, DragBackInStrictlyInsidePressesAgainAndClicks) {
    premi();
    muovi({90, 50});
    ASSERT_TRUE(bottone->Fuori());
    muovi({84, 50});
    EXPECT_FALSE(bottone->Fuori());
    EXPECT_TRUE(premuto());
    rilascia({84, 50});
    EXPECT_EQ(log.back(), "click");
    EXPECT_EQ(log.size(), 3u);
}

// The edges count as inside for leaving but not for coming back.
TEST_F(PremiBottone, EdgesHoldTheButtonButDoNotRetakeIt) {
    premi();
    muovi({85, 105}); // X = W, Y = H
    EXPECT_FALSE(bottone->Fuori());
    muovi({0, 0});
    EXPECT_FALSE(bottone->Fuori());
    muovi({86, 50});
    EXPECT_TRUE(bottone->Fuori());
    muovi({85, 50});
    EXPECT_TRUE(bottone->Fuori());
    muovi({40, 0});
    EXPECT_TRUE(bottone->Fuori());
    muovi({40, 1});
    EXPECT_FALSE(bottone->Fuori());
    rilascia({40, 1});
    EXPECT_EQ(log.back(), "click");
}

TEST_F(PremiBottone, ToggleButtonInvertsOnEveryClickAndRestsOnTheDownPicture) {
    bottone->setStrokeType(1);
    premi();
    EXPECT_EQ(bottone->ImmagineMostrata(), giu);
    rilascia({2, 2});
    EXPECT_TRUE(bottone->Value());
    EXPECT_EQ(bottone->ImmagineMostrata(), giu);
    // Pushed in, the press shows the up picture.
    premi();
    EXPECT_EQ(bottone->ImmagineMostrata(), su);
    rilascia({2, 2});
    EXPECT_FALSE(bottone->Value());
    EXPECT_EQ(bottone->ImmagineMostrata(), su);

    bottone->setValue(true);
    EXPECT_EQ(bottone->ImmagineMostrata(), giu);
    EXPECT_TRUE(aRiposo());
}

TEST_F(PremiBottone, OtherStrokeTypesShowByValueButNeverToggle) {
    bottone->setStrokeType(2);
    bottone->setValue(true);
    EXPECT_EQ(bottone->ImmagineMostrata(), giu);
    premi();
    rilascia({2, 2});
    EXPECT_TRUE(bottone->Value());
    EXPECT_EQ(log.back(), "click");
}

TEST_F(PremiBottone, WithoutADownPictureThePressOnlyMovesTheUpPicture) {
    bottone->setPictureDown(Immagine());
    premi();
    EXPECT_TRUE(premuto());
    EXPECT_EQ(bottone->ImmagineMostrata(), su);
}

TEST_F(PremiBottone, NegativeGradinoMovesThePictureUpAndLeft) {
    bottone->setGradino(-30);
    const QPoint riposo = bottone->Image1().topLeft();
    premi();
    EXPECT_EQ(bottone->Image1().topLeft(), riposo - QPoint(30, 30));
    muovi({-40, -40});
    EXPECT_EQ(bottone->Image1().topLeft(), riposo);
}

TEST_F(PremiBottone, DisabledButtonShowsItsDisabledPictureAndIgnoresTheMouse) {
    const Immagine grigia = prova::Tinta(Qt::gray);
    bottone->setPictureDisabled(grigia);
    bottone->setEnabled(false);
    EXPECT_EQ(bottone->ImmagineMostrata(), grigia);
    premi();
    rilascia({2, 2});
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(aRiposo());

    bottone->setEnabled(true);
    EXPECT_EQ(bottone->ImmagineMostrata(), su);

    bottone->setPictureDisabled(Immagine());
    bottone->setEnabled(false);
    EXPECT_TRUE(bottone->ImmagineMostrata().Vuota());
}

TEST_F(PremiBottone, CaptionIsTheAccessibleName) {
    EXPECT_EQ(bottone->accessibleName(), QStringLiteral("Fatto"));
    bottone->setCaption(QStringLiteral("Dai Carte"));
    EXPECT_EQ(bottone->accessibleName(), QStringLiteral("Dai Carte"));
}

TEST(DisegnoBottone, OpaqueBackgroundPictureAndPressedOffsetShowInPixels) {
    ImgBtn bottone;
    bottone.ImpostaPredefiniti();
    bottone.setBackColor(Colore::Rgb(0, 128, 0));
    bottone.setPictureUp(prova::Tinta(Qt::red));
    bottone.setCaption(QString());
    bottone.setGradino(150);
    bottone.ImpostaDimensioneTwips({1275, 1575});
    bottone.show();

    // No caption: the picture fits 1275 x 1425 keeping 2:3, so 950 x 1425 centred.
    ASSERT_EQ(bottone.Image1(), QRect(162, 0, 950, 1425));
    QImage riposo = bottone.grab().toImage();
    EXPECT_EQ(riposo.pixelColor(2, 100), QColor(0, 128, 0));
    EXPECT_EQ(riposo.pixelColor(15, 2), QColor(Qt::red));
    EXPECT_EQ(riposo.pixelColor(42, 50), QColor(Qt::red));

    bottone.Ridisegna(true);
    QImage giu = bottone.grab().toImage();
    EXPECT_EQ(giu.pixelColor(15, 2), QColor(0, 128, 0));
    EXPECT_EQ(giu.pixelColor(80, 100), QColor(Qt::red));

    bottone.setBackStyle(0);
    EXPECT_THROW(bottone.setBackStyle(2), std::invalid_argument);
    EXPECT_EQ(bottone.BackStyle(), 0);
}

} // namespace
