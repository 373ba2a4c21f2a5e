#pragma once

#include "widgets/immagine.h"
#include "widgets/proprieta.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

// A label, a shape or a picture drawn straight onto its container, as the window's design
// lists them. They have no window of their own, so every child widget lies above them.
struct ElementoDisegnato {
    enum class Tipo { Etichetta, Forma, Immagine };

    QString nome;
    int indice = -1;
    Tipo tipo = Tipo::Etichetta;
    QRect twips;
    bool visibile = true;

    // Labels: text, colours, alignment (0 left, 1 right, 2 centred); no font means the
    // container's own.
    QString testo;
    Colore colTesto{Colore::kTestoPulsante};
    Colore colSfondo{Colore::kFacciaPulsante};
    int stileSfondo = 0; // 0 transparent, 1 opaque
    int allineamento = 0;
    std::optional<Carattere> font;

    // Shapes: 0 rectangle, 3 circle; fill style 0 solid, 1 transparent.
    int forma = 0;
    int stileRiempimento = 1;
    Colore colRiempimento{0};
    Colore colBordo{0x80000008};

    // Pictures, always stretched to the rectangle.
    Immagine immagine;
};

// A widget that draws its designed elements in their stacking order; the list runs from
// front to back, as the design gives it.
class Superficie : public QWidget {
    Q_OBJECT
  public:
    explicit Superficie(QWidget* parent = nullptr);

    ElementoDisegnato& Aggiungi(const ElementoDisegnato& elemento);
    // Removes every element, as before the design was built.
    void Svuota();
    ElementoDisegnato* Trova(const QString& nome, int indice = -1);
    const ElementoDisegnato* Trova(const QString& nome, int indice = -1) const;
    // Call after changing an element, so that its rectangle is repainted.
    void Ridipingi(const ElementoDisegnato& elemento);
    const std::vector<std::unique_ptr<ElementoDisegnato>>& Elementi() const { return m_elementi; }

  signals:
    // An element was added or changed: what it shows may have to be said anew.
    void ElementoCambiato(const ElementoDisegnato& elemento);

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    std::vector<std::unique_ptr<ElementoDisegnato>> m_elementi;
};
