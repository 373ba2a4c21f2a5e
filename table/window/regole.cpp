#include "table/window/regole.h"

namespace regole {

QString Titolo() {
    return QStringLiteral("Regole del gioco");
}

QString Testo() {
    return QStringLiteral(
        "<h3>Come si gioca</h3>"
        "<p>Ogni giocatore ha tre carte e altre tre stanno scoperte sul tavolo. Chi apre la "
        "mano decide per primo: bussa subito (il tavolo riceve tre carte nuove) oppure posa "
        "le sue carte sul tavolo e ne prende tre nuove.</p>"
        "<p>Al tuo turno tieni tre carte a scelta fra le sei, le tue e quelle del tavolo: "
        "cliccale e premi &laquo;Fatto&raquo;. Tenere le proprie tre carte &egrave; bussare: "
        "dopo una bussata ogni altro giocatore gioca ancora un turno, poi si scoprono le "
        "carte.</p>"
        "<p>Le mani valgono prima per tipo, poi per valore: il Galbirolone (Asso, Re e "
        "Cavallo dello stesso seme), la Galbirola (tre valori consecutivi dello stesso seme), "
        "il tris (tre carte dello stesso valore) e i punti (Asso 11, figure 10, le altre il "
        "loro valore; conta la somma delle carte di uno stesso seme, o la carta migliore se "
        "vale di pi&ugrave;).</p>"
        "<p>Ognuno comincia il torneo con tre palle, le vite. Dopo ogni mano chi &egrave; "
        "ultimo perde una palla e chi ha il Galbirolone ne guadagna una; chi resta senza "
        "palle esce dal torneo. Vince l'ultimo rimasto.</p>"
        "<h3>Le lampade</h3>"
        "<p>Bianca: in gioco. Gialla: di turno. Con una figura dentro: ha bussato. "
        "Barrata in rosso: fuori dal torneo.</p>"
        "<h3>I tasti</h3>"
        "<table cellspacing=\"2\">"
        "<tr><td>Ctrl+N, F2</td><td>nuovo torneo</td></tr>"
        "<tr><td>F1</td><td>queste regole</td></tr>"
        "<tr><td>F3</td><td>la cronaca della mano: che cosa è successo</td></tr>"
        "<tr><td>C, T, P, G, R</td><td>chiedi al tavolo, senza spostare il fuoco: le tue "
        "carte e quanto valgono, le carte del tavolo, le palle, di chi &egrave; il turno e chi "
        "ha bussato, l'ultima frase di nuovo</td></tr>"
        "<tr><td>Ctrl+Q</td><td>esci</td></tr>"
        "<tr><td>Menu, Maiusc+F10&nbsp;&nbsp;</td><td>il menu del tavolo, come il tasto "
        "destro del mouse</td></tr>"
        "<tr><td>Tab, Maiusc+Tab</td><td>da un gruppo all'altro: avversari, nome, pulsante, "
        "le tue carte, le carte del tavolo</td></tr>"
        "<tr><td>&larr; &rarr;, Inizio, Fine</td><td>da una carta all'altra</td></tr>"
        "<tr><td>Spazio</td><td>segna una carta, o preme il pulsante che ha il fuoco</td></tr>"
        "<tr><td>Invio</td><td>preme il pulsante che si vede</td></tr>"
        "</table>");
}

} // namespace regole
