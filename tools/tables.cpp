#include "tables.h"

#include <cmath>
#include <filesystem>
#include <functional>

#include "sound_file.h"

namespace zun::tools {

namespace {

constexpr double pi = 3.14159265358979323846;

// SplitMix64: small, fast, and the same numbers from a seed everywhere.
std::uint64_t splitmix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t fnv1a(const std::string& s) {
  std::uint64_t h = 0xCBF29CE484222325ULL;
  for (unsigned char c : s) h = (h ^ c) * 0x100000001B3ULL;
  return h;
}

// A generator computes entry i of n from its arguments (defaults filled in).
using Shape = std::function<double(long long i, long long n, const std::vector<double>& p)>;

struct Generator {
  GeneratorInfo info;
  std::vector<double> defaults;  // one per optional argument
  // Returns what is wrong with the arguments, or "".
  std::function<std::string(const std::vector<double>&)> check;
  Shape shape;
};

// Entries are read cyclically by the objects (the last one leads back to
// the first), so every shape is sampled at x = i / n over one period.
double phase(long long i, long long n) { return static_cast<double>(i) / static_cast<double>(n); }

// Where entry i falls within its period, from 0 to 1, for `cycles` periods.
double cycle(long long i, long long n, double cycles) {
  const double x = phase(i, n) * cycles;
  return x - std::floor(x);
}

std::string none(const std::vector<double>&) { return ""; }

std::string positiveCycles(const std::vector<double>& p) {
  return p[0] > 0.0 ? "" : "CYCLES must be more than 0";
}

std::string inOpenUnit(const char* what, double v) {
  return v > 0.0 && v < 1.0 ? "" : std::string(what) + " must be between 0 and 1 (exclusive)";
}

const std::vector<Generator>& table() {
  static const std::vector<Generator> all = {
      {{"sine", "[CYCLES]", "CYCLES periods of a sine (1), starting at 0"},
       {1.0},
       positiveCycles,
       [](long long i, long long n, const std::vector<double>& p) {
         return std::sin(2.0 * pi * p[0] * phase(i, n));
       }},
      {{"saw", "[CYCLES]", "CYCLES periods (1) of a rising sawtooth: 0, up to 1, -1, up to 0"},
       {1.0},
       positiveCycles,
       [](long long i, long long n, const std::vector<double>& p) {
         const double x = cycle(i, n, p[0]) + 0.5;
         return 2.0 * (x - std::floor(x)) - 1.0;
       }},
      {{"square", "[CYCLES] [DUTY]",
        "CYCLES periods (1) of +1 for the first DUTY (0.5) of each period, then -1"},
       {1.0, 0.5},
       [](const std::vector<double>& p) {
         std::string problem = positiveCycles(p);
         return problem.empty() ? inOpenUnit("DUTY", p[1]) : problem;
       },
       [](long long i, long long n, const std::vector<double>& p) {
         return cycle(i, n, p[0]) < p[1] ? 1.0 : -1.0;
       }},
      {{"triangle", "[CYCLES]",
        "CYCLES periods (1) of a triangle: 0, up to 1, down to -1, up to 0"},
       {1.0},
       positiveCycles,
       [](long long i, long long n, const std::vector<double>& p) {
         const double x = cycle(i, n, p[0]);
         if (x < 0.25) return 4.0 * x;
         if (x < 0.75) return 2.0 - 4.0 * x;
         return 4.0 * x - 4.0;
       }},
      {{"noise", "", "white noise from -1 to 1, the same for every render with the same --seed"},
       {},
       none,
       nullptr},
      {{"hann", "", "the Hann window"},
       {},
       none,
       [](long long i, long long n, const std::vector<double>&) {
         return 0.5 - 0.5 * std::cos(2.0 * pi * phase(i, n));
       }},
      {{"hamming", "", "the Hamming window"},
       {},
       none,
       [](long long i, long long n, const std::vector<double>&) {
         return 0.54 - 0.46 * std::cos(2.0 * pi * phase(i, n));
       }},
      {{"blackman", "", "the Blackman window"},
       {},
       none,
       [](long long i, long long n, const std::vector<double>&) {
         const double x = 2.0 * pi * phase(i, n);
         return 0.42 - 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x);
       }},
      {{"gaussian", "[SIGMA]",
        "a Gaussian bell, SIGMA (0.3) its standard deviation as a fraction of half the table"},
       {0.3},
       [](const std::vector<double>& p) {
         return p[0] > 0.0 ? "" : std::string("SIGMA must be more than 0");
       },
       [](long long i, long long n, const std::vector<double>& p) {
         const double z = (phase(i, n) - 0.5) / (0.5 * p[0]);
         return std::exp(-0.5 * z * z);
       }},
      {{"tukey", "[ALPHA]",
        "flat with cosine tapers, ALPHA (0.5) the tapered fraction: 0 rectangle, 1 Hann"},
       {0.5},
       [](const std::vector<double>& p) {
         return p[0] >= 0.0 && p[0] <= 1.0 ? "" : std::string("ALPHA must be from 0 to 1");
       },
       [](long long i, long long n, const std::vector<double>& p) {
         const double x = phase(i, n);
         const double half = p[0] / 2.0;
         if (half <= 0.0) return 1.0;
         if (x < half) return 0.5 - 0.5 * std::cos(pi * x / half);
         if (x > 1.0 - half) return 0.5 - 0.5 * std::cos(pi * (1.0 - x) / half);
         return 1.0;
       }},
      {{"trapezoid", "[ATTACK] [RELEASE]",
        "linear rise over ATTACK (0.25), flat, linear fall over RELEASE (= ATTACK)"},
       {0.25, std::nan("")},  // no RELEASE: the same as ATTACK
       [](const std::vector<double>& p) {
         const double release = std::isnan(p[1]) ? p[0] : p[1];
         if (!(p[0] >= 0.0 && p[0] <= 1.0)) return std::string("ATTACK must be from 0 to 1");
         if (!std::isnan(p[1]) && !(p[1] >= 0.0 && p[1] <= 1.0))
           return std::string("RELEASE must be from 0 to 1");
         if (p[0] + release > 1.0) return std::string("ATTACK and RELEASE add up to more than 1");
         return std::string();
       },
       [](long long i, long long n, const std::vector<double>& p) {
         const double x = phase(i, n);
         const double attack = p[0];
         const double release = std::isnan(p[1]) ? p[0] : p[1];
         if (x < attack) return x / attack;
         if (release > 0.0 && x > 1.0 - release) return (1.0 - x) / release;
         return 1.0;
       }},
      {{"expodec", "[DB]",
        "a sharp attack and an exponential decay by DB decibels (60) over the table"},
       {60.0},
       [](const std::vector<double>& p) {
         return p[0] > 0.0 ? "" : std::string("DB must be more than 0");
       },
       // Entry 0 is 0, so that the read leading from the last entry back to
       // the first at the grain's end does not jump up to full level.
       [](long long i, long long n, const std::vector<double>& p) {
         if (i == 0) return 0.0;
         const double x = static_cast<double>(i - 1) / static_cast<double>(n > 2 ? n - 2 : 1);
         return std::pow(10.0, -p[0] * x / 20.0);
       }},
      {{"rexpodec", "[DB]", "expodec reversed: an exponential rise by DB decibels (60), sharp end"},
       {60.0},
       [](const std::vector<double>& p) {
         return p[0] > 0.0 ? "" : std::string("DB must be more than 0");
       },
       [](long long i, long long n, const std::vector<double>& p) {
         if (i == 0) return 0.0;
         const double x = static_cast<double>(n - 1 - i) / static_cast<double>(n > 2 ? n - 2 : 1);
         return std::pow(10.0, -p[0] * x / 20.0);
       }},
      {{"line", "[FROM] [TO]",
        "a straight line from FROM (0) towards TO (1), which the entry after the last reaches"},
       {0.0, 1.0},
       none,
       [](long long i, long long n, const std::vector<double>& p) {
         return p[0] + (p[1] - p[0]) * phase(i, n);
       }},
  };
  return all;
}

const Generator* findGenerator(const std::string& name) {
  for (const Generator& g : table())
    if (name == g.info.name) return &g;
  return nullptr;
}

std::string generatorList() {
  std::string s;
  for (const Generator& g : table()) s += (s.empty() ? "" : ", ") + std::string(g.info.name);
  return s;
}

// Reads the file into `t`; false (reported) if it cannot.
bool fromFile(const BufferStatement& b, const std::string& directory, double renderRate,
              Table& t, Diagnostics& d) {
  std::filesystem::path path(b.path.text);
  if (path.is_relative()) path = std::filesystem::path(directory) / path;
  try {
    SoundData data = readSoundFile(path.string(), maxTableFrames);
    if (data.frames == 0) {
      d.error(b.path.pos, "the sound file " + b.path.text + " holds no audio");
      return false;
    }
    if (data.sampleRate != renderRate)
      d.warning(b.path.pos, "the sound file is at " + std::to_string(data.sampleRate) +
                                " Hz and the render at " +
                                std::to_string(static_cast<long long>(renderRate)) +
                                " Hz: its frames are read as they are, as a buffer~ holds them");
    t.channels = data.channels;
    t.samples = std::move(data.samples);
    t.sampleRate = data.sampleRate;
    return true;
  } catch (const std::exception& e) {
    d.error(b.path.pos, e.what());
    return false;
  }
}

}  // namespace

