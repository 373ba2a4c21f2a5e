#include "banco.h"

#include "table/access/cronaca.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QRegularExpression>

#include <gtest/gtest.h>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

struct Evento {
    QAccessible::Event tipo;
    QObject* oggetto;
    QString nome;
    QString detto; // the sentence told to the screen reader, if the event tells one
    bool computer; // sent while a computer played
};
std::vector<Evento> eventi;
FrmGalbirola* finestra = nullptr; // its table is built anew by a new tournament

void Annota(QAccessibleEvent* e) {
    const Tavolo& tavolo = finestra->Logica();
    if (QAccessibleInterface* i = e->accessibleInterface())
        eventi.push_back({e->type(), e->object(), i->text(QAccessible::Name), Cronaca::Detto(e),
                          tavolo.Occupato() && tavolo.Turno() < tavolo.NumGiocatori()});
}

bool Visto(QAccessible::Event tipo, const QString& nome) {
    return std::any_of(eventi.begin(), eventi.end(),
                       [&](const Evento& e) { return e.tipo == tipo && e.nome.contains(nome); });
}

QAccessibleInterface* Di(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// What assistive technology reads of an element and of what it holds, one line each:
// role, name, description, states and actions; hidden elements are left out.
QString Albero(QAccessibleInterface* i, int livello = 0) {
    const QAccessible::State s = i->state();
    if (s.invisible)
        return {};
    QString riga = QString(livello * 2, ' ') +
                   QMetaEnum::fromType<QAccessible::Role>().valueToKey(i->role()) + " \"" +
                   i->text(QAccessible::Name) + '"';
    if (!i->text(QAccessible::Description).isEmpty())
        riga += " (" + i->text(QAccessible::Description) + ')';
    for (const auto& [stato, parola] : {std::pair{s.checkable, "checkable"},
                                        {s.checked, "checked"},
                                        {s.focusable, "focusable"},
                                        {s.focused, "focused"}})
        if (stato)
            riga += ' ' + QLatin1String(parola);
    if (QAccessibleActionInterface* a = i->actionInterface())
        for (const QString& azione : a->actionNames())
            if (azione != QAccessibleActionInterface::setFocusAction())
                riga += " [" + azione + ']';
    riga += '\n';
    for (int k = 0; k < i->childCount(); ++k) {
        EXPECT_TRUE(i->child(k)->parent() == i)
            << "the parent of a child of " << riga.toStdString();
        riga += Albero(i->child(k), livello + 1);
    }
    return riga;
}

void Agisci(QObject* o, const QString& azione) {
    Di(o)->actionInterface()->doAction(azione);
    QApplication::processEvents(); // the game action runs queued
}

class Accessibilita : public ::testing::Test {
  protected:
    // Qt tells assistive technology anything only while some is listening: the test runs in
    // a session with the accessibility bus (see accessibilita.sh), and takes its events.
    void SetUp() override {
        for (int i = 0; i < 250 && !QAccessible::isActive(); ++i)
            QTest::qWait(20);
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus to talk to";
        eventi.clear();
        finestra = &b.finestra;
        QAccessible::installUpdateHandler(Annota);
        b.finestra.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    }
    void TearDown() override { QAccessible::installUpdateHandler(nullptr); }
    // The score column's row of a seat, and a card group's line, as read now.
    QString Riga(int seggio) {
        QAccessibleInterface* colonna = Di(&b.finestra)->child(0);
        return colonna->child(seggio - 1)->text(QAccessible::Name);
    }
    Banco b{5};
};

// Before the tournament: the score column, the settings panel with its labels and options,
// the one command, the two rows of large cards by owner, and the deck.
// A new tournament asked for at once reads the same, built anew.
TEST_F(Accessibilita, TheStartReadsAsItLooks) {
    const QString inizio = R"~(Window "Galbirola 1.0 (12)"
  List "Segnapunti"
  Grouping "Impostazioni del Torneo"
    Heading "Impostazioni del Torneo"
    StaticText "Numero di giocatori:"
    RadioButton "1 avversario" checkable focusable [Toggle]
    RadioButton "2 avversari" checkable focusable [Toggle]
    RadioButton "3 avversari" checkable focusable [Toggle]
    RadioButton "4 avversari" checkable focusable [Toggle]
    RadioButton "5 avversari" checkable focusable [Toggle]
    RadioButton "6 avversari" checkable checked focusable [Toggle]
    StaticText "Nome del giocatore:"
    EditableText "Nome del giocatore:" focusable focused
  Button "Crea Torneo" focusable [Press]
  Grouping "Le tue carte"
    CheckBox "Carta coperta" checkable focusable
    CheckBox "Carta coperta" checkable focusable
    CheckBox "Carta coperta" checkable focusable
  StaticText "Tavolo"
  Grouping "Tavolo"
    CheckBox "Carta coperta" checkable focusable
    CheckBox "Carta coperta" checkable focusable
    CheckBox "Carta coperta" checkable focusable
  Client "Mazzo"
)~";
    EXPECT_EQ(Albero(Di(&b.finestra)), inizio);
    QTest::keyClick(&b.finestra, Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents(); // the command runs queued
    EXPECT_EQ(Albero(Di(&b.finestra)), inizio);
}

// A tournament followed and played through assistive technology alone: the press and
// toggle actions, the rows and groups on the player's turn, after a knock and after a seat
// has left, and the events that say what changed while the computers played.
TEST_F(Accessibilita, ATournamentIsFollowedAndPlayedThroughTheTree) {
    const ControlliTavolo& c = b.C();
    Clicca(c.OptAvversari[1]);
    c.TxtNome->setText(QStringLiteral("Io"));
    Agisci(c.CmdTorneo, QAccessibleActionInterface::pressAction());
    ASSERT_EQ(b.T().FaseCorrente(), Fase::Carte);
    EXPECT_EQ(QApplication::focusWidget(), c.CmdCarte);
    const QString primo = QString::fromStdString(b.T().Nomi(1));
    EXPECT_EQ(Riga(3), "Io: 3 palle");
    EXPECT_EQ(Albero(Di(&b.finestra)->child(5)), "Grouping \"" + primo + R"("
  Graphic "Carta coperta"
  Graphic "Carta coperta"
  Graphic "Carta coperta"
)");
    bool turno = false, bussato = false, uscito = false, prese = false;
    for (int passo = 0; passo < 200 && !uscito; ++passo) {
        SCOPED_TRACE(passo);
        eventi.clear();
        Agisci(b.T().FaseCorrente() == Fase::Carte ? static_cast<QObject*>(c.CmdCarte) : c.CmdFatto,
               QAccessibleActionInterface::pressAction());
        int gruppi = 0; // of cards: one per seat of the tournament, and the table's
        for (int k = 0; k < Di(&b.finestra)->childCount(); ++k) {
            QAccessibleInterface* g = Di(&b.finestra)->child(k);
            if (g->role() != QAccessible::Grouping || g->state().invisible)
                continue;
            ++gruppi;
            EXPECT_EQ(g->childCount(), 3)
                << "the cards of \"" << g->text(QAccessible::Name).toStdString() << "\" are "
                << g->childCount();
        }
        EXPECT_EQ(gruppi, b.T().NumGiocatori() + 1) << "groups of cards for 3 seats and the table";
        for (const Evento& e : eventi) // the cards a computer takes from the table
            prese = prese ||
                    (e.tipo == QAccessible::NameChanged && e.computer &&
                     std::count(c.CtlPilaTavolo.begin(), c.CtlPilaTavolo.end(), e.oggetto) == 1);
        if (b.T().FaseCorrente() == Fase::Fatto && !turno) {
            turno = true;
            EXPECT_TRUE(Visto(QAccessible::Focus, c.CtlPilaCarte0[0]->accessibleName()));
            EXPECT_EQ(Riga(3), "Io: 3 palle, di turno");
            EXPECT_TRUE(Visto(QAccessible::NameChanged, primo + ": 3 palle, di turno"));
            QAccessibleInterface* carta = Di(c.CtlPilaTavolo[1]);
            EXPECT_EQ(Albero(carta),
                      QStringLiteral("CheckBox \"%1\" checkable focusable [Toggle]\n")
                          .arg(c.CtlPilaTavolo[1]->accessibleName()));
            Agisci(c.CtlPilaTavolo[1], QAccessibleActionInterface::toggleAction());
            EXPECT_TRUE(carta->state().checked && c.CtlPilaTavolo[1]->Selezionata());
            EXPECT_TRUE(Visto(QAccessible::StateChanged, c.CtlPilaTavolo[1]->accessibleName()));
            Agisci(c.CtlPilaTavolo[1], QAccessibleActionInterface::toggleAction());
        }
        for (int s = 1; s <= 3; ++s) {
            const QString lampada = b.finestra.StatoLampada(s) == Lampada::Bussato ? ", ha bussato"
                                    : b.T().Palle(s) == 0 ? ", fuori dal torneo"
                                                          : "";
            if (lampada.isEmpty() || (b.T().Palle(s) == 0 ? uscito : bussato))
                continue;
            const QString riga = QStringLiteral("%1: %2 palle%3")
                                     .arg(QString::fromStdString(b.T().Nomi(s)))
                                     .arg(b.T().Palle(s))
                                     .arg(lampada);
            EXPECT_EQ(Riga(s), riga);
            EXPECT_TRUE(Visto(QAccessible::NameChanged, riga));
            QAccessibleInterface* gruppo = Di(&b.finestra)->child(s == 3 ? 11 : 4 + s);
            EXPECT_EQ(gruppo->text(QAccessible::Description).toLower(), lampada.mid(2));
            (b.T().Palle(s) == 0 ? uscito : bussato) = true;
        }
    }
    EXPECT_TRUE(turno && bussato && uscito && prese);
}

// The questions are answered aloud wherever the focus is, not kept in the chronicle, and
// change nothing on the table; in the name field the same letters are typed.
TEST_F(Accessibilita, QuestionsAreAnsweredAloudAndTheTableStaysAsItWas) {
    const ControlliTavolo& c = b.C();
    const auto chiedi = [&](const char* tasti) {
        eventi.clear();
        for (const char* k = tasti; *k; ++k)
            QTest::keyClick(QApplication::focusWidget(), *k);
        QStringList detto;
        for (const Evento& e : eventi)
            if (!e.detto.isEmpty())
                detto << e.detto;
        return detto.join('|');
    };
    c.TxtNome->setText(QStringLiteral("Io"));
    EXPECT_TRUE(chiedi("cT").isEmpty() && c.TxtNome->text() == "IocT")
        << c.TxtNome->text().toStdString();
    Agisci(c.CmdTorneo, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chiedi("g"), "Nessuna mano ancora");
    Agisci(c.CmdCarte, QAccessibleActionInterface::pressAction());
    ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
    Agisci(c.CtlPilaCarte0[1], QAccessibleActionInterface::toggleAction());
    QWidget* fuoco = QApplication::focusWidget();
    const QStringList cronaca = b.finestra.Cronista()->Righe();
    const QString detto = chiedi("ctpgr");
    EXPECT_TRUE(QApplication::focusWidget() == fuoco && b.finestra.Cronista()->Righe() == cronaca &&
                b.T().FaseCorrente() == Fase::Fatto && c.CtlPilaCarte0[1]->Selezionata());
    // C names the human's cards, P ends with the human's balls, R repeats the turn's sentence.
    const QString carta = c.CtlPilaCarte0[0]->accessibleName().section(',', 0, 0);
    EXPECT_TRUE(QRegularExpression('^' + QRegularExpression::escape(carta) +
                                   ".*: [^|]+\\|In tavola: [^|]+\\|[^|]* e tu tre palle\\|"
                                   "Tocca a te; [^|]+\\|Tocca a te$")
                    .match(detto)
                    .hasMatch())
        << detto.toStdString();
}

} // namespace
