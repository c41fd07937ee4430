#include "sim/atmosphere.h"

#include <cmath>

#include "sim/fast_power.h"
#include "sim/units.h"

AtmosphereReadout atmosphereReadout;

namespace {

// The two power laws and the exponential of the layers, tabled at first use.
// The powers take the temperature itself, the exponential a product by the
// reciprocal: the divisions of the library form cost more than the whole
// fast evaluation, and the error budget allows for the difference.
constexpr double kMiddleLayerInverseScale = 1.0 / 20805.433;

const FixedExponentPower& lowerLayerPower() {
    static const FixedExponentPower power(5.256, 518.6);
    return power;
}

const FixedExponentPower& upperLayerPower() {
    static const FixedExponentPower power(-11.388, 389.98);
    return power;
}

const TabledExponential& middleLayerExponential() {
    static const TabledExponential exponential;
    return exponential;
}

double densityFrom(float temperatureR, float pressure) {
    double rhoSlug = pressure / (1718.0 * temperatureR);
    return rhoSlug * 515.4;
}

}  // namespace

// The layers as the library computes them. The pressure is held in single
// precision between the steps, as the density uses it.
void standardAtmosphereLibm(float h, float& temperatureR, float& pressure) {
    float T = 0.0f, p = 0.0f;
    if (h <= 36152.0f) {
        T = (float)(518.6 - 3.56 * h / 1000.0);
        p = (float)(2116.0 * std::pow(T / 518.6, 5.256));
    }
    // At exactly 36152 ft this branch runs after the troposphere and wins.
    if (h >= 36152.0f && h <= 82345.0f) {
        T = 389.98f;
        p = (float)(473.1376 * std::exp((36000.0 - h) / 20805.433));
    }
    if (h >= 82345.0f) {
        T = (float)(389.98 + 1.645 * (h - 82345.0) / 1000.0);
        p = (float)(51.96896 * std::pow(T / 389.98, -11.388));
    }
    temperatureR = T;
    pressure = p;
}

// The same layers from the fast forms: the layer that wins in the library
// form is taken, with the same temperature and the same argument of the power
// or exponential.
bool standardAtmosphereFast(float h, float& temperatureR, float& pressure) {
    double approx = 0.0;
    if (h >= 82345.0f) {
        temperatureR = (float)(389.98 + 1.645 * (h - 82345.0) / 1000.0);
        return upperLayerPower().approximate(temperatureR, approx) &&
               roundsToOneFloat(51.96896 * approx, pressure);
    }
    if (h >= 36152.0f) {
        temperatureR = 389.98f;
        return middleLayerExponential().approximate((36000.0 - h) * kMiddleLayerInverseScale, approx) &&
               roundsToOneFloat(473.1376 * approx, pressure);
    }
    if (h < 36152.0f) {
        temperatureR = (float)(518.6 - 3.56 * h / 1000.0);
        return lowerLayerPower().approximate(temperatureR, approx) &&
               roundsToOneFloat(2116.0 * approx, pressure);
    }
    temperatureR = 0.0f;  // not a number: no layer applies
    pressure = 0.0f;
    return true;
}

void standardAtmosphere(float h, float& temperatureR, float& pressure) {
    if (!standardAtmosphereFast(h, temperatureR, pressure)) standardAtmosphereLibm(h, temperatureR, pressure);
}

double airDensity(float altitudeM) {
    float h = (float)(altitudeM * kFtPerM);
    float T, p;
    standardAtmosphere(h, T, p);
    return densityFrom(T, p);
}

double airDensityForDisplay(float altitudeM, AtmosphereReadout& readout) {
    float h = (float)(altitudeM * kFtPerM);
    float T, p;
    standardAtmosphere(h, T, p);
    double soundFtS = std::sqrt(1.4 * 1718.0 * T);
    readout.speedOfSoundMs = (float)(soundFtS / kFtPerM);
    readout.airTemperatureC = (float)(T * 0.55555 - 273.1);
    return densityFrom(T, p);
}

double equivalentAirspeed(double ktas, float altitudeFt) {
    float altitudeM = (float)(altitudeFt * kMPerFt);
    return ktas * std::sqrt(airDensity(altitudeM) / airDensity(0.0f));
}

double angleOf(double u, double v) {
    double uq = (u == 0.0) ? 0.00001 : u;
    double vq = (v == 0.0) ? 0.00001 : v;
    double angle = std::atan(std::fabs(vq) / std::fabs(uq)) / kRadPerDeg;
    if (u > 0.0 && v < 0.0) return 180.0 - angle;
    if (u > 0.0 && v > 0.0) return 180.0 + angle;
    if (u < 0.0 && v > 0.0) return 360.0 - angle;
    if (u < 0.0 && v < 0.0) return angle;
    return 0.0;
}
