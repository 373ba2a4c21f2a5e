#pragma once

#include "widgets/proprieta.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <functional>

class Carta;
class CtlMazzoCarte;
class CtlPilaCarte;
class ImgBtn;
class MazzoCarte;
class QLineEdit;
class QRadioButton;
class Superficie;

// The table window's controls that have a window of their own, as the stored design
// creates them. The drawn elements stay in their surfaces, found by name and index.
struct ControlliTavolo {
    Superficie* FrTorneo = nullptr;
    QLineEdit* TxtNome = nullptr;
    std::array<QRadioButton*, 6> OptAvversari{};
    CtlMazzoCarte* Mazzo = nullptr;
    std::array<CtlPilaCarte*, 3> CtlPilaCarte0{};
    std::array<CtlPilaCarte*, 3> CtlPilaTavolo{};
    CtlPilaCarte* CtlPilaCarte1 = nullptr; // element 0, the model of the seats' cards
    ImgBtn* CmdTorneo = nullptr;
    ImgBtn* CmdCarte = nullptr;
    ImgBtn* CmdFatto = nullptr;
};

// Where the card views' slots and the deck come from: the table's logic owns them.
struct SorgentiCarte {
    std::function<Carta&(const QString& nome, int indice)> carta;
    MazzoCarte* mazzo = nullptr;
};

namespace disposizione {

// The stored design built into the program.
QJsonObject Progetto();

// The window's own settings ("Caption", "ScaleWidth", "BackColor", "Icon", ...).
Proprieta Finestra(const QJsonObject& progetto);

// Creates every element of the design on the window, in its stacking order.
ControlliTavolo Costruisci(Superficie& finestra, const QJsonObject& progetto,
                           const SorgentiCarte& sorgenti);

// A rectangle in twips from an element's stored settings.
QRect Rettangolo(const Proprieta& bag);

} // namespace disposizione
