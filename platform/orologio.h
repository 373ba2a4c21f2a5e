#pragma once

// Time as the game sees it. Elapsed time comes from a monotonic clock, so a pause that
// spans midnight (or a change of the wall clock) still ends when it should; the time of
// day only seeds the random numbers.
class Orologio {
  public:
    virtual ~Orologio() = default;
    // Seconds on a monotonic scale; only differences mean anything.
    virtual double Adesso() = 0;
};

// The real monotonic clock.
class OrologioReale : public Orologio {
  public:
    double Adesso() override;
};

// A clock for playing without waiting: every reading finds an hour gone, so a pause that
// looks at the clock ends at its first look.
class OrologioSalto : public Orologio {
  public:
    double Adesso() override { return m_t += 3600.0; }

  private:
    double m_t = 0;
};

namespace orologio {

// Seconds since local midnight, with fraction, as single precision.
float SecondiDaMezzanotte();

} // namespace orologio
