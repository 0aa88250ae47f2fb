// A render does not depend on the vector size: the same grains start at
// every --vs, also where grains end and start again within one vector, and
// sound the same; every grain heard has its event. (A voice is idle from the
// vector after its grain ends, so voices, and the order of the sums, may
// differ.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "plugin_path.h"
#include "render.h"
#include "render_fixture.h"
#include "score_checker.h"
#include "score_parser.h"
#include "tables.h"

using namespace zun::tools;

namespace {

struct Rendered {
  zuntest::MemorySink sink;
  zuntest::Recorder recorder;
  // The sample field of each event.
  std::vector<long long> onsets() const {
    std::vector<long long> v;
    for (const std::string& list : recorder.lists) {
      std::istringstream fields(list);
      std::string time, object, outlet, count;
      long long sample = -1;
      fields >> time >> object >> outlet >> count >> sample;
      v.push_back(sample);
    }
    return v;
  }
};

std::unique_ptr<Rendered> renderAt(const std::string& text, long vs, long long frames) {
  Diagnostics d("vs.zun");
  std::istringstream in(text);
  const Score s = parseScore(in, ".", d);
  PluginCatalog catalog({std::filesystem::path(ZUN_BURST_PLUGIN).parent_path().string()});
  CheckOptions options;
  options.durationSeconds = static_cast<double>(frames) / 44100.0;
  checkScore(s, catalog, options, d);
  const std::vector<Table> tables = buildTables(s, 1, 44100.0, d);
  for (const Diagnostic& x : d.all())
    if (x.severity == Severity::error) ADD_FAILURE() << d.format(x);
  RenderSettings settings;
  settings.vectorSize = vs;
  settings.frames = frames;
  settings.seed = 3;
  auto r = std::make_unique<Rendered>();
  render(s, tables, settings, r->sink, r->recorder);
  return r;
}

const char* const tables =
    "buffer sine sine 4096\nbuffer window hann 2048\nbuffer sample noise 4410\n";

TEST(VectorSize, TheSameGrainsAndSamplesAtEveryVectorSize) {
  const struct {
    const char* object;  // the rest of the score: what `o` plays
    long long frames;  // whole vectors at every size
    size_t grains;  // all the clock starts: none is dropped
  } cases[] = {
      // about 100 voices sounding, many ending inside each long vector
      {"object o burst.zun~ sine window sine\nat 0 o setDensity 2000\nat 0 o setLength 50\n",
       24576, 1118},
      // 9 sounding, each voice replayed many times a vector
      {"object o burst.zun~ sine window sine\nat 0 o setDensity 3000\nat 0 o setLength 3\n",
       24576, 1756},
      {"object o cloud.zun~ sample window\nat 0 o setDensity 2000\nat 0 o setLength 50\n"
       "at 0 o setRndPitch 2\nat 0 o setWidth 0.5\n",
       24576, 1118},
      // no voice runs short; the last grains start within a clock round of the end
      {"object o burst.zun~ sine window sine\nat 0 o setDensity 200\n", 65536, 298},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.object);
    const std::string score = std::string(tables) + c.object + "at 0 o events 1\nat 0 o start 1\n";
    const auto one = renderAt(score, 1, c.frames);
    EXPECT_EQ(one->onsets().size(), c.grains);
    for (long vs : {64, 512, 2048, 8192}) {
      const auto r = renderAt(score, vs, c.frames);
      EXPECT_EQ(r->onsets(), one->onsets()) << vs;
      ASSERT_EQ(r->sink.samples.size(), one->sink.samples.size());
      double worst = 0.0;
      for (size_t i = 0; i < one->sink.samples.size(); ++i)
        worst = std::max(worst, std::fabs(r->sink.samples[i] - one->sink.samples[i]));
      EXPECT_LT(worst, 1e-12) << vs;
    }
  }
}

}  // namespace
