#include "table/tavolo.h"

#include "platform/casuale.h"
#include "platform/orologio.h"
#include "players/clsnomi.h"
#include "players/valutamano.h"
#include "table/invarianti.h"

#include <algorithm>

// Marks a game action as running for as long as it is in scope, so that a click that
// arrives while a pause or a dialog lets the window's events through starts nothing.
class Tavolo::Azione {
  public:
    explicit Azione(Tavolo& t) : m_t(t) { m_t.m_occupato = true; }
    ~Azione() { m_t.m_occupato = false; }
    Azione(const Azione&) = delete;
    Azione& operator=(const Azione&) = delete;

  private:
    Tavolo& m_t;
};

Tavolo::Tavolo(InterfacciaTavolo& ui, Orologio& orologio)
    : m_ui(ui), m_orologio(orologio), m_ritmo(orologio), m_mazzo(std::make_unique<MazzoCarte>()) {}

Tavolo::~Tavolo() = default;

void Tavolo::Carica() {
    casuale::RisemeDallOra();
    m_numGiocatori = 4;
    for (int i = 0; i < 3; ++i) {
        m_tavolo[i].ImpostaMazzo(m_mazzo.get());
        m_carte0[i].ImpostaMazzo(m_mazzo.get());
        m_tavolo[i].SetCoperta(true);
        m_carte0[i].SetCoperta(true);
    }
    ImpostaFase(Fase::Torneo);
    const ClsNomi nomi;
    m_ui.ProponiNome(nomi.GetNome());
}

void Tavolo::ImpostaFase(Fase fase) {
    m_fase = fase;
    m_ui.MostraFase(fase);
}

void Tavolo::Accendi(int seggio, Lampada stato) {
    m_ui.ImpostaLampada(seggio, stato);
}

void Tavolo::SuonaBussata() {
    Racconta(Accaduto::Tipo::Bussata, m_bussatore);
    Racconta(Accaduto::Tipo::UltimoGiro, m_bussatore);
    m_ui.Bussa(m_bussatore);
}

void Tavolo::Racconta(Accaduto::Tipo tipo, int seggio, const CarteDette& prese,
                      const CarteDette& lasciate, int palle) {
    if (!m_ui.Ascolta())
        return;
    m_ui.Racconta({tipo, seggio, prese, lasciate, palle});
    m_ritmo.Detto(m_ui.Parlato());
}

void Tavolo::AttendiVoce() {
    // asked before every turn: without a word told the surroundings need not be asked
    if (m_ritmo.Silenzio())
        return;
    // What the reader was given meanwhile (the focus it follows, a box's title) is waited for too.
    for (;;) {
        m_ritmo.Detto(m_ui.Parlato());
        const double attesa = m_ritmo.Attesa(m_ui.Assistito());
        if (attesa <= 0)
            return;
        m_ui.Pausa(attesa);
    }
}

void Tavolo::Avvisa(int stile, const std::optional<std::string>& titolo, const std::string& testo) {
    AttendiVoce();
    m_ui.Messaggio(stile, titolo, testo);
}

std::array<CartaDetta, 3> Tavolo::Guarda(const Carta* a, const Carta* b, const Carta* c) {
    const auto detta = [](const Carta* x) { return CartaDetta{x->CodiceSeme(), x->Valore()}; };
    return {detta(a), detta(b), detta(c)};
}

CarteDette Tavolo::Nuove(const std::array<CartaDetta, 3>& prima,
                         const std::array<CartaDetta, 3>& dopo) {
    CarteDette nuove;
    for (const CartaDetta& c : dopo)
        if (std::find(prima.begin(), prima.end(), c) == prima.end())
            nuove.push_back(c);
    return nuove;
}

// A seat's move told as the cards it took and left: a look at its three cards and the
// table's before the move, compared after it. Nothing is looked at while nobody listens.
class Tavolo::Scambio {
  public:
    Scambio(Tavolo& t, const Carta* mano) : m_t(t), m_mano(mano) {
        if (t.m_ui.Ascolta())
            m_prima = Sguardo{Guarda(m_mano, m_mano + 1, m_mano + 2),
                              Guarda(&t.m_tavolo[0], &t.m_tavolo[1], &t.m_tavolo[2])};
    }
    void Racconta(int seggio) const {
        if (m_prima)
            m_t.Racconta(Accaduto::Tipo::Scambio, seggio,
                         Nuove(m_prima->mano, Guarda(m_mano, m_mano + 1, m_mano + 2)),
                         Nuove(m_prima->banco,
                               Guarda(&m_t.m_tavolo[0], &m_t.m_tavolo[1], &m_t.m_tavolo[2])));
    }

