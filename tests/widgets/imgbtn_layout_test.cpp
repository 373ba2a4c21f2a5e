#include "bottoneprova.h"

#include <gtest/gtest.h>

namespace {

TEST(DisponiBottone, CaptionBelowTakesHalfItsHeightFromThePicture) {
    ImgBtn b;
    prova::ComeNelTavolo(b);
    const int h = b.Label1().height();
    ASSERT_GT(h, 0);
    EXPECT_EQ(b.Label1(), QRect(0, 1575 - h, 1275, h));
    // Too tall at the full width, so the picture takes the free height and its width follows.
    const int A = 1575 - 50 - h / 2;
    const int larghezza = A * 390 / 540;
    EXPECT_EQ(b.Image1(), QRect((1275 - larghezza) / 2, 0, larghezza, A));

    b.setTextPosition(1);
    EXPECT_EQ(b.Label1().top(), (1575 - h) / 2);
    EXPECT_EQ(b.Image1().height(), 1525);
}

// Without a caption; quotients truncate and halves drop the remainder toward zero; a step that
// would divide by zero is skipped.
TEST(DisponiBottone, PictureRectangleInTwips) {
    const struct {
        QSize dimensione;
        int posizione;
        bool stretch;
        Immagine immagine;
        QRect atteso;
    } casi[] = {
        {{1275, 1575}, 0, true, prova::kPulsante, {87, 0, 1101, 1525}},
        {{1275, 1575}, 1, true, prova::kPulsante, {87, 0, 1101, 1525}},
        {{600, 3000}, 0, true, prova::kPulsante, {0, 1060, 600, 830}},
        {{1275, 1575}, 0, false, prova::kPulsante, {442, 492, 390, 540}},
    };
    for (const auto& c : casi) {
        ImgBtn b;
        prova::ComeNelTavolo(b);
        b.setCaption(QString());
        b.setTextPosition(c.posizione);
        b.setStretch(c.stretch);
        b.ImpostaDimensioneTwips(c.dimensione);
        b.setPictureUp(c.immagine);
        EXPECT_EQ(b.Image1(), c.atteso) << c.atteso.x() << "," << c.atteso.y();
    }

    ImgBtn nuovo; // no natural size yet
    nuovo.setStretch(true);
    nuovo.setCaption(QString());
    EXPECT_EQ(nuovo.Image1(), QRect(0, 435, 1515, 480));
}

} // namespace
