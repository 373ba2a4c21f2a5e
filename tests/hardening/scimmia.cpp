#include "scimmia.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "table/frmgalbirola.h"
#include "table/tavolo.h"
#include "widgets/imgbtn.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

#ifdef GALBIROLA_PROVE_BREVI
constexpr int kSilenzioMassimoMs = 90'000;
constexpr int kScaricoMassimoMs = 60'000;
#else
constexpr int kSilenzioMassimoMs = 20'000;
constexpr int kScaricoMassimoMs = 15'000;
#endif

const char* NomeFase(Fase f) {
    switch (f) {
    case Fase::Torneo:
        return "Torneo";
    case Fase::Carte:
        return "Carte";
    case Fase::Fatto:
        return "Fatto";
    case Fase::Nessuna:
        break;
    }
    return "Nessuna";
}

} // namespace

MisuraProve Misura() {
#ifdef GALBIROLA_PROVE_BREVI
    return {6, 1000};
#else
    return {12, 2000};
#endif
}

Scimmia::Scimmia(FrmGalbirola& finestra, std::uint32_t seme)
    : m_f(finestra), m_rng(seme), m_seme(seme) {}

Scimmia::~Scimmia() {
    m_sorveglia = false;
    if (m_guardiano.joinable())
        m_guardiano.join();
}

bool Scimmia::Gioca(int eventi, int chiudiDopo) {
    Avvia(eventi, chiudiDopo);
    QEventLoop giro;
    m_giro = &giro;
    if (!m_finito)
        giro.exec();
    m_sorveglia = false;
    if (m_guardiano.joinable())
        m_guardiano.join();
    return m_errore.empty();
}

void Scimmia::Avvia(int eventi, int chiudiDopo) {
    m_budget = eventi;
    m_chiudiDopo = chiudiDopo;
    m_tempo.start();
    m_battito = 0;
    m_sorveglia = true;
    // A wait that stops turning the event loop stops the timers too: only another thread
    // can see it.
    m_guardiano = std::thread([this] {
        while (m_sorveglia) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (m_sorveglia && m_tempo.elapsed() - m_battito > kSilenzioMassimoMs) {
                std::fprintf(stderr, "monkey seed %u: the event loop stopped turning\n", m_seme);
                std::abort();
            }
        }
    });
    Programma();
}

void Scimmia::Programma() {
    // A fresh timer for every step, so that the next one fires inside any wait this step
    // starts.
    QTimer::singleShot(static_cast<int>(m_rng() % 5), this, &Scimmia::Passo);
}

bool Scimmia::Fine() const {
    const Tavolo& t = m_f.Logica();
    return t.FaseCorrente() == Fase::Nessuna && !t.Occupato() && !ScatolaAperta();
}

void Scimmia::Passo() {
    if (m_finito)
        return;
    m_battito = m_tempo.elapsed();
    Programma();
    Tavolo& t = m_f.Logica();
    const bool scadenza = m_conti.eventi >= m_budget || !m_errore.empty() || Fine();
    if (scadenza && m_chiudiDopo >= 0 && !m_chiusa && m_errore.empty()) {
        // The tournament ended before the chosen moment: the player closes the window now.
        Annota("close the window at the end");
        Chiudi();
    }
    if (m_chiusa || scadenza) {
        // No more input: answer what is open until the game action in flight returns.
        if (!m_inScarico) {
            m_inScarico = true;
            m_limiteScarico = m_tempo.elapsed() + kScaricoMassimoMs;
        }
        if (QMessageBox* box = ScatolaAperta(); box && !m_chiusa) {
            if (box->escapeButton())
                box->escapeButton()->click();
            else
                box->close();
        } else if (!t.Occupato()) {
            m_finito = true;
            m_sorveglia = false;
            if (m_giro)
                m_giro->quit();
            return;
        }
        if (m_tempo.elapsed() > m_limiteScarico) {
            Fallisci("a game action is still running " + std::to_string(kScaricoMassimoMs) +
                     " ms after the input stopped");
            if (m_chiusa) {
                std::fprintf(stderr, "%s\n%s", m_errore.c_str(), Diario().c_str());
                std::abort();
            }
            Chiudi();
        }
        return;
    }
    Agisci();
    if (!m_chiusa)
        if (const std::string e = ControllaFinestra(m_f); !e.empty())
            Fallisci(e);
}

