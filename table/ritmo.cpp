#include "table/ritmo.h"

#include "platform/orologio.h"

#include <algorithm>

void Ritmo::Detto(double secondi) {
    if (secondi <= 0)
        return;
    m_fine = std::max(m_fine, m_orologio.Adesso()) + secondi;
}

double Ritmo::Resto() {
    return std::max(0.0, m_fine - m_orologio.Adesso());
}
