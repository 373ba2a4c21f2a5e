#include "banco.h"
#include "table/bussata.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QMessageBox* boxAperta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

// Looks at the open box once the wait has begun, then lets the test act on it.
void QuandoSiApre(QObject* contesto, std::function<void(QMessageBox&)> azione) {
    QTimer::singleShot(50, contesto, [azione] {
        QMessageBox* box = boxAperta();
        ASSERT_NE(box, nullptr);
        azione(*box);
    });
}

struct FinestraVera {
    FinestraVera() : f(ServiziTavolo{nullptr, nullptr, 1.0, [] {}}) { f.show(); }
    casuale::Sostituzione s{std::make_unique<CasualeFisso>(3)};
    FrmGalbirola f;
};

TEST(DialoghiFinestra, UntitledInformationBoxShowsTheApplicationsTitle) {
    FinestraVera v;
    QString titolo, testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QuandoSiApre(&v.f, [&](QMessageBox& box) {
        titolo = box.windowTitle();
        testo = box.text();
        icona = box.icon();
        box.button(QMessageBox::Ok)->click();
    });
    v.f.Messaggio(64, std::nullopt, "1° Anna: Punti 21\r\n");
    EXPECT_EQ(titolo, QStringLiteral("Galbirola"));
    EXPECT_EQ(testo, QStringLiteral("1° Anna: Punti 21\n"));
    EXPECT_EQ(icona, QMessageBox::Information);

    QuandoSiApre(&v.f, [&](QMessageBox& box) {
        icona = box.icon();
        titolo = box.windowTitle();
        box.button(QMessageBox::Ok)->click();
    });
    v.f.Messaggio(0, "Mossa Illegale", "x");
    EXPECT_EQ(icona, QMessageBox::NoIcon);
    EXPECT_EQ(titolo, QStringLiteral("Mossa Illegale"));
}

TEST(DialoghiFinestra, QuestionIsYesOnlyWhenYesIsPressed) {
    FinestraVera v;
    bool dueBottoni = false;
    QuandoSiApre(&v.f, [&](QMessageBox& box) {
        dueBottoni = box.buttons().size() == 2 && box.button(QMessageBox::Yes) &&
                     box.button(QMessageBox::No);
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(v.f.Domanda("Domanda:", "Vuoi bussare con queste carte?"));
    EXPECT_TRUE(dueBottoni);

    QuandoSiApre(&v.f, [](QMessageBox& box) { box.close(); });
    EXPECT_FALSE(v.f.Domanda("Domanda:", "Vuoi bussare con queste carte?"));
}

TEST(DialoghiFinestra, ClosingTheWindowTakesTheOpenBoxAway) {
    FinestraVera v;
    QuandoSiApre(&v.f, [&](QMessageBox&) { v.f.close(); });
    EXPECT_THROW(v.f.Messaggio(64, "Attenzione:", "Anna è uscito dal torneo."), Annullato);
    EXPECT_EQ(boxAperta(), nullptr);
}

// While a box is open the table takes no clicks.
TEST(DialoghiFinestra, TableIgnoresTheMouseWhileABoxIsOpen) {
    FinestraVera v;
    bool cliccato = false;
    QObject::connect(v.f.Controlli().CmdTorneo, &ImgBtn::Click, [&] { cliccato = true; });
    QuandoSiApre(&v.f, [&](QMessageBox& box) {
        QTest::mouseClick(v.f.Controlli().CmdTorneo, Qt::LeftButton, {}, QPoint(40, 40));
        box.button(QMessageBox::Ok)->click();
    });
    v.f.Messaggio(64, std::nullopt, "x");
    EXPECT_FALSE(cliccato);
}

TEST(Bussata, MissingOrSilentKnockNeverHangs) {
    QElapsedTimer orologio;
    orologio.start();
    Bussata(QStringLiteral("/nowhere/Busso.wav")).Suona();
    EXPECT_LT(orologio.elapsed(), 500);

    orologio.restart();
    Bussata(QCoreApplication::applicationDirPath() + QStringLiteral("/Busso.wav")).Suona();
    EXPECT_LT(orologio.elapsed(), 4000);
}

} // namespace
