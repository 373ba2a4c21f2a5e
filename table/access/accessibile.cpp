#include "table/access/accessibile.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "table/tavolo.h"
#include "table/window/descrizioni.h"
#include "table/window/frmgalbirola.h"
#include "widgets/imgbtn.h"
#include "widgets/twips.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QRadioButton>

namespace {

int indiceIn(const QList<QObject*>& figli, const QAccessibleInterface* figlio) {
    for (int i = 0; figlio && i < figli.size(); ++i)
        if (QAccessible::queryAccessibleInterface(figli[i]) == figlio)
            return i;
    return -1;
}

QAccessibleInterface* figlioIn(const QList<QObject*>& figli, int i) {
    return i >= 0 && i < figli.size() ? QAccessible::queryAccessibleInterface(figli[i]) : nullptr;
}

class AccessibileVoce : public QAccessibleObject {
  public:
    explicit AccessibileVoce(VoceTavolo* voce) : QAccessibleObject(voce) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Voce()->genitore);
    }
    QWindow* window() const override {
        QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }
    int childCount() const override { return static_cast<int>(Voce()->figli().size()); }
    QAccessibleInterface* child(int i) const override { return figlioIn(Voce()->figli(), i); }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        return indiceIn(Voce()->figli(), figlio);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return Voce()->nome();
        if (t == QAccessible::Description)
            return Voce()->descrizione();
        return {};
    }
    QAccessible::Role role() const override { return Voce()->ruolo; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !Voce()->visibile();
        return s;
    }
    QRect rect() const override { return Voce()->visibile() ? Voce()->rettangolo() : QRect(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation tipo) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> r;
        if ((tipo & QAccessible::Labelled) && Voce()->etichettato)
            r.append({QAccessible::queryAccessibleInterface(Voce()->etichettato),
                      QAccessible::Labelled});
        if ((tipo & QAccessible::Label) && Voce()->etichetta)
            r.append(
                {QAccessible::queryAccessibleInterface(Voce()->etichetta), QAccessible::Label});
        return r;
    }

  private:
    VoceTavolo* Voce() const { return static_cast<VoceTavolo*>(object()); }
};

// The window and its settings panel: their children in the order the table gives.
class AccessibileContenitore : public QAccessibleWidget {
  public:
    AccessibileContenitore(QWidget* w, QAccessible::Role ruolo) : QAccessibleWidget(w, ruolo) {}

