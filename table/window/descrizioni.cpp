#include "table/window/descrizioni.h"

#include "table/tavolo.h"

namespace descrizioni {

QString Lampada(::Lampada stato) {
    switch (stato) {
    case ::Lampada::Turno:
        return QStringLiteral("Di turno");
    case ::Lampada::Bussato:
        return QStringLiteral("Ha bussato");
    case ::Lampada::Uscito:
        return QStringLiteral("Fuori dal torneo");
    case ::Lampada::Riposo:
        break;
    }
    return {};
}

QString Seggio(const Tavolo& tavolo, int seggio, ::Lampada stato) {
    const int palle = tavolo.Palle(seggio);
    QString testo = QStringLiteral("%1: %2 %3")
                        .arg(QString::fromStdString(tavolo.Nomi(seggio)))
                        .arg(palle)
                        .arg(palle == 1 ? QStringLiteral("palla") : QStringLiteral("palle"));
    const QString lampada = Lampada(stato);
    if (!lampada.isEmpty())
        testo += QStringLiteral(", ") + lampada.at(0).toLower() + lampada.mid(1);
    return testo;
}

} // namespace descrizioni
