#include "table/window/dialoghi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>

DialoghiQt::DialoghiQt(QWidget* finestra) : QObject(finestra), m_finestra(finestra) {}

namespace {

// The game writes its line ends as carriage return and line feed.
QString perSchermo(const QString& testo) {
    QString t = testo;
    return t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

bool input(const QEvent* evento) {
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ContextMenu: // made from a right click even when its press was kept away
        return true;
    default:
        return false;
    }
}

} // namespace

int DialoghiQt::Mostra(QMessageBox& box) {
    if (m_aperte.empty())
        qApp->installEventFilter(this);
    m_aperte.emplace_back(&box);
    // Names are the players' own: markup in one is text to show, not to obey.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::NonModal);
    box.setAccessibleDescription(m_descrizione);
    m_descrizione.clear();
    QEventLoop ciclo;
    connect(&box, &QMessageBox::finished, &ciclo, &QEventLoop::quit);
    box.show();
    box.activateWindow();
    ciclo.exec();
    m_aperte.pop_back();
    if (m_aperte.empty())
        qApp->removeEventFilter(this);
    return box.result();
}

void DialoghiQt::Messaggio(int stile, const QString& titolo, const QString& testo) {
    QMessageBox box(stile == 64 ? QMessageBox::Information : QMessageBox::NoIcon, titolo,
                    perSchermo(testo), QMessageBox::Ok, m_finestra);
    Mostra(box);
}

bool DialoghiQt::Domanda(const QString& titolo, const QString& testo) {
    QMessageBox box(QMessageBox::Information, titolo, perSchermo(testo),
                    QMessageBox::Yes | QMessageBox::No, m_finestra);
    box.setEscapeButton(QMessageBox::No);
    // the game speaks Italian whatever the desktop's language
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    return Mostra(box) == QMessageBox::Yes;
}

void DialoghiQt::Interrompi() {
    for (const QPointer<QMessageBox>& box : m_aperte)
        if (box)
            box->done(QMessageBox::No);
}

// While a box is open the table takes no input, as under a modal box, but the window
// manager's close request still reaches the window.
bool DialoghiQt::eventFilter(QObject* oggetto, QEvent* evento) {
    if (!m_aperte.empty() && input(evento) && oggetto->isWidgetType()) {
        auto* w = static_cast<QWidget*>(oggetto);
        if (w->window() == m_finestra)
            return true;
    }
    return QObject::eventFilter(oggetto, evento);
}
