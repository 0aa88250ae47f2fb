// Reading and checking scores: words and numbers, and every kind of
// mistake reported at its line and column.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "ext.h"
#include "score_checker.h"
#include "score_parser.h"

using namespace zun::tools;

namespace {

TEST(Lexer, ReadsQuotedWordsAndComments) {
  Diagnostics d;
  const std::vector<Token> t = tokenize("at\t\"a b\" \"q\\\"x\" # \"comment", 3, d);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[1].text, "a b");
  EXPECT_EQ(t[2].text, "q\"x");
  EXPECT_EQ(t[2].pos.column, 10);
  EXPECT_TRUE(t[1].quoted && !t[0].quoted);
}

TEST(Lexer, ReadsNumbersAsAMessageBoxDoes) {
  using K = Value::Kind;
  const std::tuple<const char*, K, double> cases[] = {
      {"3", K::integer, 3},  {"-3", K::integer, -3}, {"+3", K::integer, 3},
      {"3.", K::real, 3},    {".5", K::real, 0.5},   {"-.5", K::real, -0.5},
      {"1e-3", K::real, 0.001}, {"99999999999999999999", K::real, 1e20},
      {"inf", K::symbol, 0}, {"nan", K::symbol, 0},  {"-", K::symbol, 0},
      {"3x", K::symbol, 0},  {"1e999", K::symbol, 0},
  };
  for (const auto& [text, kind, value] : cases) {
    Token t;
    t.text = text;
    const Value v = Value::fromToken(t);
    EXPECT_EQ(v.kind, kind) << text;
    EXPECT_EQ(v.isNumber() ? v.number() : 0.0, value) << text;
  }
  EXPECT_EQ(parseSeconds("250ms"), 0.25);
  EXPECT_EQ(parseSeconds("2s"), 2.0);
  EXPECT_FALSE(parseSeconds("1min"));
  EXPECT_EQ(parseIntervalSeconds("20"), 0.02);
  EXPECT_EQ(parseIntervalSeconds("0.5s"), 0.5);
}

// A class like the objects' ones, with one method per argument form.
class FakeCatalog : public ClassCatalog {
 public:
  FakeCatalog() {
    info_.name = "thing~";
    info_.nameSpace = "box";
    info_.signal = true;
    info_.constructorTypes = {A_GIMME, A_DEFLONG};
    info_.methods = {{"dsp64", {A_CANT}},  {"start", {A_LONG}},    {"setLevel", {A_FLOAT}},
                     {"setWave", {A_SYM}}, {"setbuf", {A_GIMME}},  {"info", {}},
                     {"opt", {A_DEFLONG}}, {"pair", {A_LONG, A_FLOAT}}};
  }
  const zun::ClassInfo* find(const std::string& name, std::string& whyNot) override {
    if (name == info_.name) return &info_;
    whyNot = "not here";
    return nullptr;
  }

 private:
  zun::ClassInfo info_;
};

const char* preamble =
    "buffer w sine 64\n"
    "object t thing~ w\n";

// The formatted diagnostics of a score (after the two preamble lines).
std::vector<std::string> diagnose(const std::string& body, std::optional<double> duration = {},
                                  bool withPreamble = true) {
  Diagnostics d("s.zun");
  std::istringstream in((withPreamble ? preamble : "") + body);
  Score score = parseScore(in, ".", d);
  FakeCatalog catalog;
  CheckOptions options;
  options.durationSeconds = duration;
  checkScore(score, catalog, options, d);
  d.sort();
  std::vector<std::string> out;
  for (const Diagnostic& x : d.all()) out.push_back(d.format(x));
  return out;
}

struct BadScore {
  const char* body;  // lines 3 and on
  const char* expected;  // the one diagnostic, its start
};

