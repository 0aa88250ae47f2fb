#include "hostile_session.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <sstream>

#include "zunHost.h"

namespace hostile {

std::uint32_t ByteChoices::next() {
  std::uint32_t value = 0;
  for (int b = 0; b < 4 && used < size; ++b) value = (value << 8) | data[used++];
  return value;
}

void loadPlugins(const std::string& burstPath, const std::string& cloudPath) {
  zun::loadPlugin(burstPath);
  zun::loadPlugin(cloudPath);
}

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const char* const bufferNames[] = {"a", "b", "c", "d"};
constexpr int maxObjects = 4;
// A grain never played before sounds with the voice's own default length.
constexpr double defaultVoiceSeconds = 85.0;

struct Object {
  t_object* x;
  std::string className;
  double longestLength = 0.085;  // seconds
  double widestRandomLength = 0.0;
  long info = -1;
  long voices = 128;  // the pool's size, which "overlap" changes
  unsigned long long lastEvent = 0;  // the sample of the latest grain event
};

class Session {
 public:
  Session(Choices& choices) : c(choices) {}

  std::vector<std::string> run(int actions) {
    zun::reset();
    zun::setSampleRate(pickRate());
    zun::setVectorSize(64);
    for (const char* name : bufferNames) makeBuffer(name);
    create("burst.zun~");
    create("cloud.zun~");
    zun::startDsp();
    for (Object& o : objects)
      if (!c.oneIn(4)) zun::send(o.x, "start", {1});
    for (int a = 0; a < actions && !c.exhausted() && failures.size() < 5; ++a) act();
    endCheck();
    for (Object& o : objects) zun::destroy(o.x);
    objects.clear();
    zun::reset();
    return failures;
  }

 private:
  void act() {
    const std::uint32_t roll = c.below(100);
    if (roll < 55) sendSomething();
    else if (roll < 70) bufferAction();
    else if (roll < 88) processVectors(1 + static_cast<int>(c.below(3)));
    else if (roll < 90)
      feedSignal(objects.empty() ? nullptr
                                 : objects[c.below(static_cast<std::uint32_t>(objects.size()))].x);
    else if (roll < 95) zun::setVectorSize(pickVectorSize());
    else if (roll < 98) zun::setSampleRate(pickRate());
    else createOrDestroy();
  }

  // ---- values

  double pickRate() {
    const double rates[] = {44100, 48000, 96000, 8000, 1, 22050.5, 192000, 11025};
    return rates[c.below(8)];
  }

  long pickVectorSize() {
    const std::uint32_t roll = c.below(10);
    if (roll < 6) return 1 + static_cast<long>(c.below(128));
    if (roll < 9) return 1 + static_cast<long>(c.below(2048));
    return 1 + static_cast<long>(c.below(16384));
  }

  double pickNumber() {
    const double odd[] = {0.0, -0.0, 1.0, -1.0, 0.5, 2.0, 127.99, 128.0, 129.0, 1e-5,
                          1.01e-5, NAN, inf, -inf, 5e-324, -5e-324, 1e308, -1e308, 1e-308,
                          2147483648.0, -2147483649.0, 12.0, -12.0, 24.0, 100.0, 1e6};
    switch (c.below(3)) {
      case 0: return odd[c.below(sizeof odd / sizeof odd[0])];
      case 1: return static_cast<double>(c.below(60001)) / 100.0 - 300.0;
      default:
        return std::ldexp(static_cast<double>(c.below(1000)) - 500.0,
                          static_cast<int>(c.below(80)) - 40);
    }
  }

  zun::Atom pickAtom() {
    const std::uint32_t kind = c.below(20);
    if (kind < 9) return zun::Atom(pickNumber());
    if (kind < 16) {
      const long odd[] = {0, 1, -1, 2, 127, 128, 129, -129, 2147483647L, -2147483648L,
                          std::numeric_limits<long>::max(), std::numeric_limits<long>::min()};
      if (c.oneIn(2)) return zun::Atom(odd[c.below(12)]);
      return zun::Atom(static_cast<long>(c.below(600)) - 300);
    }
    const char* symbols[] = {"a", "b", "c", "d", "missing", ""};
    return zun::Atom(symbols[c.below(6)]);
  }

  static bool asNumber(const zun::Atom& a, double& value) {
    if (const auto* d = std::get_if<double>(&a.value)) value = *d;
    else if (const auto* l = std::get_if<t_atom_long>(&a.value)) value = static_cast<double>(*l);
    else return false;
    return true;
  }

  // ---- messages

