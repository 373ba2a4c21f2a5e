#include "table/window/frmgalbirola.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "platform/orologio.h"
#include "table/access/accessibile.h"
#include "table/access/cronaca.h"
#include "table/access/parole.h"
#include "table/access/tastiera.h"
#include "table/sound/bussata.h"
#include "table/tavolo.h"
#include "table/window/dialoghi.h"
#include "widgets/imgbtn.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>

#include <cmath>

namespace {

QString daTesto(const std::string& testo) {
    return QString::fromStdString(testo);
}

} // namespace

FrmGalbirola::FrmGalbirola(ServiziTavolo servizi, QWidget* parent)
    : Superficie(parent), m_orologio(servizi.orologio), m_scalaPause(servizi.scalaPause),
      m_dialoghi(servizi.dialoghi), m_termina(std::move(servizi.termina)) {
    AccessibilitaTavolo::Registra();
    if (!m_termina)
        m_termina = [] { QCoreApplication::exit(0); };
    if (!m_orologio) {
        m_orologioProprio = std::make_unique<OrologioReale>();
        m_orologio = m_orologioProprio.get();
    }
    if (!m_dialoghi) {
        m_dialoghiPropri = new DialoghiQt(this);
        m_dialoghi = m_dialoghiPropri;
    }
    CreaComandi();
    Allestisci();
}

void FrmGalbirola::Allestisci() {
    m_tavolo = std::make_unique<Tavolo>(*this, *m_orologio);

    const QJsonObject progetto = disposizione::Progetto();
    const Proprieta finestra = disposizione::Finestra(progetto);
    setFixedSize(twips::PixelInteri(finestra.LeggiInt32(QStringLiteral("ScaleWidth"), 9600)),
                 twips::PixelInteri(finestra.LeggiInt32(QStringLiteral("ScaleHeight"), 7200)));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window,
                       finestra.LeggiColore(QStringLiteral("BackColor"), {Colore::kFacciaPulsante})
                           .Risolvi(palette()));
    setPalette(tavolozza);
    setAutoFillBackground(true);
    setFont(finestra.LeggiCarattere(QStringLiteral("Font"), Carattere::Da(font())).Font());
    setWindowIcon(QIcon(finestra.LeggiImmagine(QStringLiteral("Icon"), {}).Percorso()));
    // The design's caption is the application's title, which untitled boxes show.
    m_titolo = finestra.LeggiStringa(QStringLiteral("Caption"), QString());
    setWindowTitle(m_titolo);

    SorgentiCarte sorgenti;
    sorgenti.mazzo = &m_tavolo->Mazzo();
    sorgenti.carta = [this](const QString& nome, int indice) -> Carta& {
        if (nome == QLatin1String("CtlPilaCarte0"))
            return m_tavolo->CtlPilaCarte0(indice);
        if (nome == QLatin1String("CtlPilaTavolo"))
            return m_tavolo->CtlPilaTavolo(indice);
        return m_tavolo->CtlPilaCarte1(indice);
    };
    m_controlli = disposizione::Costruisci(*this, progetto, sorgenti);
    m_carte1.push_back(m_controlli.CtlPilaCarte1);
    for (int i = 0; i < 3; ++i) {
        m_controlli.CtlPilaCarte0[i]->ImpostaMazzo(m_controlli.Mazzo);
        m_controlli.CtlPilaTavolo[i]->ImpostaMazzo(m_controlli.Mazzo);
    }
    Collega();
    PreparaTastieraEAccessibilita();

    // The load handler: the caption first, then the table's own start-up.
    setWindowTitle(QStringLiteral("Galbirola %1.%2 (%3)")
                       .arg(PROJECT_VERSION_MAJOR)
                       .arg(PROJECT_VERSION_MINOR)
                       .arg(PROJECT_VERSION_PATCH));
    m_tavolo->Carica();
    m_percorso = daTesto(Tavolo::Percorso(QCoreApplication::applicationDirPath().toStdString()));
}

FrmGalbirola::~FrmGalbirola() {
    // The views show slots of the table's logic: they go before it does.
    for (QWidget* w : findChildren<CtlPilaCarte*>())
        delete w;
}

// Everything Allestisci built: the child widgets of the design and of the seats (the boxes
// and the menu are windows of their own and stay), the drawn elements, the logic and deck.
void FrmGalbirola::Smonta() {
    QToolTip::hideText();
    // The keys and assistive technology watch the controls: they go before what they watch.
    delete m_tastiera;
    delete m_accessibilita;
    delete m_cronaca;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow())
            delete w;
    m_controlli = {};
    m_carte1.clear();
    m_lampade.clear();
    Svuota();
    m_tavolo.reset();
}

// A game action runs on its own, after the click's event has been handled. When the
// window closes during one of its waits the action unwinds and the program ends.
template <class Azione> void FrmGalbirola::Esegui(Azione azione) {
    if (m_chiusa || m_chiedeNuovoTorneo)
        return;
    try {
        azione();
    } catch (const Annullato&) {
        m_termina();
        return;
    }
    // A new tournament asked for meanwhile starts once no action runs any more.
    if (m_nuovoTorneo && !m_tavolo->Occupato())
        QMetaObject::invokeMethod(this, &FrmGalbirola::NuovoTorneoQuandoLibero,
                                  Qt::QueuedConnection);
}