TEST(Checker, ReportsEachMistakeAtItsPlace) {
  const BadScore cases[] = {
      // statements
      {"frob 1\nend 1", "s.zun:3:1: error: unknown statement 'frob'"},
      {"\"at\" 1 t start 1\nend 2", "s.zun:3:1: error: unknown statement 'at'"},
      {"at 1 t \"unclosed\nend 2", "s.zun:3:8: error: unterminated quoted word"},
      {"end", "s.zun:3:5: error: missing the time after end"},
      {"end 1\nend 2", "s.zun:4:1: error: a second end (the first is at line 3)"},
      {"end 0", "s.zun:3:5: error: the score must last longer than 0 s"},
      // buffers
      {"buffer b sine -4\nend 1", "s.zun:3:15: error: negative size -4"},
      {"buffer b sine 0\nend 1", "s.zun:3:15: error: the size must be at least 1 frame"},
      {"buffer b sine 2.5\nend 1", "s.zun:3:15: error: the size must be a whole number"},
      {"buffer b sine\nend 1", "s.zun:3:15: error: buffer b: missing the size"},
      {"buffer b file\nend 1", "s.zun:3:15: error: buffer b: missing the sound file's path"},
      {"buffer w hann 8\nend 1",
       "s.zun:3:8: error: a buffer named 'w' is already defined at line 1"},
      // objects and classes
      {"object u nosuch~\nend 1", "s.zun:3:10: error: unknown class 'nosuch~': not here"},
      {"object t thing~\nend 1", "s.zun:3:8: error: an object named 't' is already defined"},
      {"object u\nend 1", "s.zun:3:10: error: incomplete object statement"},
      // messages
      {"at 1 x start 1\nend 2", "s.zun:3:6: error: unknown object 'x'"},
      {"at 1 t stop 1\nend 2", "s.zun:3:8: error: thing~ does not understand 'stop'"},
      {"at 1 t dsp64\nend 2", "s.zun:3:8: error: 'dsp64' is sent by the host itself"},
      {"at 1 t start\nend 2", "s.zun:3:14: error: message 'start' needs an int argument"},
      {"at 1 t start on\nend 2",
       "s.zun:3:14: error: message 'start' takes an int, not the symbol 'on'"},
      {"at 1 t setLevel loud\nend 2", "s.zun:3:17: error: message 'setLevel' takes a float"},
      {"at 1 t setWave 3\nend 2",
       "s.zun:3:16: error: message 'setWave' takes a symbol, not the int 3"},
      {"at 1 t start 1 2\nend 2", "s.zun:3:16: error: too many arguments: message 'start' takes 1"},
      {"at 1 t info 1\nend 2", "s.zun:3:13: error: too many arguments: message 'info' takes none"},
      {"at 1 t pair 1\nend 2", "s.zun:3:13: error: message 'pair' needs a float argument"},
      {"at 1 t start 1.5\nend 2",
       "s.zun:3:14: warning: message 'start' takes an int: the float 1.5 is truncated to 1"},
      {"at 1 t start 99999999999999999999\nend 2",
       "s.zun:3:14: warning: message 'start' takes an int: the float 1e+20 is beyond 64 bits"},
      {"at 1 t setWave x\nend 2", "s.zun:3:16: warning: no buffer named 'x'"},
      // times
      {"at soon t start 1\nend 2", "s.zun:3:4: error: 'soon' is not a time"},
      {"at -1 t start 1\nend 2", "s.zun:3:4: error: negative time -1"},
      {"at 3 t start 1\nend 2",
       "s.zun:3:4: error: this message comes after the end of the score (2 s, line 4)"},
      {"ramp 2 1 t setLevel 0 1\nend 3",
       "s.zun:3:8: error: the ramp ends (1) before it starts (2)"},
      {"ramp 0 4 t setLevel 0 1\nend 3", "s.zun:3:8: error: this ramp comes after the end"},
      {"ramp 0 1 t setLevel 0 1\nramp 0.5 2 t setLevel 1 0\nend 3",
       "s.zun:4:6: error: this ramp of t setLevel overlaps the one at line 3"},
      {"at 0 u start 1\nobject u thing~\nend 1",
       "s.zun:3:6: error: object 'u' is used before it is declared at line 4"},
      {"at 1 t start 1", "s.zun: error: the score has no end"},
      // ramps
      {"ramp 0 1 t setLevel 0\nend 2", "s.zun:3:23: error: incomplete ramp statement"},
      {"ramp 0 1 t setLevel low 1\nend 2",
       "s.zun:3:21: error: a ramp goes from one number to another"},
      {"ramp 0 1 t setWave 0 1\nend 2",
       "s.zun:3:12: error: a ramp sends one number, and 'setWave'"},
      {"ramp 0 1 t pair 0 1\nend 2", "s.zun:3:12: error: a ramp sends one number, and 'pair'"},
      {"ramp 0 1 t setLevel 0 1 each 5\nend 2", "s.zun:3:25: error: unexpected 'each'"},
      {"ramp 0 1 t setLevel 0 1 every 0\nend 2",
       "s.zun:3:31: error: the interval must be at least 0.001 ms"},
      {"at 1e300 t start 1\nend 2", "s.zun:3:4: error: the time 1e300 is too late"},
      {"ramp 0 1 t setLevel 0 1 every\nend 2",
       "s.zun:3:31: error: missing the interval after every"},
      {"ramp 0 1 t start 0 1\nend 2",
       "s.zun:3:12: warning: 'start' takes an int: each value of the ramp is truncated"},
  };
  for (const BadScore& c : cases) {
    const std::vector<std::string> found = diagnose(c.body);
    ASSERT_EQ(found.size(), 1u) << c.body << "\n" << ::testing::PrintToString(found);
    EXPECT_EQ(found[0].rfind(c.expected, 0), 0u) << found[0];
  }
}