  private:
    struct Sguardo {
        std::array<CartaDetta, 3> mano, banco;
    };
    Tavolo& m_t;
    const Carta* m_mano;
    std::optional<Sguardo> m_prima; // taken only while somebody listens
};

void Tavolo::PescaSu(Carta& carta) {
    int seme = 0;
    std::uint8_t valore = 0;
    m_mazzo->Pesca(seme, valore);
    carta.SettaCarta(seme, valore);
}

void Tavolo::CreaTorneo(int opzione, const std::string& nome) {
    if (m_fase != Fase::Torneo || m_occupato)
        return;
    Azione azione(*this);
    ImpostaFase(Fase::Nessuna);
    if (opzione >= 0 && opzione <= 5)
        m_numGiocatori = static_cast<std::int16_t>(opzione + 2);
    m_ultimaMano.clear(); // its lines name the seats of the names given up here
    m_nomi.assign(m_numGiocatori + 1, std::string());
    m_nomi[m_numGiocatori] = nome;
    PreparaTorneo();
    ImpostaFase(Fase::Carte);
}

void Tavolo::PreparaTorneo() {
    const int n = m_numGiocatori;
    m_giocatoriInGioco = static_cast<std::uint8_t>(n);
    m_mazziere = static_cast<std::uint8_t>(casuale::Intero(n, casuale::Rnd()) + 1);
    m_giocatori.clear();
    m_giocatori.resize(n + 1);
    m_palle.assign(n + 1, 0);

    m_numCarte1 = 3 * n - 3;
    for (int i = 0; i < m_numCarte1; ++i) {
        m_carte1[i].ImpostaMazzo(m_mazzo.get());
        m_carte1[i].SetCoperta(true);
    }
    m_ui.CreaPostazioni(n);

    for (int k = 1; k <= n - 1; ++k) {
        auto g = std::make_unique<ClsGiocatore>();
        g->ImpostaCarte(&m_carte1[3 * k - 3], &m_carte1[3 * k - 2], &m_carte1[3 * k - 1]);
        g->ImpostaTavolo(&m_tavolo[0], &m_tavolo[1], &m_tavolo[2]);
        m_giocatori[k] = std::move(g);
    }

    // The name pool reseeds the random source, so it is made only when first needed.
    std::unique_ptr<ClsNomi> nomi;
    for (int k = 1; k <= n; ++k) {
        if (k < n) {
            if (!nomi)
                nomi = std::make_unique<ClsNomi>();
            m_nomi[k] = nomi->GetNome();
        }
        m_palle[k] = 3;
        m_ui.ImpostaEtichetta(k, m_nomi[k]);
        for (int j = 0; j < 3; ++j)
            m_ui.ImpostaPalla(k, j, true);
        m_ui.MostraSegnapunti(k);
    }
}

