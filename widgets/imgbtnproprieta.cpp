// The button's stored settings: what it writes to its property bag and reads back, each key
// with its default, which is never stored.
#include "widgets/imgbtn.h"

#include <stdexcept>

void ImgBtn::ImpostaPredefiniti() {
    setGradino(50);
    m_altezzaImmagine = 480;
    m_larghezzaImmagine = 480;
    m_stretch = true;
}

void ImgBtn::ScriviProprieta(Proprieta& bag) const {
    bag.Scrivi(QStringLiteral("PictureUp"), PictureUp(), Immagine());
    bag.Scrivi(QStringLiteral("PictureDown"), PictureDown(), Immagine());
    bag.Scrivi(QStringLiteral("PictureDisabled"), PictureDisabled(), Immagine());
    bag.Scrivi(QStringLiteral("Stretch"), m_stretch, true);
    bag.Scrivi(QStringLiteral("Gradino"), m_gradino, std::int16_t{50});
    bag.Scrivi(QStringLiteral("Caption"), m_caption, QString());
    bag.Scrivi(QStringLiteral("TextColor"), m_textColor, Colore{Colore::kTestoPulsante});
    bag.Scrivi(QStringLiteral("Font"), m_font, FontDellOspite());
    bag.Scrivi(QStringLiteral("BackColor"), m_backColor, Colore{Colore::kFacciaPulsante});
    bag.Scrivi(QStringLiteral("BackStyle"), m_backStyle, std::int16_t{0});
    bag.Scrivi(QStringLiteral("TextPosition"), m_textPosition, std::int16_t{0});
    bag.Scrivi(QStringLiteral("StrokeType"), m_strokeType, std::int16_t{0});
    bag.Scrivi(QStringLiteral("Value"), m_value, false);
    bag.Scrivi(QStringLiteral("MouseIcon"), m_mouseIcon, std::nullopt);
    bag.Scrivi(QStringLiteral("MousePointer"), m_mousePointer, std::int16_t{0});
    bag.Scrivi(QStringLiteral("Enabled"), m_image1Enabled, true);
    bag.Scrivi(QStringLiteral("ToolTip"), m_toolTipImage1, QString());
}

void ImgBtn::LeggiProprieta(const Proprieta& bag) {
    setPictureUp(bag.LeggiImmagine(QStringLiteral("PictureUp"), Immagine()));
    setPictureDown(bag.LeggiImmagine(QStringLiteral("PictureDown"), Immagine()));
    setPictureDisabled(bag.LeggiImmagine(QStringLiteral("PictureDisabled"), Immagine()));
    m_stretch = bag.LeggiBool(QStringLiteral("Stretch"), true);
    m_gradino = bag.LeggiInt16(QStringLiteral("Gradino"), 50);
    m_caption = bag.LeggiStringa(QStringLiteral("Caption"), QString());
    setAccessibleName(m_caption);
    m_textColor = bag.LeggiColore(QStringLiteral("TextColor"), Colore{Colore::kTestoPulsante});
    m_font = bag.LeggiCarattere(QStringLiteral("Font"), FontDellOspite());
    m_backColor = bag.LeggiColore(QStringLiteral("BackColor"), Colore{Colore::kFacciaPulsante});
    const std::int16_t stile = bag.LeggiInt16(QStringLiteral("BackStyle"), 0);
    if (stile != 0 && stile != 1)
        throw std::invalid_argument("BackStyle is 0 (transparent) or 1 (opaque)");
    m_backStyle = stile;
    m_textPosition = bag.LeggiInt32(QStringLiteral("TextPosition"), 0);
    m_strokeType = bag.LeggiInt32(QStringLiteral("StrokeType"), 0);
    m_value = bag.LeggiBool(QStringLiteral("Value"), false);
    m_mouseIcon = bag.LeggiImmagine(QStringLiteral("MouseIcon"), Immagine());
    m_mousePointer = bag.LeggiInt16(QStringLiteral("MousePointer"), 0);
    AggiornaPuntatore();
    m_image1Enabled = bag.LeggiBool(QStringLiteral("Enabled"), true);
    m_toolTipImage1 = bag.LeggiStringa(QStringLiteral("ToolTip"), QString());
    m_toolTipLabel1 = bag.LeggiStringa(QStringLiteral("ToolTip"), QString());
    m_toolTipOspite = bag.LeggiStringa(QStringLiteral("ToolTip"), QString());
    AggiornaSuggerimento();
    if (m_image1Enabled)
        Ridisegna(false);
    else
        MettiInImage1(m_imageDisabled);
}
