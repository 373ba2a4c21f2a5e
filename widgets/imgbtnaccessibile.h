#pragma once

#include <QAccessibleWidget>

class ImgBtn;

// The image button as assistive technology sees it: a push button named by its caption,
// pressed by the press action as by a click.
class AccessibileImgBtn : public QAccessibleWidget {
  public:
    explicit AccessibileImgBtn(ImgBtn* bottone);

    // Makes every ImgBtn of the process answer with this interface; once is enough.
    static void Registra();

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& azione) override;
    QStringList keyBindingsForAction(const QString& azione) const override;

  private:
    ImgBtn* Bottone() const;
};