    int childCount() const override {
        const AccessibilitaTavolo* a = AccessibilitaTavolo::Di(widget());
        return a ? static_cast<int>(a->Figli(widget()).size()) : QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int i) const override {
        const AccessibilitaTavolo* a = AccessibilitaTavolo::Di(widget());
        return a ? figlioIn(a->Figli(widget()), i) : QAccessibleWidget::child(i);
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        const AccessibilitaTavolo* a = AccessibilitaTavolo::Di(widget());
        return a ? indiceIn(a->Figli(widget()), figlio) : QAccessibleWidget::indexOfChild(figlio);
    }
    QString text(QAccessible::Text t) const override {
        const QString testo = QAccessibleWidget::text(t);
        const AccessibilitaTavolo* a = AccessibilitaTavolo::Di(widget());
        return testo.isEmpty() && t == QAccessible::Name && a ? a->Nome(widget()) : testo;
    }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String("VoceTavolo"))
        return new AccessibileVoce(static_cast<VoceTavolo*>(oggetto));
    if (classe == QLatin1String("FrmGalbirola"))
        return new AccessibileContenitore(static_cast<QWidget*>(oggetto), QAccessible::Window);
    if (classe == QLatin1String("Superficie")) {
        auto* w = static_cast<QWidget*>(oggetto);
        if (!w->isWindow() && qobject_cast<FrmGalbirola*>(w->window()))
            return new AccessibileContenitore(w, QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

VoceTavolo::VoceTavolo(QAccessible::Role ruolo, QObject* genitore, QObject* proprietario)
    : QObject(proprietario), ruolo(ruolo), genitore(genitore) {}

void AccessibilitaTavolo::Registra() {
    static const bool registrata = (QAccessible::installFactory(fabbrica), true);
    Q_UNUSED(registrata);
}

AccessibilitaTavolo* AccessibilitaTavolo::Di(const QWidget* w) {
    const QWidget* finestra = w ? w->window() : nullptr;
    return finestra
               ? finestra->findChild<AccessibilitaTavolo*>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

VoceTavolo* AccessibilitaTavolo::Voce(QAccessible::Role ruolo, QObject* genitore) {
    auto* v = new VoceTavolo(ruolo, genitore, this);
    v->visibile = [] { return true; };
    m_voci.push_back(v);
    return v;
}

QRect AccessibilitaTavolo::SulloSchermo(const QWidget* contenitore, const QRect& t) const {
    const QRect r(twips::PixelInteri(t.left()), twips::PixelInteri(t.top()),
                  twips::PixelInteri(t.width()), twips::PixelInteri(t.height()));
    return r.translated(contenitore->mapToGlobal(QPoint(0, 0)));
}

// A painted label, with the text it shows now.
VoceTavolo* AccessibilitaTavolo::Etichetta(Superficie* superficie, const QString& elemento,
                                           QAccessible::Role ruolo) {
    VoceTavolo* v = Voce(ruolo, superficie);
    v->nome = [superficie, elemento] {
        const ElementoDisegnato* e = superficie->Trova(elemento);
        return e ? e->testo : QString();
    };
    v->visibile = [this, superficie, elemento] {
        const ElementoDisegnato* e = superficie->Trova(elemento);
        return e && e->visibile &&
               (superficie == &m_finestra || superficie->isVisibleTo(&m_finestra));
    };
    v->rettangolo = [this, superficie, elemento] {
        const ElementoDisegnato* e = superficie->Trova(elemento);
        return e ? SulloSchermo(superficie, e->twips) : QRect();
    };
    return v;
}

bool AccessibilitaTavolo::Esiste(int seggio) const {
    const ElementoDisegnato* riga = m_finestra.Trova(QStringLiteral("LblNome"), seggio - 1);
    return m_finestra.Logica().FaseCorrente() != Fase::Torneo && riga && riga->visibile &&
           seggio <= m_finestra.Logica().NumGiocatori();
}

AccessibilitaTavolo::AccessibilitaTavolo(FrmGalbirola& finestra)
    : QObject(&finestra), m_finestra(finestra) {
    Registra();
    const ControlliTavolo& c = m_finestra.Controlli();

    // The score column: one row per seat, read off its name, its balls and its lamp.
    m_segnapunti = Voce(QAccessible::List, &m_finestra);
    m_segnapunti->nome = [] { return QStringLiteral("Segnapunti"); };
    m_segnapunti->rettangolo = [this] {
        const ElementoDisegnato* e = m_finestra.Trova(QStringLiteral("Shape1"));
        return e ? SulloSchermo(&m_finestra, e->twips) : QRect();
    };
    QList<QObject*> righe;
    for (int seggio = 1; seggio <= Tavolo::kMaxGiocatori; ++seggio) {
        VoceTavolo* riga = Voce(QAccessible::ListItem, m_segnapunti);
        riga->visibile = [this, seggio] { return Esiste(seggio); };
        riga->nome = [this, seggio] {
            return Esiste(seggio) ? descrizioni::Seggio(m_finestra.Logica(), seggio,
                                                        m_finestra.StatoLampada(seggio))
                                  : QString();
        };
        riga->rettangolo = [this, seggio] {
            const ElementoDisegnato* nome = m_finestra.Trova(QStringLiteral("LblNome"), seggio - 1);
            const ElementoDisegnato* palla =
                m_finestra.Trova(QStringLiteral("ShPalla"), 3 * seggio - 1);
            return nome && palla ? SulloSchermo(&m_finestra, nome->twips.united(palla->twips))
                                 : QRect();
        };
        righe.append(riga);
    }
    m_segnapunti->figli = [righe] { return righe; };

    // The cards, filed under whose they are; a seat's group also says what its lamp says.
    const auto rettangolo = [](const QList<QObject*>& carte) {
        QRect r;
        for (QObject* o : carte)
            if (auto* w = static_cast<QWidget*>(o); w->isVisible())
                r = r.united(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
        return r;
    };
    const auto lampada = [this](int seggio) {
        return Esiste(seggio) ? descrizioni::Lampada(m_finestra.StatoLampada(seggio)) : QString();
    };
    for (int seggio = 1; seggio < Tavolo::kMaxGiocatori; ++seggio) {
        VoceTavolo* g = Voce(QAccessible::Grouping, &m_finestra);
        g->figli = [this, seggio] {
            QList<QObject*> carte;
            for (int i = 3 * seggio - 3; i < 3 * seggio && i < m_finestra.NumCarte1(); ++i)
                carte.append(m_finestra.CtlPilaCarte1(i));
            return carte;
        };
        g->visibile = [this, seggio] {
            return Esiste(seggio) && seggio < m_finestra.Logica().NumGiocatori();
        };
        g->nome = [this, g, seggio] {
            return g->visibile() ? QString::fromStdString(m_finestra.Logica().Nomi(seggio))
                                 : QString();
        };
        g->descrizione = [g, lampada, seggio] {
            return g->visibile() ? lampada(seggio) : QString();
        };
        g->rettangolo = [g, rettangolo] { return rettangolo(g->figli()); };
        m_seggi.push_back(g);
    }
    // The controls are looked up each time: the window may build them anew.
    const auto mano = [this] {
        const auto& carte = m_finestra.Controlli().CtlPilaCarte0;
        return QList<QObject*>(carte.begin(), carte.end());
    };
    const auto banco = [this] {
        const auto& carte = m_finestra.Controlli().CtlPilaTavolo;
        return QList<QObject*>(carte.begin(), carte.end());
    };
    m_mano = Voce(QAccessible::Grouping, &m_finestra);
    m_mano->nome = [] { return QStringLiteral("Le tue carte"); };
    m_mano->descrizione = [this, lampada] { return lampada(m_finestra.Logica().NumGiocatori()); };
    m_mano->figli = mano;
    m_mano->rettangolo = [mano, rettangolo] { return rettangolo(mano()); };

    m_etichettaBanco = Etichetta(&m_finestra, QStringLiteral("Label4"), QAccessible::StaticText);
    m_banco = Voce(QAccessible::Grouping, &m_finestra);
    m_banco->nome = m_etichettaBanco->nome;
    m_banco->figli = banco;
    m_banco->rettangolo = [banco, rettangolo] { return rettangolo(banco()); };
    m_banco->etichetta = m_etichettaBanco;
    m_etichettaBanco->etichettato = m_banco;

    // The settings panel's painted labels; the name field is named by its own.
    m_etichettePannello = {
        Etichetta(c.FrTorneo, QStringLiteral("Label1"), QAccessible::Heading),
        Etichetta(c.FrTorneo, QStringLiteral("Label2"), QAccessible::StaticText),
        Etichetta(c.FrTorneo, QStringLiteral("Label3"), QAccessible::StaticText)};
    m_etichettePannello[2]->etichettato = c.TxtNome;
    c.TxtNome->setAccessibleName(m_etichettePannello[2]->nome());

    for (VoceTavolo* v : m_voci) {
        v->mostrato = v->visibile();
        v->detto = v->nome();
        v->descritto = v->descrizione();
    }
    connect(&m_finestra, &Superficie::ElementoCambiato, this, [this] { Aggiorna(); });
    connect(c.FrTorneo, &Superficie::ElementoCambiato, this, [this] { Aggiorna(); });
}

QList<QObject*> AccessibilitaTavolo::Figli(const QWidget* contenitore) const {
    const ControlliTavolo& c = m_finestra.Controlli();
    QList<QObject*> figli;
    if (contenitore == &m_finestra) {
        figli = {m_segnapunti, c.FrTorneo, c.CmdTorneo, c.CmdCarte, c.CmdFatto};
        for (VoceTavolo* g : m_seggi)
            figli.append(g);
        figli << m_mano << m_etichettaBanco << m_banco << c.Mazzo;
    } else if (contenitore == c.FrTorneo) {
        figli = {m_etichettePannello[0], m_etichettePannello[1]};
        for (QRadioButton* o : c.OptAvversari)
            figli.append(o);
        figli << m_etichettePannello[2] << c.TxtNome;
    } else {
        return figli;
    }
    // Whatever else the container holds comes last, so that nothing is left out.
    for (QObject* o : contenitore->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !qobject_cast<CtlPilaCarte*>(w) && !figli.contains(w))
            figli.append(w);
    }
    return figli;
}

QString AccessibilitaTavolo::Nome(const QWidget* contenitore) const {
    return contenitore == m_finestra.Controlli().FrTorneo ? m_etichettePannello[0]->nome()
                                                          : QString();
}

void AccessibilitaTavolo::Aggiorna() {
    if (!QAccessible::isActive())
        return;
    const auto invia = [](VoceTavolo* v, QAccessible::Event tipo) {
        QAccessibleEvent evento(v, tipo);
        QAccessible::updateAccessibility(&evento);
    };
    for (VoceTavolo* v : m_voci) {
        if (const bool visibile = v->visibile(); visibile != v->mostrato) {
            v->mostrato = visibile;
            invia(v, visibile ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        }
        if (QString nome = v->nome(); nome != v->detto) {
            v->detto = std::move(nome);
            invia(v, QAccessible::NameChanged);
        }
        if (QString descrizione = v->descrizione(); descrizione != v->descritto) {
            v->descritto = std::move(descrizione);
            invia(v, QAccessible::DescriptionChanged);
        }
    }
}
