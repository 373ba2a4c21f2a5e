#include "bottoneprova.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// The table window's button (85 x 105 pixels) with a red up picture and a blue down picture.
// Everything it raises is logged in order.
class PremiBottone : public ::testing::Test {
  protected:
    void SetUp() override {
        prova::ComeNelTavolo(*b);
        b->setPictureUp(su);
        b->setPictureDown(giu);
        ospite.show();
        const auto voce = [this](const char* nome) {
            return [this, nome](int p, int t, float x, float y) {
                log << QStringLiteral("%1 %2 %3 %4 %5").arg(nome).arg(p).arg(t).arg(x).arg(y);
            };
        };
        QObject::connect(b, &ImgBtn::MouseDown, voce("down"));
        QObject::connect(b, &ImgBtn::MouseUp, voce("up"));
        QObject::connect(b, &ImgBtn::Click, [this] { log << QStringLiteral("click"); });
    }

    // Pixels of the button; (2, 2) is on its own surface, clear of the picture and caption.
    void premi(QPoint p = {2, 2}, Qt::KeyboardModifiers tasti = {}) {
        QTest::mousePress(b, Qt::LeftButton, tasti, p);
    }
    void muovi(QPoint p) { QTest::mouseMove(b, p); }
    void rilascia(QPoint p = {2, 2}) { QTest::mouseRelease(b, Qt::LeftButton, {}, p); }
    // How far the picture stands from where it rests.
    QPoint scarto() const {
        return b->Image1().topLeft() - QPoint(b->SinistraBase(), b->AltoBase());
    }

    QWidget ospite;
    ImgBtn* b = new ImgBtn(&ospite);
    Immagine su = prova::Tinta(Qt::red);
    Immagine giu = prova::Tinta(Qt::blue);
    QStringList log;
};

TEST_F(PremiBottone, ClickRaisesDownUpClickInTwipsOfTheElementPressed) {
    premi({2, 2}, Qt::ShiftModifier);
    EXPECT_EQ(scarto(), QPoint(50, 50));
    EXPECT_EQ(b->ImmagineMostrata(), giu);
    rilascia({4, 6});
    EXPECT_EQ(scarto(), QPoint());
    EXPECT_EQ(b->ImmagineMostrata(), su);
    EXPECT_EQ(log, (QStringList{"down 1 1 30 30", "up 1 0 60 90", "click"}));

    const int y = b->Label1().top() / 15 + 2; // on the caption
    premi({40, y});
    EXPECT_EQ(log.last(), QStringLiteral("down 1 0 600 %1").arg(y * 15 - b->Label1().top()));
    EXPECT_EQ(b->accessibleName(), QStringLiteral("Crea Torneo"));
}

// The edges count as inside for leaving but not for coming back.
TEST_F(PremiBottone, EdgesHoldTheButtonButDoNotRetakeIt) {
    premi();
    const std::pair<QPoint, bool> passi[] = {{{85, 105}, false}, {{0, 0}, false}, {{86, 50}, true},
                                             {{85, 50}, true},   {{0, 50}, true}, {{40, 0}, true},
                                             {{40, 105}, true},  {{40, 1}, false}};
    for (const auto& [p, fuori] : passi) {
        muovi(p);
        EXPECT_EQ(b->Fuori(), fuori) << p.x() << "," << p.y();
    }
    EXPECT_EQ(scarto(), QPoint(50, 50));
    rilascia({40, 1});
    EXPECT_EQ(log.size(), 3);
}

// A press dragged off the button and let go outside is no click; the next plain click is.
TEST_F(PremiBottone, APressReleasedOutsideIsNoClickButTheNextPlainClickIs) {
    premi();
    muovi({-5, 10});
    EXPECT_EQ(scarto(), QPoint());
    EXPECT_EQ(b->ImmagineMostrata(), su);
    rilascia({-5, 10});
    EXPECT_EQ(log, QStringList{"down 1 0 30 30"});
    premi();
    rilascia();
    EXPECT_EQ(log.last(), "click") << "after a press released outside the button, a plain "
                                      "click on it is lost: the player's command does nothing";
}

// A toggle button flips on every click, not on a press let go outside, and rests on its down
// picture while in; other stroke types show their value but never flip it.
TEST_F(PremiBottone, ToggleInvertsOnEveryClickAndRestsOnTheDownPicture) {
    b->setStrokeType(1);
    const Immagine attese[] = {giu, giu, su, su}; // pressed, released, pressed, released
    for (int i = 0; i < 4; ++i) {
        i % 2 ? rilascia() : premi();
        EXPECT_EQ(b->ImmagineMostrata(), attese[i]) << i;
    }
    premi();
    muovi({-5, 10});
    rilascia({-5, 10});
    EXPECT_FALSE(b->Value());
    b->setStrokeType(2);
    b->setValue(true);
    EXPECT_EQ(b->ImmagineMostrata(), giu);
    premi();
    rilascia();
    EXPECT_TRUE(b->Value());
}

// Pressed without a down picture the up picture moves, by a negative step up and left;
// disabled, the button shows its disabled picture, or none, and ignores the mouse.
TEST_F(PremiBottone, DownAndDisabledPictures) {
    b->setPictureDown(Immagine());
    b->setGradino(-30);
    premi();
    EXPECT_EQ(scarto(), QPoint(-30, -30));
    EXPECT_EQ(b->ImmagineMostrata(), su);
    rilascia();
    log.clear();

    const Immagine grigia = prova::Tinta(Qt::gray);
    b->setPictureDisabled(grigia);
    b->setEnabled(false);
    EXPECT_EQ(b->ImmagineMostrata(), grigia);
    premi();
    rilascia();
    EXPECT_TRUE(log.empty());
    b->setEnabled(true);
    EXPECT_EQ(b->ImmagineMostrata(), su);
    b->setPictureDisabled(Immagine());
    b->setEnabled(false);
    EXPECT_TRUE(b->ImmagineMostrata().Vuota());
}

TEST(DisegnoBottone, OpaqueBackgroundAndPictureShowInPixels) {
    ImgBtn b;
    prova::ComeNelTavolo(b);
    b.setBackColor(Colore::Rgb(0, 128, 255));
    b.setPictureUp(prova::Tinta(Qt::red));
    b.setCaption(QString());
    b.show();
    // The picture fits 1275 x 1525 keeping 2:3: 1016 x 1525, 129 twips (9 pixels) from the left.
    const QImage img = b.grab().toImage();
    EXPECT_EQ(img.pixelColor(8, 50), QColor(0, 128, 255));
    EXPECT_EQ(img.pixelColor(9, 0), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(76, 101), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(42, 102), QColor(0, 128, 255));
}

} // namespace