// The real classes, from their plug-ins.
class PluginCatalog : public ClassCatalog {
 public:
  const zun::ClassInfo* find(const std::string& name, std::string&) override {
    zun::loadPlugin(ZUN_BURST_PLUGIN);
    zun::loadPlugin(ZUN_CLOUD_PLUGIN);
    return &(infos_[name] = zun::classInfo(name));
  }

 private:
  std::map<std::string, zun::ClassInfo> infos_;
};

// What the objects will leave without effect is pointed out, at its place.
TEST(Checker, WarnsWhereTheObjectsWillIgnoreWhatTheScoreAsks) {
  const BadScore cases[] = {
      {"at 0 c setPitch 200",
       "s.zun:4:17: warning: 'setPitch' takes values below 128: the object ignores the int 200"},
      {"at 0 c setDensity 0",
       "s.zun:4:19: warning: 'setDensity' takes values above 1e-05: the object ignores"},
      {"at 0 c start 2",
       "s.zun:4:14: warning: 'start' takes values 0 to 1: the object refuses the int 2"},
      {"at 0 c overlap -1",
       "s.zun:4:16: warning: 'overlap' takes values 0 to 128: the object refuses"},
      {"at 0 p setMorph 1.5",
       "s.zun:4:17: warning: 'setMorph' takes values 0 to 1: the object folds the float 1.5"},
      {"ramp 0 1 c setPhase 0 2",
       "s.zun:4:23: warning: 'setPhase' takes values 0 to 1: the object folds the int 2"},
      {"at 0 p setFormants 1 2 3 4", "s.zun:4:26: error: 'setFormants' takes up to 3 numbers"},
      {"at 0 p setFormantPans 0 2",
       "s.zun:4:25: warning: 'setFormantPans' takes values 0 to 1: the object folds the int 2"},
      {"at 0 p setFormantLevels 1 x",
       "s.zun:4:27: error: 'setFormantLevels' takes numbers, not the symbol 'x'"},
      {"at 0 p setbuf s 3 s",
       "s.zun:4:17: warning: setbuf takes table names: the int 3 binds no table"},
      {"at 0 c setbuf s s s",
       "s.zun:4:19: warning: setbuf takes 2 table names: the third, the symbol 's', is ignored"},
      {"object q cloud.zun~ s s s",
       "s.zun:4:25: warning: cloud.zun~ takes 2 table names: the third"},
      {"object q cloud.zun~ s",
       "s.zun:4:10: warning: cloud.zun~ q never gets its second table (creation argument 2, or "
       "setWindowing)"},
      // attributes: "@NAME value" after the creation arguments, NAME and getNAME as messages
      {"object q cloud.zun~ s s @density 20 @sample s @pitch 200",
       "s.zun:4:54: warning: 'pitch' takes values below 128"},
      {"object q cloud.zun~ s s @nothing 1",
       "s.zun:4:26: error: cloud.zun~ has no attribute 'nothing'"},
      {"object q cloud.zun~ s s @density",
       "s.zun:4:34: error: message 'density' needs a float argument"},
      {"object q cloud.zun~ s s @region 20 @density 20",
       "s.zun:4:33: error: message 'region' needs a float argument"},
      {"object q cloud.zun~ @sample s @windowing s @overlap 200",
       "s.zun:4:53: warning: 'overlap' takes values 0 to 128"},
      {"at 0 c density 0",
       "s.zun:4:16: warning: 'density' takes values above 1e-05: the object ignores"},
      {"ramp 0 1 p morph 0 2",
       "s.zun:4:20: warning: 'morph' takes values 0 to 1: the object folds"},
      {"at 0 c getdensity 1",
       "s.zun:4:19: error: too many arguments: message 'getdensity' takes none"},
  };
  for (const BadScore& c : cases) {
    Diagnostics d("s.zun");
    std::istringstream in("buffer s sine 64\nobject p burst.zun~ s s s\nobject c cloud.zun~ s s\n" +
                          std::string(c.body) +
                          "\nat 0 c setPitch 12\nat 0 p setWidth 0.5\nend 1\n");
    Score score = parseScore(in, ".", d);
    PluginCatalog catalog;
    checkScore(score, catalog, {}, d);
    ASSERT_EQ(d.all().size(), 1u) << c.body << "\n"
                                  << (d.all().empty() ? "" : d.format(d.all()[0]));
    EXPECT_EQ(d.format(d.all()[0]).rfind(c.expected, 0), 0u) << d.format(d.all()[0]);
  }
}

