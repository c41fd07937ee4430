// Unit conversion factors of the simulation. Each conversion is one
// multiplication or division by the factor named for that use; the factors are
// deliberately kept as they are even where two uses disagree (two pounds-per-
// newton figures, two feet-per-metre figures).
#pragma once

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadPerDeg = kPi / 180.0;      // everywhere except the rotation routines
constexpr double kGravity = 9.8;                // m/s^2, also the size of one g

constexpr double kFtPerM = 3.281;               // atmosphere, sequencer, ft/s outputs
constexpr double kFtPerMOverlay = 3.2808;       // overlay altitude
constexpr double kMPerFt = 0.3048;
constexpr double kMsPerKt = 1852.0 / 3600.0;    // initial velocity
constexpr double kKtPerMsSequencer = 3.6 / 1.852;
constexpr double kKtPerMs = 1.944;              // parachute inflation, overlay
constexpr double kKmhPerKt = 1.852;
constexpr double kMphPerKt = 1.151;
constexpr double kMphPerMs = 2.237;
constexpr double kKgPerLb = 0.4536;
constexpr double kLbPerKg = 2.20462;
constexpr double kLbPerNewton = 0.2248;         // catapult and displayed G values (divide by it)
constexpr double kLbPerNewtonRocket = 0.228;    // seat rocket acceleration (divide by it)
constexpr double kNewtonPerLbCanopy = 4.44822;  // canopy rocket
constexpr double kNewtonPerLbWeight = 4.448;    // weight: kg / 0.4536 * 4.448

inline double celsiusToFahrenheit(double c) { return c * 1.8 + 32.0; }
