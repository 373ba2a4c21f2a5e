#pragma once

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "finti.h"
#include "platform/casuale.h"
#include "table/frmgalbirola.h"
#include "table/tavolo.h"
#include "widgets/imgbtn.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

// A click goes through the widget's own mouse handling; the game action it starts runs
// when the event loop comes round.
inline void Clicca(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
    QApplication::processEvents();
}

// The real table window with a fixed seed, scripted dialogs and pauses cut to nothing.
struct Banco {
    explicit Banco(std::uint64_t seme = 7)
        : sostituzione(std::make_unique<CasualeFisso>(seme)),
          finestra(ServiziTavolo{&dialoghi, &orologio, 0.0, [this] { terminato = true; }}) {
        finestra.show();
    }

    void Clicca(QWidget* w) { ::Clicca(w); }

    const ElementoDisegnato& Elemento(const char* nome, int indice) const {
        const ElementoDisegnato* e = finestra.Trova(QString::fromLatin1(nome), indice);
        if (!e)
            throw std::out_of_range(nome);
        return *e;
    }
    // The lamp picture a seat shows, as a state number; -1 for none of the four.
    int Lampada(int seggio) const {
        const Immagine& mostrata = Elemento("ImgGiocatore", seggio - 1).immagine;
        for (int s = 0; s < 4; ++s)
            if (Elemento("ImgLamp", s).immagine == mostrata)
                return s;
        return -1;
    }
    Tavolo& T() { return finestra.Logica(); }
    const ControlliTavolo& C() const { return finestra.Controlli(); }

    casuale::Sostituzione sostituzione;
    DialoghiFinti dialoghi;
    OrologioAPassi orologio;
    bool terminato = false;
    FrmGalbirola finestra;
};

inline QPoint PixelDi(int left, int top) {
    return {twips::PixelInteri(left), twips::PixelInteri(top)};
}
