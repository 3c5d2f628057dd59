#pragma once

// Waiting while the window stays responsive: events (clock ticks, clicks) are handled during
// the wait. Tests inject a wait that takes no time.

namespace gridora {

class Attesa {
public:
    virtual ~Attesa() = default;
    // Returns after `secondi` seconds, having processed window events meanwhile.
    virtual void attendi(double secondi) = 0;
};

// The real wait: a nested event loop that wakes when the time is up (no polling).
class AttesaReale : public Attesa {
public:
    void attendi(double secondi) override;
};

} // namespace gridora
