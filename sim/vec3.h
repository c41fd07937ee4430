// Three-component single-precision vector of the world frame (metres, z up)
// and the single-axis rotations every body and seat-frame vector goes through.
#pragma once

#include <cmath>

// Degrees to radians as the rotation routines use it (not pi/180 in double).
constexpr double kRotationRadPerDeg = 0.017453292;

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Vec3() = default;
    Vec3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}

    void zero() { x = y = z = 0.0f; }
    float length() const { return (float)std::sqrt((double)x * x + (double)y * y + (double)z * z); }
    Vec3 operator-(const Vec3& o) const { return Vec3(x - o.x, y - o.y, z - o.z); }
    Vec3 operator+(const Vec3& o) const { return Vec3(x + o.x, y + o.y, z + o.z); }
    Vec3 operator*(float s) const { return Vec3(x * s, y * s, z * s); }

    // Rotations update the vector in place and return the rotated copy.
    // About X (lateral axis, pitch): y' = y cos a - z sin a, z' = y sin a + z cos a.
    Vec3 rotateX(float deg) {
        double a = deg * kRotationRadPerDeg, c = std::cos(a), s = std::sin(a);
        float ny = (float)(y * c - z * s), nz = (float)(y * s + z * c);
        y = ny; z = nz;
        return *this;
    }
    // About Y (forward axis, roll): x' = x cos a - z sin a, z' = x sin a + z cos a.
    Vec3 rotateY(float deg) {
        double a = deg * kRotationRadPerDeg, c = std::cos(a), s = std::sin(a);
        float nx = (float)(x * c - z * s), nz = (float)(x * s + z * c);
        x = nx; z = nz;
        return *this;
    }
    // About Z (vertical axis, heading): x' = x cos a - y sin a, y' = x sin a + y cos a.
    Vec3 rotateZ(float deg) {
        double a = deg * kRotationRadPerDeg, c = std::cos(a), s = std::sin(a);
        float nx = (float)(x * c - y * s), ny = (float)(x * s + y * c);
        x = nx; y = ny;
        return *this;
    }
};

// The seat-frame to world turns, named by the axis they turn about. A vector is
// always turned by roll, then pitch, then heading.
inline void rotateAboutForwardAxis(Vec3& v, float rollDeg) { v.rotateY(rollDeg); }
inline void rotateAboutLateralAxis(Vec3& v, float pitchDeg) { v.rotateX(pitchDeg); }
inline void rotateAboutVerticalAxis(Vec3& v, float headingDeg) { v.rotateZ(headingDeg); }

inline void rotateRollPitchHeading(Vec3& v, float rollDeg, float pitchDeg, float headingDeg) {
    rotateAboutForwardAxis(v, rollDeg);
    rotateAboutLateralAxis(v, pitchDeg);
    rotateAboutVerticalAxis(v, headingDeg);
}
