#include "bottoneprova.h"
#include "widgets/proprieta.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

TEST(ProprietaBottone, BagWithOnlyThePictureInAnyCaseLoadsAPlainTransparentPushButton) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("pictureup"), prova::kPulsante, Immagine());
    ImgBtn b;
    b.LeggiProprieta(bag);
    EXPECT_EQ(b.ImmagineMostrata(), prova::kPulsante);
    EXPECT_EQ(b.Gradino(), 50);
    EXPECT_TRUE(b.Stretch());
    EXPECT_TRUE(b.Caption().isEmpty());
    EXPECT_EQ(b.BackStyle(), 0);
    EXPECT_EQ(b.BackColor().valore, Colore::kFacciaPulsante);
    EXPECT_TRUE(b.Enabled());
}

TEST(BagDiProprieta, KeysIgnoreCaseAndValuesKeepTheirKind) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("CAPTION"), QStringLiteral("Dai Carte"), QString());
    bag.Scrivi(QStringLiteral("Caption"), QStringLiteral("Fatto"), QString());
    EXPECT_EQ(bag.LeggiStringa(QStringLiteral("caption"), {}), QStringLiteral("Fatto"));
    bag.Scrivi(QStringLiteral("caption"), QString(), QString());
    EXPECT_TRUE(bag.Vuota());

    // The two integer kinds compare by value; reading never narrows or changes the kind.
    bag.Scrivi(QStringLiteral("TextPosition"), std::int32_t{0}, std::int16_t{0});
    EXPECT_TRUE(bag.Vuota());
    bag.Scrivi(QStringLiteral("Grande"), std::int32_t{70000}, std::int16_t{0});
    EXPECT_EQ(bag.LeggiInt32(QStringLiteral("grande"), 0), 70000);
    EXPECT_THROW(bag.LeggiInt16(QStringLiteral("grande"), 0), TipoNonCorrispondente);
    EXPECT_THROW(bag.LeggiStringa(QStringLiteral("grande"), {}), TipoNonCorrispondente);
}

} // namespace
