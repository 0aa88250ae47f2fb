// Attributes: the value each setter took read back by "getNAME", set from
// the box, and "dump" sent back rebuilding the sound.

#include "external_fixture.h"
#include "zunSettings.h"

namespace {

using zunTest::Message;

struct Answer {
  std::string selector;
  std::vector<zun::Atom> args;
};

std::vector<Answer> answers(t_object* x, const std::vector<Message>& messages) {
  std::vector<Answer> out;
  zun::connectAnything(x, 2, [&](const std::string& s, const std::vector<zun::Atom>& a) {
    out.push_back({s, a});
  });
  zunTest::sendAll(x, messages);
  return out;
}

std::string written(const std::vector<zun::Atom>& atoms) {
  std::string text;
  for (const zun::Atom& a : atoms) {
    text += text.empty() ? "" : " ";
    if (auto v = std::get_if<t_atom_long>(&a.value)) text += std::to_string(*v);
    if (auto v = std::get_if<double>(&a.value)) text += std::to_string(*v);
    if (auto v = std::get_if<std::string>(&a.value)) text += *v;
  }
  return text;
}

std::string get(t_object* x, const std::string& name) {
  const std::vector<Answer> a = answers(x, {{"get" + name, {}}});
  return a.size() == 1 && a[0].selector == name ? written(a[0].args) : "(no answer)";
}

struct Row {
  const char* className;
  std::vector<Message> sent;  // "" for the default
  const char* name;
  std::string answer;
};

TEST_F(ExternalTest, EveryGetterAnswersTheLastValueTakenInItsOwnUnits) {
  const std::string f = std::to_string(0.0).substr(1);  // ".000000"
  const std::vector<Row> rows = {
      {"burst.zun~", {}, "density", "10" + f},
      {"burst.zun~", {}, "seed", ""},
      {"burst.zun~", {}, "wave1", "sine"},
      {"burst.zun~", {{"wave1", {"square"}}}, "wave1", "square"},
      {"burst.zun~", {{"setWave2", {"sine"}}}, "wave2", "sine"},
      {"burst.zun~", {{"setbuf", {"a", "b"}}}, "windowing", "b"},
      {"burst.zun~", {{"interp", {1}}}, "interp", "1"},
      {"burst.zun~", {{"interp", {2}}}, "interp", "0"},
      {"burst.zun~", {{"level", {0.25}}}, "level", "0.250000"},
      {"burst.zun~", {{"width", {-0.5}}}, "width", "-0.500000"},
      {"burst.zun~", {{"panningMode", {1}}}, "panningMode", "1"},
      {"burst.zun~", {{"attack", {0.5}}}, "attack", "0.500000"},
      {"burst.zun~", {{"decay", {0.125}}}, "decay", "0.125000"},
      {"burst.zun~", {{"length", {20}}}, "length", "20" + f},
      {"burst.zun~", {{"rndLength", {0.5}}}, "rndLength", "0.500000"},
      {"burst.zun~", {{"setDensity", {20}}}, "density", "20" + f},
      {"burst.zun~", {{"density", {20}}, {"density", {0}}}, "density", "20" + f},
      {"burst.zun~", {{"rndDensity", {1}}}, "rndDensity", "1" + f},
      {"burst.zun~", {{"cps", {220}}}, "cps", "220" + f},
      {"burst.zun~", {{"rndCps", {3}}}, "rndCps", "3" + f},
      {"burst.zun~", {{"glisson", {-6}}}, "glisson", "-6" + f},
      {"burst.zun~", {{"rndGlisson", {2}}}, "rndGlisson", "2" + f},
      {"burst.zun~", {{"morph", {0.75}}}, "morph", "0.750000"},
      {"burst.zun~", {{"rndMorph", {0.5}}}, "rndMorph", "0.500000"},
      {"burst.zun~", {{"seed", {-7}}}, "seed", "-7"},
      {"burst.zun~", {{"rndLevel", {6}}}, "rndLevel", "6" + f},
      {"burst.zun~", {{"rndMask", {0.5}}}, "rndMask", "0.500000"},
      {"burst.zun~", {{"burstPlay", {3}}}, "burstPlay", "3"},
      {"burst.zun~", {{"burstRest", {2}}}, "burstRest", "2"},
      {"burst.zun~", {{"panningLaw", {1}}}, "panningLaw", "1"},
      {"burst.zun~", {{"triggerInput", {1}}}, "triggerInput", "1"},
      {"burst.zun~", {{"events", {1}}, {"events", {-1}}}, "events", "1"},
      {"burst.zun~", {{"subsample", {1}}}, "subsample", "1"},
      {"burst.zun~", {{"bandlimit", {1}}}, "bandlimit", "1"},
      {"burst.zun~", {{"cubic", {1}}}, "cubic", "1"},
      {"cloud.zun~", {}, "overlap", "128"},
      {"cloud.zun~", {{"sample", {"ones"}}}, "sample", "ones"},
      {"cloud.zun~", {{"windowing", {"ramp"}}}, "windowing", "ramp"},
      {"cloud.zun~", {{"interp", {1}}}, "interp", "1"},
      {"cloud.zun~", {{"overlap", {16}}, {"overlap", {129}}}, "overlap", "16"},
      {"cloud.zun~", {{"reverse", {1}}}, "reverse", "1"},
      {"cloud.zun~", {{"level", {2}}}, "level", "2" + f},
      {"cloud.zun~", {{"width", {1}}}, "width", "1" + f},
      {"cloud.zun~", {{"panningMode", {1}}}, "panningMode", "1"},
      {"cloud.zun~", {{"length", {40}}}, "length", "40" + f},
      {"cloud.zun~", {{"rndLength", {1}}}, "rndLength", "1" + f},
      {"cloud.zun~", {{"density", {30}}}, "density", "30" + f},
      {"cloud.zun~", {{"rndDensity", {0.5}}}, "rndDensity", "0.500000"},
      {"cloud.zun~", {{"setPitch", {-5}}}, "pitch", "-5" + f},
      {"cloud.zun~", {{"pitch", {-5}}, {"pitch", {128}}}, "pitch", "-5" + f},
      {"cloud.zun~", {{"rndPitch", {2}}}, "rndPitch", "2" + f},
      {"cloud.zun~", {{"samplePosition", {12}}}, "samplePosition", "12" + f},
      {"cloud.zun~", {{"phase", {0.5}}}, "phase", "0.500000"},
      {"cloud.zun~", {{"samplePosition", {12}}, {"phase", {0.5}}}, "samplePosition", ""},
      {"cloud.zun~", {{"phase", {0.5}}, {"samplePosition", {12}}}, "phase", ""},
      {"cloud.zun~", {{"seed", {99}}}, "seed", "99"},
      {"cloud.zun~", {{"rndPosition", {5}}}, "rndPosition", "5" + f},
      {"cloud.zun~", {{"scanSpeed", {-2}}}, "scanSpeed", "-2" + f},
      {"cloud.zun~", {{"rndReverse", {0.25}}}, "rndReverse", "0.250000"},
      {"cloud.zun~", {{"rndLevel", {3}}}, "rndLevel", "3" + f},
      {"cloud.zun~", {{"panningLaw", {1}}}, "panningLaw", "1"},
      {"cloud.zun~", {{"triggerInput", {1}}}, "triggerInput", "1"},
      {"cloud.zun~", {{"events", {1}}}, "events", "1"},
      {"cloud.zun~", {{"subsample", {1}}}, "subsample", "1"},
      {"cloud.zun~", {{"cubic", {1}}}, "cubic", "1"},
      {"cloud.zun~", {}, "region", "0" + f + " 0" + f},
      {"cloud.zun~", {{"region", {20, 60}}, {"region", {NAN, 5}}}, "region", "20" + f + " 60" + f},
      {"cloud.zun~", {}, "attack", "1" + f},
      {"cloud.zun~", {{"sampleRate", {48000}}}, "sampleRate", "48000" + f},
      {"cloud.zun~", {{"sampleChannel", {2}}, {"sampleChannel", {-1}}}, "sampleChannel", "2"},
  };
  for (const Row& row : rows) {
    zun::reset();
    t_object* x = std::string(row.className) == "burst.zun~" ? zunTest::makeBurst()
                                                             : zunTest::makeCloud();
    zunTest::sendAll(x, row.sent);
    EXPECT_EQ(get(x, row.name), row.answer) << row.className << " " << row.name;
  }
}

TEST_F(ExternalTest, AnAttributeRefusesAsItsMessageDoes) {
  t_object* x = zunTest::makeCloud();
  zun::clearConsole();
  zunTest::sendAll(x, {{"overlap", {200}}, {"panningMode", {2}}});
  EXPECT_EQ(zunTest::errors(),
            (std::vector<std::string>{"overlap message: maximum overlap permitted is 128",
                                      "setPanningMode message: 0 = random width (use setWidth) "
                                      "1 = manual (0 = L 1 = R)"}));
}

struct Rendered {
  zunTest::Stereo a, b;
};

// Two objects, each sent its messages, rendered together.
Rendered renderBoth(t_object* a, t_object* b, const std::vector<Message>& toA,
                    const std::vector<Message>& toB) {
  zunTest::sendAll(a, toA);
  zunTest::sendAll(b, toB);
  zun::startDsp();
  Rendered r;
  for (int v = 0; v < 200; ++v) {
    zun::process();
    for (auto [x, s] : {std::pair{a, &r.a}, std::pair{b, &r.b}}) {
      s->left.insert(s->left.end(), zun::output(x, 0), zun::output(x, 0) + zun::vectorSize());
      s->right.insert(s->right.end(), zun::output(x, 1), zun::output(x, 1) + zun::vectorSize());
    }
  }
  return r;
}

std::vector<zun::Atom> tablesOf(const std::string& className) {
  zunTest::makeBurst();
  zunTest::makeCloud();
  zun::reset();
  zun::setBufferSamples("sine", zunTest::sine());
  zun::setBufferSamples("hann", zunTest::hann());
  zun::setBufferSamples("square", zunTest::square());
  zun::setBufferSamples("ramp", zunTest::ramp());
  zun::setBufferSamples("ones", zunTest::constant(1.0f));
  if (className == "burst.zun~") return {"sine", "hann", "square"};
  return {"ramp", "ones"};
}

TEST_F(ExternalTest, AttributesInTheBoxSoundAsTheirMessagesAtTimeZero) {
  const struct {
    const char* className;
    std::vector<zun::Atom> box;
    std::vector<Message> messages;
  } rows[] = {
      {"burst.zun~", {"@density", 20}, {{"setDensity", {20}}}},
      {"burst.zun~", {"@cps", 300, "@morph", 0.5, "@wave2", "sine"},
       {{"setCps", {300}}, {"setMorph", {0.5}}, {"setWave2", {"sine"}}}},
      {"cloud.zun~", {"@density", 20, "@pitch", -5}, {{"setDensity", {20}}, {"setPitch", {-5}}}},
      {"cloud.zun~", {"@overlap", 4, "@phase", 0.25, "@interp", 1},
       {{"overlap", {4}}, {"setPhase", {0.25}}, {"interp", {1}}}},
  };
  for (const auto& row : rows) {
    const std::vector<zun::Atom> plain = tablesOf(row.className);
    std::vector<zun::Atom> args = plain;
    args.insert(args.end(), row.box.begin(), row.box.end());
    std::vector<Message> messages = row.messages;
    messages.insert(messages.end(), {{"seed", {3}}, {"start", {1}}});
    const Rendered r = renderBoth(zun::create(row.className, args),
                                  zun::create(row.className, plain),
                                  {{"seed", {3}}, {"start", {1}}}, messages);
    EXPECT_FALSE(zunTest::allZero(r.a.left)) << row.className;
    EXPECT_EQ(r.a.left, r.b.left) << row.className;
    EXPECT_EQ(r.a.right, r.b.right) << row.className;
  }
}

TEST_F(ExternalTest, DumpSentBackRebuildsTheSoundBitForBit) {
  const struct {
    const char* className;
    std::vector<Message> settings;
    int dumped;  // every attribute, but the position in ms that setPhase overrode
  } rows[] = {
      {"burst.zun~",
       {{"setCps", {330}}, {"setRndCps", {4}}, {"setLength", {12}}, {"setPanningMode", {1}},
        {"setWidth", {0.8}}, {"setDensity", {90}}, {"setBurstRest", {1}}, {"setMorph", {0.4}},
        {"seed", {11}}, {"setWave1", {"square"}}, {"interp", {1}}, {"bandlimit", {1}},
        {"setFormants", {1, 1.5}}, {"setFormantPans", {0.2}}, {"lengthMode", {1}}},
       zunBurstAttributes().count()},
      {"cloud.zun~",
       {{"setSamplePosition", {30}}, {"setPitch", {7}}, {"setRndPitch", {3}}, {"overlap", {8}},
        {"reverse", {1}}, {"setDensity", {120}}, {"setPhase", {0.3}}, {"setLength", {9}},
        {"seed", {5}}, {"setRndLevel", {6}}, {"cubic", {1}}, {"setScanSpeed", {0.5}},
        {"setRegion", {20, 70}}, {"setAttack", {0.25}}},
       zunCloudAttributes().count() - 1},
  };
  for (const auto& row : rows) {
    const std::vector<zun::Atom> args = tablesOf(row.className);
    t_object* source = zun::create(row.className, args);
    zunTest::sendAll(source, row.settings);
    std::vector<Message> dump;
    for (const Answer& a : answers(source, {{"dump", {}}})) dump.push_back({a.selector, a.args});
    zun::destroy(source);
    EXPECT_EQ(static_cast<int>(dump.size()), row.dumped);
    std::vector<Message> settings = row.settings;
    settings.push_back({"start", {1}});
    dump.push_back({"start", {1}});
    const Rendered r = renderBoth(zun::create(row.className, args),
                                  zun::create(row.className, args), settings, dump);
    EXPECT_FALSE(zunTest::allZero(r.a.left)) << row.className;
    EXPECT_EQ(r.a.left, r.b.left) << row.className;
    EXPECT_EQ(r.a.right, r.b.right) << row.className;
  }
}

TEST_F(ExternalTest, AttributesTellTheInspectorTheirCategoryStyleAndLimits) {
  const struct {
    const char* className;
    const char* name;
    const char* what;
    const char* text;
  } rows[] = {
      {"burst.zun~", "density", "category", "Grain"},
      {"burst.zun~", "density", "min", ""},
      {"burst.zun~", "rndCps", "category", "Random"},
      {"burst.zun~", "burstPlay", "max", "1048576"},
      {"burst.zun~", "panningMode", "style", "enumindex"},
      {"burst.zun~", "panningMode", "enumvals", "\"random width\" manual"},
      {"burst.zun~", "bandlimit", "style", "onoff"},
      {"burst.zun~", "wave1", "category", "Tables"},
      {"burst.zun~", "level", "save", "1"},
      {"cloud.zun~", "width", "min", "0"},
      {"cloud.zun~", "width", "max", "1"},
      {"cloud.zun~", "overlap", "max", "128"},
      {"cloud.zun~", "scanSpeed", "min", "-1000"},
      {"cloud.zun~", "pitch", "label", "\"Pitch (semitones)\""},
      {"cloud.zun~", "samplePosition", "category", "Position"},
      {"cloud.zun~", "sample", "order", "1"},
  };
  for (const auto& row : rows) {
    const zun::ClassInfo c = zun::classInfo(row.className);
    const auto a = std::find_if(c.attributes.begin(), c.attributes.end(),
                                [&](const zun::AttributeInfo& i) { return i.name == row.name; });
    ASSERT_NE(a, c.attributes.end()) << row.name;
    EXPECT_EQ(a->get(row.what), row.text) << row.className << " " << row.name << " " << row.what;
  }
}

}  // namespace
