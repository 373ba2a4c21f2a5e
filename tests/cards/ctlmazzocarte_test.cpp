#include "cards/ctlmazzocarte.h"
#include "rendi.h"

#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CtlMazzoCarte, KeepsItsSizeWhateverTheHostAsks) {
    CtlMazzoCarte mazzo;
    EXPECT_EQ(mazzo.size(), QSize(26, 36)); // 397 x 547 twips
    mazzo.resize(300, 400);
    EXPECT_EQ(mazzo.size(), QSize(26, 36));

    QWidget host;
    auto* dentro = new CtlMazzoCarte(&host);
    auto* disposizione = new QVBoxLayout(&host);
    disposizione->addWidget(dentro);
    host.resize(500, 500);
    host.show();
    disposizione->activate();
    EXPECT_EQ(dentro->size(), QSize(26, 36));
}

TEST(CtlMazzoCarte, LendsTheSharedArtwork) {
    CtlMazzoCarte a;
    MazzoCarte logica;
    CtlMazzoCarte b(logica);
    EXPECT_EQ(&b.Mazzo(), &logica);
    EXPECT_NE(&a.Mazzo(), &logica);

    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(&a.ImgLstSemi(i), &b.ImgLstSemi(i));
        EXPECT_EQ(a.ImgLstSemi(i).DimensioneNaturale(), QSize(40, 55)) << i;
    }
    EXPECT_NE(&a.ImgLstSemi(0), &a.ImgLstSemi(1));
    EXPECT_THROW(a.ImgLstSemi(4), std::out_of_range);
    EXPECT_THROW(a.ImgLstSemi(-1), std::out_of_range);

    EXPECT_EQ(&a.ImgRe(), &b.ImgRe());
    EXPECT_EQ(a.ImgFante().DimensioneNaturale(), QSize(91, 178));
    EXPECT_EQ(a.ImgCavallo().DimensioneNaturale(), QSize(100, 178));
    EXPECT_EQ(a.ImgRe().DimensioneNaturale(), QSize(95, 178));
    EXPECT_EQ(a.ImgSfondo().DimensioneNaturale(), QSize(117, 197));
    for (const auto& s : a.Arte()->Semi)
        EXPECT_TRUE(s->Valida());
    EXPECT_TRUE(a.ImgSfondo().Valida());
    EXPECT_TRUE(a.Arte()->Mazzo->Valida());
}

TEST(CtlMazzoCarte, ShowsOnlyTheDeckPicture) {
    CtlMazzoCarte mazzo;
    const QImage img = rendi::Rendi(mazzo);
    const QImage atteso = mazzo.Arte()->Mazzo->Resa(QSize(26, 36), 1);
    QImage composto(img.size(), QImage::Format_ARGB32_Premultiplied);
    composto.fill(rendi::kVerde);
    QPainter(&composto).drawImage(0, 0, atteso);
    EXPECT_EQ(img, composto);
    EXPECT_LT(rendi::Conta(img, img.rect(), rendi::kVerde), 26 * 36);
}

} // namespace
