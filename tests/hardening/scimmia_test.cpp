#include "banco.h"
#include "cards/ctlmazzocarte.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {

#ifdef GALBIROLA_PROVE_BREVI // the sanitizers run many times slower
constexpr int kSemi = 5, kEventi = 1000, kSilenzioMs = 90'000;
#else
constexpr int kSemi = 8, kEventi = 2000, kSilenzioMs = 20'000;
#endif
constexpr double kScala = 0.01; // a computer still thinks for several of the monkey's events

// Runs faster by the factor the pauses are shortened by, so the opener's pause keeps its share.
class OrologioVeloce : public Orologio {
  public:
    OrologioVeloce() { m_t.start(); }
    double Adesso() override { return m_t.nsecsElapsed() / 1e9 / kScala; }
    QElapsedTimer m_t;
};

// Random presses, moves and releases sent as the windowing system sends them, on random
// points and controls, and random answers to the boxes. Every step is a fresh timer, so it
// fires inside whatever wait the last step started. The window is checked after every event;
// a watchdog thread aborts when the event loop stops turning.
class Scimmia : public QObject {
  public:
    Scimmia(FrmGalbirola& f, std::uint32_t seme) : m_f(f), m_rng(seme), m_seme(seme) {
        m_tempo.start();
        m_guardiano = std::thread([this] {
            while (m_sorveglia) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                if (m_sorveglia && m_tempo.elapsed() - m_battito > kSilenzioMs) {
                    std::fprintf(stderr, "seed %u: the event loop stopped turning\n", m_seme);
                    std::abort();
                }
            }
        });
        QTimer::singleShot(0, this, &Scimmia::Passo);
    }
    ~Scimmia() override {
        m_sorveglia = false;
        m_guardiano.join();
    }
    void Gioca() {
        QEventLoop giro;
        m_giro = &giro;
        if (!m_finito)
            giro.exec();
    }

    std::string errore;
    int durantePause = 0, eventi = 0;
    bool oltreIlTorneo = false; // a tournament was created

  private:
    void Passo() { // runs on until the loop has really ended
        m_battito = m_tempo.elapsed();
        QTimer::singleShot(static_cast<int>(m_rng() % 5), this, &Scimmia::Passo);
        const Tavolo& t = m_f.Logica();
        QMessageBox* box = ScatolaAperta();
        const bool basta = eventi >= kEventi || !errore.empty() ||
                           (t.FaseCorrente() == Fase::Nessuna && !t.Occupato() && !box);
        if (basta) {
            // No more input: answer what is open until the action in flight returns.
            if (!m_limite)
                m_limite = m_tempo.elapsed() + kSilenzioMs;
            // A context menu's or a drag's own loop may still hold an earlier step.
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menu->close();
            } else if (m_tenuti != Qt::NoButton) {
                Mouse(m_premuta ? m_premuta.data() : m_f.windowHandle(), m_ultimo,
                      QEvent::MouseButtonRelease, Qt::MouseButton(int(m_tenuti) & -int(m_tenuti)));
            } else if (box) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (!t.Occupato()) {
                m_finito = true;
                if (m_giro)
                    m_giro->quit();
            } else if (m_tempo.elapsed() > m_limite) {
                std::fprintf(stderr, "seed %u: an action still runs after the input\n", m_seme);
                std::abort();
            }
            return;
        }
        ++eventi;
        durantePause += !box && t.Occupato();
        if (QMenu* menu = MenuDelTavolo())
            SulMenu(menu);
        else if (box && m_rng() % 10 < 6)
            SullaScatola(box);
        else
            SulTavolo();
        oltreIlTorneo |= t.FaseCorrente() != Fase::Torneo;
        if (errore.empty())
            if (const std::string e = ControllaFinestra(m_f); !e.empty())
                errore = "seed " + std::to_string(m_seme) + ", event " + std::to_string(eventi) +
                         ": " + e;
    }

    void SullaScatola(QMessageBox* box) {
        QWindow* w = box->windowHandle();
        const unsigned scelta = m_rng() % 10;
        if (scelta < 6) {
            const QList<QAbstractButton*> bottoni = box->buttons();
            QAbstractButton* b = bottoni.at(static_cast<int>(m_rng() % bottoni.size()));
            Clic(w, b->mapTo(box, b->rect().center()));
        } else if (scelta < 8) {
            QTest::keyClick(box, scelta == 6 ? Qt::Key_Escape : Qt::Key_Return);
        } else if (scelta == 8) {
            QCloseEvent chiusura;
            QCoreApplication::sendEvent(w, &chiusura);
        } else {
            Clic(w, Punto(box, box));
        }
    }

    QMenu* MenuDelTavolo() const {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu && menu->parentWidget() == &m_f ? menu : nullptr;
    }

    // The table's own menu, once the button that opened it is up: mostly closed again,
    // now and then a new tournament or the rules; leaving has tests of its own.
    void SulMenu(QMenu* menu) {
        if (m_tenuti != Qt::NoButton)
            return Mouse(m_premuta ? m_premuta.data() : m_f.windowHandle(), m_ultimo,
                         QEvent::MouseButtonRelease,
                         Qt::MouseButton(int(m_tenuti) & -int(m_tenuti)));
        const unsigned scelta = m_rng() % 20;
        for (QAction* voce : menu->actions())
            if ((scelta == 0 && voce->text() == QLatin1String("Nuovo torneo")) ||
                (scelta == 1 && voce->text() == QLatin1String("Regole del gioco")))
                return Clic(menu->windowHandle(), menu->actionGeometry(voce).center());
        QTest::keyClick(menu, Qt::Key_Escape);
    }

    void SulTavolo() {
        const ControlliTavolo& c = m_f.Controlli();
        std::vector<QWidget*> mete{c.CmdTorneo, c.CmdCarte, c.CmdFatto, c.TxtNome, c.Mazzo, &m_f};
        mete.insert(mete.end(), c.CtlPilaCarte0.begin(), c.CtlPilaCarte0.end());
        mete.insert(mete.end(), c.CtlPilaTavolo.begin(), c.CtlPilaTavolo.end());
        mete.push_back(c.OptAvversari[m_rng() % 6]);
        mete.push_back(m_f.CtlPilaCarte1(static_cast<int>(m_rng() % m_f.NumCarte1())));
        const QPoint p = Punto(mete[m_rng() % mete.size()], &m_f);
        QWindow* w = m_f.windowHandle();
        const unsigned scelta = m_rng() % 10;
        if (m_tenuti != Qt::NoButton) {
            if (m_premuta && m_premuta->isVisible())
                w = m_premuta;
            const auto tenuto = Qt::MouseButton(int(m_tenuti) & -int(m_tenuti)); // left first
            if (scelta < 6)
                Mouse(w, m_rng() % 10 < 7 ? m_ultimo : p, QEvent::MouseButtonRelease, tenuto);
            else
                Mouse(w, p, QEvent::MouseMove, Qt::NoButton);
        } else if (scelta < 7) {
            const unsigned b = m_rng() % 100;
            const Qt::MouseButton tasto = b < 90   ? Qt::LeftButton
                                          : b < 97 ? Qt::RightButton
                                                   : Qt::MiddleButton;
            Mouse(w, p, QEvent::MouseButtonPress, tasto);
        } else {
            Mouse(w, p, QEvent::MouseMove, Qt::NoButton);
        }
    }

    QPoint Punto(QWidget* w, QWidget* in) {
        return w->mapTo(in, QPoint(static_cast<int>(m_rng() % std::max(1, w->width())),
                                   static_cast<int>(m_rng() % std::max(1, w->height()))));
    }
    void Clic(QWindow* w, QPoint p) {
        Mouse(w, p, QEvent::MouseButtonPress, Qt::LeftButton);
        Mouse(w, p, QEvent::MouseButtonRelease, Qt::LeftButton);
    }
    // Into the windowing system's input queue, delivered at once.
    void Mouse(QWindow* w, QPoint p, QEvent::Type tipo, Qt::MouseButton bottone) {
        if (tipo == QEvent::MouseButtonPress) {
            m_tenuti |= bottone;
            m_premuta = w;
        } else if (tipo == QEvent::MouseButtonRelease)
            m_tenuti &= ~Qt::MouseButtons(bottone);
        if (tipo != QEvent::MouseMove)
            m_ultimo = p;
        qt_handleMouseEvent(w, QPointF(p), QPointF(w->mapToGlobal(p)), m_tenuti, bottone, tipo,
                            Qt::NoModifier, static_cast<int>(m_tempo.elapsed()) + 1);
    }

    FrmGalbirola& m_f;
    std::mt19937 m_rng;
    std::uint32_t m_seme;
    bool m_finito = false;
    qint64 m_limite = 0;
    Qt::MouseButtons m_tenuti;
    QPointer<QWindow> m_premuta;
    QPoint m_ultimo;
    QElapsedTimer m_tempo;
    QPointer<QEventLoop> m_giro;
    std::atomic<qint64> m_battito{0};
    std::atomic<bool> m_sorveglia{true};
    std::thread m_guardiano;
};

class ScimmiaSulTavolo : public ::testing::TestWithParam<int> {};

TEST_P(ScimmiaSulTavolo, RandomInputNeitherBreaksNorStopsTheGame) {
    const auto seme = static_cast<std::uint32_t>(1000 + GetParam());
    OrologioVeloce orologio;
    Banco b(seme, true, kScala, &orologio);
    Scimmia scimmia(b.finestra, seme);
    scimmia.Gioca();
    EXPECT_EQ(scimmia.errore, "");
    EXPECT_FALSE(b.terminato || b.T().Occupato() || ScatolaAperta());
    EXPECT_GT(scimmia.durantePause, 0); // the input reached the table while the computers played
    EXPECT_TRUE(scimmia.oltreIlTorneo);
}

INSTANTIATE_TEST_SUITE_P(Semi, ScimmiaSulTavolo, ::testing::Range(0, kSemi));

} // namespace
