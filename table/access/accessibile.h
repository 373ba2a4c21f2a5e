#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class FrmGalbirola;
class QWidget;
class Superficie;

// Something the table shows that has no widget of its own, as assistive technology sees
// it: a group of cards, the score column and each of its rows, a painted label.
class VoceTavolo : public QObject {
    Q_OBJECT
  public:
    VoceTavolo(QAccessible::Role ruolo, QObject* genitore, QObject* proprietario);

    QAccessible::Role ruolo;
    QObject* genitore; // the accessible parent: a widget or another item
    std::function<QString()> nome;
    std::function<QString()> descrizione = [] { return QString(); };
    std::function<bool()> visibile;
    std::function<QRect()> rettangolo; // on the screen
    std::function<QList<QObject*>()> figli = [] { return QList<QObject*>(); };
    QObject* etichettato = nullptr; // what a label names
    QObject* etichetta = nullptr;   // the label that names this item

    // What assistive technology was told last, to tell it only what changes.
    QString detto, descritto;
    bool mostrato = false;
};

// The table window as assistive technology sees it: what a sighted player reads off the
// table, in the order of play. The score column has one row per seat ("Mario G.: 2 palle,
// di turno"); the cards are filed under "Le tue carte", "Tavolo" and each computer seat's
// name; the settings panel carries its painted labels, and the name field is named by its
// own. Changes reach assistive technology as events on those items.
class AccessibilitaTavolo : public QObject {
    Q_OBJECT
  public:
    explicit AccessibilitaTavolo(FrmGalbirola& finestra);

    // Makes the table window and its items answer with their own interfaces. Done before
    // the window is built, since Qt keeps the first interface it makes for an object.
    static void Registra();

    // The accessible children of the window or of the settings panel, in reading order.
    QList<QObject*> Figli(const QWidget* contenitore) const;
    // The name of a container that has no caption of its own (the settings panel).
    QString Nome(const QWidget* contenitore) const;
    // The table's accessible side, if w lies on a table window that has one.
    static AccessibilitaTavolo* Di(const QWidget* w);

    // Looks at every item again and tells assistive technology what changed.
    void Aggiorna();

  private:
    VoceTavolo* Voce(QAccessible::Role ruolo, QObject* genitore);
    VoceTavolo* Etichetta(Superficie* contenitore, const QString& elemento,
                          QAccessible::Role ruolo);
    QRect SulloSchermo(const QWidget* contenitore, const QRect& twips) const;
    bool Esiste(int seggio) const;

    FrmGalbirola& m_finestra;
    std::vector<VoceTavolo*> m_voci;
    VoceTavolo* m_segnapunti = nullptr;
    std::vector<VoceTavolo*> m_seggi; // computer seats 1..6
    VoceTavolo* m_mano = nullptr;
    VoceTavolo* m_banco = nullptr;
    VoceTavolo* m_etichettaBanco = nullptr;
    std::vector<VoceTavolo*> m_etichettePannello;
};
