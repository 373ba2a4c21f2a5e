#include "tavolo_carte.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "widgets/twips.h"

#include <QPalette>

TavoloCarte::TavoloCarte(QWidget* parent) : QWidget(parent) {
    setFixedSize(twips::Dimensione(9600, 7200));
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(p);
    setAutoFillBackground(true);

    m_mazzo = new CtlMazzoCarte(this);
    m_mazzo->move(twips::PixelInteri(8460), twips::PixelInteri(3120));
    const char* semi[] = {"Bastoni", "Coppe", "Denari", "Spade"};

    for (int i = 0; i < 9; ++i) {
        auto* v = new CtlPilaCarte(this);
        v->ImpostaMazzo(m_mazzo);
        v->SettaCarta(semi[i % 4], static_cast<std::uint8_t>(i + 1));
        v->SetCoperta(i >= 6 && i < 8);
        v->SetSelezionata(i == 4 || i == 8);
        v->move(twips::PixelInteri(120 + 960 * i), twips::PixelInteri(3900 + 40 * (i % 3)));
    }
    for (int i = 0; i < 18; ++i) {
        auto* v = new CtlPilaCarte(this);
        v->SetZoom(40);
        v->ImpostaMazzo(m_mazzo);
        v->SettaCarta(semi[(i + 1) % 4], static_cast<std::uint8_t>(i % 10 + 1));
        // The last seat has shown its hand; the others are still hidden.
        v->SetCoperta(i < 15);
        v->SetSelezionata(i == 16);
        v->move(twips::PixelInteri(1860 + 780 * (i % 9)), twips::PixelInteri(360 + 1500 * (i / 9)));
    }
}
