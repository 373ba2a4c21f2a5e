#pragma once

#include "platform/orologio.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <thread>

class FrmGalbirola;
class QEventLoop;
class QMessageBox;
class QWidget;
class QWindow;

// A clock that runs faster by the same factor as the window's pauses are shortened, so the
// opener's pause keeps its proportion to the others.
class OrologioVeloce : public Orologio {
  public:
    explicit OrologioVeloce(double scala) : m_scala(scala) { m_t.start(); }
    double Adesso() override { return m_t.nsecsElapsed() / 1e9 / m_scala; }

  private:
    QElapsedTimer m_t;
    double m_scala;
};

// The open message box, if any: the table shows at most one at a time.
QMessageBox* ScatolaAperta();

// What the window shows must agree with the table's state, whenever an event can arrive:
// the visible button is the phase, every seat's label, ball markers and lamp follow its
// balls and the turn, the cards in play are distinct. Returns the first disagreement, or
// an empty string.
std::string ControllaFinestra(FrmGalbirola& f);

// Random mouse input sent the way the windowing system sends it: presses, moves and
// releases at random points and on random controls of the table, at random moments (the
// input comes from timers, so most of it lands while the computers think or a box waits),
// and random answers to the boxes: a button, Escape or closing them. After every event the
// window is checked. A watchdog thread aborts the process when the event loop stops turning.
class Scimmia : public QObject {
    Q_OBJECT
  public:
    struct Conti {
        int eventi = 0;
        int durantePause = 0; // while a game action waited on a pause or the knock
        int conScatola = 0;   // while a box was open
        int scatoleChiuse = 0;
        int mani = 0;   // rankings shown
        int tornei = 0; // "Fine del Torneo" shown
        int refusi = 0; // "Mossa Illegale" shown
    };

    Scimmia(FrmGalbirola& finestra, std::uint32_t seme);
    ~Scimmia() override;

    // Sends up to `eventi` events, then answers whatever box is open until the game is idle.
    // With chiudiDopo >= 0 the window is closed at that event instead, as a window manager
    // closes it. Returns when done; false with Errore() set on a fault.
    bool Gioca(int eventi, int chiudiDopo = -1);
    // The same without a loop of its own, for a program whose main loop runs the game.
    void Avvia(int eventi, int chiudiDopo = -1);
    bool Finito() const { return m_finito; }
    bool Chiusa() const { return m_chiusa; }
    // Where the game stood when the window was closed.
    const char* Momento() const { return m_momento; }
    const std::string& Errore() const { return m_errore; }
    const Conti& Contati() const { return m_conti; }
    // The last actions, for a failure report.
    std::string Diario() const;

  private:
    void Programma();
    void Passo();
    void Agisci();
    void SullaScatola(QMessageBox* box);
    void SulTavolo();
    void Mouse(QWindow* w, QPoint locale, QEvent::Type tipo, Qt::MouseButton bottone);
    QPoint PuntoIn(QWidget* w);
    void Chiudi();
    void Annota(const std::string& riga);
    void Fallisci(const std::string& perche);
    bool Fine() const;

    FrmGalbirola& m_f;
    std::mt19937 m_rng;
    std::uint32_t m_seme;
    int m_budget = 0;
    int m_chiudiDopo = -1;
    bool m_finito = false;
    bool m_chiusa = false;
    const char* m_momento = "";
    bool m_inScarico = false;
    qint64 m_limiteScarico = 0;
    Conti m_conti;
    std::string m_errore;
    std::deque<std::string> m_diario;

    Qt::MouseButtons m_tenuti;
    QPointer<QWindow> m_finestraPremuta;
    QPoint m_ultimoPunto;
    QElapsedTimer m_tempo;
    QPointer<QEventLoop> m_giro;

    std::atomic<qint64> m_battito{0};
    std::atomic<bool> m_sorveglia{false};
    std::thread m_guardiano;
};

// The seeds and sizes of the runs: fewer under the sanitizers, which run many times slower.
struct MisuraProve {
    int semi;
    int eventi;
};
MisuraProve Misura();
