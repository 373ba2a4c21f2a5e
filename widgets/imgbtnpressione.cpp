// Pressing the button: with the mouse, where a press dragged off and released outside is no
// click, and with Space or Return when it has the focus.
#include "widgets/imgbtn.h"

#include "widgets/fuoco.h"
#include "widgets/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kTwipPerPixel = static_cast<int>(twips::PerPixel);

int codiceTasti(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

// Left, right and middle are 1, 2 and 4 in Qt as in the button codes the events carry.
int codicePulsanti(Qt::MouseButtons b) {
    return static_cast<int>(b.toInt() & 7);
}

} // namespace

ImgBtn::Elemento ImgBtn::ElementoSotto(const QMouseEvent* evento) const {
    const QPointF twip = evento->position() * kTwipPerPixel;
    if (QRectF(m_label1).contains(twip))
        return Elemento::Etichetta;
    if (m_image1Enabled && QRectF(m_image1).contains(twip))
        return Elemento::Immagine;
    return Elemento::Superficie;
}

QPointF ImgBtn::Posizione(const QMouseEvent* evento, Elemento elemento) const {
    QPointF twip = evento->position() * kTwipPerPixel;
    if (elemento == Elemento::Etichetta)
        twip -= m_label1.topLeft();
    else if (elemento == Elemento::Immagine)
        twip -= m_image1.topLeft();
    return twip;
}

// Qt's implicit grab keeps the moves and the release coming here after a press, wherever
// the pointer goes; the element that took the press stays the one the positions refer to.
void ImgBtn::mousePressEvent(QMouseEvent* evento) {
    if (!m_image1Enabled)
        return;
    m_presa = ElementoSotto(evento);
    const QPointF p = Posizione(evento, m_presa);
    Ridisegna(true);
    emit MouseDown(codicePulsanti(evento->button()), codiceTasti(evento->modifiers()),
                   static_cast<float>(p.x()), static_cast<float>(p.y()));
    m_fuori = false;
}

void ImgBtn::mouseMoveEvent(QMouseEvent* evento) {
    if (codicePulsanti(evento->buttons()) == 0 || !m_image1Enabled)
        return;
    const QPointF p = Posizione(evento, m_presa);
    const double W = m_dimensione.width();
    const double H = m_dimensione.height();
    if (m_fuori) {
        if (0 < p.x() && p.x() < W && 0 < p.y() && p.y() < H) {
            m_fuori = false;
            Ridisegna(true);
        }
    } else if (p.x() > W || p.x() < 0 || p.y() > H || p.y() < 0) {
        m_fuori = true;
        Ridisegna(false);
    }
}

void ImgBtn::mouseReleaseEvent(QMouseEvent* evento) {
    if (!m_image1Enabled)
        return;
    const QPointF p = Posizione(evento, m_presa);
    if (m_strokeType == 1 && !m_fuori)
        m_value = !m_value;
    Ridisegna(false);
    if (!m_fuori) {
        const int pulsante = codicePulsanti(evento->button());
        const int tasti = codiceTasti(evento->modifiers());
        emit MouseUp(pulsante, tasti, static_cast<float>(p.x()), static_cast<float>(p.y()));
        emit Click();
    }
}

void ImgBtn::Premi() {
    if (!m_image1Enabled)
        return;
    if (m_strokeType == 1)
        m_value = !m_value;
    Ridisegna(false);
    emit Click();
}

void ImgBtn::keyPressEvent(QKeyEvent* evento) {
    const int tasto = evento->key();
    if (tasto != Qt::Key_Space && tasto != Qt::Key_Return && tasto != Qt::Key_Enter) {
        QWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
    fuoco::TastieraUsata(*this);
    if (!evento->isAutoRepeat())
        Premi();
}
