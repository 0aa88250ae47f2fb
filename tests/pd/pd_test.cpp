// Both objects in real Pd. A scenario played by Pd's own qlist and
// recorded with writesf~ equals, bit for bit, `zun render` of the same
// scenario written as a score, and its grain events as Pd prints them are
// zun's; arrays resized and deleted under a playing cloud give their new
// contents or silence; the help patches, installed or in the build tree,
// open without an error and sound. Another Pd (Windows Pd under Wine, arm64
// Pd under qemu) records the same scenarios as this machine's, bit for bit,
// and opens the help patches as well.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <sndfile.h>

#include "run_command.h"

using zuntest::Outcome;
using zuntest::readFile;
using zuntest::runZun;
using zuntest::shellQuote;
using zuntest::TempDir;
using zuntest::writeFile;

namespace {

constexpr int rate = 44100;
constexpr int block = 64;  // Pd's vector, and the renders'

// ---- sound files

struct Sound {
  std::vector<float> stereo;  // interleaved, of `channels`
  int channels = 2;
  long long frames() const { return static_cast<long long>(stereo.size()) / channels; }
  // The largest magnitude over frames [from, to), or infinity where a
  // sample is not finite.
  float peak(long long from, long long to) const {
    float p = 0.0f;
    for (long long i = channels * from; i < channels * std::min(to, frames()); ++i)
      p = std::isfinite(stereo[size_t(i)]) ? std::max(p, std::fabs(stereo[size_t(i)])) : INFINITY;
    return p;
  }
};

Sound readSound(const std::filesystem::path& path) {
  SF_INFO info{};
  Sound s;
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  if (!f) return s;
  s.channels = info.channels;
  s.stereo.resize(size_t(info.frames) * size_t(info.channels));
  sf_readf_float(f, s.stereo.data(), info.frames);
  sf_close(f);
  return s;
}

struct Table {
  std::string name;
  int size;
  double (*shape)(double);  // over one period, x from 0 to 1
};

double sine(double x) { return std::sin(2.0 * M_PI * x); }
double hann(double x) { return 0.5 - 0.5 * std::cos(2.0 * M_PI * x); }
double saw(double x) { return x < 0.5 ? 2.0 * x : 2.0 * x - 2.0; }
double tone(double x) { return std::sin(2.0 * M_PI * 441.0 * x) * (1.0 - x); }
double square(double x) { return x < 0.5 ? 0.75 : -0.75; }
// Of 24000 samples: 1 every 1733 samples from sample 977, 0 elsewhere.
double clicks(double x) { return std::lround(x * 24000) % 1733 == 977 ? 1.0 : 0.0; }
double twelve(double) { return 12.0; }
double ramp(double x) { return x; }

void writeTable(const std::filesystem::path& dir, const Table& t) {
  std::vector<float> samples(size_t(t.size));
  for (int i = 0; i < t.size; ++i) samples[size_t(i)] = float(t.shape(double(i) / t.size));
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  SNDFILE* f = sf_open((dir / (t.name + ".wav")).c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
  sf_writef_float(f, samples.data(), t.size);
  sf_close(f);
}

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The number after each occurrence of `label`.
std::vector<double> numbersAfter(const std::string& text, const std::string& label) {
  std::vector<double> numbers;
  for (size_t at = text.find(label); at != std::string::npos; at = text.find(label, at + 1))
    numbers.push_back(std::strtod(text.c_str() + at + label.size(), nullptr));
  return numbers;
}

std::string number(double v) {
  char s[40];
  std::snprintf(s, sizeof s, "%.17g", v);
  return s;
}

double blockMs(double blocks) { return blocks * block * 1000.0 / rate; }

// ---- running Pd

// A Pd program and the package folder of the externals it loads.
struct PdProgram {
  std::string command;  // for the shell, options that every Pd takes included
  std::string package;
  // Pd under Wine or qemu now and then hangs in a run that takes seconds
  // alone (under Wine, on quitting, with the recording complete); twice in
  // a row has been seen, three times not.
  int rerunsAfterHanging = 0;
};

PdProgram linuxPd(const std::string& package = ZUN_PD_PACKAGE) {
  return {ZUN_PD_ENVIRONMENT " " + shellQuote(ZUN_PD_EXECUTABLE) + " -nrt", package};
}

// Given by the environment: ZUN_FOREIGN_PD, a shell command that runs it
// (such as `wine pd.com`), and ZUN_FOREIGN_PD_PACKAGE.
PdProgram foreignPd() {
  const char* command = std::getenv("ZUN_FOREIGN_PD");
  const char* package = std::getenv("ZUN_FOREIGN_PD_PACKAGE");
  return {command ? command : "", package ? package : "", 2};
}

template <class Base>
class NeedsPd : public Base {
 protected:
  void SetUp() override {
    if (!*ZUN_PD_EXECUTABLE || !*ZUN_PD_PACKAGE)
      GTEST_SKIP() << "Pd is not installed (Debian: puredata-core, puredata-dev)";
  }
};
using PdTest = NeedsPd<::testing::Test>;

template <class Base>
class NeedsForeignPd : public NeedsPd<Base> {
 protected:
  void SetUp() override {
    NeedsPd<Base>::SetUp();
    if (foreignPd().command.empty() || foreignPd().package.empty())
      GTEST_SKIP() << "no ZUN_FOREIGN_PD and ZUN_FOREIGN_PD_PACKAGE";
  }
};

// Pd headless on one package folder, quitting by itself (or killed after a
// minute). It keeps time by the clock rather than running in batch mode:
// writesf~ hands the file to a disk thread, which a batch run can outrun
// before the file is even open. Without real-time priority: run as root,
// Pd would take it, with a watchdog that signals it.
Outcome runPd(const std::filesystem::path& dir, const std::vector<std::string>& patches,
              const PdProgram& pd = linuxPd()) {
  std::string command = "cd " + shellQuote(dir.string()) + " && timeout -k 5 60 " + pd.command +
                        " -nogui -noaudio -nomidi -noprefs -nostdpath -stderr -r " +
                        std::to_string(rate) + " -path " + shellQuote(pd.package);
  for (const std::string& p : patches) command += " -open " + shellQuote(p);
  command += " >" + shellQuote((dir / "pd.out").string()) + " 2>&1";
  Outcome o;
  for (int run = 0; run < 1 + pd.rerunsAfterHanging; ++run) {
    const int raw = std::system(command.c_str());
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    if (o.status != 124) break;  // timeout's own
    std::fprintf(stderr, "Pd hung, killed after a minute: %s\n", command.c_str());
  }
  o.err = readFile(dir / "pd.out");
  o.err.erase(std::remove(o.err.begin(), o.err.end(), '\r'), o.err.end());  // Windows' line ends
  return o;
}

// ---- scenarios: messages on vector boundaries, for Pd and for zun

struct Step {
  int block;                  // the message arrives before this vector
  std::string message;        // selector and arguments, values float32 holds exactly
  std::string to = "zunobj";  // the receiver in Pd
  std::string inScore = "";   // for another receiver: what the score sends the object instead
};

// Into parameter inlet `inlet` (1: the first after the trigger input),
// named as a score names it: a table, from "bang" to zuninput, or else the
// floats sent to zunNAME.
struct Signal {
  int inlet;
  const char* name;
  const char* table = nullptr;
};

struct Scenario {
  const char* name;
  const char* object;  // class and creation arguments
  std::vector<Table> tables;
  std::vector<Step> steps;
  int blocks;                   // the length compared
  const char* input = nullptr;  // the table played into the object's inlet, from "bang" to zuninput
  int channels = 2;  // of an object made with @chans, which the score makes as the mc. twin
  std::vector<Signal> signals = {};
  bool twin() const { return std::strstr(object, "@chans") != nullptr; }
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

// writesf~ may drop what its disk thread has not written yet when it
// stops: the recording goes on for half a second after the scenario.
constexpr int overrun = 345;

// Pd runs a clock due within a vector before computing that vector, so
// each message is timed half a vector after the boundary it belongs to.
std::string qlist(const Scenario& s) {
  std::string text;
  double at = 0.0;
  auto wait = [&](int b) {
    const double due = b == 0 ? 0.0 : blockMs(b + 0.5);
    if (due != at) text += number(due - at) + " ";
    at = due;
  };
  for (const Step& step : s.steps) {
    wait(step.block);
    text += step.to + " " + step.message + ";\n";
  }
  wait(s.blocks + overrun);
  return text + "zunrec stop;\npd-recorder clear;\npd quit;\n";
}

std::string score(const Scenario& s) {
  std::string text;
  for (const Table& t : s.tables) text += "buffer " + t.name + " file " + t.name + ".wav\n";
  text += std::string("object p ") + (s.twin() ? "mc." : "") + s.object + "\n";
  if (s.input) text += std::string("input p ") + s.input + "\n";
  for (const Signal& signal : s.signals)
    if (signal.table) text += std::string("input p ") + signal.name + " " + signal.table + "\n";
  for (const Step& step : s.steps) {
    const std::string& message = step.to == "zunobj" ? step.message : step.inScore;
    if (!message.empty())
      text += "at " + number(step.block * double(block) / rate) + " p " + message + "\n";
  }
  return text + "end " + number(s.blocks * double(block) / rate) + "\n";
}

// The boxes after the arrays, the first numbered `first`.
std::string extraBoxes(const Scenario& s, int first) {
  const std::string events = std::to_string(first), filer = std::to_string(first + 1),
                    input = std::to_string(first + 2), player = std::to_string(first + 3);
  std::string text = "#X obj 300 220 print events;\n#X connect 8 " +
                     std::to_string(s.channels + 1) + " " + events +
                     " 0;\n#X obj 300 70 r zunfiler;\n#X connect " + filer + " 0 4 0;\n";
  if (s.input)
    text += "#X obj 300 130 r zuninput;\n#X obj 300 160 tabplay~ " + std::string(s.input) +
            ";\n#X connect " + input + " 0 " + player + " 0;\n#X connect " + player + " 0 8 0;\n";
  const bool played = std::any_of(s.signals.begin(), s.signals.end(),
                                  [](const Signal& signal) { return signal.table; });
  if (played && !s.input) text += "#X obj 300 130 r zuninput;\n";
  int next = first + (s.input ? 4 : played ? 3 : 2);
  for (const Signal& signal : s.signals) {
    const std::string box = std::to_string(next++), to = " 0 8 " + std::to_string(signal.inlet);
    if (!signal.table) {
      text += "#X obj 400 130 r zun" + std::string(signal.name) + ";\n#X connect " + box + to +
              ";\n";
      continue;
    }
    text += "#X obj 400 160 tabplay~ " + std::string(signal.table) + ";\n#X connect " + input +
            " 0 " + box + " 0;\n#X connect " + box + to + ";\n";
  }
  return text;
}

// Loads the arrays (each in a subpatch `pd NAME-table` a step may clear),
// starts the DSP and the recording, then the sequence; [r zunobj] feeds
// the object, [r zunfiler] the soundfiler, [r zuninput] a tabplay~ into the
// object's inlet; the object's outlets go to writesf~ in `pd recorder`,
// which the end clears to close the file, and to print.
std::string scenarioPatch(const Scenario& s) {
  const std::string n = std::to_string(s.channels), writer = std::to_string(s.channels + 1);
  std::string inlets, recorderWires, outletWires;
  for (int k = 0; k < s.channels; ++k) {
    const std::string c = std::to_string(k);
    inlets += "#X obj " + std::to_string(10 + 70 * k) + " 10 inlet~;\n";
    recorderWires += "#X connect " + c + " 0 " + writer + " " + c + ";\n";
    outletWires += "#X connect 8 " + c + " 9 " + c + ";\n";
  }
  std::string reads, arrays;
  int y = 130;
  for (const Table& t : s.tables) {
    reads += (reads.empty() ? "" : " \\, ") + ("read -resize " + t.name + ".wav " + t.name);
    arrays += "#N canvas 0 0 300 200 " + t.name + "-table 0;\n#X obj 10 10 array define " +
              t.name + ";\n#X restore 200 " + std::to_string(y += 30) +
              " pd " + t.name + "-table;\n";
  }
  return "#N canvas 0 0 600 400 12;\n"
         "#X obj 10 10 loadbang;\n"
         "#X obj 10 40 t b b;\n"
         "#X msg 10 70 \\; pd dsp 1 \\; zunrec open -bytes 4 pd.wav \\; zunrec start \\; "
         "zunseq read steps.txt \\; zunseq bang;\n"
         "#X msg 200 40 " + reads + ";\n"
         "#X obj 200 70 soundfiler;\n"
         "#X obj 10 100 r zunseq;\n"
         "#X obj 10 130 qlist;\n"
         "#X obj 10 160 r zunobj;\n"
         "#X obj 10 190 " + s.object + ";\n"
         "#N canvas 0 0 300 200 recorder 0;\n" +
         inlets + "#X obj 10 40 r zunrec;\n#X obj 10 70 writesf~ " + n + ";\n" + recorderWires +
         "#X connect " + n + " 0 " + writer + " 0;\n" +
         "#X restore 10 220 pd recorder;\n"
         "#X obj 200 220 print info;\n"
         "#X connect 0 0 1 0;\n"
         "#X connect 1 0 2 0;\n"
         "#X connect 1 1 3 0;\n"
         "#X connect 3 0 4 0;\n"
         "#X connect 5 0 6 0;\n"
         "#X connect 7 0 8 0;\n" +
         outletWires + "#X connect 8 " + n + " 10 0;\n" + arrays +
         extraBoxes(s, 11 + int(s.tables.size()));
}

Outcome playInPd(const std::filesystem::path& dir, const Scenario& s,
                 const PdProgram& pd = linuxPd()) {
  for (const Table& t : s.tables) writeTable(dir, t);
  writeFile(dir / "steps.txt", qlist(s));
  writeFile(dir / "scenario.pd", scenarioPatch(s));
  return runPd(dir, {"scenario.pd"}, pd);
}

// Grain events as Pd prints them (floats, "%g"), of grains before `frames`.
std::vector<std::string> printedEvents(const std::string& out, long long frames) {
  std::vector<std::string> events;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("events: ", 0) == 0 && std::stoll(line.substr(8)) < frames)
      events.push_back(line.substr(8));
  return events;
}

// zun's events CSV (time, object, then the fields) as Pd prints a list.
std::vector<std::string> eventsOfCsv(const std::string& csv) {
  std::vector<std::string> events;
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string field, printed;
    for (int column = 0; std::getline(fields, field, ','); ++column) {
      if (column < 2) continue;
      char text[32];
      std::snprintf(text, sizeof text, "%g", double(float(std::strtod(field.c_str(), nullptr))));
      printed += (printed.empty() ? "" : " ") + std::string(text);
    }
    events.push_back(printed);
  }
  return events;
}

class PdScenario : public NeedsPd<::testing::TestWithParam<Scenario>> {};

TEST_P(PdScenario, RecordingEqualsTheRenderOfTheSameScore) {
  const Scenario& s = GetParam();
  TempDir dir;
  const Outcome pd = playInPd(dir.path(), s);
  ASSERT_EQ(pd.status, 0) << pd.err;
  writeFile(dir / "scenario.zun", score(s));
  const Outcome zun = runZun(
      {"render", "scenario.zun", "-o", "zun.wav", "--vs", "64", "--events", "events.csv"},
      dir.path());
  ASSERT_EQ(zun.status, 0) << zun.err;

  const Sound fromPd = readSound(dir / "pd.wav"), fromZun = readSound(dir / "zun.wav");
  ASSERT_EQ(fromZun.frames(), static_cast<long long>(s.blocks) * block);
  ASSERT_GE(fromPd.frames(), fromZun.frames());
  const size_t width = size_t(s.channels);
  ASSERT_EQ(fromZun.channels, s.channels);
  ASSERT_EQ(fromPd.channels, s.channels);
  for (long long f = 0; f < fromZun.frames(); ++f)
    ASSERT_EQ(std::memcmp(&fromPd.stereo[width * f], &fromZun.stereo[width * f], 4 * width), 0)
        << "first different frame " << f;
  EXPECT_GT(fromPd.peak(0, fromPd.frames()), 0.01f) << "the scenario should sound";
  EXPECT_EQ(count(pd.err, "error: "), count(zun.err, ": error: ")) << pd.err;
  for (const char* refusal : {"start message: 0 = off; 1 = on",
                              "overlap message: maximum overlap permitted is 128"})
    EXPECT_EQ(count(pd.err, refusal), count(zun.err, refusal)) << refusal;
  const std::vector<double> answers = numbersAfter(pd.err, "info: ");
  EXPECT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers, numbersAfter(zun.err, s.twin() ? "outlet 1: " : "outlet 2: "));
  const std::vector<std::string> events = eventsOfCsv(readFile(dir / "events.csv"));
  EXPECT_EQ(printedEvents(pd.err, s.blocks * block), events);
  const bool sendsEvents = s.name == std::string("options") || s.name == std::string("formants");
  EXPECT_EQ(events.empty(), !sendsEvents && !s.twin());
}

