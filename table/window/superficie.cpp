#include "table/window/superficie.h"

#include "widgets/twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QRect inPixel(const QRect& r) {
    return {twips::PixelInteri(r.left()), twips::PixelInteri(r.top()),
            twips::PixelInteri(r.width()), twips::PixelInteri(r.height())};
}

void disegnaEtichetta(QPainter& p, const ElementoDisegnato& e, const QRect& r,
                      const QWidget& contenitore) {
    if (e.stileSfondo == 1)
        p.fillRect(r, e.colSfondo.Risolvi(contenitore.palette()));
    p.setFont(e.font ? e.font->Font() : contenitore.font());
    p.setPen(e.colTesto.Risolvi(contenitore.palette()));
    const Qt::Alignment orizzontale = e.allineamento == 2   ? Qt::AlignHCenter
                                      : e.allineamento == 1 ? Qt::AlignRight
                                                            : Qt::AlignLeft;
    // A label one line high shows one line, cut at its edges, rather than a broken word.
    const bool righe = r.height() >= 2 * p.fontMetrics().height();
    p.save();
    p.setClipRect(r);
    p.drawText(r, orizzontale | Qt::AlignTop | (righe ? Qt::TextWordWrap : 0), e.testo);
    p.restore();
}

void disegnaForma(QPainter& p, const ElementoDisegnato& e, const QRect& r,
                  const QWidget& contenitore) {
    // A one-pixel border lies inside the rectangle. The balls are only nine pixels wide:
    // smoothed, they look round rather than like small diamonds.
    const QRect dentro = r.adjusted(0, 0, -1, -1);
    const QRectF tondo = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, e.forma == 3);
    auto disegna = [&] { e.forma == 3 ? p.drawEllipse(tondo) : p.drawRect(dentro); };
    if (e.stileSfondo == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(e.colSfondo.Risolvi(contenitore.palette()));
        disegna();
    }
    p.setPen(QPen(e.colBordo.Risolvi(contenitore.palette()), 1));
    p.setBrush(e.stileRiempimento == 0 ? QBrush(e.colRiempimento.Risolvi(contenitore.palette()))
                                       : QBrush(Qt::NoBrush));
    disegna();
    p.restore();
}

} // namespace

Superficie::Superficie(QWidget* parent) : QWidget(parent) {}

ElementoDisegnato& Superficie::Aggiungi(const ElementoDisegnato& elemento) {
    m_elementi.push_back(std::make_unique<ElementoDisegnato>(elemento));
    Ridipingi(*m_elementi.back());
    return *m_elementi.back();
}

void Superficie::Svuota() {
    m_elementi.clear();
    update();
}

ElementoDisegnato* Superficie::Trova(const QString& nome, int indice) {
    for (auto& e : m_elementi)
        if (e->nome == nome && e->indice == indice)
            return e.get();
    return nullptr;
}

const ElementoDisegnato* Superficie::Trova(const QString& nome, int indice) const {
    return const_cast<Superficie*>(this)->Trova(nome, indice);
}

void Superficie::Ridipingi(const ElementoDisegnato& elemento) {
    update(inPixel(elemento.twips).adjusted(-1, -1, 1, 1));
    emit ElementoCambiato(elemento);
}

void Superficie::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    for (auto it = m_elementi.rbegin(); it != m_elementi.rend(); ++it) {
        const ElementoDisegnato& e = **it;
        const QRect r = inPixel(e.twips);
        if (!e.visibile || !r.intersects(evento->rect()))
            continue;
        switch (e.tipo) {
        case ElementoDisegnato::Tipo::Etichetta:
            disegnaEtichetta(p, e, r, *this);
            break;
        case ElementoDisegnato::Tipo::Forma:
            disegnaForma(p, e, r, *this);
            break;
        case ElementoDisegnato::Tipo::Immagine:
            e.immagine.Disegna(p, r);
            break;
        }
    }
}
