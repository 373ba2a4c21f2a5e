#include "cards/ctlmazzocarte.h"

#include "widgets/twips.h"

#include <QPainter>
#include <QResizeEvent>

#include <stdexcept>
#include <string>

namespace {

// Whatever a host asks, the deck keeps this size.
constexpr int kLarghezza = 397;
constexpr int kAltezza = 547;

DisegnoCondiviso Carica(const char* nome) {
    return std::make_shared<const Disegno>(QStringLiteral(":/carte/%1.svg").arg(nome));
}

} // namespace

std::shared_ptr<const ArteCarte> ArteCarte::Condivisa() {
    static std::weak_ptr<const ArteCarte> inUso;
    auto arte = inUso.lock();
    if (!arte) {
        auto nuova = std::make_shared<ArteCarte>();
        nuova->Semi = {Carica("bastoni"), Carica("coppe"), Carica("denari"), Carica("spade")};
        nuova->Fante = Carica("fante");
        nuova->Cavallo = Carica("cavallo");
        nuova->Re = Carica("re");
        nuova->Sfondo = Carica("retro");
        nuova->Mazzo = Carica("mazzo");
        arte = std::move(nuova);
        inUso = arte;
    }
    return arte;
}

CtlMazzoCarte::CtlMazzoCarte(QWidget* parent)
    : QWidget(parent), m_proprio(std::make_unique<MazzoCarte>()), m_mazzo(m_proprio.get()),
      m_arte(ArteCarte::Condivisa()) {
    setFixedSize(sizeHint());
    setAccessibleName(QStringLiteral("Mazzo"));
}

CtlMazzoCarte::CtlMazzoCarte(MazzoCarte& mazzo, QWidget* parent)
    : QWidget(parent), m_mazzo(&mazzo), m_arte(ArteCarte::Condivisa()) {
    setFixedSize(sizeHint());
    setAccessibleName(QStringLiteral("Mazzo"));
}

CtlMazzoCarte::~CtlMazzoCarte() = default;

const Disegno& CtlMazzoCarte::ImgLstSemi(int indice) const {
    if (indice < 0 || indice > 3)
        throw std::out_of_range("ImgLstSemi: no suit picture " + std::to_string(indice));
    return *m_arte->Semi[indice];
}

QSize CtlMazzoCarte::sizeHint() const {
    return twips::Dimensione(kLarghezza, kAltezza);
}

void CtlMazzoCarte::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QSize naturale = m_arte->Mazzo->DimensioneNaturale();
    m_arte->Mazzo->Disegna(p, QRectF(QPointF(0, 0), QSizeF(naturale)));
}

void CtlMazzoCarte::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size() != sizeHint())
        setFixedSize(sizeHint());
}