const Scenario scenarios[] = {
    {"burst",
     "burst.zun~ wave window bright",
     {{"wave", 4096, sine}, {"window", 2048, hann}, {"bright", 4096, saw}},
     {{0, "seed 7"},
      {0, "setLevel 0.5"},
      {0, "setRndLength 0.5"},
      {0, "setRndDensity 0.25"},
      {0, "setRndCps 2"},
      {0, "setWidth 0.5"},
      {0, "setDensity 40"},
      {0, "setLength 30"},
      {0, "setCps 330"},
      {0, "start 1"},
      {90, "setMorph 0.5"},
      {150, "interp 1"},
      {210, "setGlisson 6"},
      {210, "setRndGlisson 3"},
      {210, "setRndMorph 0.5"},
      {210, "setPanningMode 1"},
      {211, "setWidth 0.75"},
      {270, "setAttack 0.25"},
      {270, "setDecay 0.75"},
      {330, "start 2"},
      {331, "setbuf bright window wave"},
      {400, "setWave2 window"},
      {450, "grain"},
      {460, "info"},
      {500, "setWave1 bright"},
      {500, "setWindowing window"},
      {520, "start 0"}},
     640},
    {"cloud",
     "cloud.zun~ sample window",
     {{"sample", 88200, tone}, {"window", 1024, hann}},
     {{0, "seed -12345"},
      {0, "setDensity 30"},
      {0, "setRndLength 0.5"},
      {0, "setRndDensity 0.5"},
      {0, "setRndPitch 1"},
      {0, "setWidth 1"},
      {0, "setLevel 0.5"},
      {0, "setLength 50"},
      {0, "setPitch 7"},
      {0, "setSamplePosition 250"},
      {0, "start 1"},
      {100, "reverse 1"},
      {180, "overlap 16"},
      {181, "overlap 200"},
      {240, "setPhase 0.25"},
      {240, "interp 1"},
      {300, "setPanningMode 1"},
      {300, "setWidth 0.25"},
      {360, "setSample window"},
      {400, "seed 99"},
      {420, "setbuf sample window"},
      {421, "setWindowing window"},
      {440, "info"},
      {480, "start 0"},
      {500, "grain"}},
     620},
    // Grains from the clock and from clicks played into the inlet, their
    // events, band-limited wave tables made when bound and when an array
    // is read anew (zun rebinds the same file instead).
    {"options",
     "burst.zun~ wave window bright",
     {{"wave", 2048, saw},
      {"window", 2048, hann},
      {"bright", 4096, square},
      {"bright2", 1024, saw},
      {"clicks", 24000, clicks}},
     {{0, "seed 11"},
      {0, "events 1"},
      {0, "triggerInput 1"},
      {0, "setCps 3100"},
      {0, "setLength 12"},
      {0, "setDensity 25"},
      {0, "setRndCps 3"},
      {0, "setRndLevel 6"},
      {0, "setWidth 0.625"},
      {0, "setMorph 0.25"},
      {0, "start 1"},
      {0, "bang", "zuninput"},
      {100, "bandlimit 1"},
      {200, "setWave1 bright"},
      {300, "start 0"},
      {400, "read -resize bright2.wav bright", "zunfiler", "setbuf bright2 window bright2"},
      {420, "start 1"},
      {450, "info"},
      {560, "start 0"}},
     640,
     "clicks"},
    // Four outlets: grains around a circle of speakers, then a channel for
    // each voice, a fixed channel and random ones, with their events.
    {"channels",
     "burst.zun~ wave window bright @chans 4 @panmode 1",
     {{"wave", 4096, sine}, {"window", 2048, hann}, {"bright", 4096, saw}},
     {{0, "seed 5"},
      {0, "events 1"},
      {0, "setDensity 60"},
      {0, "setRndDensity 0.5"},
      {0, "setLength 40"},
      {0, "setWidth 1"},
      {0, "setPanningLaw 1"},
      {0, "start 1"},
      {120, "outmode 1"},
      {240, "setChannel 3"},
      {300, "setRndChannel 0.5"},
      {360, "info"},
      {420, "start 0"}},
     480,
     nullptr,
     4},
    // Attributes: "@NAME value" in the box and NAME as a message.
    {"attributes",
     "cloud.zun~ sample window @density 30 @pitch 5 @rndPitch 1 @length 50",
     {{"sample", 88200, tone}, {"window", 1024, hann}},
     {{0, "seed 3"},
      {0, "start 1"},
      {100, "overlap 16"},
      {101, "overlap 200"},
      {150, "phase 0.25"},
      {150, "interp 1"},
      {200, "panningMode 1"},
      {200, "width 0.25"},
      {250, "sample window"},
      {300, "samplePosition 100"},
      {350, "info"},
      {400, "start 0"}},
     480},
    // Where grains start, the window's shape and the sample's rate; arrays
    // have one channel, so the channel controls change nothing.
    {"sample",
     "cloud.zun~ sample window @region 100 600",
     {{"sample", 88200, tone}, {"window", 1024, hann}},
     {{0, "seed 5"},
      {0, "setDensity 40"},
      {0, "setLength 60"},
      {0, "setRndPosition 300"},
      {0, "interp 1"},
      {0, "start 1"},
      {100, "setAttack 0.25"},
      {100, "setDecay 0.5"},
      {200, "sampleRate 48000"},
      {250, "setScanSpeed 2"},
      {300, "setRegion 900 200"},
      {350, "sampleChannel 2"},
      {350, "stereoSample 1"},
      {400, "region 0 0"},
      {440, "info"},
      {450, "start 0"}},
     520},
    // Formants, each a voice with its own event, and the length in periods.
    {"formants",
     "burst.zun~ wave window wave @formants 1 2.5 4",
     {{"wave", 2048, saw}, {"window", 2048, hann}},
     {{0, "seed 9"},
      {0, "events 1"},
      {0, "setDensity 30"},
      {0, "setRndCps 2"},
      {0, "setWidth 1"},
      {0, "bandlimit 1"},
      {0, "start 1"},
      {100, "setFormantLevels 1 0.5 0.25"},
      {150, "formantPans 0 1"},
      {200, "lengthMode 1"},
      {200, "setLength 6"},
      {300, "setFormantPans"},
      {300, "setFormants 1.5"},
      {350, "info"},
      {400, "start 0"}},
     460},
    // Signals into the parameters' inlets: a constant 12 on the pitch (an
    // octave up) and a ramp on the position; floats into the level's.
    {"inlets",
     "cloud.zun~ sample window",
     {{"sample", 88200, tone}, {"window", 1024, hann}, {"twelve", 44100, twelve},
      {"ramp", 44100, ramp}},
     {{0, "seed 9"},
      {0, "setDensity 40"},
      {0, "setLength 40"},
      {0, "bang", "zuninput"},
      {0, "start 1"},
      {150, "subsample 1"},
      {200, "0.25", "zunlevel", "level float 0.25"},
      {300, "setPitch -7"},
      {301, "1", "zunlevel", "level float 1"},
      {400, "info"},
      {460, "start 0"}},
     500,
     nullptr,
     2,
     {{2, "pitch", "twelve"}, {1, "position", "ramp"}, {5, "level"}}},
    // The live input: the tone played into the last inlet, recorded and
    // granulated from 200 ms ago, frozen for a while as it goes on.
    {"live",
     "cloud.zun~ sample window",
     {{"sample", 88200, tone}, {"window", 1024, hann}},
     {{0, "seed 9"},
      {0, "setDensity 30"},
      {0, "setLength 50"},
      {0, "setRndPitch 4"},
      {0, "liveBuffer 500"},
      {0, "setSamplePosition 200"},
      {0, "bang", "zuninput"},
      {0, "start 1"},
      {200, "freeze 1"},
      {250, "cubic 1"},
      {330, "freeze 0"},
      {440, "info"},
      {460, "start 0"}},
     500,
     nullptr,
     2,
     {{6, "in", "sample"}}},
};

