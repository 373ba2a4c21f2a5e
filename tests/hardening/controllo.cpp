#include "scimmia.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "table/frmgalbirola.h"
#include "table/tavolo.h"
#include "widgets/imgbtn.h"

#include <QApplication>
#include <QMessageBox>

#include <set>
#include <sstream>
#include <utility>

QMessageBox* ScatolaAperta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

namespace {

class Verifiche {
  public:
    explicit Verifiche(FrmGalbirola& f) : m_f(f) {}

    template <class... Parti> void Attesa(bool vero, const Parti&... parti) {
        if (vero || !m_errore.empty())
            return;
        std::ostringstream s;
        (s << ... << parti);
        m_errore = s.str();
    }

    const ElementoDisegnato* Elemento(const char* nome, int indice) {
        const ElementoDisegnato* e = m_f.Trova(QString::fromLatin1(nome), indice);
        Attesa(e != nullptr, nome, "(", indice, ") is missing");
        return e;
    }

    // The lamp picture a seat shows as a state number; -1 for none of the four.
    int Lampada(int seggio) {
        const ElementoDisegnato* lampada = Elemento("ImgGiocatore", seggio - 1);
        if (!lampada)
            return -1;
        for (int s = 0; s < 4; ++s)
            if (const ElementoDisegnato* l = Elemento("ImgLamp", s);
                l && l->immagine == lampada->immagine)
                return s;
        return -1;
    }

    bool Visibile(const QWidget* w) const { return w->isVisibleTo(&m_f); }

    std::string m_errore;

  private:
    FrmGalbirola& m_f;
};

void Pulsanti(Verifiche& v, const ControlliTavolo& c, Fase fase) {
    v.Attesa(v.Visibile(c.CmdTorneo) == (fase == Fase::Torneo), "Crea Torneo shown in phase ",
             static_cast<int>(fase));
    v.Attesa(v.Visibile(c.FrTorneo) == (fase == Fase::Torneo), "settings shown in phase ",
             static_cast<int>(fase));
    v.Attesa(v.Visibile(c.CmdCarte) == (fase == Fase::Carte), "Dai Carte shown in phase ",
             static_cast<int>(fase));
    v.Attesa(v.Visibile(c.CmdFatto) == (fase == Fase::Fatto), "Fatto shown in phase ",
             static_cast<int>(fase));
}

void Seggio(Verifiche& v, Tavolo& t, int s) {
    const int n = t.NumGiocatori();
    const int palle = t.Palle(s);
    const std::string nome = t.Nomi(s);
    if (const ElementoDisegnato* etichetta = v.Elemento("LblNome", s - 1)) {
        const std::string atteso = palle > 3 ? nome + ": " + std::to_string(palle) : nome;
        v.Attesa(etichetta->visibile, "seat ", s, " has no name shown");
        v.Attesa(etichetta->testo == QString::fromStdString(atteso), "seat ", s, " label '",
                 etichetta->testo.toStdString(), "' for '", atteso, "'");
        v.Attesa((etichetta->colTesto.valore == 0x80000011) == (palle == 0), "seat ", s,
                 " label grey with ", palle, " balls");
    }
    for (int j = 0; j < 3; ++j)
        if (const ElementoDisegnato* palla = v.Elemento("ShPalla", 3 * (s - 1) + j)) {
            v.Attesa(palla->visibile, "seat ", s, " ball marker ", j, " hidden");
            v.Attesa((palla->stileRiempimento == 0) == (j < palle), "seat ", s, " ball marker ", j,
                     " wrong with ", palle, " balls");
        }

    const int lampada = v.Lampada(s);
    const bool occupato = t.Occupato();
    if (palle == 0) {
        v.Attesa(lampada == 2, "seat ", s, " is out but shows lamp ", lampada);
        return;
    }
    v.Attesa(lampada == 0 || lampada == 1 || lampada == 3, "seat ", s, " shows lamp ", lampada);
    if (lampada == 1)
        v.Attesa(occupato ? s == t.Turno() : t.FaseCorrente() == Fase::Fatto && s == n, "seat ", s,
                 " lit on turn, turn is ", t.Turno());
    if (lampada == 3)
        v.Attesa(t.Bussato() && t.Bussatore() == s, "seat ", s, " shows a knock it did not make");
    if (!occupato) {
        const int atteso = t.FaseCorrente() == Fase::Fatto && s == n ? 1
                           : t.Bussato() && t.Bussatore() == s       ? 3
                                                                     : 0;
        v.Attesa(lampada == atteso, "seat ", s, " at rest shows lamp ", lampada, " for ", atteso);
    }
}

// Cards in play: every computer seat's three, the table's three and the human's while in
// the tournament. Slots not dealt yet hold no card and are passed over.
void Carte(Verifiche& v, FrmGalbirola& f, Tavolo& t) {
    const ControlliTavolo& c = f.Controlli();
    const int n = t.NumGiocatori();
    std::set<std::pair<std::string, int>> viste;
    int contate = 0;
    auto aggiungi = [&](const CtlPilaCarte* vista) {
        if (vista->Valore() < 1 || vista->Valore() > 10)
            return;
        viste.emplace(vista->Seme(), vista->Valore());
        ++contate;
    };
    for (int i = 0; i < 3 * n - 3; ++i)
        aggiungi(f.CtlPilaCarte1(i));
    for (const CtlPilaCarte* vista : c.CtlPilaTavolo)
        aggiungi(vista);
    if (t.Palle(n) > 0)
        for (const CtlPilaCarte* vista : c.CtlPilaCarte0)
            aggiungi(vista);
    v.Attesa(static_cast<int>(viste.size()) == contate, contate - static_cast<int>(viste.size()),
             " card(s) in play twice");
}

} // namespace

