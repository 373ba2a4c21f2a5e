#include "table/access/cronaca.h"

#include "cards/ctlpilacarte.h"
#include "table/access/accessibile.h"
#include "table/access/parole.h"
#include "table/sguardo.h"
#include "table/tavolo.h"
#include "table/window/frmgalbirola.h"

#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// A screen reader may ask for an announcement's name a while after it was shown.
constexpr std::size_t kAnnunciVivi = 32;
// A screen reader's usual rate in Italian, measured on the table's sentences: a short pause
// before each, then about eighteen characters a second.
constexpr double kAvvio = 0.45;
constexpr double kPerCarattere = 0.056;
// What a screen reader adds of its own to a control it names: its kind and state ("casella di
// spunta non spuntata", "pulsante", "pannello").
constexpr double kRuolo = 20 * kPerCarattere;
// A digit or a sign in a control's name or the window's title is said as a word of its own
// ("uno punto zero, parentesi aperta").
constexpr double kSegno = 0.4;

double Pronuncia(const QString& testo) {
    const auto segni = std::count_if(testo.begin(), testo.end(),
                                     [](QChar c) { return !c.isLetter() && !c.isSpace(); });
    return Cronaca::Durata(testo) + kSegno * static_cast<double>(segni);
}

} // namespace

Cronaca::Cronaca(FrmGalbirola& finestra) : QObject(&finestra), m_finestra(finestra) {
    const ControlliTavolo& c = m_finestra.Controlli();
    for (int i = 0; i < 3; ++i)
        for (CtlPilaCarte* carta : {c.CtlPilaCarte0[i], c.CtlPilaTavolo[i]})
            connect(carta, &CtlPilaCarte::SegnoDetto, this, &Cronaca::Annuncia);
    // A notification inside a status bar is spoken without its role's name before it.
    m_barra = new VoceTavolo(QAccessible::StatusBar, &m_finestra, this);
    m_barra->nome = [] { return QString(); };
    m_barra->visibile = [] { return true; };
    m_barra->rettangolo = [] { return QRect(); };
    connect(qApp, &QApplication::focusChanged, this, &Cronaca::FuocoMosso);
}

Cronaca::~Cronaca() {
    delete m_dialogo;
}

void Cronaca::Racconta(const Accaduto& a) {
    const Tavolo& t = m_finestra.Logica();
    const QString frase = parole::Frase(
        a, [&t](int s) { return QString::fromStdString(t.Nomi(s)); }, t.NumGiocatori());
    if (a.tipo == Accaduto::Tipo::Mano || m_mani.empty()) {
        m_mani.emplace_back();
        if (m_mani.size() > 2)
            m_mani.pop_front();
    }
    // A computer's move names its seat, so its turn is not said; the chronicle keeps the move.
    const bool turnoAltrui = a.tipo == Accaduto::Tipo::Turno && a.seggio != t.NumGiocatori();
    if (turnoAltrui)
        return;
    m_mani.back() << frase;
    // The showdown box names each seat's hand; the cards stay in the chronicle.
    if (a.tipo != Accaduto::Tipo::Mostra && a.tipo != Accaduto::Tipo::Mano) {
        m_ultima = frase;
        Annuncia(frase);
    }
    if (m_dialogo && m_dialogo->isVisible())
        Riempi();
}

QStringList Cronaca::Righe() const {
    QStringList righe;
    for (const QStringList& mano : m_mani)
        righe << mano;
    return righe;
}

void Cronaca::Rispondi(char domanda) {
    Annuncia(Risposta(domanda));
}

QString Cronaca::Risposta(char domanda) const {
    const Tavolo& t = m_finestra.Logica();
    return parole::Risposta(
        domanda, Guarda(t), m_ultima, [&t](int s) { return QString::fromStdString(t.Nomi(s)); },
        t.NumGiocatori());
}

void Cronaca::Annuncia(const QString& frase) {
    if (!QAccessible::isActive())
        return;
    m_parlato += Durata(frase);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Told straight to the screen reader, politely, after what it is saying.
    QAccessibleAnnouncementEvent annuncio(&m_finestra, frase);
    annuncio.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&annuncio);
    return;
