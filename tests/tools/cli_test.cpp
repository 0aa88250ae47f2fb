// zun as users run it: bad scores and options with their messages and exit
// statuses, an existing output left untouched by any failure, raw output on
// a pipe, and the other outputs.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <sstream>
#include <thread>

#include "run_command.h"

using zuntest::Outcome;
using zuntest::runZun;
using zuntest::TempDir;

namespace {

const char* header =
    "buffer w sine 512\n"
    "buffer win hann 512\n"
    "object p burst.zun~ w win w\n";

struct BadInput {
  const char* what;
  std::string body;               // after the three header lines
  std::vector<std::string> extra;  // options; "-o out.wav" unless they give -o
  int status;
  std::string message;  // a part of stderr
  std::string score = "s.zun";
};

TEST(Cli, EachKindOfBadInputIsReportedAndLeavesTheOutputAlone) {
  const BadInput cases[] = {
      {"unknown statement", "play 1\nend 1", {}, 2, "s.zun:4:1: error: unknown statement 'play'"},
      {"unknown object", "at 0 q start 1\nend 1", {}, 2, "s.zun:4:6: error: unknown object 'q'"},
      {"unknown class", "object c swirl~\nend 1", {}, 2,
       "s.zun:4:10: error: unknown class 'swirl~'"},
      {"unknown selector", "at 0 p setDenisty 3\nend 1", {}, 2,
       "s.zun:4:8: error: burst.zun~ does not understand 'setDenisty'"},
      {"wrong argument type", "at 0 p setCps high\nend 1", {}, 2,
       "s.zun:4:15: error: message 'setCps' takes a float, not the symbol 'high'"},
      {"unreadable sound file", "buffer s file gone.wav\nend 1", {}, 2,
       "s.zun:4:15: error: cannot read"},
      {"sound file that is not one", "buffer s file s.zun\nend 1", {}, 2,
       "s.zun:4:15: error: cannot read"},
      {"ramp backwards", "ramp 2 1 p setCps 100 200\nend 3", {}, 2,
       "s.zun:4:8: error: the ramp ends (1) before it starts (2)"},
      {"message after the end", "at 2 p start 0\nend 1", {}, 2,
       "s.zun:4:4: error: this message comes after the end of the score"},
      {"negative size", "buffer n saw -64\nend 1", {}, 2, "s.zun:4:14: error: negative size -64"},
      {"input of no buffer", "input p nothing\nend 1", {}, 2,
       "s.zun:4:9: error: no buffer named 'nothing'"},
      {"second input", "input p w\ninput p win loop\nend 1", {}, 2,
       "s.zun:5:7: error: object 'p' has an input already at line 4"},
      {"input, then more", "input p w loop twice\nend 1", {}, 2,
       "s.zun:4:16: error: unexpected 'twice'"},
      {"unknown inlet", "input p pitch w\nend 1", {}, 2,
       "s.zun:4:9: error: unknown inlet 'pitch' of burst.zun~ (its inlets: cps morph"},
      {"float into the first inlet", "at 0 p float 3\nend 1", {}, 2,
       "s.zun:4:8: error: a float goes to a signal inlet: name it (at TIME p INLET float VALUE"},
      {"float into an unknown inlet", "ramp 0 1 p pitch float 0 3\nend 1", {}, 2,
       "s.zun:4:12: error: unknown inlet 'pitch' of burst.zun~ (its inlets: cps morph"},
      {"float into the live input", "object c cloud.zun~\nat 0 c in float 3\nend 1", {}, 2,
       "s.zun:5:8: error: inlet 'in' of cloud.zun~ takes a signal only"},
      {"second input on an inlet", "input p cps w\ninput p w\ninput p cps win loop\nend 1", {}, 2,
       "s.zun:6:7: error: object 'p' has an input on cps already at line 4"},
      {"no end", "at 0 p start 1", {}, 2, "s.zun: error: the score has no end"},
      {"unknown option", "end 1", {"--loud"}, 2, "--loud"},
      {"unknown format", "end 1", {"--format", "pcm8"}, 2, "--format"},
      {"vector size", "end 1", {"--vs", "0"}, 2, "--vs"},
      {"fractional rate", "end 1", {"--sr", "44100.5"}, 2, "--sr: 44100.5 is not a whole number"},
      {"rate with an exponent", "end 1", {"--sr", "1e5"}, 2, "--sr: write 1e5 in digits: 100000"},
      {"two outputs", "end 1", {"-o", "out.wav", "-o", "b.wav"}, 2,
       "--output is given more than once"},
      {"duration", "end 1", {"--duration", "soon"}, 2, "not a length of time"},
      {"duration too long", "end 1", {"--duration", "1e300"}, 2, "not a length of time"},
      {"plug-in that does not load", "object b broken~\nend 1", {"--plugins", "plugins"}, 1,
       "cannot load plug-in"},
      // outputs, refused before rendering
      {"unknown file type", "end 1", {"-o", "out.mp3"}, 2,
       "cannot tell the sound file type of out.mp3"},
      {"float FLAC", "end 1", {"-o", "out.flac", "--format", "float32"}, 2,
       "FLAC files hold integer samples only"},
      {"integer raw", "end 1", {"-o", "-", "--format", "pcm16"}, 2, "raw float32 only"},
      {"missing directory", "end 1", {"-o", "nowhere/out.wav"}, 1, "cannot write in nowhere"},
      {"directory", "end 1", {"-o", "."}, 1, "it is a directory"},
      {"output the score reads", "buffer s file out.wav\nend 1", {}, 2,
       "s.zun:4:15: error: buffer s reads the file that -o out.wav would write over"},
      {"output the score reads through a link", "buffer s file link.wav\nend 1", {}, 2,
       "s.zun:4:15: error: buffer s reads the file that -o out.wav"},
      {"info over the output", "end 1", {"--info", "./out.wav"}, 2,
       "--info and -o name the same file"},
      {"output over the score", "end 1", {"-o", "s.zun.wav", "--info", "s.zun"}, 2,
       "--info s.zun is the score itself"},
      {"events over the score", "end 1", {"--events", "s.zun"}, 2,
       "--events s.zun is the score itself"},
      {"events over the output", "end 1", {"--events", "link.wav"}, 2,
       "--events and -o name the same file"},
      {"events over the info", "end 1", {"--info", "a.csv", "--events", "./a.csv"}, 2,
       "--events and --info name the same file"},
      {"events over a file the score reads", "buffer s file out.wav\nend 1",
       {"-o", "new.wav", "--events", "out.wav"}, 2,
       "buffer s reads the file that --events out.wav would write over"},
      {"AIFF too long", "end 1", {"-o", "out.aiff", "--duration", "40000"}, 2,
       "too long for AIFF"},
      {"no room on the disk", "end 1", {"--duration", "9000000"}, 1,
       "the render needs 3175200.0 MB"},
      {"score that is a directory", "", {}, 2,
       "plugins: error: cannot read the score: it is a directory\n", "plugins"},
      {"missing score", "", {}, 2,
       "gone.zun: error: cannot read the score: No such file or directory\n", "gone.zun"},
  };
  for (const BadInput& c : cases) {
    TempDir dir;
    zuntest::writeFile(dir / "s.zun", header + c.body + "\n");
    zuntest::writeFile(dir / "out.wav", "precious");
    std::filesystem::create_directory(dir / "plugins");
    zuntest::writeFile(dir / "plugins" / "broken~.so", "not a library");
    std::filesystem::create_symlink("out.wav", dir / "link.wav");
    std::vector<std::string> args = {"render", c.score};
    if (std::find(c.extra.begin(), c.extra.end(), "-o") == c.extra.end())
      args.insert(args.end(), {"-o", "out.wav"});
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const Outcome o = runZun(args, dir.path());
    EXPECT_EQ(o.status, c.status) << c.what << "\n" << o.err;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << c.what << "\n" << o.err;
    EXPECT_EQ(o.out, "") << c.what;
    EXPECT_EQ(zuntest::readFile(dir / "out.wav"), "precious") << c.what;
    EXPECT_EQ(dir.files(), (std::vector<std::string>{"link.wav", "out.wav", "plugins", "s.zun"}))
        << c.what;
    if (c.score != "s.zun") {
      EXPECT_EQ(o.err, c.message) << "one error, nothing else";
    }
  }
}

TEST(Cli, RawOutputIsExactlyTheFramesAndNothingElse) {
  struct Case {
    const char* end;
    int rate;
    int vs;
    long long frames;
  };
  const Case cases[] = {
      {"1", 44100, 64, 44100},
      {"0.123", 48000, 64, 5904},
      {"250ms", 22050, 100, 5513},  // 5512.5 frames, rounded
      {"0.5", 44100, 1, 22050},
  };
  for (const Case& c : cases) {
    TempDir dir;
    zuntest::writeFile(dir / "s.zun",
                       std::string(header) + "at 0 p start 1\nend " + c.end + "\n");
    const Outcome o = runZun({"render", "s.zun", "-o", "-", "--seed", "3", "--sr",
                              std::to_string(c.rate), "--vs", std::to_string(c.vs)},
                             dir.path());
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(static_cast<long long>(o.out.size()), c.frames * 2 * 4) << c.end;
    EXPECT_NE(o.err.find("wrote " + std::to_string(c.frames) + " frames"), std::string::npos)
        << o.err;
  }
}

// A sum beyond double's range leaves each object as 0, with one warning of
// the object however long it lasts; a finite double beyond float32 is
// written as 0 by zun, which says so.
TEST(Cli, SamplesThatAreNotNumbersLeaveAsZeroWithOneWarning) {
  const std::vector<std::string> dense = {"setLevel 1e308", "setDensity 1000", "setLength 50"};
  const struct {
    const char* object;
    std::vector<std::string> messages;
    int objectWarnings;
  } cases[] = {
      {"p", {"setLevel 1e308"}, 0},
      {"p", dense, 1},
      {"c", dense, 1},
  };
  for (const auto& c : cases) {
    TempDir dir;
    std::string score = std::string(header) + "object c cloud.zun~ w win\n";
    for (const std::string& m : c.messages)
      score += "at 0 " + std::string(c.object) + " " + m + "\n";
    zuntest::writeFile(dir / "s.zun", score + "at 0 " + c.object + " start 1\nend 0.5\n");
    const Outcome o = runZun({"render", "s.zun", "-o", "-", "--seed", "1"}, dir.path());
    ASSERT_EQ(o.status, 0) << o.err;
    std::vector<float> samples(o.out.size() / 4);
    std::memcpy(samples.data(), o.out.data(), o.out.size());
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](float s) { return s == 0.0f; }));
    const std::string warning = "warning: " + std::string(*c.object == 'p' ? "burst" : "cloud") +
                                ".zun~: output samples that were not finite numbers went out as 0";
    size_t warnings = 0;
    for (size_t at = o.err.find(warning); at != std::string::npos; at = o.err.find(warning, at + 1))
      ++warnings;
    EXPECT_EQ(warnings, size_t(c.objectWarnings)) << o.err;
    EXPECT_NE(o.err.find("are written as 0"), std::string::npos) << o.err;
  }
}