INSTANTIATE_TEST_SUITE_P(Pd, PdScenario, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// The lines of Pd's output that start with `label`.
std::vector<std::string> linesOf(const std::string& out, const std::string& label) {
  std::vector<std::string> found;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(label, 0) == 0) found.push_back(line);
  return found;
}

class ForeignPdScenario : public NeedsForeignPd<::testing::TestWithParam<Scenario>> {};

TEST_P(ForeignPdScenario, RecordingEqualsLinuxPds) {
  const Scenario& s = GetParam();
  TempDir here, there;
  const Outcome ours = playInPd(here.path(), s), theirs = playInPd(there.path(), s, foreignPd());
  ASSERT_EQ(ours.status, 0) << ours.err;
  ASSERT_EQ(theirs.status, 0) << theirs.err;
  const Sound fromOurs = readSound(here / "pd.wav"), fromTheirs = readSound(there / "pd.wav");
  const long long frames = static_cast<long long>(s.blocks) * block;
  ASSERT_GE(fromOurs.frames(), frames);
  ASSERT_GE(fromTheirs.frames(), frames);
  const size_t width = size_t(s.channels);
  for (long long f = 0; f < frames; ++f)
    ASSERT_EQ(std::memcmp(&fromOurs.stereo[width * f], &fromTheirs.stereo[width * f], 4 * width),
              0)
        << "first different frame " << f;
  EXPECT_GT(fromTheirs.peak(0, frames), 0.01f) << "the scenario should sound";
  for (const char* label : {"error: ", "info: "})
    EXPECT_EQ(linesOf(theirs.err, label), linesOf(ours.err, label)) << theirs.err;
  EXPECT_EQ(printedEvents(theirs.err, frames), printedEvents(ours.err, frames));
}

