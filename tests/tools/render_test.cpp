// The render loop through the host, with a test plug-in whose output is
// the last level it was sent: when each message lands, which values a ramp
// sends, and what the objects post and send out.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "plugin_path.h"
#include "render.h"
#include "render_fixture.h"
#include "score_checker.h"
#include "score_parser.h"

using namespace zun::tools;
using zuntest::MemorySink;
using zuntest::Post;
using zuntest::Recorder;

namespace {

struct Run {
  Score score;
  MemorySink sink;
  Recorder recorder;
  RenderResult result;
};

Score parse(const std::string& text) {
  Diagnostics d("t.zun");
  std::istringstream in(text);
  return parseScore(in, ".", d);
}

// Renders a score of "zuntest.level~" objects; the score must be clean.
std::unique_ptr<Run> render(Score score, double rate, long vs, long long frames) {
  auto run = std::make_unique<Run>();
  Diagnostics d("t.zun");
  run->score = std::move(score);
  PluginCatalog catalog({ZUN_TEST_PLUGIN_DIR});
  CheckOptions options;
  options.durationSeconds = static_cast<double>(frames) / rate;
  checkScore(run->score, catalog, options, d);
  for (const Diagnostic& x : d.all()) ADD_FAILURE() << d.format(x);
  RenderSettings settings;
  settings.sampleRate = rate;
  settings.vectorSize = vs;
  settings.frames = frames;
  run->result = zun::tools::render(run->score, {}, settings, run->sink, run->recorder);
  return run;
}

std::unique_ptr<Run> render(const std::string& text, double rate, long vs, long long frames) {
  return render(parse(text), rate, vs, frames);
}

// The first frame at which the left output holds `level`, or -1.
long long firstFrameAt(const MemorySink& sink, double level) {
  for (long long f = 0; f < sink.frames(); ++f)
    if (sink.left(f) == level) return f;
  return -1;
}

TEST(Render, AMessageLandsOnTheFirstVectorAtOrAfterItsTime) {
  struct Case {
    const char* time;
    double rate;
    long vs;
    long long frame;  // the first frame that carries the new level
  };
  const Case cases[] = {
      {"0", 1000, 10, 0},          {"0.025", 1000, 10, 30},   {"0.03", 1000, 10, 30},
      {"30ms", 1000, 10, 30},      {"0.0301", 1000, 10, 40},  {"0.0001", 1000, 10, 10},
      {"0.25", 44100, 64, 11072},  {"1", 44100, 64, 44160},   {"1ms", 44100, 1, 45},
      // 0.1 * 44100 is 4410.000000000001: still frame 4410.
      {"0.1", 44100, 4410, 4410},  {"0.1", 44100, 4409, 8818},
  };
  for (const Case& c : cases) {
    auto run = render("object l zuntest.level~\nat " + std::string(c.time) + " l set 1\n", c.rate,
                      c.vs, c.frame + 3 * c.vs);
    EXPECT_EQ(firstFrameAt(run->sink, 1.0), c.frame) << c.time << " at " << c.rate << "/" << c.vs;
  }
}

TEST(Render, MessagesOfOneVectorGoInTimeOrderThenFileOrder) {
  auto run = render(
      "object l zuntest.level~\n"
      "at 0.02 l set 1\n"
      "at 0.02 l set 2\n"
      "at 0.015 l set 3\n"
      "at 0.021 l set 4\n",
      1000, 10, 50);
  const std::vector<std::pair<double, double>> expected = {
      {0.02, 3}, {0.02, 1}, {0.02, 2}, {0.03, 4}};
  EXPECT_EQ(run->recorder.levels(), expected);
  EXPECT_EQ(run->sink.left(19), 0.0);
  EXPECT_EQ(run->sink.left(20), 2.0);
  EXPECT_EQ(run->sink.left(30), 4.0);
}

TEST(Render, ARampSendsItsValuesAsALineObjectDoes) {
  struct Case {
    const char* ramp;
    std::vector<std::pair<double, double>> sent;  // time of delivery, value
  };
  const Case cases[] = {
      {"ramp 0 0.1 l set 0 1 every 25",
       {{0, 0}, {0.03, 0.25}, {0.05, 0.5}, {0.08, 0.75}, {0.1, 1}}},
      {"ramp 0 0.05 l set 0 1 every 20ms", {{0, 0}, {0.02, 0.4}, {0.04, 0.8}, {0.05, 1}}},
      {"ramp 0.05 0.05 l set 5 7", {{0.05, 7}}},
      {"ramp 0.02 0.06 l set 1 -1", {{0.02, 1}, {0.04, 0}, {0.06, -1}}},  // every 20 ms
      // Values due within one vector arrive together at its end.
      {"ramp 0 0.01 l set 0 1 every 2ms",
       {{0, 0}, {0.01, 0.2}, {0.01, 0.4}, {0.01, 0.6}, {0.01, 0.8}, {0.01, 1}}},
  };
  for (const Case& c : cases) {
    auto run = render("object l zuntest.level~\n" + std::string(c.ramp) + "\n", 1000, 10, 200);
    const auto sent = run->recorder.levels();
    ASSERT_EQ(sent.size(), c.sent.size()) << c.ramp;
    for (size_t i = 0; i < sent.size(); ++i) {
      EXPECT_DOUBLE_EQ(sent[i].first, c.sent[i].first) << c.ramp << " #" << i;
      EXPECT_NEAR(sent[i].second, c.sent[i].second, 1e-12) << c.ramp << " #" << i;
    }
    // The last value is exactly TO.
    EXPECT_EQ(sent.back().second, c.sent.back().second) << c.ramp;
  }
}

TEST(Render, TellsWhoPostedWhatAndWhen) {
  auto run = render(
      "object l zuntest.level~\n"
      "at 0.05 l fail\n",
      1000, 10, 100);
  ASSERT_EQ(run->recorder.posts.size(), 2u);
  const Post& banner = run->recorder.posts[0];
  EXPECT_EQ(banner.text, "level~ ready");
  EXPECT_EQ(banner.line, 1);
  EXPECT_EQ(banner.who, "l");
  const Post& failure = run->recorder.posts[1];
  EXPECT_TRUE(failure.error);
  EXPECT_EQ(failure.text, "failing on purpose");
  EXPECT_EQ(failure.seconds, 0.05);
  EXPECT_EQ(failure.line, 2);
  EXPECT_EQ(failure.who, "l fail");
}

TEST(Render, DeliversOutletValuesAndTheMessagesAtTheVeryEnd) {
  auto run = render(
      "object l zuntest.level~\n"
      "at 0 l set 1\n"
      "at 0.05 l count\n"
      "at 0.06 l set 2\n"
      "at 0.1 l count\n",  // the end of the render
      1000, 64, 100);
  const std::vector<std::string> expected = {"0.064 l 2 1", "0.1 l 2 2"};
  EXPECT_EQ(run->recorder.outlets, expected);
}

TEST(Render, WritesNonNumbersAsZero) {
  Score score = parse("object l zuntest.level~\nat 0.01 l set 0\n");
  score.messages[0].args[0].kind = Value::Kind::real;
  score.messages[0].args[0].real = INFINITY;  // a score cannot write it
  auto run = render(std::move(score), 1000, 10, 30);
  EXPECT_EQ(run->result.nonFinite, 40);
  EXPECT_EQ(run->sink.samples[20], 0.0);
  EXPECT_EQ(run->result.peak, 0.0);
}

}  // namespace