void FrmGalbirola::Collega() {
    const auto coda = Qt::QueuedConnection;
    m_controlli.TxtNome->installEventFilter(this); // its menu keys open the table's menu
    connect(
        m_controlli.CmdTorneo, &ImgBtn::Click, this,
        [this] {
            Esegui([this] {
                int opzione = -1;
                for (int i = 0; i < 6; ++i)
                    if (m_controlli.OptAvversari[i]->isChecked())
                        opzione = i;
                m_tavolo->CreaTorneo(opzione, m_controlli.TxtNome->text().toStdString());
                PreparaBussata();
            });
        },
        coda);
    connect(
        m_controlli.CmdCarte, &ImgBtn::Click, this,
        [this] { Esegui([this] { m_tavolo->DaiCarte(); }); }, coda);
    connect(
        m_controlli.CmdFatto, &ImgBtn::Click, this,
        [this] { Esegui([this] { m_tavolo->Fatto(); }); }, coda);
    for (int i = 0; i < 3; ++i) {
        connect(
            m_controlli.CtlPilaCarte0[i], &CtlPilaCarte::Click, this,
            [this, i] { Esegui([this, i] { m_tavolo->ClickCarta0(i); }); }, coda);
        connect(
            m_controlli.CtlPilaTavolo[i], &CtlPilaCarte::Click, this,
            [this, i] { Esegui([this, i] { m_tavolo->ClickTavolo(i); }); }, coda);
    }
}

void FrmGalbirola::PreparaTastieraEAccessibilita() {
    delete m_tastiera;
    delete m_accessibilita;
    delete m_cronaca;
    m_tastiera = new Tastiera(*this);
    m_accessibilita = new AccessibilitaTavolo(*this);
    m_cronaca = new Cronaca(*this);
}

bool FrmGalbirola::focusNextPrevChild(bool avanti) {
    return m_tastiera ? m_tastiera->Avanza(avanti) : Superficie::focusNextPrevChild(avanti);
}

ElementoDisegnato& FrmGalbirola::Disegnato(const QString& nome, int indice) {
    ElementoDisegnato* e = Trova(nome, indice);
    if (!e)
        throw std::out_of_range(QStringLiteral("%1(%2)").arg(nome).arg(indice).toStdString());
    return *e;
}

void FrmGalbirola::MostraFase(Fase fase) {
    m_controlli.FrTorneo->setVisible(fase == Fase::Torneo);
    m_controlli.CmdTorneo->setVisible(fase == Fase::Torneo);
    m_controlli.CmdCarte->setVisible(fase == Fase::Carte);
    m_controlli.CmdFatto->setVisible(fase == Fase::Fatto);
    if (m_tastiera)
        m_tastiera->FaseMostrata(fase);
}

void FrmGalbirola::ProponiNome(const std::string& nome) {
    m_controlli.TxtNome->setText(daTesto(nome));
}

void FrmGalbirola::CreaPostazioni(int numGiocatori) {
    const int n = numGiocatori;
    m_lampade.assign(n + 1, Lampada::Riposo);
    const CtlPilaCarte* modello = m_carte1.front();
    for (int slot = 1; slot <= 3 * n - 3; ++slot) {
        CtlPilaCarte* vista = nullptr;
        if (slot == 1) {
            vista = m_carte1.front();
        } else {
            // A new element copies element 0 and starts hidden.
            vista = new CtlPilaCarte(m_tavolo->CtlPilaCarte1(slot - 1), this);
            vista->setObjectName(QStringLiteral("CtlPilaCarte1(%1)").arg(slot - 1));
            vista->SetZoom(modello->Zoom());
            vista->resize(modello->size());
            vista->hide();
            m_carte1.push_back(vista);
        }
        vista->ImpostaMazzo(m_controlli.Mazzo);
        const PuntoTwips p = Tavolo::PosizioneCarta(slot);
        vista->move(twips::PixelInteri(p.left), twips::PixelInteri(p.top));
        vista->show();
        // Each card of a seat overlaps the one before it.
        vista->raise();
        if (slot % 3 == 1) {
            const int posto = (slot - 1) / 3;
            ElementoDisegnato* lampada = Trova(QStringLiteral("ImgGiocatore"), posto);
            if (!lampada) {
                ElementoDisegnato copia = Disegnato(QStringLiteral("ImgGiocatore"), 0);
                copia.indice = posto;
                lampada = &Aggiungi(copia);
            }
            const PuntoTwips l = Tavolo::PosizioneLampada(posto + 1, n);
            lampada->twips.moveTo(l.left, l.top);
            lampada->visibile = true;
            Ridipingi(*lampada);
        }
    }
    ElementoDisegnato umano = Disegnato(QStringLiteral("ImgGiocatore"), 0);
    umano.indice = n - 1;
    const PuntoTwips l = Tavolo::PosizioneLampada(n, n);
    umano.twips.moveTo(l.left, l.top);
    umano.visibile = true;
    Aggiungi(umano);
}

