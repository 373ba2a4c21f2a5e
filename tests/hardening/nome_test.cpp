#include "scimmia.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "platform/casuale.h"
#include "table/frmgalbirola.h"
#include "table/tavolo.h"
#include "widgets/imgbtn.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <vector>

// Names in failure messages as text, cut short.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.left(40).toStdString() << (s.size() > 40 ? "...\"" : "\"");
}

namespace {

struct Scatola {
    QString titolo;
    QString testo;
    bool semplice; // shown as plain text, character for character
};

// A table with the real boxes; every box is recorded and answered with its Escape button
// (OK, or No for the question).
struct TavoloVero {
    explicit TavoloVero(const QString& nome) {
        f.show();
        risponditore.callOnTimeout([this] {
            QMessageBox* box = ScatolaAperta();
            if (!box || box->parentWidget() != &f)
                return;
            const auto* etichetta = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const bool semplice = etichetta && (etichetta->textFormat() == Qt::PlainText ||
                                                (etichetta->textFormat() == Qt::AutoText &&
                                                 !Qt::mightBeRichText(etichetta->text())));
            scatole.push_back({box->windowTitle(), box->text(), semplice});
            (box->escapeButton() ? box->escapeButton() : box->buttons().constFirst())->click();
        });
        risponditore.start(2);

        const ControlliTavolo& c = f.Controlli();
        QTest::mouseClick(c.OptAvversari[0], Qt::LeftButton);
        c.TxtNome->clear();
        Scrivi(c.TxtNome, nome);
    }

    // Typed: key by key where every character is a key of the keyboard, through the input
    // method otherwise, as composed and pasted text arrives.
    static void Scrivi(QLineEdit* campo, const QString& testo) {
        campo->setFocus();
        bool tasti = testo.size() < 100;
        for (QChar ch : testo)
            tasti = tasti && ch.unicode() < 0x80;
        if (tasti) {
            QTest::keyClicks(campo, testo);
        } else {
            QInputMethodEvent composto;
            composto.setCommitString(testo);
            QApplication::sendEvent(campo, &composto);
        }
    }

    void Clicca(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
        QApplication::processEvents();
    }

    // Plays to the end of the tournament.
    bool Torneo() {
        const ControlliTavolo& c = f.Controlli();
        for (int passo = 0; passo < 2000; ++passo) {
            if (!scatole.empty() && scatole.back().testo == QStringLiteral("Fine del Torneo"))
                return true;
            if (f.Logica().FaseCorrente() == Fase::Carte)
                Clicca(c.CmdCarte);
            else if (f.Logica().FaseCorrente() == Fase::Fatto)
                Clicca(c.CmdFatto);
            else
                QTest::qWait(5);
        }
        return false;
    }

    const ElementoDisegnato& Elemento(const char* nome, int indice) const {
        return *f.Trova(QString::fromLatin1(nome), indice);
    }

    std::map<QString, QRect> Geometrie() const {
        std::map<QString, QRect> g;
        for (const QWidget* w : f.findChildren<QWidget*>())
            if (!w->objectName().isEmpty())
                g[w->objectName()] = w->geometry();
        for (const auto& e : f.Elementi())
            g[e->nome + QString::number(e->indice)] = e->twips;
        return g;
    }

    casuale::Sostituzione s{std::make_unique<CasualeFisso>(21)};
    OrologioSalto orologio;
    FrmGalbirola f{ServiziTavolo{nullptr, &orologio, 0.0, [] {}}};
    QTimer risponditore;
    std::vector<Scatola> scatole;
};

QString Lungo() {
    QString s;
    while (s.size() < 10'000)
        s += QStringLiteral("GalbirolaX");
    return s;
}

class NomeStrano : public ::testing::TestWithParam<QString> {};

TEST_P(NomeStrano, IsShownAsTypedAndLeavesTheRestOfTheTableAlone) {
    const QString nome = GetParam();
    // Each table draws from its own generator, installed when it is made.
    TavoloVero riferimento(QStringLiteral("Io"));
    riferimento.Clicca(riferimento.f.Controlli().CmdTorneo);
    TavoloVero t(nome);
    ASSERT_EQ(t.f.Controlli().TxtNome->text(), nome);
    t.Clicca(t.f.Controlli().CmdTorneo);
    ASSERT_EQ(t.f.Logica().NumGiocatori(), 2);

    EXPECT_EQ(t.Elemento("LblNome", 1).testo, nome);
    EXPECT_EQ(QString::fromStdString(t.f.Logica().Nomi(2)), nome);
    EXPECT_EQ(t.Geometrie(), riferimento.Geometrie());

    // Only the human's own label differs on screen, and it keeps to its rectangle.
    const QRectF etichetta = [&] {
        const QRect r = t.Elemento("LblNome", 1).twips;
        return QRect(twips::PixelInteri(r.left()), twips::PixelInteri(r.top()),
                     twips::PixelInteri(r.width()), twips::PixelInteri(r.height()))
            .adjusted(-1, -1, 1, 1);
    }();
    const QImage a = riferimento.f.grab().toImage();
    const QImage b = t.f.grab().toImage();
    ASSERT_EQ(a.size(), b.size());
    const qreal rapporto = a.devicePixelRatio();
    int diversi = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            diversi += !etichetta.contains(QPointF(x + 0.5, y + 0.5) / rapporto) &&
                       a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(diversi, 0);

    ASSERT_TRUE(t.Torneo());
    bool trovata = false;
    bool inTesta = false; // the name on a box's first line, where markup would take effect
    for (const Scatola& s : t.scatole) {
        EXPECT_TRUE(s.semplice) << s.testo.left(200).toStdString();
        inTesta = inTesta || s.testo.section(QLatin1Char('\n'), 0, 0).contains(nome);
        if (!s.testo.contains(QStringLiteral("° ")))
            continue;
        trovata = true;
        // Its line in the ranking: place, the name as typed, the hand.
        bool riga = false;
        for (const QString& r : s.testo.split(QLatin1Char('\n')))
            riga = riga || (r.contains(QStringLiteral("° ") + nome + QStringLiteral(": ")) &&
                            r.indexOf(QStringLiteral("° ")) <= 1);
        EXPECT_TRUE(riga) << s.testo.left(200).toStdString();
    }
    EXPECT_TRUE(trovata);
    EXPECT_TRUE(inTesta);
    EXPECT_EQ(t.Geometrie(), riferimento.Geometrie());
}

std::string NomeDelCaso(const ::testing::TestParamInfo<QString>& info) {
    static const char* const nomi[] = {"Vuoto",   "Lungo", "Emoji", "Combinati",
                                       "Ebraico", "Arabo", "Spazi", "Marcatura"};
    return nomi[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, NomeStrano,
    ::testing::Values(QString(), Lungo(), QStringLiteral("Anna 😀👩‍👩‍👧🂡"),
                      QStringLiteral("Jose\u0301 Z\u0335\u0322a\u0338l\u0334g\u0335o"),
                      QStringLiteral("שלום עליכם"), QStringLiteral("علي B."),
                      QStringLiteral("  Anna  "), QStringLiteral("<b>Io</b> &amp; <i>tu</i>")),
    NomeDelCaso);

} // namespace
