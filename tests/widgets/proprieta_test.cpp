#include "bottoneprova.h"
#include "widgets/proprieta.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(ProprietaBottone, SavingStoresOnlyWhatDiffersFromTheDefaultsAndAlwaysTheMouseIcon) {
    QWidget ospite;
    auto* b = new ImgBtn(&ospite);
    prova::ComeNelTavolo(*b);
    Proprieta bag;
    b->ScriviProprieta(bag);
    EXPECT_EQ(bag.Chiavi(),
              (QStringList{"PictureUp", "Caption", "Font", "BackColor", "BackStyle", "MouseIcon"}));
    // The host's own font is a default too.
    ospite.setFont(b->Font().Font());
    Proprieta senzaFont;
    b->ScriviProprieta(senzaFont);
    EXPECT_FALSE(senzaFont.Contiene(QStringLiteral("Font")));
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

TEST(ProprietaBottone, LoadedButtonShowsThePictureOfItsState) {
    const Immagine grigia = prova::Tinta(Qt::gray);
    const Immagine giu = prova::Tinta(Qt::blue);
    using Voci = std::vector<std::pair<const char*, ValoreProprieta>>;
    const std::pair<Voci, Immagine> casi[] = {
        {{{"Enabled", false}, {"PictureDisabled", grigia}}, grigia},
        {{{"Enabled", false}}, Immagine()},
        {{{"StrokeType", std::int32_t{1}}, {"Value", true}, {"PictureDown", giu}}, giu},
    };
    for (const auto& [voci, attesa] : casi) {
        Proprieta bag;
        bag.Scrivi(QStringLiteral("PictureUp"), prova::kPulsante, Immagine());
        for (const auto& [chiave, valore] : voci)
            bag.Scrivi(QString::fromLatin1(chiave), valore, std::nullopt);
        ImgBtn b;
        b.LeggiProprieta(bag);
        EXPECT_EQ(b.ImmagineMostrata(), attesa) << voci.front().first;
    }
}

TEST(ProprietaBottone, ReadableTextKeepsEverySetting) {
    QWidget ospite;
    auto* b = new ImgBtn(&ospite);
    prova::ComeNelTavolo(*b);
    b->setPictureDown(prova::Tinta(Qt::blue));
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
    Proprieta bag;
    b->ScriviProprieta(bag);
    EXPECT_EQ(bag.Json().value(QStringLiteral("TextColor"))["colour"],
              QStringLiteral("0x0000FFFF"));

    const QByteArray testo = QJsonDocument(bag.Json()).toJson();
    auto* copia = new ImgBtn(&ospite);
    copia->LeggiProprieta(Proprieta::DaJson(QJsonDocument::fromJson(testo).object()));
    Proprieta ancora;
    copia->ScriviProprieta(ancora);
    EXPECT_EQ(ancora.Json(), bag.Json());
    EXPECT_EQ(copia->toolTip(), QStringLiteral("Distribuisce le carte"));

    const auto ignoto = QJsonDocument::fromJson(R"({"Gradino": {"decimal": 5}})");
    EXPECT_THROW(Proprieta::DaJson(ignoto.object()), TipoNonCorrispondente);
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