INSTANTIATE_TEST_SUITE_P(Foreign, ForeignPdScenario, ::testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// A cloud on a sample of constant 0.5: the sample shrinks and is zeroed,
// grows back holding 0.25, is deleted, and is made anew under its name.
TEST_F(PdTest, ResizedOrDeletedUnderAPlayingCloudGiveTheNewContentsOrSilence) {
  TempDir dir;
  const Scenario s{"arrays",
                   "cloud.zun~ sample window",
                   {{"sample", 44100, [](double) { return 0.5; }}, {"window", 1024, hann}},
                   {{0, "setDensity 200"},
                    {0, "setLength 20"},
                    {0, "start 1"},
                    {100, "resize 100", "sample"},
                    {100, "const 0", "sample"},
                    {200, "resize 44100", "sample"},
                    {200, "const 0.25", "sample"},
                    {300, "clear", "pd-sample-table"},
                    {400, "obj 10 10 array define sample 44100", "pd-sample-table"},
                    {400, "const 0.125", "sample"}},
                   500};
  const Outcome pd = playInPd(dir.path(), s);
  ASSERT_EQ(pd.status, 0) << pd.err;
  EXPECT_EQ(count(pd.err, "error"), 1u) << pd.err;
  EXPECT_EQ(count(pd.err, "error: cloud.zun~: no array named \"sample\" for setSample"), 1u);
  const Sound sound = readSound(dir / "pd.wav");
  ASSERT_GE(sound.frames(), static_cast<long long>(s.blocks) * block);
  const struct {
    int from, to;  // vectors
    bool sounds;
  } spans[] = {{10, 100, true}, {100, 200, false}, {210, 300, true}, {300, 400, false},
               {410, 500, true}};
  for (const auto& span : spans) {
    const float peak = sound.peak(span.from * block, span.to * block);
    EXPECT_TRUE(std::isfinite(peak) && (peak > 0.0f) == span.sounds) << span.from << ": " << peak;
  }
}

// An array the object cannot read is told once per cause, as Pd's own
// table readers tell theirs: the arrays made after the object in the patch
// are found when the DSP starts, and starting it again says nothing more.
TEST_F(PdTest, AnArrayNotReadIsToldOncePerCause) {
  const struct {
    const char* object;
    const char* messages;
    std::vector<std::string> told;
  } cases[] = {
      {"burst.zun~ w w w", "", {}},
      {"burst.zun~ gone w w", "", {"no array named \"gone\" for setWave1"}},
      {"cloud.zun~ 1 w", "", {"array name expected for setSample, not 1"}},
      {"burst.zun~ w w w", "zunobj setWave2 gone \\; zunobj setWave2 gone \\; zunobj setbuf w 2",
       {"no array named \"gone\" for setWave2", "array name expected for setWindowing, not 2"}},
      {"cloud.zun~ w w", "zunobj setSample 3", {"Bad arguments for message 'setSample'"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.object);
    TempDir dir;
    const std::string dsp = " \\; pd dsp 1 \\; pd dsp 0 \\; pd dsp 1";
    writeFile(dir / "told.pd", "#N canvas 0 0 400 300 12;\n#X obj 10 10 loadbang;\n#X msg 10 40" +
                                   dsp + " \\; " + c.messages + dsp + " \\; pd quit;\n" +
                                   "#X obj 10 70 r zunobj;\n#X obj 10 100 " + c.object +
                                   ";\n#X obj 200 10 array define w 64;\n#X connect 0 0 1 0;\n"
                                   "#X connect 2 0 3 0;\n");
    const Outcome pd = runPd(dir.path(), {"told.pd"});
    ASSERT_EQ(pd.status, 0) << pd.err;
    EXPECT_EQ(count(pd.err, "error: "), c.told.size()) << pd.err;
    for (const std::string& text : c.told) EXPECT_EQ(count(pd.err, text), 1u) << pd.err;
  }
}

// The magnitude of partial k of the left channel over `periods` periods of
// `period` samples from frame `from`, relative to a full-scale sine.
double partial(const Sound& s, long long from, int periods, int period, int k) {
  double re = 0.0, im = 0.0;
  const int n = periods * period;
  for (int i = 0; i < n; ++i) {
    const double x = s.stereo[size_t(2 * (from + i))], a = 2.0 * M_PI * k * i / period;
    re += x * std::cos(a);
    im -= x * std::sin(a);
  }
  return 2.0 * std::hypot(re, im) / n;
}

double one(double) { return 1.0; }

// One grain a second of 441 Hz (100 samples a period), flat, through a
// window of ones, on a wave table `wave` drawn by the steps.
Scenario steadyTone(std::vector<Step> drawing) {
  Scenario s{"tone", "burst.zun~ wave window wave", {{"wave", 64, sine}, {"window", 64, one}},
             {}, 600};
  for (const char* m : {"interp 1", "setCps 441", "setLength 1000", "setDensity 1", "start 1"})
    s.steps.push_back({0, m});
  s.steps.insert(s.steps.end(), drawing.begin(), drawing.end());
  return s;
}

// "sinesum" and "cosinesum" make a cycle of 2^n points with three guard
// points; it sounds as the partials drawn, and no others.
TEST_F(PdTest, AnArrayMadeBySinesumSoundsAsTheCycleItHolds) {
  const struct {
    const char* drawing;
    std::vector<double> partials;  // relative to the first
  } cases[] = {{"sinesum 2048 1", {1}}, {"cosinesum 1024 0 1 0.5", {1, 0.5}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.drawing);
    TempDir dir;
    const Outcome pd = playInPd(dir.path(), steadyTone({{0, c.drawing, "wave"}}));
    ASSERT_EQ(pd.status, 0) << pd.err;
    const Sound sound = readSound(dir / "pd.wav");
    ASSERT_GE(sound.frames(), 600 * block);
    const double first = partial(sound, 8820, 100, 100, 1);
    EXPECT_GT(first, 0.1);
    for (int k = 2; k <= 30; ++k) {
      const double drawn = size_t(k) <= c.partials.size() ? c.partials[size_t(k - 1)] : 0.0;
      EXPECT_NEAR(partial(sound, 8820, 100, 100, k) / first, drawn, drawn > 0 ? 1e-3 : 1e-5)
          << "partial " << k;
    }
  }
}

// With bandlimit 1 an array redrawn in place (same size, same memory) is
// heard within two of the object's checks.
TEST_F(PdTest, BandLimitedLevelsFollowAnArrayRedrawnInPlace) {
  TempDir dir;
  const int redrawn = 200;  // vectors
  const Outcome pd = playInPd(
      dir.path(), steadyTone({{0, "sinesum 2048 1", "wave"}, {0, "bandlimit 1"},
                              {redrawn, "sinesum 2048 0 1", "wave"}}));
  ASSERT_EQ(pd.status, 0) << pd.err;
  const Sound sound = readSound(dir / "pd.wav");
  ASSERT_GE(sound.frames(), 600 * block);
  const long long before = 4410, after = redrawn * block + rate / 5;  // 200 ms after
  EXPECT_LT(partial(sound, before, 40, 100, 2), 1e-3 * partial(sound, before, 40, 100, 1));
  EXPECT_LT(partial(sound, after, 40, 100, 1), 1e-3 * partial(sound, after, 40, 100, 2));
}

// A level Pd reads as infinite, or sums beyond float's range: what Pd's
// signals cannot hold leaves as 0, with one warning of the object.
TEST_F(PdTest, SamplesThatAreNotNumbersLeaveAsZeroWithOneWarning) {
  const struct {
    const char* object;
    const char* level;
    bool sounds;  // the samples within float's range
  } cases[] = {
      {"burst.zun~ wave window wave", "1e39", false},
      {"cloud.zun~ wave window", "1e39", false},
      {"cloud.zun~ wave window", "3e38", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.object) + " " + c.level);
    TempDir dir;
    const Scenario s{"level", c.object, {{"wave", 512, sine}, {"window", 512, hann}},
                     {{0, std::string("setLevel ") + c.level},
                      {0, "setDensity 1000"},
                      {0, "setLength 50"},
                      {0, "start 1"}},
                     200};
    const Outcome pd = playInPd(dir.path(), s);
    ASSERT_EQ(pd.status, 0) << pd.err;
    const Sound sound = readSound(dir / "pd.wav");
    ASSERT_GE(sound.frames(), static_cast<long long>(s.blocks) * block);
    const float peak = sound.peak(0, sound.frames());
    EXPECT_TRUE(std::isfinite(peak) && (peak > 0.0f) == c.sounds) << peak;
    const std::string name(c.object, std::strchr(c.object, ' '));
    EXPECT_EQ(count(pd.err, "warning: " + name + ": output samples that were not finite numbers"),
              1u)
        << pd.err;
  }
}

// ---- the help patches

// The box number in its patch of the first object box starting with
// `text`, and how many boxes the patch's top level holds.
std::pair<int, int> findBox(const std::string& patch, const std::string& text) {
  std::istringstream lines(patch);
  int depth = 0, boxes = 0, found = -1;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("#N canvas", 0) == 0) ++depth;
    if (line.rfind("#X restore", 0) == 0) --depth;
    if (depth != 1) continue;
    for (const char* box : {"#X obj ", "#X msg ", "#X text ", "#X floatatom ", "#X restore "})
      if (line.rfind(box, 0) == 0) {
        std::istringstream words(line);
        std::string word, x, y;
        words >> word >> word >> x >> y >> std::ws;
        const std::string rest(std::istreambuf_iterator<char>(words), {});
        if (found < 0 && line.rfind("#X obj ", 0) == 0 && rest.rfind(text, 0) == 0) found = boxes;
        ++boxes;
      }
  }
  return {found, boxes};
}

