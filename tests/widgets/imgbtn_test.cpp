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

} // namespace
