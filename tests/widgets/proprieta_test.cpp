#include "immaginiprova.h"
#include "widgets/imgbtn.h"
#include "widgets/proprieta.h"

#include <QJsonDocument>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

const Immagine kPulsante(QStringLiteral(":/tavolo/pulsante.svg"));

Carattere arialGrassetto() {
    return Carattere{QStringLiteral("Arial"), 9.75, 700};
}

// The table window's "Crea Torneo" as it was designed.
void comeNelTavolo(ImgBtn& b) {
    b.ImpostaPredefiniti();
    b.setPictureUp(kPulsante);
    b.setCaption(QStringLiteral("Crea Torneo"));
    b.setFont(arialGrassetto());
    b.setBackColor(Colore::Rgb(0, 128, 0));
    b.setBackStyle(1);
}

TEST(ProprietaBottone, SavingStoresOnlyWhatDiffersFromTheDefaultsAndAlwaysTheMouseIcon) {
    QWidget ospite;
    auto* b = new ImgBtn(&ospite);
    comeNelTavolo(*b);
    Proprieta bag;
    b->ScriviProprieta(bag);
    EXPECT_EQ(bag.Chiavi(),
              (QStringList{"PictureUp", "Caption", "Font", "BackColor", "BackStyle", "MouseIcon"}));
    EXPECT_TRUE(bag.LeggiImmagine(QStringLiteral("MouseIcon"), kPulsante).Vuota());
    EXPECT_EQ(bag.LeggiColore(QStringLiteral("BackColor"), {}).valore, 0x00008000u);
    EXPECT_EQ(bag.LeggiInt16(QStringLiteral("BackStyle"), 0), 1);
}

TEST(ProprietaBottone, FontEqualToTheHostsIsNotStored) {
    QWidget ospite;
    ospite.setFont(arialGrassetto().Font());
    auto* b = new ImgBtn(&ospite);
    b->ImpostaPredefiniti();
    Proprieta bag;
    b->ScriviProprieta(bag);
    EXPECT_FALSE(bag.Contiene(QStringLiteral("Font")));
    // The initial caption and the opaque face are not the loading defaults, so they are kept.
    EXPECT_TRUE(bag.Contiene(QStringLiteral("Caption")));
    EXPECT_TRUE(bag.Contiene(QStringLiteral("BackStyle")));
}

TEST(ProprietaBottone, BagWithOnlyThePictureLoadsAPlainTransparentPushButton) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("PictureUp"), kPulsante, Immagine());
    ImgBtn b;
    b.LeggiProprieta(bag);
    EXPECT_EQ(b.PictureUp(), kPulsante);
    EXPECT_EQ(b.ImmagineMostrata(), kPulsante);
    EXPECT_EQ(b.Gradino(), 50);
    EXPECT_TRUE(b.Stretch());
    EXPECT_TRUE(b.Caption().isEmpty());
    EXPECT_EQ(b.BackStyle(), 0);
    EXPECT_EQ(b.BackColor().valore, Colore::kFacciaPulsante);
    EXPECT_EQ(b.TextColor().valore, Colore::kTestoPulsante);
    EXPECT_EQ(b.StrokeType(), 0);
    EXPECT_TRUE(b.Enabled());
}

TEST(ProprietaBottone, KeysMatchWhateverTheirCase) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("pictureup"), kPulsante, Immagine());
    bag.Scrivi(QStringLiteral("CAPTION"), QStringLiteral("Dai Carte"), QString());
    bag.Scrivi(QStringLiteral("gRADINO"), std::int16_t{-20}, std::int16_t{50});
    ImgBtn b;
    b.LeggiProprieta(bag);
    EXPECT_EQ(b.PictureUp(), kPulsante);
    EXPECT_EQ(b.Caption(), QStringLiteral("Dai Carte"));
    EXPECT_EQ(b.Gradino(), -20);

    // Writing a key again in another case replaces it; writing the default removes it.
    bag.Scrivi(QStringLiteral("Caption"), QStringLiteral("Fatto"), QString());
    EXPECT_EQ(bag.Chiavi().size(), 3);
    EXPECT_EQ(bag.LeggiStringa(QStringLiteral("caption"), {}), QStringLiteral("Fatto"));
    bag.Scrivi(QStringLiteral("Gradino"), std::int16_t{50}, std::int16_t{50});
    EXPECT_FALSE(bag.Contiene(QStringLiteral("gradino")));
}

TEST(ProprietaBottone, DisabledAfterLoadShowsTheDisabledPictureOrNone) {
    const Immagine grigia = prova::Tinta(Qt::gray);
    Proprieta bag;
    bag.Scrivi(QStringLiteral("PictureUp"), kPulsante, Immagine());
    bag.Scrivi(QStringLiteral("PictureDisabled"), grigia, Immagine());
    bag.Scrivi(QStringLiteral("Enabled"), false, true);
    ImgBtn b;
    b.LeggiProprieta(bag);
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.ImmagineMostrata(), grigia);

    bag.Scrivi(QStringLiteral("PictureDisabled"), Immagine(), Immagine());
    ImgBtn senza;
    senza.LeggiProprieta(bag);
    EXPECT_TRUE(senza.ImmagineMostrata().Vuota());
}

