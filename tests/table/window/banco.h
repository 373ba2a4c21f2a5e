#pragma once

#include "cards/ctlpilacarte.h"
#include "platform/casuale.h"
#include "platform/orologio.h"
#include "table/tavolo.h"
#include "table/window/dialoghi.h"
#include "table/window/frmgalbirola.h"
#include "widgets/imgbtn.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include <set>
#include <string>

// Boxes are recorded as "title|text"; questions answered by the test's script (No by default).
class DialoghiFinti : public Dialoghi {
  public:
    void Messaggio(int, const QString& titolo, const QString& testo) override {
        messaggi.push_back(titolo + '|' + testo);
    }
    bool Domanda(const QString&, const QString&) override { return risposta && risposta(); }
    void Descrivi(const QString& d) override { descrizione = d; }
    QStringList messaggi;
    QString descrizione; // what the last box told assistive technology beside its text
    std::function<bool()> risposta;
};

inline void Clicca(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
    QApplication::processEvents(); // the game action runs queued
}

inline QPoint PixelDi(int left, int top) {
    return {twips::PixelInteri(left), twips::PixelInteri(top)};
}

inline QMessageBox* ScatolaAperta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

inline const ElementoDisegnato& Elemento(const FrmGalbirola& f, const char* nome, int indice) {
    return *f.Trova(QString::fromLatin1(nome), indice);
}

// What the window shows must agree with the table's state; returns the first disagreement.
inline std::string ControllaFinestra(FrmGalbirola& f) {
    std::string errore;
    const auto esigi = [&](bool ok, const char* cosa, int i) {
        if (!ok && errore.empty())
            errore = cosa + std::string(" #") + std::to_string(i);
    };
    Tavolo& t = f.Logica();
    const ControlliTavolo& c = f.Controlli();
    const Fase fase = t.FaseCorrente();
    const auto vede = [&](const QWidget* w) { return w->isVisibleTo(&f); };
    esigi(vede(c.CmdTorneo) == (fase == Fase::Torneo) && vede(c.FrTorneo) == vede(c.CmdTorneo) &&
              vede(c.CmdCarte) == (fase == Fase::Carte) &&
              vede(c.CmdFatto) == (fase == Fase::Fatto),
          "buttons shown in phase", static_cast<int>(fase));
    const int n = fase == Fase::Torneo ? 0 : t.NumGiocatori();
    for (int k = n; k < Tavolo::kMaxGiocatori; ++k)
        esigi(!Elemento(f, "LblNome", k).visibile && !Elemento(f, "ShPalla", 3 * k).visibile,
              "unused row shown", k);
    if (fase == Fase::Torneo)
        return errore;

    std::set<std::pair<std::string, int>> viste; // cards in play
    int doppie = 0;
    const auto conta = [&](const CtlPilaCarte* v) {
        doppie += v->Valore() > 0 && !viste.emplace(v->Seme(), v->Valore()).second;
    };
    esigi(f.NumCarte1() == 3 * n - 3, "seat cards", f.NumCarte1());
    for (int i = 0; i < f.NumCarte1(); ++i) {
        conta(f.CtlPilaCarte1(i));
        esigi(vede(f.CtlPilaCarte1(i)) && (fase != Fase::Fatto || f.CtlPilaCarte1(i)->Coperta()),
              "seat card hidden or face up", i);
    }
    int conPalle = 0;
    for (int s = 1; s <= n; ++s) {
        const int palle = t.Palle(s);
        conPalle += palle > 0;
        const ElementoDisegnato& nome = Elemento(f, "LblNome", s - 1);
        const std::string atteso = palle > 3 ? t.Nomi(s) + ": " + std::to_string(palle) : t.Nomi(s);
        esigi(nome.visibile && nome.testo == QString::fromStdString(atteso) &&
                  (nome.colTesto.valore == 0x80000011) == (palle == 0),
              "label text or grey", s);
        for (int j = 0; j < 3; ++j) {
            const ElementoDisegnato& palla = Elemento(f, "ShPalla", 3 * (s - 1) + j);
            esigi(palla.visibile && (palla.stileRiempimento == 0) == (j < palle), "ball marker", s);
        }
        int lampada = 0; // the lamp picture shown, as a state number
        while (lampada < 4 && Elemento(f, "ImgLamp", lampada).immagine !=
                                  Elemento(f, "ImgGiocatore", s - 1).immagine)
            ++lampada;
        const bool turno = t.Occupato() ? s == t.Turno() : fase == Fase::Fatto && s == n;
        const bool bussa = t.Bussato() && t.Bussatore() == s;
        if (palle == 0)
            esigi(lampada == 2, "lamp of a seat out", s);
        else if (t.Occupato())
            esigi(lampada == 0 || (lampada == 1 && turno) || (lampada == 3 && bussa), "lamp", s);
        else
            esigi(lampada == (turno ? 1 : bussa ? 3 : 0), "lamp at rest", s);
    }

    for (int i = 0; i < 3; ++i) {
        conta(c.CtlPilaTavolo[i]);
        if (t.Palle(n) > 0)
            conta(c.CtlPilaCarte0[i]);
        const bool segnata = c.CtlPilaCarte0[i]->Selezionata() || c.CtlPilaTavolo[i]->Selezionata();
        const bool coperta = c.CtlPilaCarte0[i]->Coperta() || c.CtlPilaTavolo[i]->Coperta();
        esigi(fase == Fase::Fatto ? !coperta : t.Occupato() || !segnata,
              "a card face down on the human's turn or marked outside it", i);
    }
    // The deal covers the last hand's cards only once the opening decision is made.
    esigi((t.Occupato() && t.TurniMano() == 0) || doppie == 0, "cards in play twice", doppie);
    esigi(fase != Fase::Fatto || t.Occupato() || static_cast<int>(viste.size()) == 3 * n + 3,
          "cards dealt", static_cast<int>(viste.size()));
    if (!t.Occupato()) {
        esigi(conPalle == t.GiocatoriInGioco(), "GiocatoriInGioco", t.GiocatoriInGioco());
        esigi((fase == Fase::Nessuna) == (conPalle == 1), "phase at rest", static_cast<int>(fase));
    }
    return errore;
}

// The real window with a fixed seed; scripted boxes and pauses cut to nothing by default.
struct Banco {
    explicit Banco(std::uint64_t seme = 7, bool boxVere = false, double scala = 0.0,
                   Orologio* o = nullptr)
        : sostituzione(std::make_unique<CasualeFisso>(seme)),
          finestra(ServiziTavolo{boxVere ? nullptr : &dialoghi, o ? o : &orologio, scala,
                                 [this] { terminato = true; }}) {
        finestra.show();
    }
    Tavolo& T() { return finestra.Logica(); }
    const ControlliTavolo& C() const { return finestra.Controlli(); }

    casuale::Sostituzione sostituzione;
    DialoghiFinti dialoghi;
    OrologioSalto orologio; // the opener's pause ends at once
    bool terminato = false;
    FrmGalbirola finestra;
};
