// zun render --jobs: objects rendering side by side on several threads give
// the same samples, and report the same lines and values in the same order,
// as a render on one thread. Also run under ThreadSanitizer.

#include <gtest/gtest.h>

#include <cstring>
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

// The objects share their tables, so their performs lock the same buffer~
// at once; messages land on many vectors, some refused (a post), some
// answered (an outlet value); the level~ objects post every value sent.
const std::string score = R"(
buffer sine   sine 512
buffer saw    saw 512
buffer window hann 512
buffer sample noise 4410
object p1 burst.zun~ sine window saw
object c1 cloud.zun~ sample window
object l1 zuntest.level~
object p2 burst.zun~ saw window sine
object c2 cloud.zun~ sample window
object l2 zuntest.level~
at 0 p1 start 1
at 0 p2 start 1
at 0 c1 start 1
at 0 c2 start 1
at 0 p1 interp 1
at 0 c1 setDensity 300
at 0 p2 setDensity 200
ramp 0 0.25 p1 setCps 100 900 every 3ms
ramp 0 0.2 c2 setPitch -12 12 every 5ms
ramp 0.01 0.2 l1 set 0 1 every 7ms
ramp 0.02 0.21 l2 set 1 0 every 11ms
at 0.05 p2 start 7
at 0.1 c1 overlap 300
at 0.1 c2 overlap 9
at 0.12 l1 fail
at 0.15 p1 info
at 0.15 c2 info
at 0.15 l2 count
at 0.2 c1 reverse 1
at 0.3 p2 info
end 0.3
)";

struct Rendered {
  zuntest::MemorySink sink;
  zuntest::Recorder recorder;
  RenderResult result;
};

// `extra` statements join the score.
std::unique_ptr<Rendered> renderWith(int jobs, long vs, const std::string& extra = "") {
  Diagnostics d("jobs.zun");
  std::istringstream in(score + extra);
  const Score s = parseScore(in, ".", d);
  PluginCatalog catalog({ZUN_TEST_PLUGIN_DIR,
                         std::filesystem::path(ZUN_BURST_PLUGIN).parent_path().string()});
  checkScore(s, catalog, {}, d);
  const std::vector<Table> tables = buildTables(s, 1, 44100.0, d);
  for (const Diagnostic& x : d.all())
    if (x.severity == Severity::error) ADD_FAILURE() << d.format(x);
  RenderSettings settings;
  settings.vectorSize = vs;
  settings.frames = 13230;
  settings.seed = 5;
  settings.jobs = jobs;
  auto r = std::make_unique<Rendered>();
  r->result = render(s, tables, settings, r->sink, r->recorder);
  return r;
}

TEST(Jobs, ObjectsOnSeveralThreadsRenderAndReportAsOnOneThread) {
  const struct {
    int jobs;
    long vs;  // 4096: one vector a span
    const char* extra;
  } cases[] = {{2, 64, ""},
               {4, 7, ""},
               {3, 4096, ""},
               // Events go out on clocks between vectors: one thread.
               {2, 64, "at 0.05 c1 events 1\nat 0.1 p2 events 1\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.jobs << " jobs, vectors of " << c.vs << c.extra);
    const auto one = renderWith(1, c.vs, c.extra);
    const auto many = renderWith(c.jobs, c.vs, c.extra);
    ASSERT_EQ(many->sink.samples.size(), one->sink.samples.size());
    EXPECT_EQ(std::memcmp(many->sink.samples.data(), one->sink.samples.data(),
                          one->sink.samples.size() * sizeof(double)),
              0);
    EXPECT_EQ(many->recorder.posts, one->recorder.posts);
    EXPECT_EQ(many->recorder.outlets, one->recorder.outlets);
    EXPECT_EQ(many->recorder.lists, one->recorder.lists);
    EXPECT_EQ(one->recorder.lists.empty(), *c.extra == '\0');
    EXPECT_EQ(many->result.messages, one->result.messages);
    EXPECT_EQ(many->result.peak, one->result.peak);
    EXPECT_EQ(many->result.peakFrame, one->result.peakFrame);
    // What the score asks for is there to compare.
    EXPECT_GT(one->recorder.posts.size(), 50u);
    EXPECT_EQ(one->recorder.outlets.size(), 4u);
    EXPECT_GT(one->result.peak, 0.0);
  }
}

}  // namespace