TEST(ProprietaBottone, LoadedToggleRestsOnItsDownPicture) {
    const Immagine giu = prova::Tinta(Qt::blue);
    Proprieta bag;
    bag.Scrivi(QStringLiteral("PictureUp"), kPulsante, Immagine());
    bag.Scrivi(QStringLiteral("PictureDown"), giu, Immagine());
    bag.Scrivi(QStringLiteral("StrokeType"), std::int32_t{1}, std::int16_t{0});
    bag.Scrivi(QStringLiteral("Value"), true, false);
    ImgBtn b;
    b.LeggiProprieta(bag);
    EXPECT_EQ(b.ImmagineMostrata(), giu);
}

// Loading applies the pictures through their properties and the rest directly, so only
// the three pictures tell the host its design changed.
TEST(ProprietaBottone, LoadingMarksOnlyThePictures) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("Caption"), QStringLiteral("Fatto"), QString());
    bag.Scrivi(QStringLiteral("Enabled"), false, true);
    ImgBtn b;
    QStringList segnate;
    QObject::connect(&b, &ImgBtn::Modificata, [&](const QString& p) { segnate << p; });
    b.LeggiProprieta(bag);
    EXPECT_EQ(segnate, (QStringList{"PictureUp", "PictureDown", "PictureDisabled"}));
    segnate.clear();
    b.setValue(true);
    b.setGradino(3);
    EXPECT_EQ(segnate, (QStringList{"Value", "Gradino"}));
}

TEST(ProprietaBottone, RoundTripThroughTextKeepsEverySetting) {
    QWidget ospite;
    auto* b = new ImgBtn(&ospite);
    comeNelTavolo(*b);
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

    const QByteArray testo = QJsonDocument(bag.Json()).toJson();
    const Proprieta letta = Proprieta::DaJson(QJsonDocument::fromJson(testo).object());
    auto* copia = new ImgBtn(&ospite);
    copia->LeggiProprieta(letta);
    Proprieta ancora;
    copia->ScriviProprieta(ancora);
    EXPECT_EQ(ancora.Json(), bag.Json());
    EXPECT_EQ(copia->Gradino(), -20);
    EXPECT_EQ(copia->Font().punti, 12);
    EXPECT_TRUE(copia->Font().corsivo);
    EXPECT_EQ(copia->ToolTip(), QStringLiteral("Distribuisce le carte"));
    EXPECT_EQ(copia->toolTip(), QStringLiteral("Distribuisce le carte"));
    EXPECT_EQ(copia->ImmagineMostrata(), b->PictureDown());
}

TEST(BagDiProprieta, IntegerKindsCompareByValueAndConvertWhenRead) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("TextPosition"), std::int32_t{0}, std::int16_t{0});
    EXPECT_FALSE(bag.Contiene(QStringLiteral("TextPosition")));
    bag.Scrivi(QStringLiteral("Grande"), std::int32_t{70000}, std::int16_t{0});
    EXPECT_EQ(bag.LeggiInt32(QStringLiteral("grande"), 0), 70000);
    EXPECT_THROW(bag.LeggiInt16(QStringLiteral("grande"), 0), TipoNonCorrispondente);
    EXPECT_THROW(bag.LeggiStringa(QStringLiteral("grande"), {}), TipoNonCorrispondente);
    EXPECT_EQ(bag.LeggiStringa(QStringLiteral("assente"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_EQ(std::get<bool>(bag.Leggi(QStringLiteral("assente"), true)), true);
}

TEST(BagDiProprieta, TextFormIsReadableAndRejectsUnknownKinds) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("BackColor"), Colore::Rgb(0, 128, 0), std::nullopt);
    bag.Scrivi(QStringLiteral("MouseIcon"), Immagine(), std::nullopt);
    const QJsonObject json = bag.Json();
    EXPECT_EQ(json.value(QStringLiteral("BackColor")).toObject().value(QStringLiteral("colour")),
              QStringLiteral("0x00008000"));
    EXPECT_TRUE(json.value(QStringLiteral("MouseIcon"))
                    .toObject()
                    .value(QStringLiteral("picture"))
                    .isNull());

    const auto doc = QJsonDocument::fromJson(R"({"Gradino": {"decimal": 5}})");
    EXPECT_THROW(Proprieta::DaJson(doc.object()), TipoNonCorrispondente);
}

TEST(BagDiProprieta, DesktopColoursFollowThePalette) {
    QPalette tavolozza;
    tavolozza.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    tavolozza.setColor(QPalette::Button, QColor(4, 5, 6));
    EXPECT_EQ(Colore{Colore::kTestoPulsante}.Risolvi(tavolozza), QColor(1, 2, 3));
    EXPECT_EQ(Colore{Colore::kFacciaPulsante}.Risolvi(tavolozza), QColor(4, 5, 6));
    EXPECT_EQ(Colore::Rgb(255, 255, 128).Risolvi(tavolozza), QColor(255, 255, 128));
}

} // namespace
