#pragma once

#include <QWidget>

// The table window: the green card table on which the tournament is played.
class FrmGalbirola : public QWidget {
    Q_OBJECT
  public:
    explicit FrmGalbirola(QWidget* parent = nullptr);
};
