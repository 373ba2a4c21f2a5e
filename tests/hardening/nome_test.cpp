#include "banco.h"

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.left(40).toStdString() << (s.size() > 40 ? "...\"" : "\"");
}

namespace {

// The real boxes, each recorded as "text" when shown as plain text, and answered with Escape.
struct TavoloVero : Banco {
    explicit TavoloVero(const QString& nome) : Banco(21, true) {
        risponditore.callOnTimeout([this] {
            QMessageBox* box = ScatolaAperta();
            if (!box || box->parentWidget() != &finestra)
                return;
            const auto* l = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const bool semplice =
                l->textFormat() == Qt::PlainText ||
                (l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text()));
            scatole.push_back(semplice ? box->text() : QStringLiteral("<rich text>"));
            (box->escapeButton() ? box->escapeButton() : box->buttons().constFirst())->click();
        });
        risponditore.start(2);
        Clicca(C().OptAvversari[0]);
        C().TxtNome->clear();
        C().TxtNome->setFocus();
        QInputMethodEvent scritto; // as composed or pasted text arrives
        scritto.setCommitString(nome);
        QApplication::sendEvent(C().TxtNome, &scritto);
        EXPECT_EQ(C().TxtNome->text(), nome);
        Clicca(C().CmdTorneo);
    }
    QTimer risponditore;
    QStringList scatole;
};

class NomeStrano : public ::testing::TestWithParam<QString> {};

TEST_P(NomeStrano, IsShownAsTypedAndLeavesTheRestOfTheTableAlone) {
    const QString nome = GetParam();
    TavoloVero riferimento(QStringLiteral("Io"));
    TavoloVero t(nome);
    EXPECT_EQ(Elemento(t.finestra, "LblNome", 1).testo, nome);

    // Only the human's own label differs on screen, and it keeps to its rectangle.
    const QRect r = Elemento(t.finestra, "LblNome", 1).twips;
    const QRectF etichetta(PixelDi(r.left() - 15, r.top() - 15),
                           PixelDi(r.right() + 16, r.bottom() + 16));
    const QImage a = riferimento.finestra.grab().toImage();
    const QImage b = t.finestra.grab().toImage();
    int diversi = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            diversi += a.pixel(x, y) != b.pixel(x, y) &&
                       !etichetta.contains(QPointF(x + 0.5, y + 0.5) / a.devicePixelRatio());
    EXPECT_EQ(diversi, 0);

    for (int passo = 0; passo < 2000 && !t.scatole.contains("Fine del Torneo"); ++passo)
        if (t.T().FaseCorrente() == Fase::Carte || t.T().FaseCorrente() == Fase::Fatto)
            Clicca(t.T().FaseCorrente() == Fase::Carte ? t.C().CmdCarte : t.C().CmdFatto);
        else
            QTest::qWait(5);
    ASSERT_TRUE(t.scatole.contains("Fine del Torneo"));
    EXPECT_FALSE(t.scatole.contains("<rich text>"));
    bool inClassifica = false, inTesta = false; // the first line is where markup would act
    for (const QString& s : t.scatole) {
        inTesta = inTesta || s.section('\n', 0, 0).contains(nome);
        for (const QString& riga : s.split('\n'))
            inClassifica = inClassifica || riga.indexOf("° " + nome + ": ") == 1;
    }
    EXPECT_TRUE(inClassifica && inTesta);
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, NomeStrano,
    ::testing::Values(QString(), QStringLiteral("GalbirolaX").repeated(1000),
                      QStringLiteral("Anna 😀👩‍👩‍👧🂡"),
                      QStringLiteral("Jose\u0301 Z\u0335\u0322a\u0338l\u0334g\u0335o"),
                      QStringLiteral("שלום עליכם"), QStringLiteral("علي B."),
                      QStringLiteral("  Anna  "), QStringLiteral("<b>Io</b> &amp; <i>tu</i>")));

} // namespace
