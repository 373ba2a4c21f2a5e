#include "table/window/disposizione.h"

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "table/window/superficie.h"
#include "widgets/imgbtn.h"
#include "widgets/twips.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QRadioButton>

#include <stdexcept>

namespace disposizione {

namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kVisible = QStringLiteral("Visible");

struct Costruttore {
    ControlliTavolo controlli;
    const SorgentiCarte& sorgenti;
    // Child widgets front to back, per container; raised back to front at the end.
    std::vector<QWidget*> figli;

    void Posiziona(QWidget* w, const Proprieta& bag, bool conDimensione) {
        const QRect r = Rettangolo(bag);
        w->move(twips::PixelInteri(r.left()), twips::PixelInteri(r.top()));
        if (conDimensione)
            w->resize(twips::PixelInteri(r.width()), twips::PixelInteri(r.height()));
        w->setVisible(bag.LeggiBool(kVisible, true));
        figli.push_back(w);
    }

    void Elementi(Superficie& contenitore, const QJsonArray& elementi) {
        for (const QJsonValue& v : elementi)
            Elemento(contenitore, v.toObject());
    }

    void Elemento(Superficie& contenitore, const QJsonObject& json) {
        const QString nome = json.value(QStringLiteral("nome")).toString();
        const QString tipo = json.value(QStringLiteral("tipo")).toString();
        const int indice = json.value(QStringLiteral("indice")).toInt(-1);
        const Proprieta bag = Proprieta::DaJson(json.value(QStringLiteral("proprieta")).toObject());

        if (tipo == QLatin1String("etichetta") || tipo == QLatin1String("forma") ||
            tipo == QLatin1String("immagine")) {
            contenitore.Aggiungi(Disegnato(nome, indice, tipo, bag));
        } else if (tipo == QLatin1String("pannello")) {
            auto* pannello = new Superficie(&contenitore);
            pannello->setObjectName(nome);
            QPalette tavolozza = pannello->palette();
            tavolozza.setColor(QPalette::Window, bag.LeggiColore(QStringLiteral("BackColor"),
                                                                 {Colore::kFacciaPulsante})
                                                     .Risolvi(pannello->palette()));
            pannello->setPalette(tavolozza);
            pannello->setAutoFillBackground(true);
            Posiziona(pannello, bag, true);
            if (nome == QLatin1String("FrTorneo"))
                controlli.FrTorneo = pannello;
            Costruttore interno{{}, sorgenti, {}};
            interno.controlli = controlli;
            interno.Elementi(*pannello, json.value(QStringLiteral("elementi")).toArray());
            interno.Impila();
            controlli = interno.controlli;
        } else if (tipo == QLatin1String("testo")) {
            auto* testo = new QLineEdit(bag.LeggiStringa(QStringLiteral("Text"), {}), &contenitore);
            testo->setObjectName(nome);
            testo->setAccessibleName(nome);
            Posiziona(testo, bag, true);
            controlli.TxtNome = testo;
        } else if (tipo == QLatin1String("opzione")) {
            auto* opzione =
                new QRadioButton(bag.LeggiStringa(QStringLiteral("Caption"), {}), &contenitore);
            opzione->setObjectName(QStringLiteral("%1(%2)").arg(nome).arg(indice));
            QPalette tavolozza = opzione->palette();
            tavolozza.setColor(QPalette::WindowText,
                               bag.LeggiColore(QStringLiteral("ForeColor"), {0x80000012})
                                   .Risolvi(opzione->palette()));
            const QColor sfondo = bag.LeggiColore(QStringLiteral("BackColor"), {0x8000000F})
                                      .Risolvi(opzione->palette());
            tavolozza.setColor(QPalette::Window, sfondo);
            tavolozza.setColor(QPalette::Button, sfondo);
            opzione->setPalette(tavolozza);
            opzione->setAutoFillBackground(true);
            opzione->setChecked(bag.LeggiBool(QStringLiteral("Value"), false));
            Posiziona(opzione, bag, true);
            controlli.OptAvversari.at(indice) = opzione;
        } else if (tipo == QLatin1String("carta")) {
            auto* vista = new CtlPilaCarte(sorgenti.carta(nome, indice), &contenitore);
            vista->setObjectName(QStringLiteral("%1(%2)").arg(nome).arg(indice));
            vista->SetZoom(bag.LeggiInt16(QStringLiteral("Zoom"), CtlPilaCarte::ZoomPredefinito));
            Posiziona(vista, bag, false);
            vista->resize(vista->sizeHint());
            if (nome == QLatin1String("CtlPilaCarte0"))
                controlli.CtlPilaCarte0.at(indice) = vista;
            else if (nome == QLatin1String("CtlPilaTavolo"))
                controlli.CtlPilaTavolo.at(indice) = vista;
            else
                controlli.CtlPilaCarte1 = vista;
        } else if (tipo == QLatin1String("mazzo")) {
            auto* mazzo = new CtlMazzoCarte(*sorgenti.mazzo, &contenitore);
            mazzo->setObjectName(nome);
            Posiziona(mazzo, bag, false);
            mazzo->resize(mazzo->sizeHint());
            controlli.Mazzo = mazzo;
        } else if (tipo == QLatin1String("pulsante")) {
            auto* bottone = new ImgBtn(&contenitore);
            bottone->setObjectName(nome);
            bottone->LeggiProprieta(bag);
            const QRect r = Rettangolo(bag);
            bottone->ImpostaDimensioneTwips(r.size());
            Posiziona(bottone, bag, false);
            ImgBtn*& posto = nome == QLatin1String("CmdTorneo")  ? controlli.CmdTorneo
                             : nome == QLatin1String("CmdCarte") ? controlli.CmdCarte
                                                                 : controlli.CmdFatto;
            posto = bottone;
        } else {
            throw std::runtime_error("unknown element kind " + tipo.toStdString());
        }
    }