// Opens each help patch, wires writesf~ to its object and a receiver into
// it by Pd's own dynamic patching, starts the object and records a second.
void expectHelpPatchesToSound(const PdProgram& pd) {
  const std::string& package = pd.package;
  for (const std::string name : {"burst.zun~", "cloud.zun~"}) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string help = package + "/" + name + "-help.pd";
    const auto [object, boxes] = findBox(readFile(help), name + " ");
    ASSERT_GE(object, 0);
    const std::string to = " \\; pd-" + name + "-help.pd ", o = std::to_string(object),
                      writer = std::to_string(boxes);
    const std::string wiring =
        to + "obj 600 700 writesf~ 2" + to + "obj 600 730 r zunrec" + to + "obj 600 760 r zunobj" +
        to + "connect " + o + " 0 " + writer + " 0" + to + "connect " + o + " 1 " + writer + " 1" +
        to + "connect " + std::to_string(boxes + 1) + " 0 " + writer + " 0" + to + "connect " +
        std::to_string(boxes + 2) + " 0 " + o + " 0";
    writeFile(dir / "harness.pd",
              "#N canvas 0 0 400 300 12;\n#X obj 10 10 loadbang;\n#X msg 10 40" + wiring +
                  " \\; pd dsp 1 \\; zunrec open -bytes 4 " + (dir / "help.wav").string() +
                  " \\; zunrec start \\; zunobj start 1;\n#X obj 10 70 delay " +
                  number(1000 + blockMs(overrun)) + ";\n#X msg 10 100 \\; zunrec stop" + to +
                  "clear \\; pd quit;\n#X connect 0 0 1 0;\n#X connect 0 0 2 0;\n"
                  "#X connect 2 0 3 0;\n");
    const Outcome run = runPd(dir.path(), {help, "harness.pd"}, pd);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(count(run.err, "couldn't create") + count(run.err, "error"), 0u) << run.err;
    const Sound sound = readSound(dir / "help.wav");
    ASSERT_GE(sound.frames(), rate);
    const float peak = sound.peak(0, rate);
    EXPECT_TRUE(peak > 0.0f && std::isfinite(peak)) << peak;
  }
}

