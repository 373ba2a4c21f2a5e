#include "cards/ctlpilacarte.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarteaccessibile.h"
#include "cards/geometriacarta.h"
#include "widgets/fuoco.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>

namespace {

const QColor kBianco(255, 255, 255);
const QColor kSelezione(192, 192, 255);
// The corner radius of the body at zoom 100.
constexpr double kRaggio = 120;

QRectF InPixel(const geometria::RettangoloTwips& r) {
    return twips::Rettangolo(r.Left, r.Top, r.Width, r.Height);
}

// The rounded body of a card, rendered once per zoom, colour and device pixel ratio: its
// curves cost more to fill than all the pictures on the card together.
const QImage& Corpo(std::uint8_t zoom, bool selezionata, qreal rapporto) {
    static std::map<std::tuple<int, bool, int>, QImage> cache;
    const auto chiave = std::make_tuple(static_cast<int>(zoom), selezionata,
                                        static_cast<int>(std::lround(rapporto * 1000)));
    auto it = cache.find(chiave);
    if (it == cache.end()) {
        const QRectF bordo = InPixel(geometria::ShBordo(zoom));
        QImage corpo((bordo.size() * rapporto).toSize(), QImage::Format_ARGB32_Premultiplied);
        corpo.setDevicePixelRatio(rapporto);
        corpo.fill(Qt::transparent);
        QPainter p(&corpo);
        p.setRenderHint(QPainter::Antialiasing);
        const double raggio = twips::Pixel(kRaggio * zoom / 100);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(selezionata ? kSelezione : kBianco);
        p.drawRoundedRect(bordo.adjusted(0.5, 0.5, -0.5, -0.5), raggio, raggio);
        it = cache.emplace(chiave, std::move(corpo)).first;
    }
    return it->second;
}

QString NomeAccessibile(const Carta& c, bool conSegno = true) {
    static const std::array<const char*, 11> valori = {
        "", "Asso", "Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Fante", "Cavallo", "Re"};
    QString nome;
    if (c.Coperta())
        nome = QStringLiteral("Carta coperta");
    else if (c.Valore() >= 1 && c.Valore() <= 10 && c.CodiceSeme() >= 0)
        nome = QStringLiteral("%1 di %2")
                   .arg(QLatin1String(valori[c.Valore()]), QString::fromStdString(c.Seme()));
    else
        nome = QStringLiteral("Nessuna carta");
    if (conSegno && c.Selezionata())
        nome += QStringLiteral(", selezionata");
    return nome;
}

} // namespace

CtlPilaCarte::CtlPilaCarte(QWidget* parent)
    : QWidget(parent), m_propria(std::make_unique<Carta>()), m_carta(m_propria.get()) {
    Collega();
}

CtlPilaCarte::CtlPilaCarte(Carta& carta, QWidget* parent) : QWidget(parent), m_carta(&carta) {
    Collega();
}

CtlPilaCarte::~CtlPilaCarte() = default;

void CtlPilaCarte::Collega() {
    AccessibileCarta::Registra();
    // The guard keeps a slot that outlives its view from calling into a dead widget.
    m_carta->SetOsservatore([vista = QPointer<CtlPilaCarte>(this)] {
        if (vista)
            vista->Aggiorna();
    });
    Disponi();
    Aggiorna();
}

void CtlPilaCarte::Aggiorna() {
    // Screen readers hear every change of the name, so only real ones are made.
    const QString nome = NomeCarta();
    if (nome != accessibleName())
        setAccessibleName(nome);
    if (m_carta->Selezionata() != m_segnata) {
        m_segnata = m_carta->Selezionata();
        if (QAccessible::isActive() && hasFocus()) {
            // The card under the focus says itself and its new mark in one sentence; a bare
            // change of state would be read as "checked" alone.
            emit SegnoDetto(NomeCarta() + (m_segnata ? QStringLiteral(", segnata")
                                                     : QStringLiteral(", non segnata")));
        } else if (QAccessible::isActive()) {
            QAccessible::State cambiato;
            cambiato.checked = true;
            QAccessibleStateChangeEvent evento(this, cambiato);
            QAccessible::updateAccessibility(&evento);
        }
    }
    update();
}

QString CtlPilaCarte::NomeCarta() const {
    return NomeAccessibile(*m_carta, false);
}

QString CtlPilaCarte::NomeConSegno() const {
    return NomeAccessibile(*m_carta);
}

void CtlPilaCarte::Clicca() {
    emit Click();
}

bool CtlPilaCarte::Ascoltata() const {
    return isSignalConnected(QMetaMethod::fromSignal(&CtlPilaCarte::Click));
}

