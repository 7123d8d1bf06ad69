#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace gyrolux {

// A function on one span [start, start + length] as a Chebyshev series of n terms (at most
// kMaxChebyshevTerms): fitted from its values at the n Chebyshev nodes, evaluated with
// Clenshaw's recurrence together with its derivative.
inline constexpr std::size_t kMaxChebyshevTerms = 48;

struct ChebyshevSeries {
  double start = 0.0;
  double length = 1.0;
  std::size_t n = 2;
  std::array<double, kMaxChebyshevTerms> c{};

  // The node k (0..n-1) of the span, where the values are taken.
  static double NodeOf(double start, double length, std::size_t n, std::size_t k) {
    const double x = std::cos(M_PI * (static_cast<double>(k) + 0.5) / static_cast<double>(n));
    return start + (x + 1.0) * 0.5 * length;
  }

  // values[k] is the function at NodeOf(k), k < n (2 <= n <= kMaxChebyshevTerms).
  static ChebyshevSeries Fit(double start, double length, std::size_t n,
                             const std::array<double, kMaxChebyshevTerms>& values) {
    ChebyshevSeries s;
    s.start = start;
    s.length = length;
    s.n = n;
    for (std::size_t j = 0; j < n; ++j) {
      double sum = 0.0;
      for (std::size_t k = 0; k < n; ++k) {
        sum += values[k] * std::cos(M_PI * static_cast<double>(j) * (static_cast<double>(k) + 0.5) /
                                    static_cast<double>(n));
      }
      s.c[j] = sum * 2.0 / static_cast<double>(n);
    }
    s.c[0] *= 0.5;
    return s;
  }

  struct ValueAndRate {
    double value;
    double rate;  // per unit of the argument
  };

  ValueAndRate At(double t) const {
    const double x = 2.0 * (t - start) / length - 1.0;
    // Clenshaw for the value; the derivative from T'_j = j U_{j-1}, by the same recurrence
    // on the polynomials of the second kind.
    double b1 = 0.0, b2 = 0.0;
    double d1 = 0.0, d2 = 0.0;
    for (std::size_t j = n - 1; j >= 1; --j) {
      const double b0 = 2.0 * x * b1 - b2 + c[j];
      b2 = b1;
      b1 = b0;
      const double d0 = 2.0 * x * d1 - d2 + static_cast<double>(j) * c[j];
      d2 = d1;
      d1 = d0;
    }
    return {x * b1 - b2 + c[0], d1 * 2.0 / length};
  }
};

}  // namespace gyrolux
