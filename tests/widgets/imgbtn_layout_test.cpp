#include "immaginiprova.h"
#include "widgets/imgbtn.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const Immagine kPulsante(QStringLiteral(":/tavolo/pulsante.svg")); // 26 x 36 pixels

// The table window's command button: 1275 x 1575 twips, caption below, Gradino 50.
struct BottoneTavolo {
    BottoneTavolo() {
        b.ImpostaPredefiniti();
        b.setPictureUp(kPulsante);
        b.setCaption(QStringLiteral("Crea Torneo"));
        b.ImpostaDimensioneTwips({1275, 1575});
    }
    ImgBtn b;
};

TEST(DisponiBottone, NaturalSizeOfThePictureIsMeasuredInTwips) {
    BottoneTavolo t;
    EXPECT_EQ(t.b.LarghezzaImmagine(), 390);
    EXPECT_EQ(t.b.AltezzaImmagine(), 540);
}

TEST(DisponiBottone, CaptionBelowTakesHalfItsHeightFromThePicture) {
    BottoneTavolo t;
    const int h = t.b.Label1().height();
    ASSERT_GT(h, 0);
    EXPECT_EQ(t.b.Label1(), QRect(0, 1575 - h, 1275, h));

    // 1275 wide would need 1275 * 540 / 390 = 1765 high: too tall, so the height is the
    // free height and the width follows it.
    const int A = 1575 - 50 - h / 2;
    const int larghezza = A * 390 / 540;
    EXPECT_EQ(t.b.Image1(), QRect((1275 - larghezza) / 2, 0, larghezza, A));
    EXPECT_EQ(t.b.SinistraBase(), (1275 - larghezza) / 2);
    EXPECT_EQ(t.b.AltoBase(), 0);
}

TEST(DisponiBottone, CentredCaptionLeavesTheWholeHeightToThePicture) {
    BottoneTavolo t;
    t.b.setTextPosition(1);
    const int h = t.b.Label1().height();
    EXPECT_EQ(t.b.Label1().top(), (1575 - h) / 2);
    EXPECT_EQ(t.b.Image1().height(), 1525);
    EXPECT_EQ(t.b.Image1().width(), 1525 * 390 / 540);
}

TEST(DisponiBottone, EmptyCaptionGivesTheFullHeightLessGradinoWhateverThePosition) {
    for (int posizione : {0, 1}) {
        BottoneTavolo t;
        t.b.setTextPosition(posizione);
        t.b.setCaption(QString());
        EXPECT_EQ(t.b.Image1().height(), 1525) << posizione;
        EXPECT_EQ(t.b.Image1().top(), 0) << posizione;
    }
}

TEST(DisponiBottone, WideButtonFitsThePictureToItsWidth) {
    BottoneTavolo t;
    t.b.setCaption(QString());
    t.b.ImpostaDimensioneTwips({600, 3000});
    // 600 * 540 / 390 = 830 (830.77 truncated) fits in 2950; centred in the free height.
    EXPECT_EQ(t.b.Image1(), QRect(0, (2950 - 830) / 2, 600, 830));
}

TEST(DisponiBottone, WithoutStretchThePictureKeepsItsNaturalSizeAndIsCentred) {
    BottoneTavolo t;
    t.b.setCaption(QString());
    t.b.setStretch(false);
    EXPECT_EQ(t.b.Image1(), QRect((1275 - 390) / 2, (1525 - 540) / 2, 390, 540));
}

// Halving drops the remainder toward zero, also below zero; a negative size is refused.
TEST(DisponiBottone, TooShortButtonSkipsTheSizesItCannotTake) {
    BottoneTavolo t;
    t.b.ImpostaDimensioneTwips({1275, 100});
    const int h = t.b.Label1().height();
    const int A = 100 - 50 - h / 2;
    ASSERT_LT(A, 0);
    EXPECT_EQ(t.b.Image1().size(), QSize(1275, 1765));
    EXPECT_EQ(t.b.Image1().top(), (A - 1765) / 2);
}

TEST(DisponiBottone, ZeroNaturalSizeLeavesTheHeightAsItWas) {
    ImgBtn b; // never given its defaults: no natural size yet
    b.setStretch(true);
    EXPECT_EQ(b.Image1().width(), 1515);
    EXPECT_EQ(b.Image1().height(), 480);
}

TEST(DisponiBottone, OverflowingProductIsSkipped) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("alta.svg"));
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="200000">)"
               R"(<rect width="10" height="200000" fill="red"/></svg>)");
    file.close();

    ImgBtn b;
    b.ImpostaPredefiniti();
    b.setCaption(QString());
    b.ImpostaDimensioneTwips({1275, 1575});
    b.setPictureUp(Immagine(percorso));
    ASSERT_EQ(b.AltezzaImmagine(), 3000000);
    // 1275 * 3000000 does not fit 32 bits: the height stays natural until it is cut to the
    // free height, and the width then follows it.
    EXPECT_EQ(b.Image1().height(), 1525);
    EXPECT_EQ(b.Image1().width(), 1525 * 150 / 3000000);
}

TEST(DisponiBottone, EmptyPictureKeepsThePreviousNaturalSize) {
    BottoneTavolo t;
    t.b.setPictureUp(Immagine());
    EXPECT_EQ(t.b.LarghezzaImmagine(), 390);
    EXPECT_EQ(t.b.AltezzaImmagine(), 540);
    EXPECT_TRUE(t.b.ImmagineMostrata().Vuota());
}

} // namespace
