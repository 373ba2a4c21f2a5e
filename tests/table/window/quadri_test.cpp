#include "banco.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The table as the player sees it, against reference pictures under tests/table/window/quadri.
// A picture that differs is written into the build folder beside where the reference is named;
// GALBIROLA_NUOVI_QUADRI=1 rewrites the references instead, for a deliberate commit.
// Anti-aliased edges of the vector art and of the letters round differently under another
// FreeType or Qt release: a pixel whose colour lies within what its neighbours show in the
// other picture is such an edge. Every fault a player notices (a card turned, moved or
// recoloured, a caption shifted or misspelt) leaves more than a dozen pixels that do not.
bool Sfumato(const QImage& a, const QImage& b, int x, int y) {
    const QRgb v = b.pixel(x, y);
    for (const int spostamento : {16, 8, 0}) { // red, green, blue
        const auto canale = [spostamento](QRgb c) { return int(c >> spostamento) & 0xff; };
        int minimo = 255, massimo = 0;
        for (int j = std::max(0, y - 1); j <= std::min(a.height() - 1, y + 1); ++j)
            for (int i = std::max(0, x - 1); i <= std::min(a.width() - 1, x + 1); ++i) {
                minimo = std::min(minimo, canale(a.pixel(i, j)));
                massimo = std::max(massimo, canale(a.pixel(i, j)));
            }
        if (canale(v) < minimo - 40 || canale(v) > massimo + 40)
            return false;
    }
    return true;
}

std::string Confronta(FrmGalbirola& f, const QString& nome) {
    const QImage visto = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString riferimento = QStringLiteral(QUADRI_RIFERIMENTO "/") + nome + ".png";
    const QString nuovo = QStringLiteral(QUADRI_NUOVI "/") + nome + ".png";
    if (qEnvironmentVariableIntValue("GALBIROLA_NUOVI_QUADRI") == 1) {
        visto.save(riferimento, "PNG", 0); // smallest file
        return {};
    }
    const QImage atteso = QImage(riferimento).convertToFormat(QImage::Format_RGB32);
    int diversi = 0;
    if (atteso.size() != visto.size()) {
        diversi = visto.width() * visto.height();
    } else {
        for (int y = 0; y < visto.height(); ++y)
            for (int x = 0; x < visto.width(); ++x) {
                diversi += atteso.pixel(x, y) != visto.pixel(x, y) &&
                           (!Sfumato(atteso, visto, x, y) || !Sfumato(visto, atteso, x, y));
            }
    }
    if (diversi <= 12)
        return {};
    QDir().mkpath(QStringLiteral(QUADRI_NUOVI));
    visto.save(nuovo);
    return "the table looks different from " + riferimento.toStdString() + " in " +
           std::to_string(diversi) + " pixels; what it shows now is " + nuovo.toStdString();
}

void Tasto(Qt::Key tasto) {
    QTest::keyClick(QApplication::focusWidget(), tasto);
    QApplication::processEvents();
}

// One tournament with six opponents, the human knocking at once every hand, photographed at
// the start, at the first turn, with marks made from the keys, at the first showdown, at the
// next deal after a seat has left, and at the end.
TEST(Quadri, TheTableLooksAsThePlayerKnowsIt) {
    QApplication::setCursorFlashTime(0); // the name field's cursor stays put
    Banco b(7);
    b.finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.finestra));
    EXPECT_EQ(Confronta(b.finestra, "inizio"), "");
    Clicca(b.C().OptAvversari[5]);
    Clicca(b.C().CmdTorneo);
    Clicca(b.C().CmdCarte);
    ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
    EXPECT_EQ(Confronta(b.finestra, "sei_avversari"), "");
    b.C().CtlPilaCarte0[0]->setFocus();
    Tasto(Qt::Key_Right);
    Tasto(Qt::Key_Space);
    Tasto(Qt::Key_Tab);
    Tasto(Qt::Key_End);
    Tasto(Qt::Key_Space);
    EXPECT_EQ(Confronta(b.finestra, "segni_e_fuoco"), "");
    Clicca(b.C().CtlPilaCarte0[1]);
    Clicca(b.C().CtlPilaTavolo[2]);
    int uscito = 0; // 1 once a seat has left, 2 once the next deal is photographed
    for (int passo = 0; passo < 500 && !b.dialoghi.messaggi.endsWith("Galbirola|Fine del Torneo");
         ++passo) {
        if (uscito == 1) {
            EXPECT_EQ(Confronta(b.finestra, "uno_fuori"), "");
            uscito = 2;
        }
        if (b.T().FaseCorrente() == Fase::Fatto) {
            Clicca(b.C().CmdFatto);
            continue;
        }
        ASSERT_EQ(b.T().FaseCorrente(), Fase::Carte);
        if (passo == 1) {
            EXPECT_EQ(Confronta(b.finestra, "mostra"), "");
        }
        for (int s = 1; s <= b.T().NumGiocatori() && !uscito; ++s)
            uscito = b.T().Palle(s) == 0;
        Clicca(b.C().CmdCarte);
    }
    ASSERT_EQ(uscito, 2);
    EXPECT_EQ(Confronta(b.finestra, "fine"), "");
    QApplication::setCursorFlashTime(1000);
}

} // namespace
