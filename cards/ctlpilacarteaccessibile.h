#pragma once

#include <QAccessibleWidget>

class CtlPilaCarte;

// A card view as assistive technology sees it. A card the player can mark is a check box,
// checked while marked, toggled by the same click as the mouse's while it lies face up; a
// card nobody acts on (a computer's) is a picture. Its name is the view's: "Tre di Denari".
// Its parent is the group its container files it under, when there is one.
class AccessibileCarta : public QAccessibleWidget {
  public:
    explicit AccessibileCarta(CtlPilaCarte* vista);

    // Makes every card view of the process answer with this interface; once is enough.
    static void Registra();

    QAccessibleInterface* parent() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& azione) override;
    QStringList keyBindingsForAction(const QString& azione) const override;

  private:
    CtlPilaCarte* Vista() const;
    bool Azionabile() const;
};