// "-" reads the score from standard input; its relative paths start at the
// working directory.
TEST(Cli, ReadsTheScoreFromStandardInput) {
  TempDir dir;
  zuntest::writeFile(dir / "s.zun", std::string(header) + "at 0 p start 1\nend 0.2\n");
  const Outcome file = runZun({"render", "s.zun", "-o", "-", "--seed", "2", "-q"}, dir.path());
  const Outcome piped =
      runZun({"render", "-", "-o", "-", "--seed", "2", "-q"}, dir.path(), dir / "s.zun");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, file.out);
  EXPECT_EQ(file.out.size(), 8820u * 8);
  zuntest::writeFile(dir / "bad.zun", "at 0 q start 1\nend 1\n");
  const Outcome bad = runZun({"render", "-", "-o", "-"}, dir.path(), dir / "bad.zun");
  EXPECT_NE(bad.err.find("<stdin>:1:6: error: unknown object 'q'"), std::string::npos) << bad.err;
}

TEST(Cli, DurationOverridesTheEnd) {
  TempDir dir;
  zuntest::writeFile(dir / "s.zun",
                     std::string(header) + "at 0 p start 1\nat 3 p start 0\nend 4\n");
  const Outcome o = runZun({"render", "s.zun", "-o", "-", "--duration", "500ms"}, dir.path());
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out.size(), 22050u * 8);
  EXPECT_NE(o.err.find("s.zun:5:4: warning: this message comes after the end of the render"),
            std::string::npos)
      << o.err;
}

