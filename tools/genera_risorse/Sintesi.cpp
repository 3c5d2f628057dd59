#include "Sintesi.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace genera {

namespace timbri {

Timbro sinusoide()
{
    return {1.0};
}

Timbro campanella()
{
    return {1.0, 0.25, 0.08};
}

Timbro quadraMorbida()
{
    return {1.0, 0.0, 0.28, 0.0, 0.12, 0.0, 0.05};
}

Timbro dente(int armoniche)
{
    Timbro t;
    for (int k = 1; k <= armoniche; ++k)
        t.push_back(1.0 / k);
    return t;
}

} // namespace timbri

double hz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Traccia::Traccia(int frequenza, std::size_t fotogrammi)
    : frequenza_(frequenza), campioni_(fotogrammi, 0.0)
{
}

namespace {

double rampa(double x) // 0 -> 1 along a raised cosine, x in [0, 1]
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

} // namespace

void Traccia::nota(double inizio, double durata, double frequenzaNota, double ampiezza,
                   const Timbro& timbro, const Inviluppo& inviluppo)
{
    const auto primo = static_cast<std::size_t>(std::lround(inizio * frequenza_));
    const auto lunghezza = static_cast<std::size_t>(std::lround(durata * frequenza_));
    if (primo + lunghezza > campioni_.size())
        throw std::runtime_error("nota oltre la fine della traccia");
    const double limite = 0.45 * frequenza_;
    for (std::size_t i = 0; i < lunghezza; ++i) {
        const double t = static_cast<double>(i) / frequenza_;
        double inv = rampa(t / inviluppo.attacco) * rampa((durata - t) / inviluppo.rilascio);
        if (inviluppo.decadimento > 0.0)
            inv *= std::exp(-t / inviluppo.decadimento);
        double v = 0.0;
        for (std::size_t k = 0; k < timbro.size(); ++k) {
            const double f = frequenzaNota * static_cast<double>(k + 1);
            if (f >= limite)
                break;
            v += timbro[k] * std::sin(2.0 * std::numbers::pi * f * t);
        }
        campioni_[primo + i] += ampiezza * inv * v;
    }
}

double Traccia::picco() const
{
    double m = 0.0;
    for (const double v : campioni_)
        m = std::max(m, std::abs(v));
    return m;
}

void Traccia::normalizza(double picco)
{
    const double attuale = this->picco();
    if (attuale <= 0.0)
        return;
    for (double& v : campioni_)
        v *= picco / attuale;
}

} // namespace genera