  void sendSomething() {
    if (objects.empty()) return;
    Object& o = objects[c.below(static_cast<std::uint32_t>(objects.size()))];
    const zun::ClassInfo info = zun::classInfo(o.className);
    const zun::MethodInfo& method =
        info.methods[c.below(static_cast<std::uint32_t>(info.methods.size()))];
    std::string selector = c.oneIn(30) ? "noSuchMessage" : method.selector;
    // The host's own messages cannot be sent from a patch; try now and then.
    if ((selector == "dsp64" || selector == "assist" || selector == "dblclick") && !c.oneIn(10))
      selector = "grain";
    std::vector<zun::Atom> args;
    const std::uint32_t count = c.oneIn(8) ? c.below(4) : 1;
    const bool isSwitch = !method.types.empty() && method.types[0] == A_LONG;
    for (std::uint32_t i = 0; i < count; ++i)
      args.push_back(isSwitch && c.below(4) != 0 ? zun::Atom(static_cast<int>(c.below(3)))
                                                 : pickAtom());
    if (selector == "setbuf" || c.oneIn(20)) {
      args.clear();
      for (std::uint32_t i = 0, n = c.below(5); i < n; ++i)
        args.push_back(c.oneIn(5) ? pickAtom() : zun::Atom(bufferNames[c.below(4)]));
    }
    if (selector == "dblclick") {
      zun::doubleClick(o.x);
      return;
    }
    track(o, selector, args);
    zun::send(o.x, selector, args);
  }

  // Bounds on what the object was told, for the checks.
  void track(Object& o, const std::string& selector, const std::vector<zun::Atom>& args) {
    double v;
    if (args.empty() || !asNumber(args[0], v)) return;
    if (selector == "setLength" && !std::isnan(v))
      o.longestLength = std::fmax(o.longestLength, std::fabs(v) * 0.001);
    if (selector == "setRndLength" && !std::isnan(v))
      o.widestRandomLength = std::fmax(o.widestRandomLength, std::fabs(v) * 0.5);
    // Lengths in periods have no bound a wait could keep.
    if (selector == "lengthMode" && std::trunc(v) == 1.0) o.longestLength = inf;
    // The host truncates a float sent to an integer method; the object takes
    // 1 to 128 voices (0 is ignored, anything else refused).
    const double count = std::isnan(v) ? 0.0 : std::trunc(v);
    if (selector == "overlap" && count >= 1.0 && count <= 128.0)
      o.voices = static_cast<long>(count);
  }

  // ---- buffers

  void makeBuffer(const char* name) {
    const long framesChoices[] = {0, 1, 2, 3, 5, 7, 64, 513, 2048, 4096};
    const long channelChoices[] = {1, 1, 1, 2, 3};
    const long frames = framesChoices[c.below(10)];
    const long channels = channelChoices[c.below(5)];
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    const std::uint32_t content = c.below(40);
    for (size_t i = 0; i < samples.size(); ++i) {
      samples[i] = static_cast<float>(std::sin(0.1 * static_cast<double>(i) + content));
      if (content == 0) samples[i] *= 1e5f;  // loud but finite
    }
    if (content == 1 && !samples.empty())
      samples[c.below(static_cast<std::uint32_t>(samples.size()))] = c.oneIn(2) ? NAN : INFINITY;
    if (zun::bufferExists(name)) zun::deleteBuffer(name);
    zun::createBuffer(name, frames, channels);
    if (!samples.empty()) zun::setBufferSamples(name, samples, channels);
  }

  void bufferAction() {
    const char* name = bufferNames[c.below(4)];
    switch (c.below(5)) {
      case 0:
      case 1: makeBuffer(name); break;
      case 2:
        if (zun::bufferExists(name)) zun::deleteBuffer(name);
        break;
      case 3:
        if (zun::bufferExists(name))
          zun::resizeBuffer(name, static_cast<long>(c.below(3000)),
                            1 + static_cast<long>(c.below(3)));
        break;
      default:
        if (zun::bufferExists(name)) zun::setLockFailure(name, c.oneIn(2));
    }
  }

  // ---- objects

  void create(const char* className) {
    std::vector<zun::Atom> args;
    if (c.oneIn(4)) {
      for (std::uint32_t i = 0, n = c.below(5); i < n; ++i)
        args.push_back(zun::Atom(bufferNames[c.below(4)]));
    } else {
      args = {"a", "b", "c"};
    }
    Object o{zun::create(className, args), className};
    zun::connect(o.x, 2, [this, x = o.x](t_atom_long value) {
      for (Object& each : objects)
        if (each.x == x) each.info = static_cast<long>(value);
    });
    // While stealing, "info" is a list: the sounding grains, then the crowded ones.
    zun::connectList(o.x, 2, [this, x = o.x](const std::vector<zun::Atom>& info) {
      const auto* sounding = info.size() == 2 ? std::get_if<t_atom_long>(&info[0].value) : nullptr;
      for (Object& each : objects)
        if (each.x == x) each.info = sounding ? static_cast<long>(*sounding) : -1;
    });
    zun::connectList(o.x, 3, [this, x = o.x](const std::vector<zun::Atom>& row) {
      for (Object& each : objects)
        if (each.x == x) checkEvent(each, row);
    });
    objects.push_back(o);
    feedSignal(o.x);
  }

