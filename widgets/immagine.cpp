#include "widgets/immagine.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

bool vettoriale(const QString& percorso) {
    return percorso.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

} // namespace

QSize Immagine::DimensioneNaturale() const {
    if (Vuota())
        return {};
    if (vettoriale(m_percorso)) {
        QSvgRenderer svg(m_percorso);
        return svg.isValid() ? svg.defaultSize() : QSize();
    }
    return QImageReader(m_percorso).size();
}

QPixmap Immagine::Pixmap(QSize dimensione, qreal rapportoPixel) const {
    if (Vuota() || dimensione.isEmpty())
        return {};
    const QSize fisica = (QSizeF(dimensione) * rapportoPixel).toSize();
    const QString chiave =
        QStringLiteral("imm|%1|%2x%3").arg(m_percorso).arg(fisica.width()).arg(fisica.height());
    QPixmap pronta;
    if (QPixmapCache::find(chiave, &pronta))
        return pronta;
    if (vettoriale(m_percorso)) {
        QImage tela(fisica, QImage::Format_ARGB32_Premultiplied);
        tela.fill(Qt::transparent);
        QSvgRenderer svg(m_percorso);
        QPainter p(&tela);
        svg.render(&p);
        p.end();
        pronta = QPixmap::fromImage(tela);
    } else {
        QImageReader lettore(m_percorso);
        lettore.setScaledSize(fisica);
        pronta = QPixmap::fromImage(lettore.read());
    }
    pronta.setDevicePixelRatio(rapportoPixel);
    QPixmapCache::insert(chiave, pronta);
    return pronta;
}

void Immagine::Disegna(QPainter& pittore, const QRect& dove) const {
    const QPixmap pm = Pixmap(dove.size(), pittore.device()->devicePixelRatioF());
    if (!pm.isNull())
        pittore.drawPixmap(dove.topLeft(), pm);
}
