// Tables: the generators' shapes and argument checks, and tables read from
// sound files.

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <sstream>

#include "run_command.h"
#include "score_parser.h"
#include "tables.h"

using namespace zun::tools;

namespace {

std::vector<float> make(const std::string& generator, long long size,
                        const std::vector<double>& params = {}, std::uint64_t seed = 1) {
  std::vector<float> out;
  const std::string problem = generate(generator, size, params, seed, out);
  EXPECT_EQ(problem, "") << generator;
  return out;
}

TEST(Generators, DrawTheirShapes) {
  struct Point {
    long long index;
    double value;
  };
  struct Case {
    const char* generator;
    long long size;
    std::vector<double> params;
    std::vector<Point> points;
  };
  const double gaussianEdge = std::exp(-0.5 * (0.5 / 0.15) * (0.5 / 0.15));
  const Case cases[] = {
      {"sine", 8, {}, {{0, 0}, {2, 1}, {4, 0}, {6, -1}}},
      {"sine", 8, {2}, {{1, 1}, {3, -1}}},
      {"saw", 8, {}, {{0, 0}, {2, 0.5}, {4, -1}, {6, -0.5}}},
      {"saw", 8, {2}, {{0, 0}, {1, 0.5}, {2, -1}, {4, 0}}},
      {"square", 8, {}, {{0, 1}, {3, 1}, {4, -1}, {7, -1}}},
      {"square", 8, {1, 0.25}, {{1, 1}, {2, -1}}},
      {"triangle", 8, {}, {{0, 0}, {1, 0.5}, {2, 1}, {4, 0}, {6, -1}}},
      {"hann", 8, {}, {{0, 0}, {2, 0.5}, {4, 1}, {6, 0.5}}},
      {"hamming", 8, {}, {{0, 0.08}, {4, 1}}},
      {"blackman", 8, {}, {{0, 0}, {4, 1}}},
      {"gaussian", 8, {}, {{0, gaussianEdge}, {4, 1}}},
      {"gaussian", 8, {1}, {{4, 1}, {0, std::exp(-0.5)}}},
      {"tukey", 8, {0}, {{0, 1}, {7, 1}}},
      {"tukey", 8, {1}, {{0, 0}, {2, 0.5}, {4, 1}}},
      {"tukey", 8, {}, {{0, 0}, {1, 0.5}, {2, 1}, {6, 1}, {7, 0.5}}},
      {"trapezoid", 8, {}, {{0, 0}, {1, 0.5}, {2, 1}, {6, 1}, {7, 0.5}}},
      {"trapezoid", 8, {0.5, 0}, {{0, 0}, {2, 0.5}, {4, 1}, {7, 1}}},
      {"expodec", 11, {}, {{0, 0}, {1, 1}, {10, 0.001}}},
      {"expodec", 11, {20}, {{1, 1}, {10, 0.1}}},
      {"rexpodec", 11, {}, {{0, 0}, {1, 0.001}, {10, 1}}},
      {"line", 8, {}, {{0, 0}, {4, 0.5}, {7, 0.875}}},
      {"line", 8, {12, 12}, {{0, 12}, {7, 12}}},
  };
  for (const Case& c : cases) {
    const std::vector<float> t = make(c.generator, c.size, c.params);
    ASSERT_EQ(t.size(), static_cast<size_t>(c.size));
    for (const Point& p : c.points)
      EXPECT_NEAR(t[static_cast<size_t>(p.index)], p.value, 1e-6)
          << c.generator << " entry " << p.index;
  }
}

TEST(Generators, NoiseIsTheSameForTheSameSeedOnly) {
  const std::vector<float> a = make("noise", 10000, {}, 7);
  EXPECT_EQ(a, make("noise", 10000, {}, 7));
  EXPECT_NE(a, make("noise", 10000, {}, 8));
  double sum = 0.0;
  for (float v : a) {
    ASSERT_GE(v, -1.0f);
    ASSERT_LT(v, 1.0f);
    sum += v;
  }
  EXPECT_LT(std::fabs(sum / 10000.0), 0.05);
  EXPECT_NE(noiseSeed(1, "a"), noiseSeed(1, "b"));
}

TEST(Generators, RefuseArgumentsOutOfRange) {
  struct Case {
    const char* generator;
    long long size;
    std::vector<double> params;
    const char* problem;
  };
  const Case cases[] = {
      {"sine", 8, {0}, "CYCLES must be more than 0"},
      {"square", 8, {1, 1}, "DUTY must be between 0 and 1"},
      {"tukey", 8, {1.5}, "ALPHA must be from 0 to 1"},
      {"trapezoid", 8, {0.6, 0.6}, "ATTACK and RELEASE add up to more than 1"},
      {"trapezoid", 8, {-0.1}, "ATTACK must be from 0 to 1"},
      {"gaussian", 8, {0}, "SIGMA must be more than 0"},
      {"expodec", 8, {-3}, "DB must be more than 0"},
      {"hann", 8, {1}, "hann takes no arguments"},
      {"sine", maxTableFrames + 1, {}, "the size must be from 1 to"},
      {"wobble", 8, {}, "unknown generator 'wobble'"},
  };
  for (const Case& c : cases) {
    std::vector<float> out;
    const std::string problem = generate(c.generator, c.size, c.params, 1, out);
    EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << c.generator << ": " << problem;
    EXPECT_TRUE(out.empty());
  }
}

void writeWav(const std::filesystem::path& path, int channels, int rate,
              const std::vector<float>& interleaved) {
  SF_INFO info{};
  info.channels = channels;
  info.samplerate = rate;
  info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr);
  sf_writef_float(f, interleaved.data(), static_cast<sf_count_t>(interleaved.size()) / channels);
  sf_close(f);
}

