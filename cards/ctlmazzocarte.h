#pragma once

#include "cards/disegno.h"
#include "cards/mazzocarte.h"

#include <QWidget>

#include <array>
#include <memory>

// The card artwork: the suit symbols (indexed by suit picture index), the three figures,
// the back and the deck's own face. Loaded once and shared by every deck and card view.
struct ArteCarte {
    std::array<DisegnoCondiviso, 4> Semi;
    DisegnoCondiviso Fante;
    DisegnoCondiviso Cavallo;
    DisegnoCondiviso Re;
    DisegnoCondiviso Sfondo;
    DisegnoCondiviso Mazzo;

    // The artwork in use, loaded on first call and kept while anyone holds it.
    static std::shared_ptr<const ArteCarte> Condivisa();
};

// The deck on the table: a small fixed picture of a deck. It shows a MazzoCarte and lends
// the card artwork to the card views attached to it.
class CtlMazzoCarte : public QWidget {
    Q_OBJECT
  public:
    // A deck of its own.
    explicit CtlMazzoCarte(QWidget* parent = nullptr);
    // The table's deck; it must outlive the control.
    explicit CtlMazzoCarte(MazzoCarte& mazzo, QWidget* parent = nullptr);
    ~CtlMazzoCarte() override;

    MazzoCarte& Mazzo() { return *m_mazzo; }
    const MazzoCarte& Mazzo() const { return *m_mazzo; }

    // The suit symbol of suit picture index 0..3; any other index throws std::out_of_range.
    const Disegno& ImgLstSemi(int indice) const;
    const Disegno& ImgFante() const { return *m_arte->Fante; }
    const Disegno& ImgCavallo() const { return *m_arte->Cavallo; }
    const Disegno& ImgRe() const { return *m_arte->Re; }
    const Disegno& ImgSfondo() const { return *m_arte->Sfondo; }
    std::shared_ptr<const ArteCarte> Arte() const { return m_arte; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::unique_ptr<MazzoCarte> m_proprio;
    MazzoCarte* m_mazzo;
    std::shared_ptr<const ArteCarte> m_arte;
};
