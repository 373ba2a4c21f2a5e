#include "bottoneprova.h"
#include "widgets/proprieta.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

// Saved, a button stores what differs from its defaults (the host's font is one) and always
// its mouse icon; loaded from the text, every setting comes back, the picture of its state too.
TEST(ProprietaBottone, SavedAsTextAButtonKeepsEverySettingAndOnlyThose) {
    QWidget ospite;
    auto* b = new ImgBtn(&ospite);
    prova::ComeNelTavolo(*b);
    Proprieta bag;
    b->ScriviProprieta(bag);
    EXPECT_EQ(bag.Chiavi(),
              (QStringList{"PictureUp", "Caption", "Font", "BackColor", "BackStyle", "MouseIcon"}));
    ospite.setFont(b->Font().Font());
    Proprieta senzaFont;
    b->ScriviProprieta(senzaFont);
    EXPECT_FALSE(senzaFont.Contiene(QStringLiteral("Font")));
    const Immagine giu = prova::Tinta(Qt::blue);
    b->setPictureDown(giu);
    b->setPictureDisabled(prova::Tinta(Qt::gray));
    b->setStretch(false);
    b->setGradino(-20);
    b->setTextColor(Colore::Rgb(255, 255, 0));
    b->setFont(Carattere{QStringLiteral("Liberation Serif"), 12, 400, true, true, false, 0});
    b->setTextPosition(1);
    b->setStrokeType(1);
    b->setValue(true);
    b->setMouseIcon(prova::Tinta(Qt::black, 32, 32));
    b->setMousePointer(99);
    b->setToolTip(QStringLiteral("Distribuisce le carte"));
    bag = Proprieta();
    b->ScriviProprieta(bag);

    const QByteArray testo = QJsonDocument(bag.Json()).toJson();
    auto* copia = new ImgBtn(&ospite);
    copia->LeggiProprieta(Proprieta::DaJson(QJsonDocument::fromJson(testo).object()));
    Proprieta ancora;
    copia->ScriviProprieta(ancora);
    EXPECT_EQ(ancora.Json(), bag.Json());
    EXPECT_EQ(copia->toolTip(), QStringLiteral("Distribuisce le carte"));
    EXPECT_EQ(copia->ImmagineMostrata(), giu); // a toggle saved while in
    Proprieta spento;
    spento.Scrivi(QStringLiteral("PictureUp"), prova::kPulsante, Immagine());
    spento.Scrivi(QStringLiteral("Enabled"), false, true);
    copia->LeggiProprieta(spento);
    EXPECT_TRUE(copia->ImmagineMostrata().Vuota()); // disabled without a disabled picture
}

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
