#include "widgets/fuoco.h"

#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The focus ring at any device pixel ratio: only its two colours, no blended pixel, and
// across a side a dark band then a light one, each a whole number of device pixels wide.
TEST(Fuoco, TheRingIsSharpAtAnyDevicePixelRatio) {
    for (const double rapporto : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        SCOPED_TRACE(rapporto);
        QImage immagine(QSize(100, 80) * rapporto, QImage::Format_ARGB32_Premultiplied);
        immagine.setDevicePixelRatio(rapporto);
        immagine.fill(Qt::transparent);
        {
            QPainter p(&immagine);
            fuoco::Disegna(p, QRectF(10.3, 10.6, 60, 40), 6);
        }
        QSet<QRgb> colori;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x)
                colori.insert(immagine.pixel(x, y));
        EXPECT_EQ(colori, (QSet<QRgb>{0, qRgb(0, 0, 0), qRgb(255, 216, 0)}));

        const int spessore = std::max(2, static_cast<int>(std::lround(2 * rapporto)));
        const int x = immagine.width() / 2;
        int y = 0;
        while (y < immagine.height() && immagine.pixel(x, y) == 0)
            ++y;
        for (const QRgb colore : {qRgb(0, 0, 0), qRgb(255, 216, 0)}) {
            int banda = 0;
            for (; y < immagine.height() && immagine.pixel(x, y) == colore; ++y)
                ++banda;
            EXPECT_EQ(banda, spessore) << std::hex << colore;
        }
    }
}

} // namespace
