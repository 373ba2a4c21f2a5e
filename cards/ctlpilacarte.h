#pragma once

#include "cards/carta.h"
#include "cards/ctlmazzocarte.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

struct ArteCarte;

// Shows one card slot: the card face up or the back, on a white or light-blue body, at a
// size set by Zoom (percent). Clicks anywhere on the card but its thin margin raise Click,
// and so does Space when the view has the focus; what a click means is up to the table.
class CtlPilaCarte : public QWidget {
    Q_OBJECT
  public:
    // A view with a card slot of its own.
    explicit CtlPilaCarte(QWidget* parent = nullptr);
    // A view of a slot owned by the table's logic. Either may be destroyed first.
    explicit CtlPilaCarte(Carta& carta, QWidget* parent = nullptr);
    ~CtlPilaCarte() override;

    Carta& CartaMostrata() { return *m_carta; }
    const Carta& CartaMostrata() const { return *m_carta; }

    // These pass through to the card slot, with its failures when no deck is attached.
    void SettaCarta(const std::string& Seme, std::uint8_t Valore);
    bool Coperta() const { return m_carta->Coperta(); }
    void SetCoperta(bool Stato);
    bool Selezionata() const { return m_carta->Selezionata(); }
    void SetSelezionata(bool Stato);
    const std::string& Seme() const { return m_carta->Seme(); }
    std::uint8_t Valore() const { return m_carta->Valore(); }
    // The card in words ("Re di Spade"), its accessible name: assistive technology reads the
    // mark from the check box's state. With the mark ("Re di Spade, selezionata") for the
    // pointer's tooltip.
    QString NomeCarta() const;
    QString NomeConSegno() const;
    // Exchanges the cards, not the flags, zoom or deck; a missing view throws
    // OggettoNonImpostato before anything changes.
    void SwapWith(CtlPilaCarte* Carta);

    // Attaches the deck whose artwork the view shows, and gives its MazzoCarte to the slot.
    void ImpostaMazzo(CtlMazzoCarte* NuovoMazzo);
    CtlMazzoCarte* Mazzo() const { return m_mazzo; }

    // Size in percent, 0..255; 0 is laid out as 100 and then reads back 100. Writing lays
    // the view out at once and marks the stored "Zoom" as changed.
    int Zoom() const { return m_zoom; }
    void SetZoom(int Valore);
    bool ZoomModificato() const { return m_zoomModificato; }
    static constexpr int ZoomPredefinito = 100;

    QSize sizeHint() const override;

    // A click from the keyboard or from assistive technology.
    void Clicca();
    // Whether anybody acts on the view's clicks (the computers' cards are only shown).
    bool Ascoltata() const;

  signals:
    void Click();
    // The mark changed under the focus: the card and its mark in words, for a screen reader
    // to say ("Re di Spade, segnata").
    void SegnoDetto(const QString& frase);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Collega();
    void Disponi();
    void Aggiorna();
    bool SulRetro(const QPointF& punto) const;

    std::unique_ptr<Carta> m_propria;
    Carta* m_carta;
    QPointer<CtlMazzoCarte> m_mazzo;
    // The view keeps the artwork alive even if the deck control goes first.
    std::shared_ptr<const ArteCarte> m_arte;
    int m_zoom = ZoomPredefinito;
    bool m_zoomModificato = false;
    bool m_premuto = false;
    bool m_segnata = false; // the mark last told to assistive technology
};