TEST(Cli, FlacIsWrittenIn24BitsUnlessToldOtherwise) {
  TempDir dir;
  zuntest::writeFile(dir / "s.zun", std::string(header) + "at 0 p start 1\nend 0.5\n");
  ASSERT_EQ(runZun({"render", "s.zun", "-o", "a.flac", "--sr", "48000", "-q"}, dir.path()).status,
            0);
  SF_INFO info{};
  SNDFILE* f = sf_open((dir / "a.flac").c_str(), SFM_READ, &info);
  ASSERT_NE(f, nullptr);
  sf_close(f);
  EXPECT_EQ(info.format, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
  EXPECT_EQ(info.frames, 24000);
  EXPECT_EQ(info.samplerate, 48000);
}

TEST(Cli, ReportsLevelsObjectPostsAndOutletValues) {
  TempDir dir;
  zuntest::writeFile(dir / "s.zun", std::string(header) +
                                        "at 0 p setLevel 4\n"
                                        "at 0 p start 1\n"
                                        "at 0.5 p start 7\n"  // lands at 22080/44100 s
                                        "at 0.5 p info\n"
                                        "end 1\n");
  const Outcome o = runZun({"render", "s.zun", "-o", "out.wav", "--format", "pcm16", "--seed", "1"},
                           dir.path());
  EXPECT_EQ(o.status, 0) << o.err;
  for (const char* part : {"[0.000 s] p: burst.zun~ 1.0.4",
                           "[0.501 s] p start: error: start message: 0 = off; 1 = on (s.zun:6)",
                           "[0.501 s] p outlet 2: 1", "zun: wrote out.wav (WAV pcm16, 44100 Hz",
                           "samples clipped"})
    EXPECT_NE(o.err.find(part), std::string::npos) << part << "\n" << o.err;

  // --quiet keeps the object's error only; --info moves the outlet values.
  const Outcome quiet = runZun({"render", "s.zun", "-o", "out.wav", "--seed", "1", "-q", "--info",
                                "info.csv"},
                               dir.path());
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.err, "[0.501 s] p start: error: start message: 0 = off; 1 = on (s.zun:6)\n");
  const std::string csv = zuntest::readFile(dir / "info.csv");
  EXPECT_EQ(csv.rfind("time,object,outlet,value\n0.500680,p,2,1\n", 0), 0u) << csv;
}

