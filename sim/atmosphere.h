// Standard atmosphere (English-unit form with fixed constants), equivalent
// airspeed, and the quadrant angle helper used for the canopy's weight term.
#pragma once

// What the display variant of the density routine leaves for the overlay.
struct AtmosphereReadout {
    float airTemperatureC = 0.0f;
    float speedOfSoundMs = 0.0f;
};

extern AtmosphereReadout atmosphereReadout;

// Temperature (deg Rankine) and pressure (lb/ft^2) at h feet, as the density
// uses them.
void standardAtmosphere(float h, float& temperatureR, float& pressure);

// The same from the library's pow and exp alone; standardAtmosphere gives
// exactly these values, faster.
void standardAtmosphereLibm(float h, float& temperatureR, float& pressure);

// The fast forms alone: false when a float rounding boundary is too close to
// tell, and the library has to decide the pressure.
bool standardAtmosphereFast(float h, float& temperatureR, float& pressure);

// Air density in kg/m^3 at an altitude in metres. Side-effect free.
double airDensity(float altitudeM);

// The same density, also leaving temperature and speed of sound in readout.
double airDensityForDisplay(float altitudeM, AtmosphereReadout& readout);

// Knots equivalent airspeed from knots true airspeed at an altitude in feet.
double equivalentAirspeed(double ktas, float altitudeFt);

// Angle in degrees (0..360) of the two-component vector (u, v), placed by the
// signs of u and v; 0 when either is exactly 0.
double angleOf(double u, double v);
