// Renders of the multichannel twins: on two channels they are their stereo
// objects, bit for bit; wider, the output has as many channels as the widest;
// a live input records the first channel of a table of several.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <sndfile.h>

#include "run_command.h"

using zuntest::Outcome;
using zuntest::runZun;
using zuntest::TempDir;

namespace {

// The score with every object of a zun class made as its twin.
std::string twinned(const std::string& path) {
  static const std::regex object(R"(^(object\s+\S+\s+)((burst|cloud)\.zun~))");
  std::string text = zuntest::readFile(path), out;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    out += std::regex_replace(line, object, "$1mc.$2") + "\n";
  return out;
}

// Half a second of `channels` channels, each a sine of its own frequency and
// level; the first is the same in every file.
void writeChannels(const std::filesystem::path& path, int channels) {
  const long frames = 22050;
  std::vector<float> samples(static_cast<size_t>(frames * channels));
  for (long i = 0; i < frames; ++i)
    for (int k = 0; k < channels; ++k)
      samples[static_cast<size_t>(i * channels + k)] =
          static_cast<float>((k == 0 ? 0.5 : 0.9) * std::sin(0.01 * (k + 1) * i));
  SF_INFO info{};
  info.samplerate = 44100;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr);
  sf_writef_float(f, samples.data(), frames);
  sf_close(f);
}

}  // namespace

TEST(Channels, TwinsOnTwoChannelsRenderAsTheStereoObjects) {
  const std::string scores[] = {
      ZUN_EXAMPLES_DIR "/pulsar.zun",      ZUN_EXAMPLES_DIR "/cloud.zun",
      ZUN_EXAMPLES_DIR "/clean.zun",       ZUN_EXAMPLES_DIR "/cloud-scan.zun",
      ZUN_EXAMPLES_DIR "/pulsar-masks.zun", ZUN_WINE_SCORES_DIR "/every_burst_message.zun",
      ZUN_WINE_SCORES_DIR "/every_cloud_message.zun",
  };
  TempDir dir;
  for (const std::string& score : scores) {
    const std::string twin = twinned(score);
    ASSERT_NE(twin.find("mc."), std::string::npos) << score;
    std::ofstream(dir / "twin.zun") << twin;
    const Outcome stereo = runZun({"render", score, "-o", "-", "--seed", "3", "-q"}, dir.path());
    const Outcome mc = runZun({"render", "twin.zun", "-o", "-", "--seed", "3", "-q"}, dir.path());
    ASSERT_EQ(stereo.status, 0) << stereo.err;
    ASSERT_EQ(mc.status, 0) << mc.err;
    EXPECT_GT(stereo.out.size(), 1000u) << score;
    EXPECT_TRUE(stereo.out == mc.out) << score;
  }
}

// A stereo object on the first two channels, a twin on channel 5 of 6 or
// more: the file holds the widest, as a WAV extensible up to 8.
TEST(Channels, TheOutputIsAsWideAsTheWidestObject) {
  const struct {
    int chans;
    int format;
  } cases[] = {{6, SF_FORMAT_WAVEX}, {8, SF_FORMAT_WAVEX}, {12, SF_FORMAT_WAV}};
  TempDir dir;
  for (const auto& c : cases) {
    std::ofstream(dir / "wide.zun")
        << "buffer sine sine 1024\nbuffer hann hann 1024\n"
        << "object s burst.zun~ sine hann sine\n"
        << "object m mc.burst.zun~ sine hann sine @chans " << c.chans << "\n"
        << "at 0 s start 1\nat 0 m setChannel 5\nat 0 m start 1\nend 1\n";
    const Outcome o = runZun({"render", "wide.zun", "-o", "wide.wav", "--seed", "1"}, dir.path());
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find(std::to_string(c.chans) + " channels"), std::string::npos) << o.err;
    // The twin's grains keep the sum of their stereo gains (1 and 1).
    const std::string peaks = "channel peaks: 1 -6.02 dBFS, 2 -6.02 dBFS, 3 -inf dBFS, "
                              "4 -inf dBFS, 5 +0.00 dBFS, 6 -inf dBFS";
    EXPECT_NE(o.err.find(peaks), std::string::npos) << o.err;
    SF_INFO info{};
    SNDFILE* f = sf_open((dir / "wide.wav").c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(info.format, c.format | SF_FORMAT_FLOAT);
    ASSERT_EQ(info.channels, c.chans);
    std::vector<float> samples(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(f, samples.data(), info.frames);
    sf_close(f);
    std::vector<double> energy(static_cast<size_t>(c.chans));
    for (size_t i = 0; i < samples.size(); ++i) energy[i % c.chans] += samples[i] * samples[i];
    for (int k = 0; k < c.chans; ++k)
      EXPECT_EQ(energy[k] > 1.0, k == 0 || k == 1 || k == 4) << c.chans << " ch " << k + 1;
  }
}

// Fed a table of 2 or 8 channels, the live input records its first: the
// render is the one fed the first channel alone, on 1 channel or 8.
TEST(Channels, TheLiveInputRecordsTheFirstChannel) {
  TempDir dir;
  for (int outputs : {1, 8}) {
    std::string firstAlone;
    for (int inputs : {1, 2, 8}) {
      writeChannels(dir / "in.wav", inputs);
      std::ofstream(dir / "live.zun")
          << "buffer in file in.wav\nbuffer win hann 1024\n"
          << "object c mc.cloud.zun~ @chans " << outputs << "\ninput c in in loop\n"
          << "at 0 c setWindowing win\nat 0 c liveBuffer 300\nat 0 c setDensity 40\n"
          << "at 0 c setLength 40\nat 0 c setSamplePosition 100\nat 0 c start 1\nend 0.5\n";
      const Outcome o = runZun({"render", "live.zun", "-o", "-", "--seed", "2", "-q"}, dir.path());
      ASSERT_EQ(o.status, 0) << o.err;
      if (inputs == 1) firstAlone = o.out;
      EXPECT_NE(o.out.find_first_not_of('\0'), std::string::npos) << inputs << " into " << outputs;
      EXPECT_TRUE(o.out == firstAlone) << inputs << " into " << outputs;
    }
  }
}
