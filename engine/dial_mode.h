#pragma once

#include <cmath>

namespace gyrolux {

// A dial mode: the zodiac folded onto a circle of `Width()` degrees (360, 90, 45 or 22.5),
// so that positions a multiple of the width apart coincide. The width is kept as a fraction
// numerator / denominator because the reduction of the 22.5-degree mode has always divided
// by 225 / 10, and a search must give the same bits as before.
struct DialMode {
  int numerator = 225;   // tenths of a degree for 22.5, whole degrees otherwise
  int denominator = 10;

  constexpr double Width() const { return static_cast<double>(numerator) / denominator; }
  constexpr double HalfWidth() const { return Width() / 2.0; }
  // How many times the mode's circle fits into the zodiac (16 for 22.5).
  constexpr int Harmonic() const { return 360 * denominator / numerator; }

  // The position in the mode, truncated toward zero like the other reductions, so a
  // negative argument keeps its sign.
  double Reduce(double longitude) const {
    return longitude - std::trunc(longitude * denominator / numerator) * Width();
  }
  // The distance of two positions on the mode's circle, 0 up to half the width.
  double CircleDistance(double p, double q) const {
    const double d = std::fabs(p - q);
    return std::fmin(d, std::fabs(Width() - d));
  }

  friend constexpr bool operator==(DialMode, DialMode) = default;
};

inline constexpr DialMode kMode22_5{225, 10};
inline constexpr DialMode kMode45{45, 1};
inline constexpr DialMode kMode90{90, 1};
inline constexpr DialMode kMode360{360, 1};

// An orb in degrees of the mode. Positions count as equal when closer than the orb, or
// closer across the mode's wrap (both strict: a distance equal to either bound is no hit).
struct Orb {
  double degrees = 1.18;

  bool Holds(double distance, DialMode mode = kMode22_5) const {
    return distance < degrees || distance > mode.Width() - degrees;
  }
  // Two positions p and q of the mode, each already reduced into it.
  bool HoldsPositions(double p, double q, DialMode mode = kMode22_5) const {
    return Holds(std::fabs(p - q), mode);
  }
  friend constexpr bool operator==(Orb, Orb) = default;
};

// The orb of the pictures from start-up on, and the narrower one of the midpoint-angle
// search, which stays the pictures' orb for the rest of the run once that search ran.
inline constexpr Orb kPictureOrb{};
inline constexpr Orb kAngleSearchOrb{1.1};

// The widest orb a user may give: half the mode's width.
inline constexpr double MaxOrbDegrees(DialMode mode = kMode22_5) { return mode.HalfWidth(); }

}  // namespace gyrolux