// A patch's canvases: each one's size, boxes (kind, place, text; a subpatch
// box names its canvas) and connections, and where it sits in its parent.
struct PdBox {
  std::string kind, text;
  int x = 0, y = 0, canvas = -1;
};
struct PdCanvas {
  int width = 0, height = 0, parent = -1, box = -1;
  std::vector<PdBox> boxes;
  std::vector<std::pair<int, int>> connections;  // box to box
};

std::vector<PdCanvas> readCanvases(const std::string& patch) {
  std::vector<PdCanvas> canvases;
  std::vector<int> open;
  std::istringstream lines(patch);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string tag, kind;
    words >> tag >> kind;
    if (tag == "#N" && kind == "canvas") {
      PdCanvas c;
      int x, y;
      words >> x >> y >> c.width >> c.height;
      c.parent = open.empty() ? -1 : open.back();
      canvases.push_back(c);
      open.push_back(int(canvases.size()) - 1);
      continue;
    }
    if (tag != "#X" || open.empty()) continue;
    if (kind == "connect") {
      int from, outlet, to;
      words >> from >> outlet >> to;
      canvases[size_t(open.back())].connections.emplace_back(from, to);
      continue;
    }
    PdBox b{kind, ""};
    words >> b.x >> b.y >> std::ws;
    std::getline(words, b.text);
    if (kind == "restore") {
      b.canvas = open.back();
      open.pop_back();
      if (open.empty()) continue;
    }
    PdCanvas& owner = canvases[size_t(open.back())];
    if (b.canvas >= 0) canvases[size_t(b.canvas)].box = int(owner.boxes.size());
    owner.boxes.push_back(b);
  }
  return canvases;
}

