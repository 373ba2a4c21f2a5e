#pragma once

#include "widgets/immagine.h"
#include "widgets/proprieta.h"

#include <QRect>
#include <QWidget>

#include <cstdint>

// A button that shows a picture with a caption. While held down the picture moves by Gradino
// and switches to the down picture; a third picture stands for the disabled state; as a
// toggle button it stays pushed in or out. Space and Return press it when it has the focus,
// which it takes from the keyboard only (a click leaves the focus where it was). Every length is
// kept in twips, as its stored settings and its layout arithmetic are.
class ImgBtn : public QWidget {
    Q_OBJECT
  public:
    explicit ImgBtn(QWidget* parent = nullptr);

    // The inner elements that can be seen, in twips from the control's top-left corner.
    // Label1 lies in front of Image1.
    QRect Label1() const { return m_label1; }
    QRect Image1() const { return m_image1; }
    const Immagine& ImmagineMostrata() const { return m_immagine1; }

    // The control's size in twips; the host sets it here or by resizing the widget.
    QSize DimensioneTwips() const { return m_dimensione; }
    void ImpostaDimensioneTwips(QSize twips);

    Immagine PictureUp() const { return m_imageUp; }
    void setPictureUp(const Immagine& immagine);
    Immagine PictureDown() const { return m_imageDown; }
    void setPictureDown(const Immagine& immagine);
    Immagine PictureDisabled() const { return m_imageDisabled; }
    void setPictureDisabled(const Immagine& immagine);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    std::int16_t Gradino() const { return m_gradino; }
    void setGradino(std::int16_t gradino);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    Colore TextColor() const { return m_textColor; }
    void setTextColor(Colore colore);
    Carattere Font() const { return m_font; }
    void setFont(const Carattere& font);
    Colore BackColor() const { return m_backColor; }
    void setBackColor(Colore colore);
    std::int32_t BackStyle() const { return m_backStyle; }
    // 0 transparent, 1 opaque; any other value throws std::invalid_argument.
    void setBackStyle(std::int32_t stile);
    std::int32_t TextPosition() const { return m_textPosition; }
    void setTextPosition(std::int32_t posizione);
    std::int32_t StrokeType() const { return m_strokeType; }
    void setStrokeType(std::int32_t tipo);
    bool Value() const { return m_value; }
    void setValue(bool valore);
    std::int16_t MousePointer() const { return m_mousePointer; }
    void setMousePointer(std::int16_t codice);
    Immagine MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const Immagine& icona);
    bool Enabled() const { return m_image1Enabled; }
    void setEnabled(bool abilitato);
    QString ToolTip() const { return m_toolTipImage1; }
    void setToolTip(const QString& testo);

    // Fields of the layout and the pressed look.
    std::int32_t LarghezzaImmagine() const { return m_larghezzaImmagine; }
    std::int32_t AltezzaImmagine() const { return m_altezzaImmagine; }
    std::int32_t AltoBase() const { return m_altoBase; }
    std::int32_t SinistraBase() const { return m_sinistraBase; }
    bool Fuori() const { return m_fuori; }

    void Ridisegna(bool premuto);
    void Disponi();

    // A press from the keyboard or from assistive technology: what a click does, without
    // the mouse's own events.
    void Premi();

    // A newly placed button's settings; saving and loading through a property bag.
    void ImpostaPredefiniti();
    void ScriviProprieta(Proprieta& bag) const;
    void LeggiProprieta(const Proprieta& bag);

  signals:
    void Click();
    void MouseDown(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    // A property was written through its setter; the host's design has changed.
    void Modificata(const QString& proprieta);

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    enum class Elemento { Superficie, Etichetta, Immagine };

    void Segna(const char* proprieta);
    void MettiInImage1(const Immagine& immagine);
    Carattere FontDellOspite() const;
    void AdattaEtichetta();
    void AggiornaPuntatore();
    void AggiornaSuggerimento();
    // Where the pointer is, in twips, relative to the element that took the press.
    QPointF Posizione(const QMouseEvent* evento, Elemento elemento) const;
    Elemento ElementoSotto(const QMouseEvent* evento) const;

    QSize m_dimensione{1515, 1350};
    QRect m_label1{60, 960, 1335, 240};
    QRect m_image1{0, 0, 480, 480};
    Immagine m_immagine1;
    Immagine m_imageUp;
    Immagine m_imageDown;
    Immagine m_imageDisabled;
    bool m_stretch = false;
    bool m_image1Enabled = true;
    QString m_toolTipImage1;
    QString m_toolTipLabel1;
    QString m_toolTipOspite;

    QString m_caption = QStringLiteral("Image Button");
    Colore m_textColor{Colore::kTestoPulsante};
    Carattere m_font;
    Colore m_backColor{Colore::kFacciaPulsante};
    std::int16_t m_backStyle = 1;
    std::int16_t m_mousePointer = 0;
    Immagine m_mouseIcon;

    std::int16_t m_gradino = 0;
    std::int32_t m_larghezzaImmagine = 0;
    std::int32_t m_altezzaImmagine = 0;
    std::int32_t m_altoBase = 0;
    std::int32_t m_sinistraBase = 0;
    std::int32_t m_textPosition = 0;
    bool m_fuori = false;
    std::int32_t m_strokeType = 0;
    bool m_value = false;

    Elemento m_presa = Elemento::Superficie;
};