void CtlPilaCarte::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    fuoco::TastieraUsata(*this);
    if (!event->isAutoRepeat())
        Clicca();
}

void CtlPilaCarte::SettaCarta(const std::string& Seme, std::uint8_t Valore) {
    m_carta->SettaCarta(Seme, Valore);
}

void CtlPilaCarte::SetCoperta(bool Stato) {
    m_carta->SetCoperta(Stato);
}

void CtlPilaCarte::SetSelezionata(bool Stato) {
    m_carta->SetSelezionata(Stato);
}

void CtlPilaCarte::SwapWith(CtlPilaCarte* Carta) {
    if (!Carta)
        throw OggettoNonImpostato("SwapWith: no card view given");
    m_carta->SwapWith(Carta->m_carta);
}

void CtlPilaCarte::ImpostaMazzo(CtlMazzoCarte* NuovoMazzo) {
    m_mazzo = NuovoMazzo;
    m_arte = NuovoMazzo ? NuovoMazzo->Arte() : nullptr;
    m_carta->ImpostaMazzo(NuovoMazzo ? &NuovoMazzo->Mazzo() : nullptr);
}

void CtlPilaCarte::SetZoom(int Valore) {
    if (Valore < 0 || Valore > 255)
        throw std::out_of_range("Zoom: " + std::to_string(Valore) + " is not a byte");
    m_zoom = Valore;
    m_zoomModificato = true;
    Disponi();
}

QSize CtlPilaCarte::sizeHint() const {
    const auto d = geometria::Dimensione(static_cast<std::uint8_t>(m_zoom));
    return twips::Dimensione(d.Width, d.Height);
}

void CtlPilaCarte::Disponi() {
    if (m_zoom == 0) {
        SetZoom(ZoomPredefinito);
        return;
    }
    // Every element is placed from the zoom when painted, so the size is all there is to do.
    setFixedSize(sizeHint());
    update();
}

void CtlPilaCarte::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (size() != sizeHint())
        Disponi();
}

bool CtlPilaCarte::SulRetro(const QPointF& punto) const {
    return geometria::ImgRetro(static_cast<std::uint8_t>(m_zoom))
        .Contiene(twips::DaPixel(punto.x()), twips::DaPixel(punto.y()));
}

void CtlPilaCarte::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_premuto = SulRetro(event->position());
    event->accept();
}

void CtlPilaCarte::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool click = m_premuto && SulRetro(event->position());
    m_premuto = false;
    event->accept();
    if (click)
        emit Click();
}

void CtlPilaCarte::paintEvent(QPaintEvent*) {
    const auto zoom = static_cast<std::uint8_t>(m_zoom);
    const Carta& c = *m_carta;
    QPainter p(this);

    // The body, bottom-most and always painted.
    p.drawImage(QPointF(0, 0), Corpo(zoom, c.Selezionata(), p.deviceTransform().m11()));
    // A slot attached to its deck by the table's logic alone shows the same shared artwork.
    if (!m_arte && c.Mazzo())
        m_arte = ArteCarte::Condivisa();
    if (!m_arte)
        return;

    if (!c.Coperta()) {
        // A higher slot lies over a lower one, then the figure, then the suit mark.
        if (c.SemePips() >= 0) {
            const Disegno& seme = *m_arte->Semi[c.SemePips()];
            const std::uint8_t slot = geometria::SlotDelValore(c.Valore());
            for (int i = 0; i < geometria::kSlotValore; ++i)
                if (slot & (1u << i))
                    seme.Disegna(p, InPixel(geometria::ImgValore(i, zoom)));
        }
        if (c.HaFigura()) {
            const Disegno& figura = c.Valore() == 8   ? *m_arte->Fante
                                    : c.Valore() == 9 ? *m_arte->Cavallo
                                                      : *m_arte->Re;
            figura.Disegna(p, InPixel(geometria::ImgFigura(zoom)));
        }
        if (c.MarchioVisibile() && c.SemeMarchio() >= 0)
            m_arte->Semi[c.SemeMarchio()]->Disegna(p, InPixel(geometria::ImgSemeFigura(zoom)));
    } else {
        // The back covers the whole face.
        m_arte->Sfondo->Disegna(p, InPixel(geometria::ImgRetro(zoom)));
    }
    if (fuoco::DaMostrare(*this)) {
        const double margine = 2;
        fuoco::Disegna(
            p, InPixel(geometria::ShBordo(zoom)).adjusted(margine, margine, -margine, -margine),
            twips::Pixel(kRaggio * zoom / 100) - margine);
    }
}
