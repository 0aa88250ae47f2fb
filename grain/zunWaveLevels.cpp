#include "zunWaveLevels.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <utility>

namespace {

using Complex = std::complex<double>;

constexpr double pi = 3.14159265358979323846;

// Discrete Fourier transforms of one length n: radix 2 where n is a power
// of two, otherwise Bluestein's chirp, which turns the transform into a
// convolution of power-of-two length (so any length costs n log n).
class Fourier {
 public:
  explicit Fourier(size_t n) : n(n), m(1) {
    const bool powerOfTwo = (n & (n - 1)) == 0;
    while (m < (powerOfTwo ? n : 2 * n - 1)) m <<= 1;
    for (size_t k = 0; k < m / 2; ++k)
      twiddles.push_back(std::polar(1.0, -2.0 * pi * static_cast<double>(k) / double(m)));
    if (powerOfTwo) return;
    // e^(-i pi k^2 / n), with k^2 reduced modulo 2n so that the angle stays
    // exact for long tables.
    for (size_t k = 0; k < n; ++k) {
      const std::uint64_t square = static_cast<std::uint64_t>(k) * k % (2 * n);
      chirp.push_back(std::polar(1.0, -pi * static_cast<double>(square) / static_cast<double>(n)));
    }
    chirpSpectrum.assign(m, Complex());
    chirpSpectrum[0] = std::conj(chirp[0]);
    for (size_t k = 1; k < n; ++k) chirpSpectrum[k] = chirpSpectrum[m - k] = std::conj(chirp[k]);
    radix2(chirpSpectrum);
  }

  // x[k] becomes the sum over j of x[j] e^(-2 pi i j k / n).
  void forward(std::vector<Complex>& x) const {
    if (chirp.empty()) return radix2(x);
    std::vector<Complex> a(m);
    for (size_t k = 0; k < n; ++k) a[k] = x[k] * chirp[k];
    radix2(a);
    for (size_t k = 0; k < m; ++k) a[k] = std::conj(a[k] * chirpSpectrum[k]);
    radix2(a);  // the conjugate of the convolution, times m
    for (size_t k = 0; k < n; ++k) x[k] = std::conj(a[k]) / static_cast<double>(m) * chirp[k];
  }

  // The same with e^(+2 pi i j k / n), unscaled.
  void backward(std::vector<Complex>& x) const {
    for (Complex& c : x) c = std::conj(c);
    forward(x);
    for (Complex& c : x) c = std::conj(c);
  }

 private:
  // In place, for x of length m.
  void radix2(std::vector<Complex>& x) const {
    for (size_t i = 1, j = 0; i < m; ++i) {
      size_t bit = m >> 1;
      for (; j & bit; bit >>= 1) j ^= bit;
      j ^= bit;
      if (i < j) std::swap(x[i], x[j]);
    }
    for (size_t half = 1; half < m; half <<= 1) {
      const size_t step = m / (2 * half);
      for (size_t start = 0; start < m; start += 2 * half)
        for (size_t k = 0; k < half; ++k) {
          const Complex odd = x[start + half + k] * twiddles[k * step];
          x[start + half + k] = x[start + k] - odd;
          x[start + k] += odd;
        }
    }
  }

  size_t n;
  size_t m;
  std::vector<Complex> twiddles;
  std::vector<Complex> chirp;
  std::vector<Complex> chirpSpectrum;
};

}  // namespace

std::unique_ptr<const zunWaveLevels> zunWaveLevels::make(const zunTable& table) {
  auto made = std::make_unique<zunWaveLevels>();
  made->source = table;
  if (table.empty()) return made;
  const long long frames = table.frames;
  for (long long top = frames / 2;; top /= 2) {
    made->highest.push_back(top);
    if (top == 0 || frames > longest) break;
  }
  if (made->highest.size() == 1) return made;

  const size_t n = static_cast<size_t>(frames);
  const Fourier fourier(n);
  std::vector<Complex> spectrum(n);
  for (size_t k = 0; k < n; ++k) {
    const double v = table.at(static_cast<long long>(k));
    spectrum[k] = std::isfinite(v) ? v : 0.0;
  }
  fourier.forward(spectrum);

  made->samples.reserve(n * (made->highest.size() - 1));
  std::vector<Complex> level(n);
  for (size_t l = 1; l < made->highest.size(); ++l) {
    const size_t top = static_cast<size_t>(made->highest[l]);
    std::fill(level.begin(), level.end(), Complex());
    level[0] = spectrum[0];
    for (size_t k = 1; k <= top; ++k) {
      level[k] = spectrum[k];
      level[n - k] = spectrum[n - k];
    }
    fourier.backward(level);
    for (const Complex& c : level)
      made->samples.push_back(static_cast<float>(c.real() / static_cast<double>(n)));
  }
  return made;
}

zunTable zunWaveLevels::level(const zunTable& table, double partialLimit) const {
  size_t l = 0;
  while (l + 1 < highest.size() && !(static_cast<double>(highest[l]) < partialLimit)) ++l;
  if (l == 0) return table;
  return {samples.data() + (l - 1) * static_cast<size_t>(table.frames), table.frames, 1};
}

zunRenderJob zunBlockLevels::jobFor(const zunRenderJob& job, const zunGrain& voice) const {
  zunRenderJob own = job;
  if (wave1) own.wave1 = wave1->level(job.wave1, voice.latched().partialLimit);
  if (wave2) own.wave2 = wave2->level(job.wave2, voice.latched().partialLimit);
  return own;
}