std::vector<Table> build(const std::filesystem::path& dir, const std::string& text,
                         Diagnostics& d) {
  std::istringstream in(text);
  Score score = parseScore(in, dir.string(), d);
  return buildTables(score, 1, 44100, d);
}

TEST(Tables, ReadEveryChannelOfASoundFileNextToTheScore) {
  zuntest::TempDir dir;
  const std::vector<float> frames = {0.1f, -0.1f, 0.2f, -0.2f, 0.3f, -0.3f};
  writeWav(dir / "two.wav", 2, 44100, frames);
  std::filesystem::create_directory(dir / "sub dir");
  writeWav(dir / "sub dir" / "one.wav", 1, 48000, {0.5f});
  Diagnostics d("s.zun");
  const std::vector<Table> tables =
      build(dir.path(), "buffer a file two.wav\nbuffer b file \"sub dir/one.wav\"\n", d);
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].name, "a");
  EXPECT_EQ(tables[0].channels, 2);
  EXPECT_EQ(tables[0].frames(), 3);
  EXPECT_EQ(tables[0].samples, frames);
  EXPECT_EQ(tables[1].samples, std::vector<float>{0.5f});
  EXPECT_EQ(tables[0].sampleRate, 44100);
  EXPECT_EQ(tables[1].sampleRate, 48000);
  // The sample rate differs from the render's: said, not refused.
  ASSERT_EQ(d.all().size(), 1u);
  EXPECT_EQ(d.format(d.all()[0]).rfind("s.zun:2:15: warning: the sound file is at 48000 Hz", 0), 0u)
      << d.format(d.all()[0]);
}

TEST(Tables, AnUnreadableSoundFileIsAnErrorAtItsPath) {
  zuntest::TempDir dir;
  zuntest::writeFile(dir / "text.wav", "this is not a sound file\n");
  writeWav(dir / "empty.wav", 1, 44100, {});
  struct Case {
    const char* path;
    const char* message;
  };
  const Case cases[] = {
      {"missing.wav", "cannot read"},
      {"text.wav", "cannot read"},
      {"empty.wav", "the sound file empty.wav holds no audio"},
      {".", "cannot read"},
  };
  for (const Case& c : cases) {
    Diagnostics d("s.zun");
    const std::vector<Table> tables = build(dir.path(), std::string("buffer x file ") + c.path, d);
    EXPECT_TRUE(tables.empty());
    ASSERT_EQ(d.errorCount(), 1) << c.path;
    const std::string message = d.format(d.all()[0]);
    EXPECT_EQ(message.rfind(std::string("s.zun:1:15: error: ") + c.message, 0), 0u) << message;
  }
}

// The frequency of a tone from its first and last upward zero crossings,
// each placed between its two samples.
double crossingRate(const std::vector<float>& x, double rate) {
  double first = -1, last = -1;
  int crossings = 0;
  for (size_t i = 1; i < x.size(); ++i) {
    if (!(x[i - 1] <= 0 && x[i] > 0)) continue;
    last = static_cast<double>(i - 1) + x[i - 1] / (x[i - 1] - x[i]);
    if (first < 0) first = last;
    ++crossings;
  }
  return (crossings - 1) * rate / (last - first);
}

// A rendered cloud.zun~ on a 441 Hz tone in a 48 kHz file, at 44.1 kHz:
// the buffer~ tells the file's rate, which "sampleRate 1" plays it at.
TEST(Tables, ASoundFileKeepsItsRateInTheBuffer) {
  zuntest::TempDir dir;
  std::vector<float> tone(48000);
  for (size_t i = 0; i < tone.size(); ++i)
    tone[i] = static_cast<float>(0.5 * std::sin(2 * M_PI * 441 * static_cast<double>(i) / 48000));
  writeWav(dir / "tone.wav", 1, 48000, tone);
  for (const auto& c : {std::pair{0, 441 * 44100 / 48000.0}, std::pair{1, 441.0}}) {
    zuntest::writeFile(dir / "s.zun", "buffer t file tone.wav\nbuffer w hann 1024\n"
                                      "object c cloud.zun~ t w\nat 0 c setLength 1000\n"
                                      "at 0 c setDensity 0.5\nat 0 c sampleRate " +
                                          std::to_string(c.first) + "\nat 0 c start 1\nend 0.5\n");
    const zuntest::Outcome o = zuntest::runZun({"render", "s.zun", "-o", "-", "-q"}, dir.path());
    ASSERT_EQ(o.status, 0) << o.err;
    std::vector<float> left(o.out.size() / 8);
    for (size_t f = 0; f < left.size(); ++f) std::memcpy(&left[f], o.out.data() + 8 * f, 4);
    left.erase(left.begin(), left.begin() + 4410);  // where the window rises
    left.resize(13230);
    EXPECT_NEAR(crossingRate(left, 44100), c.second, 0.05) << "sampleRate " << c.first;
  }
}

}  // namespace