void Scimmia::Agisci() {
    Tavolo& t = m_f.Logica();
    ++m_conti.eventi;
    QMessageBox* box = ScatolaAperta();
    if (box)
        ++m_conti.conScatola;
    else if (t.Occupato())
        ++m_conti.durantePause;

    if (m_chiudiDopo >= 0 && m_conti.eventi >= m_chiudiDopo) {
        // The moment: a box open, a pause, or whatever comes first, by the seed.
        const int quando = static_cast<int>(m_seme % 3);
        const bool adesso = quando == 0 || (quando == 1 && box) ||
                            (quando == 2 && t.Occupato() && !box) || m_conti.eventi >= m_budget - 1;
        if (adesso) {
            Annota("close the window");
            Chiudi();
            return;
        }
    }
    if (box && m_rng() % 10 < 6)
        SullaScatola(box);
    else
        SulTavolo();
}

void Scimmia::SullaScatola(QMessageBox* box) {
    const QString testo = box->text();
    const QString titolo = box->windowTitle();
    const unsigned scelta = m_rng() % 10;
    if (scelta < 6) {
        const QList<QAbstractButton*> bottoni = box->buttons();
        QAbstractButton* b = bottoni.at(static_cast<int>(m_rng() % bottoni.size()));
        const QPoint p = b->mapTo(box, b->rect().center());
        Annota("box: click " + b->text().toStdString());
        Mouse(box->windowHandle(), p, QEvent::MouseButtonPress, Qt::LeftButton);
        Mouse(box->windowHandle(), p, QEvent::MouseButtonRelease, Qt::LeftButton);
    } else if (scelta < 7) {
        Annota("box: Escape");
        QTest::keyClick(box, Qt::Key_Escape);
    } else if (scelta < 8) {
        Annota("box: Return");
        QTest::keyClick(box, Qt::Key_Return);
    } else if (scelta < 9) {
        Annota("box: closed");
        QCloseEvent chiusura;
        QCoreApplication::sendEvent(box->windowHandle(), &chiusura);
    } else {
        const QPoint p(static_cast<int>(m_rng() % std::max(1, box->width())),
                       static_cast<int>(m_rng() % std::max(1, box->height())));
        Annota("box: press and release inside");
        Mouse(box->windowHandle(), p, QEvent::MouseButtonPress, Qt::LeftButton);
        Mouse(box->windowHandle(), p, QEvent::MouseButtonRelease, Qt::LeftButton);
    }
    if (ScatolaAperta() != box || !box->isVisible()) {
        ++m_conti.scatoleChiuse;
        if (testo.contains(QStringLiteral("° ")))
            ++m_conti.mani;
        if (testo == QStringLiteral("Fine del Torneo"))
            ++m_conti.tornei;
        if (titolo == QStringLiteral("Mossa Illegale"))
            ++m_conti.refusi;
    }
}

QPoint Scimmia::PuntoIn(QWidget* w) {
    const QPoint p(static_cast<int>(m_rng() % std::max(1, w->width())),
                   static_cast<int>(m_rng() % std::max(1, w->height())));
    return w->mapTo(&m_f, p);
}