// Attributes in a score: "@NAME value" after the creation arguments sounds as
// the setter at time 0, NAME as its setter, and getNAME is answered.
TEST(Cli, AttributesInAScoreSoundAsTheirSettersAndAreReadBack) {
  TempDir dir;
  const std::string end = "at 0 p seed 3\nat 0 p start 1\nat 0.25 p getcps\nend 0.5\n";
  zuntest::writeFile(dir / "set.zun", std::string(header) +
                                          "at 0 p setCps 300\nat 0 p setDensity 40\n"
                                          "at 0 p setMorph 0.5\n" + end);
  std::string attributes = header;
  attributes.insert(attributes.rfind('\n'), " @cps 300 @density 40");
  zuntest::writeFile(dir / "attributes.zun", attributes + "at 0 p morph 0.5\n" + end);
  for (const char* score : {"set.zun", "attributes.zun"}) {
    const Outcome o = runZun({"render", score, "-o", std::string(score) + ".wav"}, dir.path());
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("p outlet 2: cps 300"), std::string::npos) << o.err;
  }
  const std::string a = zuntest::readFile(dir / "set.zun.wav");
  EXPECT_GT(a.size(), 40000u);
  EXPECT_EQ(a, zuntest::readFile(dir / "attributes.zun.wav"));
}

