// Outputs: integer formats with their dither and clipping, and files that
// replace their target only when finished.

#include <gtest/gtest.h>

#include <sndfile.h>
#include <sys/stat.h>

#include <set>

#include "replacing_file.h"
#include "run_command.h"
#include "sound_file.h"

using namespace zun::tools;
using zuntest::TempDir;

namespace {

// Writes `frames` frames of `value` on both sides and reads them back as
// integers of the format, or as floats scaled by 1.
std::vector<int> roundTrip(const std::filesystem::path& path, FileType type, SampleFormat format,
                           double value, long frames, long long* clipped = nullptr,
                           std::uint64_t seed = 1) {
  FileSinkOptions o;
  o.path = path.string();
  o.type = type;
  o.format = format;
  o.sampleRate = 48000;
  o.ditherSeed = seed;
  std::unique_ptr<AudioSink> sink = openFileSink(o);
  std::vector<double> stereo(static_cast<size_t>(frames) * 2, value);
  sink->write(stereo.data(), frames);
  if (clipped) *clipped = sink->clipped();
  sink->finish();

  SF_INFO info{};
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  EXPECT_NE(f, nullptr) << sf_strerror(nullptr);
  if (!f) return {};
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.samplerate, 48000);
  EXPECT_EQ(info.frames, frames);
  std::vector<int> ints(static_cast<size_t>(frames) * 2);
  sf_readf_int(f, ints.data(), frames);
  sf_close(f);
  const int shift = format == SampleFormat::pcm16 ? 16 : format == SampleFormat::pcm24 ? 8 : 0;
  for (int& v : ints) v >>= shift;
  return ints;
}

TEST(Output, IntegerFormatsAreDitheredByOneStepAtMost) {
  TempDir dir;
  struct Case {
    FileType type;
    SampleFormat format;
    double value;
    int centre;  // value times 2^(bits - 1)
    size_t values = 3;  // the dither reaches both neighbours
  };
  const Case cases[] = {
      {FileType::wav, SampleFormat::pcm16, 0.5, 16384},
      {FileType::wav, SampleFormat::pcm24, -0.25, -2097152},
      {FileType::flac, SampleFormat::pcm24, 0.5, 4194304},
      {FileType::wav, SampleFormat::pcm16, 1e-9, 0},
      // digital silence stays exact
      {FileType::wav, SampleFormat::pcm16, 0.0, 0, 1},
      {FileType::flac, SampleFormat::pcm24, -0.0, 0, 1},
  };
  for (const Case& c : cases) {
    const std::vector<int> v = roundTrip(dir / "d", c.type, c.format, c.value, 4000);
    std::set<int> seen(v.begin(), v.end());
    double mean = 0.0;
    for (int x : v) {
      ASSERT_LE(std::abs(x - c.centre), c.values == 1 ? 0 : 1) << c.value;
      mean += x;
    }
    mean /= static_cast<double>(v.size());
    EXPECT_NEAR(mean, c.centre, 0.05) << c.centre;
    EXPECT_EQ(seen.size(), c.values) << c.value;
  }
  // The same seed gives the same dither, another seed another.
  const auto a =
      roundTrip(dir / "a.wav", FileType::wav, SampleFormat::pcm16, 0.1, 1000, nullptr, 5);
  EXPECT_EQ(a, roundTrip(dir / "b.wav", FileType::wav, SampleFormat::pcm16, 0.1, 1000, nullptr, 5));
  EXPECT_NE(a, roundTrip(dir / "c.wav", FileType::wav, SampleFormat::pcm16, 0.1, 1000, nullptr, 6));
}

