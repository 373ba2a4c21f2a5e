#pragma once

class Orologio;

// The table's pace for a player who follows it by ear. A screen reader says what it is told
// one sentence after another, so what the table tells queues up behind what is still being
// said; a computer that plays on meanwhile runs ahead of the voice. The table asks how long
// to wait for the queue to be heard. Without a listener nothing waits.
class Ritmo {
  public:
    explicit Ritmo(Orologio& orologio) : m_orologio(orologio) {}

    // Told now: a sentence that takes secondi to say.
    void Detto(double secondi);
    // Nothing has been told yet: nothing to wait for, whoever listens.
    bool Silenzio() const { return m_fine == 0; }
    // Seconds until everything told can have been heard; zero when nobody listens.
    double Attesa(bool assistito) { return !assistito || Silenzio() ? 0 : Resto(); }

  private:
    double Resto();
    Orologio& m_orologio;
    double m_fine = 0; // when the last sentence told ends, on the clock's scale
};
