// The sentences a player hears and reads in the chronicle, to the byte.
#include "table/access/parole.h"

#include <gtest/gtest.h>

namespace {

using T = Accaduto::Tipo;

CartaDetta C(int valore, int seme) {
    return {seme, static_cast<std::uint8_t>(valore)};
}
constexpr int B = 0, Co = 1, D = 2, S = 3;

Accaduto Ev(T tipo, int seggio, std::vector<CartaDetta> prese = {},
            std::vector<CartaDetta> lasciate = {}, int palle = 0) {
    return {tipo, seggio, std::move(prese), std::move(lasciate), palle};
}

TEST(Parole, EveryEventReadsAsAShortItalianSentence) {
    const QString nomi[] = {{},
                            QStringLiteral("Andrea Z."),
                            QStringLiteral("Mario"),
                            QStringLiteral("Erika")}; // the human sits in seat 3
    const auto nome = [&](int s) { return nomi[s]; };
    struct Caso {
        Accaduto a;
        const char* atteso;
    };
    const std::vector<Caso> casi = {
        {Ev(T::Turno, 2), "Tocca a Mario"},
        {Ev(T::Turno, 1), "Tocca ad Andrea Z."},
        {Ev(T::Scambio, 1, {C(10, Co)}, {C(1, S)}),
         "Andrea Z. prende Re di Coppe, lascia Asso di Spade"},
        {Ev(T::Scambio, 3, {C(1, Co), C(10, Co)}, {C(5, D), C(7, S)}),
         "Prendi Asso e Re di Coppe, lasci Cinque di Denari e Sette di Spade"},
        {Ev(T::Scambio, 2), "Mario tiene le sue carte"},
        {Ev(T::Scambio, 3), "Tieni le tue carte"},
        {Ev(T::Apertura, 1, {}, {C(2, B), C(4, Co), C(6, D)}),
         "Andrea Z. mette in tavola Due di Bastoni, Quattro di Coppe e Sei di Denari"},
        {Ev(T::Apertura, 3, {}, {C(2, B), C(4, B), C(6, B)}),
         "Metti in tavola Due, Quattro e Sei di Bastoni"},
        {Ev(T::Bussata, 1), "Andrea Z. bussa"},
        {Ev(T::Mostra, 1, {C(1, Co), C(10, Co), C(9, Co)}),
         "Andrea Z.: Asso, Re e Cavallo di Coppe"},
        {Ev(T::Mostra, 2, {C(2, Co), C(2, S), C(2, D)}),
         "Mario: Due di Coppe, Due di Spade e Due di Denari"},
        {Ev(T::Guadagna, 1, {}, {}, 4), "Andrea Z. guadagna una palla: ne ha quattro"},
        {Ev(T::Perde, 3, {}, {}, 2), "Perdi una palla: ne restano due"},
        {Ev(T::Perde, 2, {}, {}, 1), "Mario perde una palla: ne resta una"},
        {Ev(T::Perde, 2, {}, {}, 0), "Mario perde una palla: non ne resta nessuna"},
        {Ev(T::Uscita, 2), "Mario è fuori dal torneo"},
        {Ev(T::Uscita, 3), "Sei fuori dal torneo"},
        {Ev(T::Vince, 2), "Vince Mario"},
        {Ev(T::Vince, 3), "Hai vinto il torneo"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(parole::Frase(c.a, nome, 3).toStdString(), c.atteso);
}

} // namespace