const std::vector<GeneratorInfo>& generators() {
  static const std::vector<GeneratorInfo> infos = [] {
    std::vector<GeneratorInfo> v;
    for (const Generator& g : table()) v.push_back(g.info);
    return v;
  }();
  return infos;
}

std::string generate(const std::string& name, long long size, const std::vector<double>& params,
                     std::uint64_t seed, std::vector<float>& out) {
  const Generator* g = findGenerator(name);
  if (!g) return "unknown generator '" + name + "' (the generators: " + generatorList() + ", file)";
  if (params.size() > g->defaults.size())
    return std::string(g->info.name) + (g->defaults.empty()
                                            ? " takes no arguments"
                                            : " takes " + std::string(g->info.arguments));
  if (size < 1 || size > maxTableFrames)
    return "the size must be from 1 to " + std::to_string(maxTableFrames) + " frames";
  std::vector<double> p = g->defaults;
  for (size_t i = 0; i < params.size(); ++i) p[i] = params[i];
  if (std::string problem = g->check(p); !problem.empty()) return problem;

  out.assign(static_cast<size_t>(size), 0.0f);
  if (!g->shape) {  // noise
    std::uint64_t state = seed;
    for (float& v : out) {
      // The top 53 bits, exactly a double from 0 to 1, then -1 to 1.
      const double unit = static_cast<double>(splitmix64(state) >> 11) * 0x1.0p-53;
      v = static_cast<float>(2.0 * unit - 1.0);
    }
    return "";
  }
  for (long long i = 0; i < size; ++i)
    out[static_cast<size_t>(i)] = static_cast<float>(g->shape(i, size, p));
  return "";
}

