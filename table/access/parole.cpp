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

QString Risposta(char domanda, const Sguardo& s, const QString& ultima,
                 const std::function<QString(int)>& nome, int umano) {
    const QString ancoraNiente = QStringLiteral("Nessuna mano ancora");
    if (domanda == 'R')
        return ultima.isEmpty() ? ancoraNiente : ultima;
    if (domanda == 'P' && s.torneo) {
        QStringList voci;
        for (int k = 1; k < static_cast<int>(s.palle.size()); ++k) {
            const QString chi = k == umano ? QStringLiteral("tu") : nome(k);
            const int p = s.palle[k];
            voci << (p == 0   ? QStringLiteral("%1 fuori").arg(chi)
                     : p == 1 ? QStringLiteral("%1 una palla").arg(chi)
                              : QStringLiteral("%1 %2 palle").arg(chi, Numero(p)));
        }
        return Elenco(voci);
    }
    if (!s.mano)
        return ancoraNiente;
    switch (domanda) {
    case 'C':
        if (s.mie.empty())
            return QStringLiteral("Sei fuori dal torneo");
        return QStringLiteral("%1: %2").arg(Mano(s.mie), QString::fromStdString(s.valore));
    case 'T':
        return s.banco.empty() ? QStringLiteral("Carte in tavola coperte")
                               : QStringLiteral("In tavola: %1").arg(Mano(s.banco));
    case 'G': {
        if (s.vincitore)
            return s.vincitore == umano
                       ? QStringLiteral("Torneo finito: hai vinto")
                       : QStringLiteral("Torneo finito: vince %1").arg(nome(s.vincitore));
        if (s.finita)
            return QStringLiteral("Mano finita");
        const QString bussata =
            s.bussatore == 0 ? QStringLiteral("nessuno ha bussato")
            : s.bussatore == umano
                ? QStringLiteral("hai bussato tu: ultimo giro")
                : QStringLiteral("ha bussato %1: ultimo giro").arg(nome(s.bussatore));
        if (s.turno == 0)
            return bussata.left(1).toUpper() + bussata.mid(1);
        Accaduto turno;
        turno.tipo = Accaduto::Tipo::Turno;
        turno.seggio = s.turno;
        return Frase(turno, nome, umano) + QStringLiteral("; ") + bussata;
    }
    }
    return {};
}

} // namespace parole
