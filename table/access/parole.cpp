#include "table/access/parole.h"

#include "cards/carta.h"

#include <QStringList>

namespace parole {

namespace {

const char* const kValori[] = {"",    "Asso",  "Due",   "Tre",     "Quattro", "Cinque",
                               "Sei", "Sette", "Fante", "Cavallo", "Re"};

QString Seme(int seme) {
    return seme >= 0 && seme < 4 ? QString::fromStdString(NomeSeme(seme)) : QString();
}

QString Valore(std::uint8_t valore) {
    return valore >= 1 && valore <= 10 ? QString::fromLatin1(kValori[valore])
                                       : QString::number(valore);
}

// "a", "a e b", "a, b e c".
QString Elenco(const QStringList& voci) {
    if (voci.size() < 2)
        return voci.join(QString());
    return voci.mid(0, voci.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") +
           voci.back();
}

// Balls are counted in words, up to ten.
QString Numero(int n) {
    static const char* const kNumeri[] = {"nessuna", "una",   "due",  "tre",  "quattro", "cinque",
                                          "sei",     "sette", "otto", "nove", "dieci"};
    return n >= 0 && n <= 10 ? QString::fromLatin1(kNumeri[n]) : QString::number(n);
}

} // namespace

QString Carta(CartaDetta carta) {
    return QStringLiteral("%1 di %2").arg(Valore(carta.valore), Seme(carta.seme));
}

QString Mano(const CarteDette& carte) {
    bool unSeme = !carte.empty();
    for (const CartaDetta& c : carte)
        unSeme &= c.seme == carte.front().seme;
    QStringList voci;
    for (const CartaDetta& c : carte)
        voci << (unSeme ? Valore(c.valore) : Carta(c));
    return unSeme ? Elenco(voci) + QStringLiteral(" di ") + Seme(carte.front().seme) : Elenco(voci);
}

QString Frase(const Accaduto& a, const std::function<QString(int)>& nome, int umano) {
    using T = Accaduto::Tipo;
    const bool tu = a.seggio == umano;
    const QString chi = nome(a.seggio);
    switch (a.tipo) {
    case T::Mano:
        return tu ? QStringLiteral("Nuova mano: apri tu")
                  : QStringLiteral("Nuova mano: apre %1").arg(chi);
    case T::Turno:
        if (tu)
            return QStringLiteral("Tocca a te");
        return (chi.startsWith(QLatin1Char('A')) ? QStringLiteral("Tocca ad %1")
                                                 : QStringLiteral("Tocca a %1"))
            .arg(chi);
    case T::Apertura:
        // Drawing three fresh cards goes without saying.
        return tu ? QStringLiteral("Metti in tavola %1").arg(Mano(a.lasciate))
                  : QStringLiteral("%1 mette in tavola %2").arg(chi, Mano(a.lasciate));
    case T::Scambio:
        if (a.prese.empty())
            return tu ? QStringLiteral("Tieni le tue carte")
                      : QStringLiteral("%1 tiene le sue carte").arg(chi);
        return tu ? QStringLiteral("Prendi %1, lasci %2").arg(Mano(a.prese), Mano(a.lasciate))
                  : QStringLiteral("%1 prende %2, lascia %3")
                        .arg(chi, Mano(a.prese), Mano(a.lasciate));
    case T::Bussata:
        return tu ? QStringLiteral("Bussi") : QStringLiteral("%1 bussa").arg(chi);
    case T::UltimoGiro:
        return QStringLiteral("Ultimo giro");
    case T::Mostra:
        return QStringLiteral("%1: %2").arg(chi, Mano(a.prese));
    case T::Guadagna:
        return tu ? QStringLiteral("Guadagni una palla: ne hai %1").arg(Numero(a.palle))
                  : QStringLiteral("%1 guadagna una palla: ne ha %2").arg(chi, Numero(a.palle));
    case T::Perde: {
        const QString resto = a.palle == 0   ? QStringLiteral("non ne resta nessuna")
                              : a.palle == 1 ? QStringLiteral("ne resta una")
                                             : QStringLiteral("ne restano %1").arg(Numero(a.palle));
        return tu ? QStringLiteral("Perdi una palla: %1").arg(resto)
                  : QStringLiteral("%1 perde una palla: %2").arg(chi, resto);
    }
    case T::Uscita:
        return tu ? QStringLiteral("Sei fuori dal torneo")
                  : QStringLiteral("%1 è fuori dal torneo").arg(chi);
    case T::Vince:
        return tu ? QStringLiteral("Hai vinto il torneo") : QStringLiteral("Vince %1").arg(chi);
    }
    return {};
}

} // namespace parole
