#include "widgets/fuoco.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The focus ring at any device pixel ratio: only its two colours, nothing blended, and
// across its top side a dark band and a light one, each of whole device pixels.
TEST(Fuoco, TheRingIsSharpAtAnyDevicePixelRatio) {
    for (const double rapporto : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        QImage immagine(QSize(100, 80) * rapporto, QImage::Format_ARGB32_Premultiplied);
        immagine.setDevicePixelRatio(rapporto);
        immagine.fill(Qt::transparent);
        QPainter p(&immagine);
        fuoco::Disegna(p, QRectF(10.3, 10.6, 60, 40), 6);
        p.end();
        const auto segno = [&](int x, int y) {
            const QRgb c = immagine.pixel(x, y);
            return c == 0 ? '.' : c == qRgb(0, 0, 0) ? 'n' : c == qRgb(255, 216, 0) ? 'g' : '?';
        };
        std::string colonna, tutti;
        for (int y = 0; y < immagine.height(); ++y) {
            colonna += segno(immagine.width() / 2, y);
            for (int x = 0; x < immagine.width(); ++x)
                tutti += segno(x, y);
        }
        const std::size_t spessore = std::max(2L, std::lround(2 * rapporto));
        EXPECT_EQ(colonna.substr(colonna.find('n'), 2 * spessore + 1),
                  std::string(spessore, 'n') + std::string(spessore, 'g') + '.')
            << rapporto;
        EXPECT_EQ(tutti.find('?'), std::string::npos) << "a blended pixel at ratio " << rapporto;
    }
}

} // namespace
