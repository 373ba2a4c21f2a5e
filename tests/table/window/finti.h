#pragma once

#include "platform/orologio.h"
#include "table/dialoghi.h"

#include <QString>

#include <functional>
#include <vector>

// The dialogs answered by the test: every box is recorded, every question answered by a
// script.
class DialoghiFinti : public Dialoghi {
  public:
    struct Box {
        int stile;
        QString titolo;
        QString testo;
    };
    void Messaggio(int stile, const QString& titolo, const QString& testo) override {
        messaggi.push_back({stile, titolo, testo});
        if (dopoMessaggio)
            dopoMessaggio();
    }
    bool Domanda(const QString& titolo, const QString& testo) override {
        domande.push_back({64, titolo, testo});
        return risposta ? risposta() : false;
    }
    std::vector<Box> messaggi;
    std::vector<Box> domande;
    std::function<bool()> risposta;
    std::function<void()> dopoMessaggio;
};

// A clock that moves on a little at every look, so the opener's pause ends at once.
class OrologioAPassi : public Orologio {
  public:
    double Adesso() override { return t += 0.05; }
    double t = 0;
};
