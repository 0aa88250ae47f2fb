// Messages arriving on a message thread while the audio thread processes:
// pool rebuilds, manual grains, rebinding, band-limited tables and queries
// must neither crash nor race (this suite also runs under ThreadSanitizer).

#include <atomic>
#include <thread>

#include "external_fixture.h"

namespace {

using namespace zunTest;

TEST_F(ExternalTest, MessagesDuringProcessing) {
  t_object* burst = makeBurst();
  t_object* cloud = makeCloud();
  zun::setBufferSamples("sine2", sine(512));
  for (t_object* x : {burst, cloud}) {
    zun::send(x, "start", {1});
    zun::send(x, "setDensity", {2000});
  }
  zun::startDsp();

  std::atomic<bool> done{false};
  std::thread audio([&] {
    for (int i = 0; i < 3000; ++i) zun::process();
    done = true;
  });
  long counted = 0;
  for (int i = 0; !done; ++i) {
    zun::send(cloud, "overlap", {1 + i % 128});
    zun::send(cloud, "reverse", {i % 2});
    zun::send(cloud, "grain");
    zun::send(burst, "grain");
    zun::send(burst, "interp", {i % 2});
    zun::send(burst, "setWave1", {i % 2 ? "sine" : "sine2"});
    zun::send(burst, "bandlimit", {i % 3 ? 1 : 0});  // levels made and handed over
    zun::send(burst, "setDensity", {100.0 + i % 1000});
    counted += info(burst) + info(cloud);
  }
  audio.join();
  EXPECT_GT(counted, 0);
  EXPECT_LE(info(cloud), 128);
  EXPECT_LE(info(burst), 128);
  EXPECT_TRUE(zunTest::errors().empty());
}

}  // namespace
