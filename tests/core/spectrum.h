#pragma once

// Measuring renders: the discrete Fourier transform at one frequency, and
// what the tests build on it.

#include <cmath>
#include <complex>
#include <vector>

namespace spectrum {

constexpr double pi = 3.14159265358979323846;

// The sum of x[begin + k] * window(k) * e^(-2 pi i f k) over k < count, f in
// cycles per sample; window(k) is 1 unless `hann`. The phasor turns by
// multiplication and is set afresh every 1024 samples.
inline std::complex<double> dft(const std::vector<double>& x, size_t begin, size_t count, double f,
                                bool hann = false) {
  const std::complex<double> turn = std::polar(1.0, -2.0 * pi * f);
  std::complex<double> sum, phasor;
  for (size_t k = 0; k < count; ++k) {
    if (k % 1024 == 0) phasor = std::polar(1.0, -2.0 * pi * std::fmod(f * double(k), 1.0));
    const double w =
        hann ? 0.5 - 0.5 * std::cos(2.0 * pi * double(k) / double(count)) : 1.0;
    sum += x[begin + k] * w * phasor;
    phasor *= turn;
  }
  return sum;
}

inline double decibels(double powerRatio) { return 10.0 * std::log10(powerRatio); }
inline double cents(double ratio) { return 1200.0 * std::log2(ratio); }

// The frequency (Hz) of the strongest partial of x near `guess`, from the
// phase its windowed transform gains between frames `hop` samples apart:
// hops of 16, 1024 and the whole length, each resolving what the shorter
// one left ambiguous.
inline double frequency(const std::vector<double>& x, double rate, double guess) {
  const size_t frame = 8192;
  double f = guess;
  for (size_t hop : {size_t(16), size_t(1024), x.size() - frame}) {
    const std::complex<double> a = dft(x, 0, frame, f / rate, true);
    const std::complex<double> b = dft(x, hop, frame, f / rate, true);
    const double turned = std::arg(b / a) - 2.0 * pi * std::fmod(f * double(hop) / rate, 1.0);
    f += std::remainder(turned, 2.0 * pi) * rate / (2.0 * pi * double(hop));
  }
  return f;
}

// How far x[begin, begin + count) is from the sinusoid of frequency f
// (cycles per sample) that fits it best: the power of what is left, in dB
// below the sinusoid's.
inline double distortion(const std::vector<double>& x, size_t begin, size_t count, double f) {
  double cc = 0, ss = 0, cs = 0, xc = 0, xs = 0;
  for (size_t k = 0; k < count; ++k) {
    const double c = std::cos(2.0 * pi * f * double(k)), s = std::sin(2.0 * pi * f * double(k));
    cc += c * c, ss += s * s, cs += c * s, xc += x[begin + k] * c, xs += x[begin + k] * s;
  }
  const double det = cc * ss - cs * cs;
  const double a = (xc * ss - xs * cs) / det, b = (xs * cc - xc * cs) / det;
  double fitted = 0, left = 0;
  for (size_t k = 0; k < count; ++k) {
    const double y =
        a * std::cos(2.0 * pi * f * double(k)) + b * std::sin(2.0 * pi * f * double(k));
    fitted += y * y;
    left += (x[begin + k] - y) * (x[begin + k] - y);
  }
  return decibels(left / fitted);
}

}  // namespace spectrum