void FrmGalbirola::ImpostaLampada(int seggio, Lampada stato) {
    ElementoDisegnato& lampada = Disegnato(QStringLiteral("ImgGiocatore"), seggio - 1);
    lampada.immagine = Disegnato(QStringLiteral("ImgLamp"), static_cast<int>(stato)).immagine;
    m_lampade.at(seggio) = stato;
    Ridipingi(lampada);
}

void FrmGalbirola::MostraSegnapunti(int seggio) {
    const int posto = seggio - 1;
    ElementoDisegnato& nome = Disegnato(QStringLiteral("LblNome"), posto);
    nome.visibile = true;
    Ridipingi(nome);
    for (int j = 0; j < 3; ++j) {
        ElementoDisegnato& palla = Disegnato(QStringLiteral("ShPalla"), 3 * posto + j);
        palla.visibile = true;
        Ridipingi(palla);
    }
}

void FrmGalbirola::ImpostaEtichetta(int seggio, const std::string& testo) {
    ElementoDisegnato& nome = Disegnato(QStringLiteral("LblNome"), seggio - 1);
    nome.testo = daTesto(testo);
    Ridipingi(nome);
}

void FrmGalbirola::EtichettaGrigia(int seggio) {
    ElementoDisegnato& nome = Disegnato(QStringLiteral("LblNome"), seggio - 1);
    nome.colTesto = Colore{0x80000011}; // the desktop's grey text
    Ridipingi(nome);
}

void FrmGalbirola::ImpostaPalla(int seggio, int palla, bool piena) {
    ElementoDisegnato& marcatore = Disegnato(QStringLiteral("ShPalla"), 3 * (seggio - 1) + palla);
    marcatore.stileRiempimento = piena ? 0 : 1;
    Ridipingi(marcatore);
}

void FrmGalbirola::ControllaChiusura() const {
    if (m_chiusa)
        throw Annullato{};
}

void FrmGalbirola::Messaggio(int stile, const std::optional<std::string>& titolo,
                             const std::string& testo) {
    ControllaChiusura();
    m_dialoghi->Messaggio(stile, titolo ? daTesto(*titolo) : m_titolo, daTesto(testo));
    ControllaChiusura();
}

bool FrmGalbirola::Domanda(const std::string& titolo, const std::string& testo) {
    ControllaChiusura();
    // The opener decides on the three cards just dealt: the box names them for a screen reader.
    std::vector<CartaDetta> mano;
    for (int i = 0; i < 3; ++i) {
        const Carta& c = m_tavolo->CtlPilaCarte0(i);
        mano.push_back({c.CodiceSeme(), c.Valore()});
    }
    m_dialoghi->Descrivi(QStringLiteral("Le tue carte: ") + parole::Mano(mano));
    const bool si = m_dialoghi->Domanda(daTesto(titolo), daTesto(testo));
    ControllaChiusura();
    return si;
}

// A tournament has knocks: the sound server is reached now, so the first one is not late.
void FrmGalbirola::PreparaBussata() {
    if (!m_bussata)
        m_bussata = new Bussata(m_percorso + FileBussata(), this);
    m_bussata->Prepara();
}

void FrmGalbirola::Bussa(int) {
    ControllaChiusura();
    if (!m_bussata)
        m_bussata = new Bussata(m_percorso + FileBussata(), this);
    m_bussata->Suona();
    ControllaChiusura();
}

// The window keeps painting and can be moved while the game waits; the process sleeps.
void FrmGalbirola::Pausa(double secondi) {
    ControllaChiusura();
    QEventLoop ciclo;
    m_pausa = &ciclo;
    QTimer::singleShot(static_cast<int>(std::lround(secondi * 1000 * m_scalaPause)), &ciclo,
                       &QEventLoop::quit);
    ciclo.exec();
    m_pausa = nullptr;
    ControllaChiusura();
}

Cronaca* FrmGalbirola::Cronista() const {
    return m_cronaca;
}

void FrmGalbirola::Racconta(const Accaduto& accaduto) {
    if (m_cronaca)
        m_cronaca->Racconta(accaduto);
}

bool FrmGalbirola::Assistito() {
    return QAccessible::isActive();
}

double FrmGalbirola::Parlato() {
    return m_cronaca ? m_cronaca->Parlato() : 0;
}

void FrmGalbirola::closeEvent(QCloseEvent* evento) {
    m_chiusa = true;
    m_menu->close();
    if (m_cronaca && m_cronaca->Finestra())
        m_cronaca->Finestra()->close();
    if (m_regole)
        m_regole->close();
    if (m_pausa)
        m_pausa->quit();
    if (m_dialoghiPropri)
        m_dialoghiPropri->Interrompi();
    if (m_bussata)
        m_bussata->Interrompi();
    evento->accept();
}
