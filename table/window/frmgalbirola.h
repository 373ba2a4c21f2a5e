#pragma once

#include "table/interfacciatavolo.h"
#include "table/window/disposizione.h"
#include "table/window/superficie.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class AccessibilitaTavolo;
class Bussata;
class Cronaca;
class Dialoghi;
class DialoghiQt;
class Orologio;
class QAction;
class QEventLoop;
class Tastiera;
class QMenu;
class QMessageBox;
class Tavolo;

// What the window needs from outside; tests give their own clock and dialogs, and may
// shorten every pause by a factor (0 lets a pause only process pending events).
struct ServiziTavolo {
    Dialoghi* dialoghi = nullptr;
    Orologio* orologio = nullptr;
    double scalaPause = 1.0;
    // What ends the program when the window is closed during a game action.
    std::function<void()> termina;
};

// The table window: the green card table on which the tournament is played. It shows the
// table's state and passes its clicks to the game logic, which decides everything.
class FrmGalbirola : public Superficie, public InterfacciaTavolo {
    Q_OBJECT
  public:
    explicit FrmGalbirola(ServiziTavolo servizi = {}, QWidget* parent = nullptr);
    ~FrmGalbirola() override;

    Tavolo& Logica() { return *m_tavolo; }
    const ControlliTavolo& Controlli() const { return m_controlli; }
    // Element i of the computer seats' card views; only element 0 exists before setup.
    CtlPilaCarte* CtlPilaCarte1(int i) const { return m_carte1.at(i); }
    int NumCarte1() const { return static_cast<int>(m_carte1.size()); }
    // The program's folder with its one separator at the end, and the knock's file in it.
    const QString& Percorso() const { return m_percorso; }
    static QString FileBussata() { return QStringLiteral("Busso.wav"); }
    // The picture a seat's lamp shows now (seats 1..NumGiocatori, once set up).
    Lampada StatoLampada(int seggio) const { return m_lampade.at(seggio); }

    void MostraFase(Fase fase) override;
    void ProponiNome(const std::string& nome) override;
    void CreaPostazioni(int numGiocatori) override;
    void ImpostaLampada(int seggio, Lampada stato) override;
    void MostraSegnapunti(int seggio) override;
    void ImpostaEtichetta(int seggio, const std::string& testo) override;
    void EtichettaGrigia(int seggio) override;
    void ImpostaPalla(int seggio, int palla, bool piena) override;
    void Messaggio(int stile, const std::optional<std::string>& titolo,
                   const std::string& testo) override;
    bool Domanda(const std::string& titolo, const std::string& testo) override;
    void Bussa(int seggio) override;
    void Pausa(double secondi) override;
    void Racconta(const Accaduto& accaduto) override;
    bool Assistito() override;
    double Parlato() override;
    // What happened in this hand and the previous one, told and kept.
    Cronaca* Cronista() const;

  protected:
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool focusNextPrevChild(bool avanti) override;

  private:
    void PreparaBussata();
    template <class Azione> void Esegui(Azione azione);
    // Builds the table as the program starts it: the game logic with its deck, every
    // element of the design, the wiring, then the load handler. Smonta takes it all away.
    void Allestisci();
    void Smonta();
    void Collega();
    // The keys and assistive technology, on the controls just built.
    void PreparaTastieraEAccessibilita();
    // The window's own commands: a new tournament, the rules, leaving; and their menu.
    void CreaComandi();
    void ChiediNuovoTorneo();
    void NuovoTorneoQuandoLibero();
    void MostraRegole();
    void MostraCronaca();
    void MostraMenu(const QPoint& globale);
    // What the table shows at a point, in words, and the area the words are about.
    QString Suggerimento(const QPoint& punto, QRect& zona) const;
    void ControllaChiusura() const;
    ElementoDisegnato& Disegnato(const QString& nome, int indice);

    std::unique_ptr<Orologio> m_orologioProprio;
    Orologio* m_orologio;
    double m_scalaPause;
    std::unique_ptr<Tavolo> m_tavolo;
    ControlliTavolo m_controlli;
    std::vector<CtlPilaCarte*> m_carte1;
    std::vector<Lampada> m_lampade; // 1-based, as the seats
    DialoghiQt* m_dialoghiPropri = nullptr;
    Dialoghi* m_dialoghi = nullptr;
    Bussata* m_bussata = nullptr;
    QString m_percorso;
    QString m_titolo;
    QPointer<QEventLoop> m_pausa;
    std::function<void()> m_termina;
    bool m_chiusa = false;
    QPointer<Tastiera> m_tastiera;
    QPointer<AccessibilitaTavolo> m_accessibilita;
    QPointer<Cronaca> m_cronaca;
    QMenu* m_menu = nullptr;
    QPointer<QMessageBox> m_regole;
    bool m_nuovoTorneo = false;       // asked for, waiting for the game action in flight
    bool m_chiedeNuovoTorneo = false; // its question is open: no game action starts
};