// A table played into a named inlet, or a float sent to it, sounds as the
// message it stands for.
TEST(Cli, AnInputOnANamedInletSoundsAsItsMessage) {
  TempDir dir;
  const std::string start = std::string(header) + "buffer one square 64 1 0.999\nat 0 p seed 3\n" +
                            "at 0 p start 1\n";
  zuntest::writeFile(dir / "set.zun", start + "at 0 p setLevel 1\nend 0.5\n");
  zuntest::writeFile(dir / "fed.zun", start + "input p level one loop\nend 0.5\n");
  zuntest::writeFile(dir / "plain.zun", start + "end 0.5\n");
  zuntest::writeFile(dir / "float.zun", start + "at 0 p level float 1\nend 0.5\n");
  zuntest::writeFile(dir / "ramp.zun", start + "ramp 0 0.4 p setLevel 0 1\nend 0.5\n");
  zuntest::writeFile(dir / "floats.zun", start + "ramp 0 0.4 p level float 0 1\nend 0.5\n");
  for (const char* score :
       {"set.zun", "fed.zun", "plain.zun", "float.zun", "ramp.zun", "floats.zun"}) {
    const Outcome o =
        runZun({"render", score, "-o", std::string(score) + ".wav", "-q"}, dir.path());
    EXPECT_EQ(o.status, 0) << o.err;
  }
  const std::string set = zuntest::readFile(dir / "set.zun.wav");
  EXPECT_EQ(set, zuntest::readFile(dir / "fed.zun.wav"));
  EXPECT_EQ(set, zuntest::readFile(dir / "float.zun.wav"));
  EXPECT_NE(set, zuntest::readFile(dir / "plain.zun.wav"));
  EXPECT_EQ(zuntest::readFile(dir / "ramp.zun.wav"), zuntest::readFile(dir / "floats.zun.wav"));
}

// A table played into the inlet starts a grain at each upward crossing,
// and --events writes each grain's list under the names the outlet gives.
TEST(Cli, InputTableTriggersGrainsAndEventsGoToCsv) {
  TempDir dir;
  zuntest::writeFile(dir / "s.zun", std::string(header) +
                                        "buffer clicks square 4410 1 0.01\n"
                                        "input p clicks loop\n"
                                        "at 0 p triggerInput 1\n"
                                        "at 0 p events 1\n"
                                        "end 0.5\n");
  const Outcome o =
      runZun({"render", "s.zun", "-o", "out.wav", "-q", "--events", "e.csv"}, dir.path());
  EXPECT_EQ(o.status, 0) << o.err;
  const std::string csv = zuntest::readFile(dir / "e.csv");
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "time,object,sample,voice,period,length,cps,glisson,morph,level,left,right");
  std::vector<std::string> starts;
  while (std::getline(lines, line)) starts.push_back(line.substr(0, line.find(",0,4410,")));
  // The square is above 0 from the first sample: its first rise is at 0.1 s.
  EXPECT_EQ(starts, (std::vector<std::string>{"0.100000,p,4410", "0.200000,p,8820",
                                              "0.300000,p,13230", "0.400000,p,17640"}));

  // Without --events they are counted, unless --verbose prints each.
  const Outcome counted = runZun({"render", "s.zun", "-o", "out.wav"}, dir.path());
  EXPECT_NE(counted.err.find("zun: p: 4 grain events; write them with --events FILE\n"),
            std::string::npos) << counted.err;
  EXPECT_EQ(counted.err.find("outlet 3:"), std::string::npos) << counted.err;
  const Outcome each = runZun({"render", "s.zun", "-o", "out.wav", "--verbose"}, dir.path());
  EXPECT_NE(each.err.find("p outlet 3: 17640 0 4410"), std::string::npos) << each.err;
  EXPECT_EQ(each.err.find("grain events"), std::string::npos) << each.err;
}

TEST(Cli, AnInterruptedRenderLeavesTheOutputAlone) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    TempDir dir;
    // Minutes of dense grains: long enough to interrupt.
    zuntest::writeFile(dir / "s.zun", std::string(header) +
                                          "at 0 p setDensity 2000\nat 0 p setLength 200\n"
                                          "at 0 p start 1\nend 600\n");
    zuntest::writeFile(dir / "out.wav", "precious");
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (chdir(dir.path().c_str()) != 0) _exit(99);
      if (!freopen("/dev/null", "w", stderr)) _exit(99);
      execl(ZUN_EXECUTABLE, "zun", "render", "s.zun", "-o", "out.wav", "--seed", "1",
            static_cast<char*>(nullptr));
      _exit(99);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << strsignal(signal);
    EXPECT_EQ(WEXITSTATUS(status), 130) << strsignal(signal);
    EXPECT_EQ(zuntest::readFile(dir / "out.wav"), "precious");
    EXPECT_EQ(dir.files(), (std::vector<std::string>{"out.wav", "s.zun"})) << strsignal(signal);
  }
}