void Tavolo::DaiCarte() {
    if (m_fase != Fase::Carte || m_occupato)
        return;
    Azione azione(*this);
    const int n = m_numGiocatori;

    if (m_palle[n] == 0)
        for (auto& c : m_carte0)
            c.SetCoperta(true);
    m_mazzo->Mescola();
    m_bussato = false;
    m_turniMano = 0;
    Racconta(Accaduto::Tipo::Mano, m_mazziere);

    for (int k = 1; k <= n - 1; ++k) {
        m_giocatori[k]->NuovaMano();
        for (int j = 0; j < 3; ++j) {
            Carta& c = m_carte1[3 * k - 3 + j];
            c.SetCoperta(true);
            PescaSu(c);
        }
        if (m_palle[k] > 0)
            Accendi(k, Lampada::Riposo);
    }
    if (m_palle[n] > 0) {
        Accendi(n, Lampada::Riposo);
        for (auto& c : m_carte0) {
            PescaSu(c);
            c.SetCoperta(false);
        }
    }
    ImpostaFase(Fase::Nessuna);
    for (auto& c : m_tavolo)
        c.SetCoperta(true);
    m_turno = m_mazziere;

    if (m_palle[n] > 0 && m_mazziere == n) {
        Accendi(n, Lampada::Turno);
        Racconta(Accaduto::Tipo::Turno, n);
        if (m_ui.Domanda("Domanda:", "Vuoi bussare con queste carte?")) {
            for (auto& c : m_tavolo) {
                PescaSu(c);
                c.SetCoperta(false);
            }
            m_bussato = true;
            m_bussatore = m_turno;
            SuonaBussata();
            Accendi(n, Lampada::Bussato);
        } else {
            // The dealt cards go face up on the table and the human takes three fresh ones.
            const auto mano = Guarda(&m_carte0[0], &m_carte0[1], &m_carte0[2]);
            for (int j = 0; j < 3; ++j) {
                m_tavolo[j].SettaCarta(m_carte0[j].CodiceSeme(), m_carte0[j].Valore());
                PescaSu(m_carte0[j]);
                m_tavolo[j].SetCoperta(false);
            }
            Racconta(Accaduto::Tipo::Apertura, n, {}, {mano.begin(), mano.end()});
            Accendi(n, Lampada::Riposo);
        }
    } else {
        const int s = m_turno;
        Carta* mano[3] = {&m_carte1[3 * s - 3], &m_carte1[3 * s - 2], &m_carte1[3 * s - 1]};
        AttendiVoce();
        Accendi(s, Lampada::Turno);
        Racconta(Accaduto::Tipo::Turno, s);
        PausaApertura();
        std::uint8_t tipo = 0, valore = 0;
        ValutaMano(*mano[0], *mano[1], *mano[2], tipo, valore);
        // The opener knocks on any tris or better, and on points above the bar.
        if (tipo < kTris && valore <= 2 * n + 14) {
            const auto aperte = Guarda(mano[0], mano[1], mano[2]);
            for (int j = 0; j < 3; ++j) {
                m_tavolo[j].SettaCarta(mano[j]->CodiceSeme(), mano[j]->Valore());
                PescaSu(*mano[j]);
                m_tavolo[j].SetCoperta(false);
            }
            Racconta(Accaduto::Tipo::Apertura, s, {}, {aperte.begin(), aperte.end()});
            Accendi(s, Lampada::Riposo);
        } else {
            for (auto& c : m_tavolo) {
                PescaSu(c);
                c.SetCoperta(false);
            }
            m_bussato = true;
            m_bussatore = static_cast<std::uint8_t>(s);
            SuonaBussata();
            Accendi(s, Lampada::Bussato);
        }
    }
    if constexpr (kInvarianti) {
        m_carteInGioco = CarteInGioco();
        Verifica(m_carteInGioco != 0, "two slots hold the same card after the deal");
    }
    m_turno = Seguente(m_turno);
    ProssimoTurno();
}

std::uint64_t Tavolo::CarteInGioco() const {
    std::uint64_t carte = 0;
    bool doppie = false;
    auto aggiungi = [&](const Carta& c) {
        if (c.CodiceSeme() < 0 || c.Valore() < 1 || c.Valore() > 10)
            return;
        const std::uint64_t bit = std::uint64_t{1} << (c.CodiceSeme() * 10 + c.Valore() - 1);
        doppie |= (carte & bit) != 0;
        carte |= bit;
    };
    for (int i = 0; i < m_numCarte1; ++i)
        aggiungi(m_carte1[i]);
    for (const Carta& c : m_tavolo)
        aggiungi(c);
    if (m_palle[m_numGiocatori] > 0)
        for (const Carta& c : m_carte0)
            aggiungi(c);
    return doppie ? 0 : carte;
}

void Tavolo::VerificaCarte() const {
    if constexpr (kInvarianti)
        Verifica(CarteInGioco() == m_carteInGioco, "a turn changed the cards in play");
}

void Tavolo::VerificaPalle() const {
    if constexpr (kInvarianti) {
        int inGioco = 0;
        for (int k = 1; k <= m_numGiocatori; ++k)
            inGioco += m_palle[k] > 0;
        Verifica(inGioco == m_giocatoriInGioco, "the count of seats in the tournament is wrong");
    }
}

// A computer opener thinks for 1 to 2.8 seconds: at every look at the clock a fresh number
// decides whether it is enough.
void Tavolo::PausaApertura() {
    const double t0 = m_orologio.Adesso();
    for (;;) {
        m_ui.Pausa(kPassoAttesa);
        const double adesso = m_orologio.Adesso();
        const double r = casuale::Rnd();
        if (t0 + 1 + 1.8 * r < adesso)
            break;
    }
}

