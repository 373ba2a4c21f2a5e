#include "widgets/imgbtnaccessibile.h"

#include "widgets/imgbtn.h"

namespace {

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String("ImgBtn"))
        if (auto* bottone = qobject_cast<ImgBtn*>(oggetto))
            return new AccessibileImgBtn(bottone);
    return nullptr;
}

} // namespace

AccessibileImgBtn::AccessibileImgBtn(ImgBtn* bottone)
    : QAccessibleWidget(bottone, QAccessible::Button) {}

void AccessibileImgBtn::Registra() {
    static const bool registrata = (QAccessible::installFactory(fabbrica), true);
    Q_UNUSED(registrata);
}

ImgBtn* AccessibileImgBtn::Bottone() const {
    return static_cast<ImgBtn*>(widget());
}

QAccessible::State AccessibileImgBtn::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.disabled = s.disabled || !Bottone()->Enabled();
    if (Bottone()->StrokeType() == 1) {
        s.checkable = true;
        s.checked = Bottone()->Value();
    }
    return s;
}

QStringList AccessibileImgBtn::actionNames() const {
    QStringList azioni = QAccessibleWidget::actionNames();
    if (Bottone()->Enabled() && Bottone()->isVisible())
        azioni.prepend(pressAction());
    return azioni;
}

void AccessibileImgBtn::doAction(const QString& azione) {
    if (azione == pressAction() && Bottone()->isVisible())
        Bottone()->Premi();
    else
        QAccessibleWidget::doAction(azione);
}

QStringList AccessibileImgBtn::keyBindingsForAction(const QString& azione) const {
    if (azione == pressAction())
        return {QStringLiteral("Space"), QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(azione);
}
