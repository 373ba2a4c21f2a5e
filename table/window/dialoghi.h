#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QMessageBox;
class QWidget;

// The table's message boxes and its one question. The window uses the real boxes; tests
// answer through the same calls.
class Dialoghi {
  public:
    virtual ~Dialoghi() = default;
    // stile 64: OK and the information icon; 0: OK and no icon.
    virtual void Messaggio(int stile, const QString& titolo, const QString& testo) = 0;
    // Yes and No with the information icon; true only for Yes.
    virtual bool Domanda(const QString& titolo, const QString& testo) = 0;
    // What the next box tells assistive technology beside its text; nothing by default.
    virtual void Descrivi(const QString&) {}
};

// Message boxes over the table window. Each waits for its answer while the table keeps
// painting, and the window's input stays shut meanwhile; unlike a modal box it lets the
// window be closed, and then Interrompi takes the boxes away at once. A box may open over
// another (the new tournament's question over a game box): the input stays shut until the
// last one has closed.
class DialoghiQt : public QObject, public Dialoghi {
    Q_OBJECT
  public:
    explicit DialoghiQt(QWidget* finestra);
    void Messaggio(int stile, const QString& titolo, const QString& testo) override;
    bool Domanda(const QString& titolo, const QString& testo) override;
    void Descrivi(const QString& descrizione) override { m_descrizione = descrizione; }
    void Interrompi();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    int Mostra(QMessageBox& box);

    QWidget* m_finestra;
    std::vector<QPointer<QMessageBox>> m_aperte; // the innermost last
    QString m_descrizione;
};