TEST(Output, IntegerFormatsClipAndCountIt) {
  TempDir dir;
  long long clipped = 0;
  const auto high =
      roundTrip(dir / "h.wav", FileType::wav, SampleFormat::pcm16, 1.5, 100, &clipped);
  EXPECT_EQ(clipped, 200);
  for (int v : high) ASSERT_EQ(v, 32767);
  const auto low =
      roundTrip(dir / "l.wav", FileType::wav, SampleFormat::pcm24, -2.0, 100, &clipped);
  EXPECT_EQ(clipped, 200);
  for (int v : low) ASSERT_EQ(v, -8388608);
}

// A float WAV's format chunk has its 2-byte extension size (readers warn
// without it); a WAV longer than a RIFF header counts is RF64. Both read
// back as written.
TEST(Output, WavHeadersHoldWhatTheyCarry) {
  TempDir dir;
  const struct { long long frames; int major; } cases[] = {
      {3, SF_FORMAT_WAV}, {(0xFFFFFFFFLL / 8), SF_FORMAT_RF64}};
  for (const auto& c : cases) {
    FileSinkOptions o;
    o.path = (dir / "f.wav").string();
    o.frames = c.frames;  // what the render announces; three are written
    std::unique_ptr<AudioSink> sink = openFileSink(o);
    const double stereo[6] = {0.5, -0.5, 0.25, -0.25, 1.5, 0.0};
    sink->write(stereo, 3);
    sink->finish();
    const std::string bytes = zuntest::readFile(dir / "f.wav");
    if (c.major == SF_FORMAT_WAV) {
      EXPECT_EQ(bytes.substr(12, 8), std::string("fmt \x12\0\0\0", 8));
      EXPECT_EQ(bytes.substr(36, 2), std::string("\0\0", 2));
      EXPECT_EQ(bytes.substr(80, 4), "data");
    }
    SF_INFO info{};
    SNDFILE* f = sf_open(o.path.c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    float back[6];
    EXPECT_EQ(sf_readf_float(f, back, 3), 3);
    sf_close(f);
    EXPECT_EQ(info.format, c.major | SF_FORMAT_FLOAT);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(back[i], static_cast<float>(stereo[i])) << i;
  }
  EXPECT_TRUE(fitsHeader(FileType::aiff, SampleFormat::pcm16, 500000000));
  EXPECT_FALSE(fitsHeader(FileType::aiff, SampleFormat::pcm16, 540000000));
}

TEST(ReplacingFile, LeavesTheTargetAsItWasUntilCommitted) {
  TempDir dir;
  const auto target = dir / "out.wav";
  zuntest::writeFile(target, "precious");
  ::chmod(target.c_str(), 0640);
  {
    ReplacingFile f(target.string());
    f.write("new", 3);
    EXPECT_EQ(zuntest::readFile(target), "precious");
    EXPECT_EQ(dir.files().size(), 2u);
  }  // dropped without commit
  EXPECT_EQ(zuntest::readFile(target), "precious");
  EXPECT_EQ(dir.files(), std::vector<std::string>{"out.wav"});

  ReplacingFile f(target.string());
  f.write("new", 3);
  f.commit();
  EXPECT_EQ(zuntest::readFile(target), "new");
  EXPECT_EQ(dir.files(), std::vector<std::string>{"out.wav"});
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replaced file's permissions
}

// Through a symbolic link (or a chain of them) the file it leads to is
// replaced, and the links stay links.
TEST(ReplacingFile, WritesWhereALinkLeads) {
  TempDir dir;
  std::filesystem::create_directory(dir / "takes");
  zuntest::writeFile(dir / "takes" / "real.wav", "old");
  std::filesystem::create_symlink("takes/real.wav", dir / "link.wav");
  std::filesystem::create_symlink(dir / "link.wav", dir / "chain.wav");
  for (const char* name : {"link.wav", "chain.wav"}) {
    ReplacingFile f((dir / name).string());
    f.write(name, 3);
    f.commit();
    EXPECT_TRUE(std::filesystem::is_symlink(dir / name));
    EXPECT_EQ(zuntest::readFile(dir / "takes" / "real.wav"), std::string(name, 3));
  }
}

}  // namespace
