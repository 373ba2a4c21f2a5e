#pragma once

#include <QByteArray>
#include <QString>

// A wave file's samples and how to play them: plain PCM of 8, 16, 24 or 32 bits, or 32-bit
// floating point, in any number of channels.
struct Onda {
    enum class Campione { Nessuno, U8, S16, S24, S32, F32 };

    Campione campione = Campione::Nessuno;
    int canali = 0;
    int frequenza = 0;
    QByteArray dati; // whole frames only, little-endian as in the file

    bool Valida() const { return campione != Campione::Nessuno && !dati.isEmpty(); }
    int BytePerFotogramma() const;
    int DurataMs() const;
};

// Reads a wave file. A header claiming more samples than the file holds plays what is
// there; anything else that is not a playable wave file gives an Onda that is not valid.
Onda LeggiOnda(const QString& file);
