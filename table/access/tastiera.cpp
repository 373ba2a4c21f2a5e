#include "table/access/tastiera.h"

#include "cards/ctlpilacarte.h"
#include "table/access/cronaca.h"
#include "table/tavolo.h"
#include "table/window/frmgalbirola.h"
#include "widgets/fuoco.h"
#include "widgets/imgbtn.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

bool mostrato(const QWidget* w, const QWidget& finestra) {
    return w && w->isVisibleTo(&finestra) && w->isEnabled();
}

} // namespace

Tastiera::Tastiera(FrmGalbirola& finestra) : QObject(&finestra), m_finestra(finestra) {
    // Qt's own chain follows the same order, widget by widget.
    QWidget* prima = nullptr;
    for (int g = 0; g < kNumGruppi; ++g) {
        for (QWidget* w : Membri(g)) {
            if (g >= kMano)
                w->setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it was
            if (prima)
                QWidget::setTabOrder(prima, w);
            prima = w;
        }
    }
    m_finestra.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ora) {
        const int g = GruppoDi(ora);
        if (g == kMano || g == kBanco)
            m_ultima[g - kMano] = ora;
    });
}

std::vector<QWidget*> Tastiera::Membri(int gruppo) const {
    const ControlliTavolo& c = m_finestra.Controlli();
    switch (gruppo) {
    case kOpzioni:
        return {c.OptAvversari.begin(), c.OptAvversari.end()};
    case kNome:
        return {c.TxtNome};
    case kComando:
        return {c.CmdTorneo, c.CmdCarte, c.CmdFatto};
    case kMano:
        return {c.CtlPilaCarte0.begin(), c.CtlPilaCarte0.end()};
    case kBanco:
        return {c.CtlPilaTavolo.begin(), c.CtlPilaTavolo.end()};
    default:
        return {};
    }
}

int Tastiera::GruppoDi(const QWidget* w) const {
    for (int g = 0; w && g < kNumGruppi; ++g) {
        const std::vector<QWidget*> membri = Membri(g);
        if (std::find(membri.begin(), membri.end(), w) != membri.end())
            return g;
    }
    return -1;
}

bool Tastiera::CarteAttive() const {
    return m_finestra.Logica().FaseCorrente() == Fase::Fatto;
}

QWidget* Tastiera::Ingresso(int gruppo) const {
    if ((gruppo == kMano || gruppo == kBanco) && !CarteAttive())
        return nullptr;
    const std::vector<QWidget*> membri = Membri(gruppo);
    QWidget* scelto = nullptr;
    if (gruppo == kOpzioni) {
        // As in any group of options, the focus goes to the chosen one.
        for (QWidget* w : membri)
            if (static_cast<QRadioButton*>(w)->isChecked())
                scelto = w;
    } else if (gruppo == kMano || gruppo == kBanco) {
        scelto = m_ultima[gruppo - kMano];
    }
    if (mostrato(scelto, m_finestra))
        return scelto;
    for (QWidget* w : membri)
        if (mostrato(w, m_finestra))
            return w;
    return nullptr;
}

bool Tastiera::Avanza(bool avanti) {
    QWidget* attuale = m_finestra.focusWidget();
    if (attuale && attuale != &m_finestra && !attuale->isVisibleTo(&m_finestra)) {
        // Qt moves the focus off a widget that is being hidden; that only happens when the
        // game changes phase, and the phase then puts the focus where it belongs.
        m_finestra.setFocus(Qt::OtherFocusReason);
        return true;
    }
    fuoco::TastieraUsata(m_finestra);
    const int da = GruppoDi(attuale);
    for (int passo = 1; passo <= kNumGruppi; ++passo) {
        const int g = da < 0 ? (avanti ? passo - 1 : kNumGruppi - passo)
                             : (da + (avanti ? passo : kNumGruppi - passo)) % kNumGruppi;
        if (QWidget* w = Ingresso(g)) {
            w->setFocus(avanti ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void Tastiera::FaseMostrata(Fase fase) {
    const ControlliTavolo& c = m_finestra.Controlli();
    switch (fase) {
    case Fase::Torneo:
        c.TxtNome->setFocus(Qt::OtherFocusReason);
        break;
    case Fase::Carte:
        c.CmdCarte->setFocus(Qt::OtherFocusReason);
        break;
    case Fase::Fatto:
        // A new turn starts from the first card of the hand and of the table.
        m_ultima = {c.CtlPilaCarte0[0], c.CtlPilaTavolo[0]};
        c.CtlPilaCarte0[0]->setFocus(Qt::OtherFocusReason);
        break;
    case Fase::Nessuna:
        // While the computers play Tab finds nothing to do. The focus rests on the player's
        // hand, which a screen reader names, or on the window, whose title it reads again.
        if (!m_finestra.Logica().CtlPilaCarte0(0).Coperta() &&
            mostrato(c.CtlPilaCarte0[0], m_finestra))
            c.CtlPilaCarte0[0]->setFocus(Qt::OtherFocusReason);
        else
            m_finestra.setFocus(Qt::OtherFocusReason);
        break;
    }
}

bool Tastiera::MuoviTraCarte(int tasto) {
    const int g = GruppoDi(m_finestra.focusWidget());
    if ((g != kMano && g != kBanco) || !CarteAttive())
        return false;
    const std::vector<QWidget*> membri = Membri(g);
    const int i = static_cast<int>(
        std::find(membri.begin(), membri.end(), m_finestra.focusWidget()) - membri.begin());
    const int ultimo = static_cast<int>(membri.size()) - 1;
    int j = i;
    switch (tasto) {
    case Qt::Key_Home:
        j = 0;
        break;
    case Qt::Key_End:
        j = ultimo;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        j = std::max(0, i - 1);
        break;
    default:
        j = std::min(ultimo, i + 1);
        break;
    }
    fuoco::TastieraUsata(m_finestra);
    membri[j]->setFocus(Qt::TabFocusReason);
    return true;
}

// Keys that reach the window: its own, and those a card or a field leaves unused.
bool Tastiera::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto != &m_finestra || evento->type() != QEvent::KeyPress)
        return false;
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    if (tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (tasto->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const ControlliTavolo& c = m_finestra.Controlli();
        for (ImgBtn* comando : {c.CmdTorneo, c.CmdCarte, c.CmdFatto}) {
            if (!comando->isVisibleTo(&m_finestra))
                continue;
            fuoco::TastieraUsata(m_finestra);
            if (!tasto->isAutoRepeat())
                comando->Premi();
            return true;
        }
        return false;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return MuoviTraCarte(tasto->key());
    case Qt::Key_C:
    case Qt::Key_T:
    case Qt::Key_P:
    case Qt::Key_G:
    case Qt::Key_R:
        // A question about the table: answered where the player is, the focus untouched.
        if (!tasto->isAutoRepeat() && m_finestra.Cronista())
            m_finestra.Cronista()->Rispondi(static_cast<char>(tasto->key()));
        return true;
    default:
        return false;
    }
}