// Whether box `from` of canvas `c` is wired to `object` on the top canvas,
// directly or through the outlets of the subpatches it sits in, or to the
// multichannel form of `object` (made with @chans) on its own canvas.
bool reaches(const std::vector<PdCanvas>& canvases, int c, int from, const std::string& object) {
  const PdCanvas& canvas = canvases[size_t(c)];
  for (const auto& [a, b] : canvas.connections) {
    if (a != from) continue;
    const std::string& text = canvas.boxes[size_t(b)].text;
    const bool isObject = text.rfind(object, 0) == 0;
    if (isObject && (canvas.parent < 0 || text.find(" @chans ") != std::string::npos))
      return true;
    if (canvas.parent >= 0 && text.rfind("outlet", 0) == 0 &&
        reaches(canvases, canvas.parent, canvas.box, object))
      return true;
  }
  return false;
}

// Every message the class registers (as `zun classes` lists the Max
// plug-ins, which share the message tables) is in a message box of the help
// patch or of one of its subpatches, with a comment on its row of the same
// canvas and wired to the object; Pd has its own "dsp" and no use for
// Max's own calls. A Max twin's (mc.CLASS) are in CLASS's help, wired to
// its multichannel form. Every canvas opens within 1200 x 800.
TEST_F(PdTest, HelpPatchesShowEveryMessageWithACommentInTheirSubpatches) {
  const Outcome classes = runZun({"classes"}, ".");
  ASSERT_EQ(classes.status, 0) << classes.err;
  std::istringstream lines(classes.out);
  std::vector<PdCanvas> canvases;
  std::string object;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty()) continue;
    if (line.rfind("  ", 0) != 0) {
      std::string name = line.substr(0, line.find(' '));
      if (name.rfind("mc.", 0) == 0) name = name.substr(3);
      object = name + " ";
      canvases = readCanvases(readFile(std::string(ZUN_PD_PACKAGE) + "/" + name + "-help.pd"));
      ASSERT_GE(canvases.size(), 5u) << object;
      for (const PdCanvas& c : canvases) {
        EXPECT_LE(c.width, 1200) << object;
        EXPECT_LE(c.height, 800) << object;
      }
      continue;
    }
    const std::string selector = line.substr(2, line.find(' ', 2) - 2);
    if (selector[0] == '@' || selector == "object" || selector == "dsp64" || selector == "assist" ||
        selector == "dblclick" || selector == "notify" || selector == "float" ||
        selector == "multichanneloutputs")
      continue;
    bool shown = false;
    for (size_t c = 0; c < canvases.size() && !shown; ++c)
      for (size_t i = 0; i < canvases[c].boxes.size() && !shown; ++i) {
        const PdBox& b = canvases[c].boxes[i];
        if (b.kind != "msg" || !std::regex_match(b.text, std::regex(selector + "( .*)?;")))
          continue;
        const bool commented = std::any_of(
            canvases[c].boxes.begin(), canvases[c].boxes.end(),
            [&](const PdBox& t) { return t.kind == "text" && t.y == b.y && t.x > b.x; });
        shown = commented && reaches(canvases, int(c), int(i), object);
      }
    EXPECT_TRUE(shown) << object << selector;
  }
}