void Tavolo::ProssimoTurno() {
    const int n = m_numGiocatori;
    auto finita = [&] { return m_bussato && m_bussatore == m_turno; };
    for (;;) {
        while (m_turno <= n - 1) {
            const int s = m_turno;
            if (finita()) {
                FineMano();
                return;
            }
            if (m_palle[s] > 0) {
                AttendiVoce();
                Accendi(s, Lampada::Turno);
                Racconta(Accaduto::Tipo::Turno, s);
                ++m_turniMano;
                const Scambio scambio(*this, &m_carte1[3 * s - 3]);
                const bool cambiato = m_giocatori[s]->GiocaTurno(m_ui);
                VerificaCarte();
                if (cambiato || m_bussato) {
                    scambio.Racconta(s);
                    Accendi(s, Lampada::Riposo);
                } else {
                    m_bussato = true;
                    m_bussatore = static_cast<std::uint8_t>(s);
                    SuonaBussata();
                    Accendi(s, Lampada::Bussato);
                }
            }
            m_turno = Seguente(m_turno);
        }
        // With the human out of the tournament the computers go round without stopping.
        if (m_palle[n] == 0 && !finita()) {
            m_turno = Seguente(m_turno);
            continue;
        }
        break;
    }
    if (finita()) {
        FineMano();
        return;
    }
    AttendiVoce();
    Racconta(Accaduto::Tipo::Turno, n);
    ImpostaFase(Fase::Fatto);
    Accendi(n, Lampada::Turno);
}

void Tavolo::ClickCarta0(int indice) {
    if (m_fase != Fase::Fatto || m_occupato || indice < 0 || indice > 2)
        return;
    m_carte0[indice].SetSelezionata(!m_carte0[indice].Selezionata());
}

void Tavolo::ClickTavolo(int indice) {
    if (m_fase != Fase::Fatto || m_occupato || indice < 0 || indice > 2)
        return;
    m_tavolo[indice].SetSelezionata(!m_tavolo[indice].Selezionata());
}

void Tavolo::Fatto() {
    if (m_fase != Fase::Fatto || m_occupato)
        return;
    Azione azione(*this);
    const int n = m_numGiocatori;

    int segnate = 0, proprie = 0;
    for (int i = 0; i < 3; ++i) {
        proprie += m_carte0[i].Selezionata();
        segnate += m_carte0[i].Selezionata() + m_tavolo[i].Selezionata();
    }
    if (segnate >= 4) {
        m_ui.Messaggio(kStileInformazione, "Mossa Illegale",
                       "Hai selezionato più di tre carte da tenere.");
        return;
    }
    if (segnate == 1 || segnate == 2) {
        m_ui.Messaggio(kStileInformazione, "Mossa Illegale",
                       "Hai selezionato meno di tre carte da tenere.");
        return;
    }

    ImpostaFase(Fase::Nessuna);
    Accendi(n, Lampada::Riposo);
    ++m_turniMano;
    const Scambio scambio(*this, &m_carte0[0]);
    if (segnate - proprie != 0) {
        // The first unmarked own card takes the lowest marked table card, and so on.
        for (int i = 0; i < 3; ++i) {
            if (m_carte0[i].Selezionata())
                continue;
            int j = 0;
            while (j < 2 && !m_tavolo[j].Selezionata())
                ++j;
            if (m_tavolo[j].Selezionata()) {
                m_carte0[i].SwapWith(&m_tavolo[j]);
                m_tavolo[j].SetSelezionata(false);
            }
        }
        scambio.Racconta(n);
    } else if (!m_bussato) {
        m_bussato = true;
        m_bussatore = m_turno;
        SuonaBussata();
        Accendi(n, Lampada::Bussato);
    } else {
        Racconta(Accaduto::Tipo::Scambio, n);
    }
    for (int i = 0; i < 3; ++i) {
        m_carte0[i].SetSelezionata(false);
        m_tavolo[i].SetSelezionata(false);
    }
    VerificaCarte();
    do
        m_turno = Seguente(m_turno);
    while (m_palle[m_turno] == 0);
    ProssimoTurno();
}

PuntoTwips Tavolo::PosizioneCarta(int slot) {
    const int i = slot;
    if (i <= 9)
        return {(i - 1) * 620 + 1860 + ((i - 1) / 3) * 600, ((i - 1) % 3) * 120 + 60};
    // The second row of seats stands lower and a little to the right.
    const int j = i - 10;
    return {j * 620 + 1860 + (j / 3) * 600 + 540, ((i - 1) % 3) * 120 + 1460};
}

PuntoTwips Tavolo::PosizioneLampada(int seggio, int numGiocatori) {
    if (seggio == numGiocatori)
        return {4570, 3780};
    const PuntoTwips prima = PosizioneCarta(3 * seggio - 2);
    return {prima.left, prima.top + 1200};
}

std::string Tavolo::Percorso(const std::string& cartella, char separatore) {
    if (!cartella.empty() && (cartella.back() == '/' || cartella.back() == '\\'))
        return cartella;
    return cartella + separatore;
}
