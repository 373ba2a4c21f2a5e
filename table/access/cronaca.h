#pragma once

#include "table/interfacciatavolo.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <deque>

class FrmGalbirola;
class QAccessibleEvent;
class QListWidget;
class QWidget;
class VoceTavolo;

// What happens at the table, told to the screen reader as it happens and kept for the player
// to read again. Each event is worded once (parole::Frase); the screen reader hears it as a
// notification, which it speaks without moving the focus, and the chronicle lists it.
// A computer's turn is not told: its move names the seat.
class Cronaca : public QObject {
    Q_OBJECT
  public:
    explicit Cronaca(FrmGalbirola& finestra);
    ~Cronaca() override;

    void Racconta(const Accaduto& accaduto);
    // The lines of the previous hand and of this one, in order.
    QStringList Righe() const;
    // The chronicle's window: a list the keys and a screen reader read line by line, over
    // the table and without stopping the game; Escape closes it.
    void Apri();
    QDialog* Finestra() const { return m_dialogo; }

    // A player's question about the table (parole::Risposta's letter), answered out loud; the
    // answer is not an event, so the chronicle does not keep it.
    void Rispondi(char domanda);
    QString Risposta(char domanda) const;

    // Tells the screen reader one sentence without moving the focus.
    void Annuncia(const QString& frase);
    // The sentence an accessibility event of Annuncia's carries; empty for any other event.
    static QString Detto(QAccessibleEvent* evento);
    // The seconds of speech told since the last time this was asked.
    double Parlato();
    // How long a screen reader takes to say a sentence at its usual rate.
    static double Durata(const QString& frase);

  private:
    void Riempi();
    void FuocoMosso(QWidget* prima, QWidget* ora);

    FrmGalbirola& m_finestra;
    std::deque<QStringList> m_mani;    // at most two: the previous hand and this one
    VoceTavolo* m_barra = nullptr;     // where the announcements show
    QString m_ultima;                  // the last sentence the screen reader was told of an event
    std::deque<VoceTavolo*> m_annunci; // the last few, alive while the reader asks for them
    QPointer<QDialog> m_dialogo;
    QListWidget* m_lista = nullptr;
    double m_parlato = 0;
};
