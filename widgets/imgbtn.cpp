#include "widgets/imgbtn.h"

#include "widgets/fuoco.h"
#include "widgets/imgbtnaccessibile.h"
#include "widgets/twips.h"

#include <QCursor>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

namespace {

int inPixel(int twip) {
    return twips::PixelInteri(twip);
}
QRect inPixel(const QRect& r) {
    return {inPixel(r.left()), inPixel(r.top()), inPixel(r.width()), inPixel(r.height())};
}
double inTwip(double pixel) {
    return twips::DaPixel(pixel);
}
constexpr int kTwipPerPixel = static_cast<int>(twips::PerPixel);

// The layout's rounding: to the nearest integer with halves to the even neighbour, and
// halving with the remainder dropped.
std::int32_t Nearest(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}
std::int32_t Half(std::int32_t n) {
    return n / 2;
}

// (a * b) div c in 32 bits; nothing when the product overflows or c is zero.
std::optional<std::int32_t> prodottoDiviso(std::int32_t a, std::int32_t b, std::int32_t c) {
    const std::int64_t prodotto = static_cast<std::int64_t>(a) * b;
    if (c == 0 || prodotto > std::numeric_limits<std::int32_t>::max() ||
        prodotto < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(prodotto / c);
}

const QString kImmagineIniziale = QStringLiteral(":/widgets/imgbtn.svg");

Qt::CursorShape formaPuntatore(int codice) {
    switch (codice) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

ImgBtn::ImgBtn(QWidget* parent) : QWidget(parent) {
    AccessibileImgBtn::Registra(); // before anything asks for the button's interface
    m_imageUp = Immagine(kImmagineIniziale);
    m_immagine1 = m_imageUp;
    resize(inPixel(m_dimensione.width()), inPixel(m_dimensione.height()));
    setAccessibleName(m_caption);
    setFocusPolicy(Qt::TabFocus);
}

void ImgBtn::ImpostaDimensioneTwips(QSize twips) {
    m_dimensione = twips;
    resize(inPixel(twips.width()), inPixel(twips.height()));
    Disponi();
}

void ImgBtn::Segna(const char* proprieta) {
    emit Modificata(QString::fromLatin1(proprieta));
}

Carattere ImgBtn::FontDellOspite() const {
    return Carattere::Da(parentWidget() ? parentWidget()->font() : QWidget::font());
}

// With its stretch flag off, Image1 takes the natural size of every picture put into it.
void ImgBtn::MettiInImage1(const Immagine& immagine) {
    m_immagine1 = immagine;
    if (!m_stretch && !immagine.Vuota()) {
        const QSize naturale = immagine.DimensioneNaturale();
        if (!naturale.isEmpty())
            m_image1.setSize(
                QSize(Nearest(inTwip(naturale.width())), Nearest(inTwip(naturale.height()))));
    }
    update();
}

void ImgBtn::setPictureUp(const Immagine& immagine) {
    const bool stretch = m_stretch;
    m_stretch = false;
    MettiInImage1(immagine);
    m_imageUp = immagine;
    // An empty picture keeps the previous natural size.
    if (!immagine.Vuota()) {
        m_altezzaImmagine = m_image1.height();
        m_larghezzaImmagine = m_image1.width();
    }
    m_stretch = stretch;
    Segna("PictureUp");
    Disponi();
}

void ImgBtn::setPictureDown(const Immagine& immagine) {
    m_imageDown = immagine;
    Segna("PictureDown");
}

void ImgBtn::setPictureDisabled(const Immagine& immagine) {
    m_imageDisabled = immagine;
    Segna("PictureDisabled");
}

void ImgBtn::setStretch(bool stretch) {
    m_stretch = stretch;
    Segna("Stretch");
    Disponi();
}

void ImgBtn::setGradino(std::int16_t gradino) {
    m_gradino = gradino;
    Segna("Gradino");
}

void ImgBtn::setCaption(const QString& caption) {
    m_caption = caption;
    setAccessibleName(caption);
    Segna("Caption");
    Disponi();
}

void ImgBtn::setTextColor(Colore colore) {
    m_textColor = colore;
    Segna("TextColor");
    update();
}

void ImgBtn::setFont(const Carattere& font) {
    m_font = font;
    Segna("Font");
    Disponi();
}

void ImgBtn::setBackColor(Colore colore) {
    m_backColor = colore;
    Segna("BackColor");
    update();
}

void ImgBtn::setBackStyle(std::int32_t stile) {
    if (stile != 0 && stile != 1)
        throw std::invalid_argument("BackStyle is 0 (transparent) or 1 (opaque)");
    m_backStyle = static_cast<std::int16_t>(stile);
    Segna("BackStyle");
    update();
}

void ImgBtn::setTextPosition(std::int32_t posizione) {
    m_textPosition = posizione;
    Segna("TextPosition");
    Disponi();
}

void ImgBtn::setStrokeType(std::int32_t tipo) {
    m_strokeType = tipo;
    Segna("StrokeType");
}

void ImgBtn::setValue(bool valore) {
    m_value = valore;
    Ridisegna(false);
    Segna("Value");
}

void ImgBtn::setMousePointer(std::int16_t codice) {
    m_mousePointer = codice;
    AggiornaPuntatore();
    Segna("MousePointer");
}

void ImgBtn::setMouseIcon(const Immagine& icona) {
    m_mouseIcon = icona;
    AggiornaPuntatore();
    Segna("MouseIcon");
}

void ImgBtn::AggiornaPuntatore() {
    if (m_mousePointer == 99 && !m_mouseIcon.Vuota())
        setCursor(QCursor(m_mouseIcon.Pixmap(m_mouseIcon.DimensioneNaturale(), 1.0)));
    else if (m_mousePointer == 0)
        unsetCursor();
    else
        setCursor(formaPuntatore(m_mousePointer));
}

void ImgBtn::setEnabled(bool abilitato) {
    m_image1Enabled = abilitato;
    Segna("Enabled");
    if (m_image1Enabled)
        MettiInImage1(m_strokeType == 1 && m_value ? m_imageDown : m_imageUp);
    else
        MettiInImage1(m_imageDisabled);
}

void ImgBtn::setToolTip(const QString& testo) {
    m_toolTipImage1 = testo;
    m_toolTipLabel1 = testo;
    m_toolTipOspite = testo;
    AggiornaSuggerimento();
    Segna("ToolTip");
}

void ImgBtn::AggiornaSuggerimento() {
    // One widget stands for the three surfaces; the host-side text is what Qt shows.
    QWidget::setToolTip(m_toolTipOspite);
}

void ImgBtn::Ridisegna(bool premuto) {
    const int scarto = premuto ? m_gradino : 0;
    m_image1.moveTo(m_sinistraBase + scarto, m_altoBase + scarto);
    const bool dentro = m_strokeType != 0 && m_value;
    const Immagine& scelta = premuto == dentro ? m_imageUp : m_imageDown;
    if (!scelta.Vuota() || (!premuto && m_strokeType == 0))
        MettiInImage1(scelta);
    update();
}

void ImgBtn::AdattaEtichetta() {
    const QFontMetrics metrica(m_font.Font());
    const int larghezza = std::max(1, inPixel(m_label1.width()));
    const QString testo = m_caption.isEmpty() ? QStringLiteral(" ") : m_caption;
    const QRect occupato = metrica.boundingRect(QRect(0, 0, larghezza, 1 << 20),
                                                Qt::AlignHCenter | Qt::TextWordWrap, testo);
    m_label1.setHeight(Nearest(inTwip(occupato.height())));
}

void ImgBtn::Disponi() {
    QWidget::setFont(m_font.Font());
    const std::int32_t larghezza = m_dimensione.width();
    const std::int32_t altezza = m_dimensione.height();

    m_label1.moveLeft(0);
    m_label1.setWidth(larghezza);
    AdattaEtichetta();
    if (m_textPosition == 0)
        m_label1.moveTop(altezza - m_label1.height());
    else
        m_label1.moveTop(Half(Nearest(altezza - m_label1.height())));

    const std::int32_t W = Nearest(larghezza);
    const std::int32_t A = !m_caption.isEmpty() && m_textPosition == 0
                               ? Nearest(altezza - m_gradino - Half(Nearest(m_label1.height())))
                               : Nearest(altezza - m_gradino);

    // A step that cannot be carried out (a zero natural size, an overflow, a negative
    // size) is skipped and the next one runs.
    const auto larghezzaImmagine = [this](std::int32_t w) {
        if (w >= 0)
            m_image1.setWidth(w);
    };
    const auto altezzaImmagine = [this](std::int32_t h) {
        if (h >= 0)
            m_image1.setHeight(h);
    };
    if (!m_stretch) {
        larghezzaImmagine(m_larghezzaImmagine);
        altezzaImmagine(m_altezzaImmagine);
    } else {
        larghezzaImmagine(W);
        if (const auto h = prodottoDiviso(W, m_altezzaImmagine, m_larghezzaImmagine))
            altezzaImmagine(*h);
        if (m_image1.height() > A) {
            altezzaImmagine(A);
            if (const auto w = prodottoDiviso(A, m_larghezzaImmagine, m_altezzaImmagine))
                larghezzaImmagine(*w);
        }
    }

    m_image1.moveTop(Half(Nearest(A - m_image1.height())));
    m_image1.moveLeft(Half(Nearest(W - m_image1.width())));
    m_altoBase = Nearest(m_image1.top());
    m_sinistraBase = Nearest(m_image1.left());
    update();
}

void ImgBtn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_backStyle == 1)
        p.fillRect(rect(), m_backColor.Risolvi(palette()));
    m_immagine1.Disegna(p, inPixel(m_image1));
    p.setFont(m_font.Font());
    p.setPen(m_textColor.Risolvi(palette()));
    const int allineamento = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    p.drawText(inPixel(m_label1), allineamento, m_caption);
    // Around the picture, ending above the caption so that every letter stays clear.
    if (fuoco::DaMostrare(*this)) {
        const QRect testo = p.boundingRect(inPixel(m_label1), allineamento, m_caption);
        QRect zona = inPixel(m_image1).adjusted(-5, -5, 5, 5);
        if (!m_caption.isEmpty() && testo.top() > zona.center().y())
            zona.setBottom(std::min(zona.bottom(), testo.top() - 1));
        fuoco::Disegna(p, QRectF(zona & rect()), 4);
    }
}

void ImgBtn::resizeEvent(QResizeEvent*) {
    // A host that sizes the widget in pixels sizes it in whole pixels of twips.
    if (size() != QSize(inPixel(m_dimensione.width()), inPixel(m_dimensione.height())))
        m_dimensione = QSize(width() * kTwipPerPixel, height() * kTwipPerPixel);
    Disponi();
}

void ImgBtn::showEvent(QShowEvent*) {
    Disponi();
}
