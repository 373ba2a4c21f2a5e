#include "banco.h"

#include <gtest/gtest.h>

namespace {

// The window as the player's keyboard reaches it: active, keys going to the focus.
struct BancoAttivo : Banco {
    explicit BancoAttivo(std::uint64_t seme) : Banco(seme) {
        finestra.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }
    QWidget* Fuoco() const { return QApplication::focusWidget(); }
    void Tasto(Qt::Key tasto, Qt::KeyboardModifiers m = Qt::NoModifier) {
        ASSERT_NE(Fuoco(), nullptr);
        QTest::keyClick(Fuoco(), tasto, m);
        QApplication::processEvents(); // the game action runs queued
    }
};

// A mouse player's table looks as it always did: wherever the game puts the focus, nothing
// is drawn for it until a key is used.
TEST(Tastiera, TheFocusShowsOnlyOnceAKeyIsUsed) {
    BancoAttivo b(11);
    EXPECT_EQ(b.Fuoco(), b.C().TxtNome);
    Clicca(b.C().OptAvversari[0]);
    Clicca(b.C().CmdTorneo);
    for (int passo = 0; passo < 8; ++passo) {
        Clicca(b.T().FaseCorrente() == Fase::Carte ? static_cast<QWidget*>(b.C().CmdCarte)
                                                   : b.C().CtlPilaCarte0[passo % 3]);
        if (b.T().FaseCorrente() == Fase::Fatto && passo % 2)
            Clicca(b.C().CmdFatto);
        QWidget* fuoco = b.Fuoco();
        ASSERT_NE(fuoco, nullptr);
        const QImage visto = b.finestra.grab().toImage();
        b.finestra.setFocus();
        EXPECT_TRUE(b.finestra.grab().toImage() == visto)
            << "focus drawn on " << fuoco->objectName().toStdString();
        fuoco->setFocus();
    }
}

} // namespace