std::string ControllaFinestra(FrmGalbirola& f) {
    Verifiche v(f);
    Tavolo& t = f.Logica();
    const ControlliTavolo& c = f.Controlli();
    const Fase fase = t.FaseCorrente();
    Pulsanti(v, c, fase);

    if (fase == Fase::Torneo) {
        v.Attesa(!v.Visibile(f.CtlPilaCarte1(0)), "a seat's card shown before the tournament");
        for (int k = 0; k < Tavolo::kMaxGiocatori; ++k)
            if (const ElementoDisegnato* e = v.Elemento("LblNome", k))
                v.Attesa(!e->visibile, "a name shown before the tournament");
        return v.m_errore;
    }

    const int n = t.NumGiocatori();
    v.Attesa(f.NumCarte1() == 3 * n - 3, f.NumCarte1(), " seat cards for ", n, " seats");
    for (int i = 0; i < f.NumCarte1(); ++i)
        v.Attesa(v.Visibile(f.CtlPilaCarte1(i)), "seat card ", i, " hidden");
    for (int k = n; k < Tavolo::kMaxGiocatori; ++k)
        if (const ElementoDisegnato* e = v.Elemento("LblNome", k))
            v.Attesa(!e->visibile, "row ", k, " shown with ", n, " seats");
    int conPalle = 0;
    for (int s = 1; s <= n; ++s) {
        Seggio(v, t, s);
        conPalle += t.Palle(s) > 0;
    }

    // The deal puts new cards on slots that still hold the last hand's until the opening
    // decision; from then on every card in play is different.
    if (!(t.Occupato() && t.TurniMano() == 0))
        Carte(v, f, t);

    if (!t.Occupato()) {
        v.Attesa(conPalle == t.GiocatoriInGioco(), "GiocatoriInGioco ", t.GiocatoriInGioco(),
                 " with ", conPalle, " seats holding balls");
        v.Attesa((fase == Fase::Nessuna) == (t.GiocatoriInGioco() == 1), "phase ",
                 static_cast<int>(fase), " at rest with ", t.GiocatoriInGioco(), " seats in");
        if (fase != Fase::Fatto)
            for (int i = 0; i < 3; ++i)
                v.Attesa(!c.CtlPilaCarte0[i]->Selezionata() && !c.CtlPilaTavolo[i]->Selezionata(),
                         "a card marked outside the human's turn");
    }
    if (fase == Fase::Fatto) {
        for (int i = 0; i < 3 * n - 3; ++i)
            v.Attesa(f.CtlPilaCarte1(i)->Coperta(), "a seat's card face up during the hand");
        for (int i = 0; i < 3; ++i)
            v.Attesa(!c.CtlPilaTavolo[i]->Coperta() && !c.CtlPilaCarte0[i]->Coperta(),
                     "the human's or the table's card face down on the human's turn");
    }
    return v.m_errore;
}