#endif
    // A notification in a status bar, which a screen reader speaks without its role's name.
    auto* voce = new VoceTavolo(QAccessible::Notification, m_barra, this);
    voce->nome = [frase] { return frase; };
    voce->visibile = [] { return true; };
    voce->rettangolo = [] { return QRect(); };
    m_annunci.push_back(voce);
    if (m_annunci.size() > kAnnunciVivi) {
        m_annunci.front()->deleteLater();
        m_annunci.pop_front();
    }
    QAccessibleEvent evento(voce, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&evento);
}

QString Cronaca::Detto(QAccessibleEvent* evento) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (evento->type() == QAccessible::Announcement)
        return static_cast<QAccessibleAnnouncementEvent*>(evento)->message();
#endif
    QAccessibleInterface* i = evento->accessibleInterface();
    if (evento->type() == QAccessible::ObjectShow && i && i->role() == QAccessible::Notification)
        return i->text(QAccessible::Name);
    return {};
}

// Where the focus lands in the table's window a screen reader says before what it is told
// next, and the table waits for that too: the window's title when the focus comes back from a
// box, the group of cards when it changes, then the control itself.
void Cronaca::FuocoMosso(QWidget* prima, QWidget* ora) {
    if (!ora || ora->window() != &m_finestra || !QAccessible::isActive())
        return;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(ora);
    if (!i)
        return;
    const auto detto = [](QAccessibleInterface* x) {
        return Pronuncia(x->text(QAccessible::Name) + ' ' + x->text(QAccessible::Description)) +
               kRuolo;
    };
    double secondi = detto(i);
    QAccessibleInterface* lasciato = prima ? QAccessible::queryAccessibleInterface(prima) : nullptr;
    QAccessibleInterface* gruppo = i->parent();
    if (gruppo && gruppo->role() == QAccessible::Grouping &&
        (!lasciato || lasciato->parent() != gruppo))
        secondi += detto(gruppo);
    if (!prima || prima->window() != &m_finestra)
        secondi += Pronuncia(m_finestra.windowTitle());
    m_parlato += secondi;
}

double Cronaca::Parlato() {
    return std::exchange(m_parlato, 0.0);
}

double Cronaca::Durata(const QString& frase) {
    return kAvvio + kPerCarattere * frase.size();
}

void Cronaca::Riempi() {
    const QStringList righe = Righe();
    const bool inFondo = m_lista->currentRow() < 0 || m_lista->currentRow() == m_lista->count() - 1;
    // New lines are added under the ones shown; when an older hand has gone, all anew.
    bool prefisso = m_lista->count() <= righe.size();
    for (int i = 0; prefisso && i < m_lista->count(); ++i)
        prefisso = m_lista->item(i)->text() == righe[i];
    if (!prefisso)
        m_lista->clear();
    for (int i = m_lista->count(); i < righe.size(); ++i)
        m_lista->addItem(righe[i]);
    if (inFondo && m_lista->count() > 0)
        m_lista->setCurrentRow(m_lista->count() - 1);
}

void Cronaca::Apri() {
    if (!m_dialogo) {
        m_dialogo = new QDialog(&m_finestra);
        m_dialogo->setWindowTitle(QStringLiteral("Cronaca della mano"));
        m_lista = new QListWidget(m_dialogo);
        m_lista->setAccessibleName(QStringLiteral("Cronaca della mano"));
        // A long move reads whole, wrapped, rather than behind a sideways scroll.
        m_lista->setWordWrap(true);
        m_lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* colonna = new QVBoxLayout(m_dialogo);
        colonna->addWidget(m_lista);
        m_dialogo->resize(420, 300);
    }
    m_lista->clear();
    Riempi();
    m_dialogo->show();
    m_dialogo->raise();
    m_dialogo->activateWindow();
    m_lista->setFocus(Qt::OtherFocusReason);
}
