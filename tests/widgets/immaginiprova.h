#pragma once

#include "widgets/immagine.h"

#include <QColor>

// Plain one-colour pictures of a known size, written once to a temporary folder.
namespace prova {

Immagine Tinta(QColor colore, int larghezza = 20, int altezza = 30);

} // namespace prova