void Scimmia::SulTavolo() {
    const ControlliTavolo& c = m_f.Controlli();
    QWindow* tavolo = m_f.windowHandle();
    const auto altrove = [&] {
        const unsigned r = m_rng() % 100;
        if (r < 30) {
            ImgBtn* b[] = {c.CmdTorneo, c.CmdCarte, c.CmdFatto};
            return PuntoIn(b[m_rng() % 3]);
        }
        if (r < 60) {
            CtlPilaCarte* v[] = {c.CtlPilaCarte0[0], c.CtlPilaCarte0[1], c.CtlPilaCarte0[2],
                                 c.CtlPilaTavolo[0], c.CtlPilaTavolo[1], c.CtlPilaTavolo[2]};
            return PuntoIn(v[m_rng() % 6]);
        }
        if (r < 65)
            return PuntoIn(m_f.CtlPilaCarte1(static_cast<int>(m_rng() % m_f.NumCarte1())));
        if (r < 70)
            return PuntoIn(c.TxtNome);
        if (r < 78)
            return PuntoIn(c.OptAvversari[m_rng() % 6]);
        if (r < 80)
            return PuntoIn(c.Mazzo);
        return QPoint(static_cast<int>(m_rng() % m_f.width()),
                      static_cast<int>(m_rng() % m_f.height()));
    };

    const unsigned scelta = m_rng() % 10;
    if (m_tenuti != Qt::NoButton) {
        QWindow* w =
            m_finestraPremuta && m_finestraPremuta->isVisible() ? m_finestraPremuta.data() : tavolo;
        const Qt::MouseButton tenuto = m_tenuti & Qt::LeftButton    ? Qt::LeftButton
                                       : m_tenuti & Qt::RightButton ? Qt::RightButton
                                                                    : Qt::MiddleButton;
        if (scelta < 6) {
            const QPoint p = m_rng() % 10 < 7 ? m_ultimoPunto : altrove();
            Mouse(w, p, QEvent::MouseButtonRelease, tenuto);
        } else {
            const QPoint p = m_rng() % 2
                                 ? altrove()
                                 : m_ultimoPunto + QPoint(static_cast<int>(m_rng() % 9) - 4,
                                                          static_cast<int>(m_rng() % 9) - 4);
            Mouse(w, p, QEvent::MouseMove, Qt::NoButton);
        }
        return;
    }
    const QPoint p = altrove();
    if (scelta < 7) {
        const unsigned b = m_rng() % 100;
        Mouse(tavolo, p, QEvent::MouseButtonPress,
              b < 90   ? Qt::LeftButton
              : b < 97 ? Qt::RightButton
                       : Qt::MiddleButton);
    } else {
        Mouse(tavolo, p, QEvent::MouseMove, Qt::NoButton);
    }
}

// Straight into the windowing system's queue of input, delivered at once: the window then
// finds the control under the point and keeps the pressed one until the release.
void Scimmia::Mouse(QWindow* w, QPoint locale, QEvent::Type tipo, Qt::MouseButton bottone) {
    if (!w)
        return;
    Qt::MouseButtons stato = m_tenuti;
    if (tipo == QEvent::MouseButtonPress)
        stato |= bottone;
    else if (tipo == QEvent::MouseButtonRelease)
        stato &= ~Qt::MouseButtons(bottone);
    std::ostringstream riga;
    riga << (tipo == QEvent::MouseButtonPress     ? "press "
             : tipo == QEvent::MouseButtonRelease ? "release "
                                                  : "move ")
         << static_cast<int>(bottone) << " at " << locale.x() << "," << locale.y() << " on "
         << (w == m_f.windowHandle() ? "table" : "box");
    Annota(riga.str());
    qt_handleMouseEvent(w, QPointF(locale), QPointF(w->mapToGlobal(locale)), stato, bottone, tipo,
                        Qt::NoModifier, static_cast<int>(m_tempo.elapsed()) + 1);
    m_tenuti = stato;
    if (tipo == QEvent::MouseButtonPress)
        m_finestraPremuta = w;
    if (tipo != QEvent::MouseMove)
        m_ultimoPunto = locale;
}

// As a window manager closes it.
void Scimmia::Chiudi() {
    m_chiusa = true;
    m_momento = ScatolaAperta()                                ? "with a box open"
                : m_f.Logica().Occupato()                      ? "while the computers play"
                : m_f.Logica().FaseCorrente() == Fase::Nessuna ? "after the tournament"
                                                               : "at rest";
    QCloseEvent chiusura;
    QCoreApplication::sendEvent(m_f.windowHandle(), &chiusura);
}

void Scimmia::Annota(const std::string& riga) {
    const Tavolo& t = m_f.Logica();
    std::ostringstream voce;
    voce << '#' << m_conti.eventi << " [" << NomeFase(t.FaseCorrente())
         << (t.Occupato() ? ", busy] " : "] ") << riga;
    m_diario.push_back(voce.str());
    if (m_diario.size() > 30)
        m_diario.pop_front();
}

void Scimmia::Fallisci(const std::string& perche) {
    if (m_errore.empty())
        m_errore = "seed " + std::to_string(m_seme) + ", event " + std::to_string(m_conti.eventi) +
                   ": " + perche;
}

std::string Scimmia::Diario() const {
    std::string s;
    for (const std::string& r : m_diario)
        s += r + "\n";
    return s;
}
