#pragma once

#include <QWidget>

class CtlMazzoCarte;

// A green table laid with as many card views as the fullest game shows: nine full-size
// cards, some face down and one selected, and eighteen small ones of the computer seats.
class TavoloCarte : public QWidget {
  public:
    explicit TavoloCarte(QWidget* parent = nullptr);
    CtlMazzoCarte* Mazzo() const { return m_mazzo; }

  private:
    CtlMazzoCarte* m_mazzo;
};