TEST(Checker, AcceptsAWellFormedScore) {
  EXPECT_TRUE(diagnose("at 0 t start 1\n"
                       "at 250ms t setLevel 1\n"
                       "at 0.5 t setWave w\n"
                       "at 0.5 t setbuf w w w 7\n"
                       "at 0.5 t opt\n"
                       "at 0.5 t opt 3\n"
                       "at 0.5 t info   # a comment\n"
                       "ramp 0 1 t setLevel 0 1 every 5ms\n"
                       "ramp 1 2 t setLevel 1 0\n"
                       "\n"
                       "end 2\n")
                  .empty());
  // as an editor may save it, with a byte-order mark
  EXPECT_TRUE(diagnose("\xEF\xBB\xBF" + std::string(preamble) + "end 1\n", {}, false).empty());
}

TEST(Checker, DurationReplacesTheEndAndCutsWhatComesAfter) {
  EXPECT_TRUE(diagnose("at 1 t start 1\n", 2.0).empty());
  const std::vector<std::string> cut = diagnose("at 3 t start 1\nend 5\n", 2.0);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].rfind("s.zun:3:4: warning: this message comes after the end of the render", 0),
            0u)
      << cut[0];
}

TEST(Checker, ReportsEveryMistakeOfAScoreAtOnce) {
  const std::vector<std::string> found = diagnose("at 1 x start 1\nfrob\nat 1 t stop\n");
  ASSERT_EQ(found.size(), 3u) << ::testing::PrintToString(found);
  EXPECT_NE(found[0].find(":3:"), std::string::npos);
  EXPECT_NE(found[1].find(":4:"), std::string::npos);
  EXPECT_NE(found[2].find(":5:"), std::string::npos);
}

TEST(Checker, NamesOfBrokenBuffersStillCount) {
  // Only the size is reported, not every use of the name.
  const std::vector<std::string> found =
      diagnose("buffer b sine -1\nat 0 t setWave b\nend 1\n");
  ASSERT_EQ(found.size(), 1u) << ::testing::PrintToString(found);
  EXPECT_NE(found[0].find("negative size"), std::string::npos);
}

}  // namespace