    static ElementoDisegnato Disegnato(const QString& nome, int indice, const QString& tipo,
                                       const Proprieta& bag) {
        ElementoDisegnato e;
        e.nome = nome;
        e.indice = indice;
        e.twips = Rettangolo(bag);
        e.visibile = bag.LeggiBool(kVisible, true);
        e.colSfondo = bag.LeggiColore(QStringLiteral("BackColor"), {Colore::kFacciaPulsante});
        e.stileSfondo = bag.LeggiInt16(QStringLiteral("BackStyle"), 0);
        if (tipo == QLatin1String("etichetta")) {
            e.tipo = ElementoDisegnato::Tipo::Etichetta;
            e.testo = bag.LeggiStringa(QStringLiteral("Caption"), {});
            e.colTesto = bag.LeggiColore(QStringLiteral("ForeColor"), {Colore::kTestoPulsante});
            e.allineamento = bag.LeggiInt16(QStringLiteral("Alignment"), 0);
            if (bag.Contiene(QStringLiteral("Font")))
                e.font = bag.LeggiCarattere(QStringLiteral("Font"), {});
        } else if (tipo == QLatin1String("forma")) {
            e.tipo = ElementoDisegnato::Tipo::Forma;
            e.forma = bag.LeggiInt16(QStringLiteral("Shape"), 0);
            e.stileRiempimento = bag.LeggiInt16(QStringLiteral("FillStyle"), 1);
            e.colRiempimento = bag.LeggiColore(QStringLiteral("FillColor"), {0});
            e.colBordo = bag.LeggiColore(QStringLiteral("BorderColor"), {0x80000008});
        } else {
            e.tipo = ElementoDisegnato::Tipo::Immagine;
            e.immagine = bag.LeggiImmagine(QStringLiteral("Picture"), {});
        }
        return e;
    }

    // The first child listed ends on top.
    void Impila() {
        for (auto it = figli.rbegin(); it != figli.rend(); ++it)
            (*it)->raise();
    }
};

} // namespace

QJsonObject Progetto() {
    QFile file(QStringLiteral(":/layout/tavolo.json"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the table's design is missing");
    QJsonParseError errore;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &errore);
    if (doc.isNull())
        throw std::runtime_error("the table's design is unreadable: " +
                                 errore.errorString().toStdString());
    return doc.object();
}

Proprieta Finestra(const QJsonObject& progetto) {
    return Proprieta::DaJson(progetto.value(QStringLiteral("finestra")).toObject());
}

QRect Rettangolo(const Proprieta& bag) {
    return {bag.LeggiInt32(kLeft, 0), bag.LeggiInt32(kTop, 0), bag.LeggiInt32(kWidth, 0),
            bag.LeggiInt32(kHeight, 0)};
}

ControlliTavolo Costruisci(Superficie& finestra, const QJsonObject& progetto,
                           const SorgentiCarte& sorgenti) {
    Costruttore c{{}, sorgenti, {}};
    c.Elementi(finestra, progetto.value(QStringLiteral("elementi")).toArray());
    c.Impila();
    return c.controlli;
}

} // namespace disposizione
