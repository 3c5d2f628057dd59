#pragma once

#include <cstddef>
#include <vector>

namespace genera {

// Relative amplitudes of the harmonics, the fundamental first. Harmonics above 45% of the
// sample rate are left out so nothing aliases.
using Timbro = std::vector<double>;

namespace timbri {
Timbro sinusoide();
Timbro campanella();         // sine with a little octave and twelfth
Timbro quadraMorbida();      // odd harmonics, falling faster than a square wave's
Timbro dente(int armoniche); // sawtooth limited to its first harmonics
} // namespace timbri

// Attack and release are smooth (raised cosine) ramps so notes start and stop without
// clicks; decadimento, when positive, is the time constant of an exponential decay.
struct Inviluppo {
    double attacco = 0.005;
    double rilascio = 0.02;
    double decadimento = 0.0;
};

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double hz(int midi);

class Traccia {
public:
    Traccia(int frequenza, std::size_t fotogrammi);

    // Adds a note starting at inizio seconds and lasting durata seconds in all, release
    // included; the note must end inside the track.
    void nota(double inizio, double durata, double frequenzaNota, double ampiezza,
              const Timbro& timbro, const Inviluppo& inviluppo = {});

    // Scales the track so that its loudest sample has magnitude picco.
    void normalizza(double picco);

    double picco() const;
    const std::vector<double>& campioni() const { return campioni_; }

private:
    int frequenza_;
    std::vector<double> campioni_;
};

} // namespace genera