// Attributes in real Pd: values read back by "get", set by "@name value"
// in the box as by their messages at time zero, and "dump" into a second
// object (outlet 2 to its inlet) rebuilding the first one's sound.
TEST_F(PdTest, AttributesAreReadBackSetInTheBoxAndDumpedIntoAnotherObject) {
  TempDir dir;
  for (const Table& t : {Table{"cz-s", 8192, tone}, Table{"cz-w", 1024, hann}})
    writeTable(dir.path(), t);
  const std::string settings =
      "za setDensity 90 \\; za pitch 7 \\; za setLength 9 \\; za phase 0.3 \\; za overlap 8 \\; "
      "za seed 5 \\; za cubic 1 \\; za setRndPitch 2 \\; za dump \\; ";
  const std::string checks =
      "zc get density \\; zc get pitch \\; zc interp 2 \\; zc get interp \\; zc get seed \\; "
      "zc get sample \\; zc get nothing \\; ";
  const std::string starts =
      "zc seed 5 \\; zd seed 5 \\; zd setDensity 20 \\; zd setPitch -5 \\; zd interp 1 \\; "
      "za start 1 \\; zb start 1 \\; zc start 1 \\; zd start 1";
  const std::string object = "cloud.zun~ cz-s cz-w";
  writeFile(dir / "attributes.pd",
            "#N canvas 0 0 600 400 12;\n#X obj 10 10 loadbang;\n#X obj 10 40 t b b;\n"
            "#X msg 10 70 \\; pd dsp 1 \\; zrec open -bytes 4 attributes.wav \\; zrec start \\; " +
                settings + checks + starts +
                ";\n#X msg 200 40 read -resize cz-s.wav cz-s \\, read -resize cz-w.wav cz-w;\n"
                "#X obj 200 70 soundfiler;\n#X obj 10 100 r za;\n#X obj 10 130 " + object +
                ";\n#X obj 10 160 r zb;\n#X obj 10 190 " + object +
                ";\n#X obj 10 220 r zc;\n#X obj 10 250 " + object +
                " @density 20 @pitch -5 @interp 1;\n#X obj 10 280 r zd;\n#X obj 10 310 " + object +
                ";\n#X obj 10 340 writesf~ 8;\n#X obj 200 310 r zrec;\n#X obj 300 160 print a;\n"
                "#X obj 300 280 print c;\n#X obj 100 40 delay 600;\n"
                "#X msg 100 70 \\; zrec stop;\n#X obj 400 10 array define cz-s;\n"
                "#X obj 400 40 array define cz-w;\n#X obj 100 100 delay 500;\n"
                "#X msg 100 130 \\; pd quit;\n#X connect 17 0 21 0;\n#X connect 21 0 22 0;\n"
                "#X connect 0 0 1 0;\n#X connect 1 1 3 0;\n#X connect 3 0 4 0;\n"
                "#X connect 1 0 2 0;\n#X connect 1 0 17 0;\n#X connect 17 0 18 0;\n"
                "#X connect 5 0 6 0;\n#X connect 7 0 8 0;\n#X connect 9 0 10 0;\n"
                "#X connect 11 0 12 0;\n#X connect 6 2 8 0;\n#X connect 6 2 15 0;\n"
                "#X connect 10 2 16 0;\n#X connect 14 0 13 0;\n"
                "#X connect 6 0 13 0;\n#X connect 6 1 13 1;\n#X connect 8 0 13 2;\n"
                "#X connect 8 1 13 3;\n#X connect 10 0 13 4;\n#X connect 10 1 13 5;\n"
                "#X connect 12 0 13 6;\n#X connect 12 1 13 7;\n");
  const Outcome pd = runPd(dir.path(), {"attributes.pd"});
  ASSERT_EQ(pd.status, 0) << pd.err;
  for (const char* line :
       {"a: density 90", "a: pitch 7", "a: phase 0.3", "a: overlap 8", "a: seed 5",
        "a: sample cz-s", "c: density 20", "c: pitch -5", "c: interp 1",
        "interp message: 0 = no interp; 1 = two point interp.", "c: seed\n", "c: sample cz-s",
        "no attribute named 'nothing'"})
    EXPECT_EQ(count(pd.err, line), 1u) << line << "\n" << pd.err;

  SF_INFO info{};
  SNDFILE* f = sf_open((dir / "attributes.wav").c_str(), SFM_READ, &info);
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(info.channels, 8);
  const sf_count_t frames = rate / 4;
  std::vector<float> s(size_t(frames) * 8);
  ASSERT_EQ(sf_readf_float(f, s.data(), frames), frames);
  sf_close(f);
  float peak = 0.0f;
  for (sf_count_t i = 0; i < frames; ++i) {
    const float* frame = &s[size_t(i) * 8];
    ASSERT_EQ(std::memcmp(frame, frame + 2, 8), 0) << "dumped, frame " << i;
    ASSERT_EQ(std::memcmp(frame + 4, frame + 6, 8), 0) << "in the box, frame " << i;
    peak = std::max({peak, std::fabs(frame[0]), std::fabs(frame[4])});
  }
  EXPECT_GT(peak, 0.01f);
}

TEST_F(PdTest, HelpPatchesOpenWithoutErrorsAndSound) {
  expectHelpPatchesToSound(linuxPd());
}

using ForeignPdTest = NeedsForeignPd<::testing::Test>;

TEST_F(ForeignPdTest, HelpPatchesOpenWithoutErrorsAndSound) {
  expectHelpPatchesToSound(foreignPd());
}

// `cmake --install --component pd` makes the package folder zun/ that Pd
// finds with -path.
TEST_F(PdTest, TheInstalledPackageWorksToo) {
  TempDir prefix;
  ASSERT_EQ(
      std::system((shellQuote(ZUN_CMAKE) + " --install " + shellQuote(ZUN_BUILD_DIR) +
                   " --prefix " + shellQuote(prefix.path().string()) + " --component pd >/dev/null")
                      .c_str()),
      0);
  expectHelpPatchesToSound(linuxPd((prefix / ZUN_PD_INSTALL_DIR).string()));
}

}  // namespace