// A pipe or a device is written in place, as the render goes, and gets the
// bytes a file would.
TEST(Cli, PipesAndDevicesAreWrittenInPlace) {
  for (const char* name : {"out.wav"}) {
    TempDir dir;
    zuntest::writeFile(dir / "s.zun", std::string(header) +
                                          "at 0 p setDensity 50\nat 0 p start 1\nend 0.5\n");
    const std::vector<std::string> render = {"render", "s.zun", "--seed", "1", "-q", "-o"};
    std::vector<std::string> toFile = render;
    toFile.push_back("file");
    toFile.back() += name;
    ASSERT_EQ(runZun(toFile, dir.path()).status, 0);
    ASSERT_EQ(mkfifo((dir / name).c_str(), 0600), 0);
    std::string streamed;
    std::thread reader([&] { streamed = zuntest::readFile(dir / name); });
    std::vector<std::string> toPipe = render;
    toPipe.push_back(name);
    const Outcome o = runZun(toPipe, dir.path());
    reader.join();
    EXPECT_EQ(o.status, 0) << name << o.err;
    EXPECT_EQ(streamed, zuntest::readFile(dir / ("file" + std::string(name)))) << name;
    EXPECT_TRUE(std::filesystem::is_fifo(dir / name)) << name;
    EXPECT_EQ(dir.files().size(), 3u) << name;
  }
  TempDir dir;
  zuntest::writeFile(dir / "s.zun", std::string(header) + "at 0 p start 1\nend 0.5\n");
  EXPECT_EQ(runZun({"render", "s.zun", "-o", "/dev/null", "-q"}, dir.path()).status, 0);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(Cli, FindsPlugInsOnTheSearchPath) {
  TempDir dir;
  zuntest::writeFile(dir / "s.zun", "object l zuntest.level~\nat 0 l set 0.5\nend 0.01\n");
  // Not found without being told where.
  EXPECT_EQ(runZun({"render", "s.zun", "-o", "-"}, dir.path()).status, 2);
  const Outcome withOption =
      runZun({"render", "s.zun", "-o", "-", "--plugins", ZUN_TEST_PLUGIN_DIR, "-q"}, dir.path());
  EXPECT_EQ(withOption.status, 0) << withOption.err;
  ASSERT_EQ(withOption.out.size(), 441u * 8);
  float first[2];
  std::memcpy(first, withOption.out.data(), sizeof first);
  EXPECT_EQ(first[0], 0.5f);
  EXPECT_EQ(first[1], -0.5f);

  const std::string command = "cd " + zuntest::shellQuote(dir.path().string()) +
                              " && ZUN_PLUGIN_PATH=/nonexistent:" ZUN_TEST_PLUGIN_DIR " " +
                              zuntest::shellQuote(ZUN_EXECUTABLE) +
                              " render s.zun -o x.wav -q && " +
                              zuntest::shellQuote(ZUN_EXECUTABLE) +
                              " classes --plugins " ZUN_TEST_PLUGIN_DIR " > classes.txt";
  EXPECT_EQ(std::system(command.c_str()), 0);
  const std::string classes = zuntest::readFile(dir / "classes.txt");
  EXPECT_NE(classes.find("zuntest.level~"), std::string::npos) << classes;
  EXPECT_NE(classes.find("  set float\n"), std::string::npos) << classes;
  EXPECT_EQ(classes.find("dsp64"), std::string::npos) << classes;
}

// An attribute of several numbers is listed with them, as its setter takes them.
TEST(Cli, ClassesListsAnAttributeByTheArgumentsItTakes) {
  TempDir dir;
  const std::string command = zuntest::shellQuote(ZUN_EXECUTABLE) + " classes --plugins " +
                              zuntest::shellQuote(std::filesystem::path(ZUN_BURST_PLUGIN)
                                                      .parent_path()
                                                      .string()) +
                              " > " + zuntest::shellQuote((dir / "classes.txt").string());
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string classes = zuntest::readFile(dir / "classes.txt");
  for (const char* line : {"  @region float float  (Position, min 0)\n",
                           "  @formants [float]... (up to 3)  (Pitch)\n",
                           "  @density float  (Grain)\n", "  @interp int  ("})
    EXPECT_NE(classes.find(line), std::string::npos) << line << "\n" << classes;
}

}  // namespace