  // A signal for the trigger input: impulses, noise, a constant, or
  // samples that are not numbers.
  void feedSignal(t_object* x) {
    if (!x) return;
    const std::uint32_t kind = c.below(5);
    const long every = 1 + static_cast<long>(c.below(300));
    auto sample = std::make_shared<long>(0);
    zun::feedInput(x, 0, [kind, every, sample](double* in, long frames) {
      for (long i = 0; i < frames; ++i, ++*sample) {
        const long k = *sample;
        switch (kind) {
          case 0: in[i] = k % every == 0 ? 1.0 : -1.0; break;
          case 1:
            in[i] = std::sin(0.37 * static_cast<double>(k) * static_cast<double>(every));
            break;
          case 2: in[i] = 0.5; break;
          case 3: in[i] = k % every == 0 ? NAN : (k % 3 == 0 ? inf : -inf); break;
          default: in[i] = 0.0;
        }
      }
    });
  }

  // Every grain event is a list of ten numbers (eleven for a formant of
  // several) naming a voice of the pool, in the order of the grains' samples.
  void checkEvent(Object& o, const std::vector<zun::Atom>& row) {
    const bool fits = row.size() == 10 || row.size() == 11;
    const auto* sample = fits ? std::get_if<t_atom_long>(&row[0].value) : nullptr;
    const auto* voice = sample ? std::get_if<t_atom_long>(&row[1].value) : nullptr;
    if (!voice) return fail(o.className + ": a grain event is not the list it should be");
    if (*voice < 0 || *voice >= 128) return fail(o.className + ": a grain event names no voice");
    const auto at = static_cast<unsigned long long>(*sample);
    if (at < o.lastEvent) return fail(o.className + ": grain events out of order");
    o.lastEvent = at;
  }

  void createOrDestroy() {
    if (objects.size() < maxObjects && c.oneIn(2)) {
      create(c.oneIn(2) ? "burst.zun~" : "cloud.zun~");
    } else if (!objects.empty()) {
      const size_t i = c.below(static_cast<std::uint32_t>(objects.size()));
      zun::destroy(objects[i].x);
      objects.erase(objects.begin() + static_cast<long>(i));
    }
    zun::startDsp();
  }

  // ---- audio and checks

  void processVectors(int vectors) {
    for (int v = 0; v < vectors; ++v) {
      zun::process();
      // At rates down to 1 Hz a vector lasts hours, which the objects'
      // event clocks would fill with millions of idle ticks; a tenth of a
      // second of scheduler time per vector drains every queue all the same.
      zun::runScheduler(
          std::min(100.0, 1000.0 * static_cast<double>(zun::vectorSize()) / zun::sampleRate()));
      check();
    }
  }

  void fail(const std::string& what) {
    std::ostringstream s;
    s << what << " (vector size " << zun::vectorSize() << ", rate " << zun::sampleRate() << ")";
    failures.push_back(s.str());
  }

  void check() {
    for (Object& o : objects) {
      for (int channel = 0; channel < 2; ++channel) {
        const double* out = zun::output(o.x, channel);
        for (long k = 0; k < zun::vectorSize(); ++k)
          if (!std::isfinite(out[k])) return fail(o.className + ": a sample is not finite");
      }
      o.info = -1;
      zun::send(o.x, "info");
      if (o.info < 0 || o.info > o.voices) return fail(o.className + ": info out of range");
    }
    for (const char* name : bufferNames) {
      if (!zun::bufferExists(name)) continue;
      const zun::LockStats s = zun::lockStats(name);
      if (s.held != 0 || s.unmatchedUnlocks != 0)
        return fail(std::string("buffer~ ") + name + ": locks unbalanced");
    }
  }

  // Every grain of finite length ends: with the stream off and every object
  // reading good tables, all voices fall silent within the longest length a
  // grain could have been given. A low rate keeps that quick.
  void endCheck() {
    constexpr double rate = 50.0;
    for (const char* name : bufferNames) {
      if (zun::bufferExists(name)) zun::deleteBuffer(name);
      zun::createBuffer(name, 64, 1);
      zun::setBufferSamples(name, std::vector<float>(64, 0.5f), 1);
      zun::setLockFailure(name, false);
    }
    double longest = defaultVoiceSeconds;
    for (Object& o : objects) {
      zun::send(o.x, "start", {0});
      zun::send(o.x, "triggerInput", {0});
      zun::send(o.x, "setbuf", {"a", "b", "c"});
      longest = std::fmax(longest, o.longestLength * (1.0 + o.widestRandomLength));
    }
    if (!(longest <= 1000.0)) return;  // lengths beyond any bounded wait
    zun::setSampleRate(rate);
    zun::setVectorSize(64);
    const long vectors = static_cast<long>(std::ceil(longest * rate / 64.0)) + 2;
    for (long v = 0; v < vectors; ++v) zun::process();
    for (Object& o : objects) {
      o.info = -1;
      zun::send(o.x, "info");
      if (o.info != 0) fail(o.className + ": a grain still sounds after its longest length");
    }
  }

  Choices& c;
  std::vector<Object> objects;
  std::vector<std::string> failures;
};

}  // namespace

std::vector<std::string> runSession(Choices& choices, int actions) {
  Session session(choices);
  return session.run(actions);
}

}  // namespace hostile
