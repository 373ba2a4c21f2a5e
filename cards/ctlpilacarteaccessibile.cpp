#include "cards/ctlpilacarteaccessibile.h"

#include "cards/ctlpilacarte.h"

namespace {

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String("CtlPilaCarte"))
        if (auto* vista = qobject_cast<CtlPilaCarte*>(oggetto))
            return new AccessibileCarta(vista);
    return nullptr;
}

} // namespace

AccessibileCarta::AccessibileCarta(CtlPilaCarte* vista)
    : QAccessibleWidget(vista, QAccessible::CheckBox) {}

void AccessibileCarta::Registra() {
    static const bool registrata = (QAccessible::installFactory(fabbrica), true);
    Q_UNUSED(registrata);
}

CtlPilaCarte* AccessibileCarta::Vista() const {
    return static_cast<CtlPilaCarte*>(widget());
}

bool AccessibileCarta::Azionabile() const {
    return Vista()->Ascoltata() && !Vista()->Coperta() && Vista()->isVisible();
}

// The container may file its cards under groups of its own (whose cards, say); the group
// that lists this card is its parent.
QAccessibleInterface* AccessibileCarta::parent() const {
    QAccessibleInterface* contenitore = QAccessibleWidget::parent();
    if (!contenitore)
        return nullptr;
    for (int i = 0; i < contenitore->childCount(); ++i) {
        QAccessibleInterface* figlio = contenitore->child(i);
        if (figlio && figlio != this && figlio->indexOfChild(this) >= 0)
            return figlio;
    }
    return contenitore;
}

QAccessible::Role AccessibileCarta::role() const {
    return Vista()->Ascoltata() ? QAccessible::CheckBox : QAccessible::Graphic;
}

QAccessible::State AccessibileCarta::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (Vista()->Ascoltata()) {
        s.checkable = true;
        s.checked = Vista()->Selezionata();
    }
    return s;
}

QStringList AccessibileCarta::actionNames() const {
    QStringList azioni = QAccessibleWidget::actionNames();
    if (Azionabile())
        azioni.prepend(toggleAction());
    return azioni;
}

void AccessibileCarta::doAction(const QString& azione) {
    if ((azione == toggleAction() || azione == pressAction()) && Azionabile())
        Vista()->Clicca();
    else
        QAccessibleWidget::doAction(azione);
}

QStringList AccessibileCarta::keyBindingsForAction(const QString& azione) const {
    if (azione == toggleAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(azione);
}
