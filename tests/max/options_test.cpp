// The opt-in inlet and outlet: a signal into the inlet starts grains at
// its upward zero crossings, and grain events leave by the rightmost
// outlet, delivered by a clock between vectors.

#include "external_fixture.h"
#include "zunMessages.h"

namespace {

using namespace zunTest;

// Impulses at these samples of a signal that rests below 0.
const std::vector<long> impulses = {3, 700, 2000, 2002, 5000};

void feedImpulses(t_object* x) {
  auto next = std::make_shared<long>(0);
  zun::feedInput(x, 0, [next](double* in, long frames) {
    for (long i = 0; i < frames; ++i, ++*next) {
      const bool impulse = std::find(impulses.begin(), impulses.end(), *next) != impulses.end();
      in[i] = impulse ? 1.0 : -0.25;
    }
  });
}

using Row = std::vector<zun::Atom>;

// Renders `samples`, moving the scheduler on after every vector as Max's
// scheduler in audio interrupt does; returns the lists of outlet 3.
std::vector<Row> renderEvents(t_object* x, long samples) {
  std::vector<Row> rows;
  zun::connectList(x, 3, [&](const Row& row) { rows.push_back(row); });
  for (long done = 0; done < samples; done += zun::vectorSize()) {
    zun::process();
    zun::runScheduler(1000.0 * zun::vectorSize() / zun::sampleRate());
  }
  zun::runScheduler(10.0);
  return rows;
}

long integer(const zun::Atom& a) { return static_cast<long>(std::get<t_atom_long>(a.value)); }

TEST_F(ExternalTest, TriggeredGrainsAndTheirEvents) {
  for (auto make : {makeBurst, makeCloud}) {
    t_object* x = make();
    zun::send(x, "setLength", {1});
    zun::send(x, "triggerInput", {1});
    zun::send(x, "events", {1});
    feedImpulses(x);
    zun::startDsp();
    const std::vector<Row> rows = renderEvents(x, 6400);
    ASSERT_EQ(rows.size(), impulses.size());
    for (size_t k = 0; k < rows.size(); ++k) {
      ASSERT_EQ(rows[k].size(), static_cast<size_t>(zunEventFields));
      EXPECT_EQ(integer(rows[k][0]), impulses[k]);
      EXPECT_EQ(integer(rows[k][1]), k == 3 ? 1 : 0) << "the voice";
      EXPECT_EQ(std::get<double>(rows[k][3].value), 1.0) << "the length in ms";
    }
    zun::send(x, "events", {0});
    EXPECT_TRUE(renderEvents(x, 6400).empty());
    zun::reset();
  }
}

// The glisson field is in setGlisson's unit, a negative value too.
TEST_F(ExternalTest, EventGlissonIsInSetGlissonsUnit) {
  for (double glisson : {-12.0, 6.0}) {
    t_object* x = makeBurst();
    zun::send(x, "setGlisson", {glisson});
    zun::send(x, "start", {1});
    zun::send(x, "events", {1});
    zun::startDsp();
    const std::vector<Row> rows = renderEvents(x, 6400);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(std::get<double>(rows[0][5].value), glisson);
    zun::reset();
  }
}

// A grain of several formants sends an event for each, its formant last;
// a grain of one sends today's list.
TEST_F(ExternalTest, EachFormantSendsItsEvent) {
  const struct { std::vector<zun::Atom> ratios; std::vector<long> formants; } cases[] = {
      {{2.0}, {0}}, {{1.0, 2.0, 3.0}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    t_object* x = makeBurst();
    zunTest::sendAll(x, {{"setFormants", c.ratios}, {"start", {1}}, {"events", {1}}});
    zun::startDsp();
    const std::vector<Row> rows = renderEvents(x, 64);
    ASSERT_EQ(rows.size(), c.formants.size());
    for (size_t k = 0; k < rows.size(); ++k) {
      const long formant = c.formants[k];
      ASSERT_EQ(rows[k].size(), static_cast<size_t>(zunEventFields + (formant > 0)));
      if (formant > 0) {
        EXPECT_EQ(integer(rows[k].back()), formant);
      }
      EXPECT_EQ(std::get<double>(rows[k][4].value), 440.0 * std::get<double>(c.ratios[k].value));
    }
    zun::reset();
  }
}

// Onsets in the sound sit at the impulses' samples.
TEST_F(ExternalTest, TriggerInputOnsetsAreTheImpulses) {
  t_object* x = makeCloud();
  zun::send(x, "setLength", {0.5});
  zun::send(x, "triggerInput", {1});
  feedImpulses(x);
  zun::startDsp();
  EXPECT_EQ(onsets(render(x, 6400).left, 8), (std::vector<long>{3, 700, 2000, 5000}));
}

// Events beyond the queue's room are counted and reported, never waited
// for: ten vectors of 2048 grains (one a sample, each voice freed within the
// vector) before the scheduler runs.
TEST_F(ExternalTest, LostEventsAreReported) {
  t_object* x = makeBurst();
  zun::send(x, "setDensity", {44100});
  zun::send(x, "setLength", {0.01});
  zun::send(x, "start", {1});
  zun::send(x, "events", {1});
  zun::setVectorSize(2048);
  zun::startDsp();
  size_t rows = 0;
  zun::connectList(x, 3, [&](const Row&) { ++rows; });
  for (int v = 0; v < 10; ++v) zun::process();
  zun::runScheduler(10.0);
  EXPECT_EQ(rows, 1024u);
  EXPECT_EQ(errors(), (std::vector<std::string>{
                          "events: 19456 grain events lost: more grains started between two "
                          "deliveries than the queue holds"}));
}

}  // namespace
