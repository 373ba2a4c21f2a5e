#pragma once

#include "table/interfacciatavolo.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <vector>

class FrmGalbirola;
class QWidget;

// The table played from the keys. Tab and Shift+Tab go round the groups a player uses, in
// the order of play: the opponent options, the name field, the visible command button, the
// player's cards and the table's cards, leaving out what is hidden or does nothing now (the
// cards act only on the player's turn). Left and Right (Up and Down too), Home and End move
// within a group of cards; Return presses the visible command button from a card, a field or
// the window. Space belongs to the focused card or button, which treat it as a click. C, T,
// P, G and R ask the table about the cards, the table, the balls, the turn and the last
// sentence, wherever the focus is (letters typed in a field stay letters). The focus follows
// the game, and the window shows it only once the keys have been used.
class Tastiera : public QObject {
    Q_OBJECT
  public:
    explicit Tastiera(FrmGalbirola& finestra);

    // The game has shown a phase: the focus goes where the player acts next.
    void FaseMostrata(Fase fase);
    // Tab (avanti) or Shift+Tab, and Qt's move off a focused widget that is being hidden.
    bool Avanza(bool avanti);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    enum Gruppo { kOpzioni, kNome, kComando, kMano, kBanco, kNumGruppi };

    std::vector<QWidget*> Membri(int gruppo) const;
    int GruppoDi(const QWidget* w) const;
    // Where the focus lands in a group; none when the group is hidden or does nothing now.
    QWidget* Ingresso(int gruppo) const;
    bool CarteAttive() const;
    bool MuoviTraCarte(int tasto);

    FrmGalbirola& m_finestra;
    // The card of each group that had the focus last, to come back to it.
    std::array<QPointer<QWidget>, 2> m_ultima;
};
