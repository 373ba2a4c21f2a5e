// The table window's own commands, apart from the game: a new tournament, the rules,
// leaving, the menu that offers them, and the table read out in tooltips.
#include "cards/ctlpilacarte.h"
#include "table/access/cronaca.h"
#include "table/tavolo.h"
#include "table/window/descrizioni.h"
#include "table/window/dialoghi.h"
#include "table/window/frmgalbirola.h"
#include "table/window/regole.h"
#include "widgets/twips.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolTip>

namespace {

QRect inPixel(const QRect& r) {
    return {twips::PixelInteri(r.left()), twips::PixelInteri(r.top()),
            twips::PixelInteri(r.width()), twips::PixelInteri(r.height())};
}

} // namespace

void FrmGalbirola::CreaComandi() {
    // Every command runs queued, never inside the menu's or the key's own handling.
    const auto comando = [this](const QString& testo, const QList<QKeySequence>& tasti,
                                auto metodo) {
        auto* azione = new QAction(testo, this);
        azione->setShortcuts(tasti);
        connect(azione, &QAction::triggered, this, metodo, Qt::QueuedConnection);
        addAction(azione);
        return azione;
    };
    m_menu = new QMenu(this);
    m_menu->addAction(comando(QStringLiteral("Nuovo torneo"),
                              {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)},
                              &FrmGalbirola::ChiediNuovoTorneo));
    m_menu->addAction(comando(QStringLiteral("Regole del gioco"), {QKeySequence(Qt::Key_F1)},
                              &FrmGalbirola::MostraRegole));
    m_menu->addAction(comando(QStringLiteral("Cronaca della mano"), {QKeySequence(Qt::Key_F3)},
                              &FrmGalbirola::MostraCronaca));
    m_menu->addSeparator();
    m_menu->addAction(
        comando(QStringLiteral("Esci"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { close(); }));

    // The menu from the keyboard opens where the focus is.
    auto* menu = new QAction(this);
    menu->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(menu, &QAction::triggered, this, [this] {
        const QWidget* fuoco = focusWidget();
        MostraMenu(fuoco && isAncestorOf(fuoco) ? fuoco->mapToGlobal(fuoco->rect().center())
                                                : mapToGlobal(rect().center()));
    });
    addAction(menu);
}

// The menu keys are the window's own shortcuts (they open the menu where the focus is);
// the context menu some platforms make of the Menu key as well is not opened twice.
void FrmGalbirola::contextMenuEvent(QContextMenuEvent* evento) {
    if (evento->reason() != QContextMenuEvent::Keyboard)
        MostraMenu(evento->globalPos());
}

// The name field keeps its editing menu on the right button only.
bool FrmGalbirola::eventFilter(QObject* oggetto, QEvent* evento) {
    return (evento->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(evento)->reason() == QContextMenuEvent::Keyboard) ||
           Superficie::eventFilter(oggetto, evento);
}

// The menu does not wait for its choice: the computers play on while it is open.
void FrmGalbirola::MostraMenu(const QPoint& globale) {
    if (!m_chiusa)
        m_menu->popup(globale);
}

// Asked during a tournament, not before one nor after "Fine del Torneo". While a game
// action runs the new tournament waits for it to end: no turn is cut in half.
void FrmGalbirola::ChiediNuovoTorneo() {
    if (m_chiusa || m_nuovoTorneo)
        return;
    const Tavolo& t = *m_tavolo;
    const bool inCorso =
        t.FaseCorrente() != Fase::Torneo && (t.Occupato() || t.GiocatoriInGioco() > 1);
    if (inCorso) {
        // A click already queued must not start a hand under the question.
        m_chiedeNuovoTorneo = true;
        const bool si = m_dialoghi->Domanda(QStringLiteral("Nuovo torneo"),
                                            QStringLiteral("Vuoi abbandonare il torneo in corso?"));
        m_chiedeNuovoTorneo = false;
        if (!si)
            return;
    }
    if (m_chiusa)
        return;
    m_nuovoTorneo = true;
    NuovoTorneoQuandoLibero();
}

// The table as the program starts it, with the start-up's own steps and random draws; only
// the name typed and the opponents chosen stay in the settings panel.
void FrmGalbirola::NuovoTorneoQuandoLibero() {
    if (!m_nuovoTorneo || m_chiusa || m_tavolo->Occupato())
        return;
    m_nuovoTorneo = false;
    const QString nome = m_controlli.TxtNome->text();
    int opzione = -1;
    for (int i = 0; i < 6; ++i)
        if (m_controlli.OptAvversari[i]->isChecked())
            opzione = i;
    Smonta();
    Allestisci();
    m_controlli.TxtNome->setText(nome);
    if (opzione >= 0)
        m_controlli.OptAvversari[opzione]->setChecked(true);
    // The start-up phase has put the focus back on the name field.
}

// Over the table without stopping the game; the table takes no input while it is open.
void FrmGalbirola::MostraRegole() {
    if (m_chiusa)
        return;
    if (!m_regole) {
        m_regole = new QMessageBox(QMessageBox::NoIcon, regole::Titolo(), regole::Testo(),
                                   QMessageBox::Ok, this);
        m_regole->setTextFormat(Qt::RichText);
        m_regole->setWindowModality(Qt::WindowModal);
        m_regole->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_regole->show();
    m_regole->raise();
    m_regole->activateWindow();
}

// Over the table, without stopping the game: what happened in this hand and the one before.
void FrmGalbirola::MostraCronaca() {
    if (!m_chiusa && m_cronaca)
        m_cronaca->Apri();
}

bool FrmGalbirola::event(QEvent* evento) {
    if (evento->type() != QEvent::ToolTip)
        return Superficie::event(evento);
    const auto* aiuto = static_cast<QHelpEvent*>(evento);
    QRect zona;
    const QString testo = Suggerimento(aiuto->pos(), zona);
    if (testo.isEmpty()) {
        QToolTip::hideText();
        evento->ignore();
    } else {
        QToolTip::showText(aiuto->globalPos(), testo, this, zona);
    }
    return true;
}

QString FrmGalbirola::Suggerimento(const QPoint& punto, QRect& zona) const {
    if (QWidget* figlio = childAt(punto)) {
        // A card face down tells nothing, not even to the pointer.
        const auto* carta = qobject_cast<const CtlPilaCarte*>(figlio);
        if (!carta || carta->Coperta() || carta->Valore() == 0)
            return {};
        zona = carta->geometry();
        return carta->NomeConSegno();
    }
    if (m_tavolo->FaseCorrente() == Fase::Torneo)
        return {};
    for (int seggio = 1; seggio <= m_tavolo->NumGiocatori(); ++seggio) {
        const int posto = seggio - 1;
        // A row of the score column: the name and its three balls, with the gaps between.
        const ElementoDisegnato* nome = Trova(QStringLiteral("LblNome"), posto);
        QRect riga = inPixel(nome->twips);
        for (int j = 0; j < 3; ++j)
            riga |= inPixel(Trova(QStringLiteral("ShPalla"), 3 * posto + j)->twips);
        if (nome->visibile && riga.contains(punto)) {
            zona = riga;
            return descrizioni::Seggio(*m_tavolo, seggio, StatoLampada(seggio));
        }
        const ElementoDisegnato* lampada = Trova(QStringLiteral("ImgGiocatore"), posto);
        if (lampada && lampada->visibile && inPixel(lampada->twips).contains(punto)) {
            zona = inPixel(lampada->twips);
            const QString significato = descrizioni::Lampada(StatoLampada(seggio));
            return significato.isEmpty() ? QStringLiteral("In gioco") : significato;
        }
    }
    return {};
}