std::uint64_t noiseSeed(std::uint64_t seed, const std::string& name) { return seed ^ fnv1a(name); }

std::vector<Table> buildTables(const Score& score, std::uint64_t seed, double renderRate,
                               Diagnostics& d) {
  std::vector<Table> tables;
  for (const BufferStatement& b : score.buffers) {
    if (!b.complete) continue;
    Table t;
    t.name = b.name.text;
    if (b.generator.text == "file" && !b.generator.quoted) {
      if (!fromFile(b, score.directory, renderRate, t, d)) continue;
    } else {
      if (!findGenerator(b.generator.text)) {
        d.error(b.generator.pos, "unknown generator '" + b.generator.text +
                                     "' (the generators: " + generatorList() + ", file)");
        continue;
      }
      const Generator* g = findGenerator(b.generator.text);
      if (b.params.size() > g->defaults.size()) {
        d.error(b.params[g->defaults.size()].pos,
                b.generator.text + (g->defaults.empty()
                                        ? std::string(" takes no arguments")
                                        : " takes at most " + std::string(g->info.arguments)));
        continue;
      }
      std::vector<double> params;
      bool numbers = true;
      for (const Value& v : b.params) {
        if (!v.isNumber()) {
          d.error(v.pos, b.generator.text + " takes numbers, not " + v.describe());
          numbers = false;
        }
        params.push_back(v.number());
      }
      if (!numbers) continue;
      std::string problem =
          generate(b.generator.text, b.size, params, noiseSeed(seed, b.name.text), t.samples);
      if (!problem.empty()) {
        const bool aboutSize = problem.rfind("the size", 0) == 0;
        SourcePos where = aboutSize ? b.sizePos : b.generator.pos;
        if (!aboutSize && !b.params.empty()) where = b.params.front().pos;
        d.error(where, "buffer " + b.name.text + ": " + problem);
        continue;
      }
    }
    tables.push_back(std::move(t));
  }
  return tables;
}

}  // namespace zun::tools
