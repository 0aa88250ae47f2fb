// The Max package as installed: every patcher is a patch that Max can
// load and that plays, every reference page documents what the classes
// register, and every file a patcher names is there. What the classes
// register, and how many outlets of what kind they make, is read from the
// plug-ins through the host, not restated here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ext.h"
#include "sound_file.h"
#include "zunHost.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path packageDir = ZUN_PACKAGE_DIR;
const std::vector<std::string> patchers = {
    "help/burst.zun~.maxhelp",    "help/cloud.zun~.maxhelp",    "help/mc.burst.zun~.maxhelp",
    "help/mc.cloud.zun~.maxhelp", "examples/zun-pulsar.maxpat", "examples/zun-cloud.maxpat"};
// The classes, each with its help and its reference page.
const std::vector<std::string> classNames = {"burst.zun~", "cloud.zun~", "mc.burst.zun~",
                                             "mc.cloud.zun~"};
bool isTwin(const std::string& name) { return name.rfind("mc.", 0) == 0; }

struct Box {
  std::string id, maxclass, text;
  std::string tab;  // the subpatcher ("p NAME") the box is in; empty at the top
  int inlets = 0, outlets = 0;
  std::vector<std::string> outletTypes;
  double x = 0, y = 0;
  std::string attr;  // an attrui's
  std::string className() const {  // the object an object box makes
    return maxclass == "newobj" ? text.substr(0, text.find(' ')) : maxclass;
  }
};

struct Line {
  std::string from;
  int outlet;
  std::string to;
  int inlet;
};

// A tab: a subpatcher that Max shows on a tab of its own, its size and the
// right and bottom edges of its boxes.
struct Tab {
  std::string name;
  bool onTab = false;
  double width = 0, height = 0, right = 0, bottom = 0;
};

// A patcher with its subpatchers' boxes and lines, their ids prefixed with
// the subpatcher's name ("basic/obj-3").
struct Patch {
  std::map<std::string, Box> boxes;
  std::vector<Line> lines;
  std::vector<Tab> tabs;
};

void readPatcher(const json& patcher, const std::string& tab, Patch& p) {
  EXPECT_EQ(patcher.at("classnamespace"), "box");
  const std::string prefix = tab.empty() ? "" : tab + "/";
  for (const json& entry : patcher.at("boxes")) {
    const json& b = entry.at("box");
    Box box{prefix + b.at("id").get<std::string>(),
            b.at("maxclass"),
            b.value("text", ""),
            tab,
            b.at("numinlets"),
            b.at("numoutlets"),
            b.value("outlettype", std::vector<std::string>{})};
    box.x = b.at("patching_rect")[0];
    box.y = b.at("patching_rect")[1];
    box.attr = b.value("attr", "");
    EXPECT_TRUE(p.boxes.emplace(box.id, box).second) << "two boxes " << box.id;
    if (!b.contains("patcher")) continue;
    const json& sub = b.at("patcher");
    Tab t{box.text.substr(box.text.find(' ') + 1), sub.value("showontab", 0) == 1,
          sub.at("rect")[2], sub.at("rect")[3]};
    for (const json& e : sub.at("boxes")) {
      const json& r = e.at("box").at("patching_rect");
      t.right = std::max(t.right, r[0].get<double>() + r[2].get<double>());
      t.bottom = std::max(t.bottom, r[1].get<double>() + r[3].get<double>());
    }
    p.tabs.push_back(t);
    readPatcher(sub, t.name, p);
  }
  for (const json& entry : patcher.at("lines")) {
    const json& l = entry.at("patchline");
    p.lines.push_back({prefix + l.at("source")[0].get<std::string>(), l.at("source")[1],
                       prefix + l.at("destination")[0].get<std::string>(),
                       l.at("destination")[1]});
  }
}

Patch readPatch(const std::string& relative) {
  std::ifstream in(packageDir / relative);
  Patch p;
  readPatcher(json::parse(in).at("patcher"), "", p);  // throws on anything but JSON
  return p;
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

// A message box's messages (separated by commas), each a selector and atoms.
struct Message {
  std::string selector;
  std::vector<zun::Atom> args;
};
std::vector<Message> messagesOf(const std::string& text) {
  std::vector<Message> all;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ',');) {
    const std::vector<std::string> w = words(part);
    if (w.empty()) continue;
    Message m{w[0], {}};
    for (size_t i = 1; i < w.size(); ++i) {
      static const std::regex integer("-?[0-9]+"), real("-?[0-9]*\\.[0-9]+");
      if (std::regex_match(w[i], integer))
        m.args.emplace_back(std::stol(w[i]));
      else if (std::regex_match(w[i], real))
        m.args.emplace_back(std::stod(w[i]));
      else
        m.args.emplace_back(w[i]);
    }
    all.push_back(m);
  }
  return all;
}

// The standard Max objects the patchers may use, with their inlets and
// outlets.
const std::map<std::string, std::pair<int, int>> standardObjects = {
    {"comment", {1, 0}}, {"message", {2, 1}}, {"number", {1, 2}},
    {"ezdac~", {2, 0}},  {"dac~", {2, 0}},    {"buffer~", {1, 2}}, {"cycle~", {2, 1}},
    {"phasor~", {2, 1}}, {"p", {0, 0}},      {"mc.mixdown~", {1, 1}}, {"mc.unpack~", {1, 2}},
    {"attrui", {1, 1}}};

class Package : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    zun::loadPlugin(ZUN_BURST_PLUGIN);
    zun::loadPlugin(ZUN_CLOUD_PLUGIN);
    zun::loadPlugin(ZUN_MC_BURST_PLUGIN);
    zun::loadPlugin(ZUN_MC_CLOUD_PLUGIN);
  }
  void TearDown() override { zun::reset(); }

  static bool ours(const Box& b) {
    return b.maxclass == "newobj" && std::find(classNames.begin(), classNames.end(),
                                               b.className()) != classNames.end();
  }
  // The selectors a patch can send, with their type lists.
  static std::map<std::string, std::vector<int>> messagesOfClass(const std::string& name) {
    std::map<std::string, std::vector<int>> m;
    for (const zun::MethodInfo& info : zun::classInfo(name).methods)
      if (info.types.empty() || info.types[0] != A_CANT) m[info.selector] = info.types;
    return m;
  }
  static std::set<std::string> attributesOfClass(const std::string& name) {
    std::set<std::string> names;
    for (const zun::AttributeInfo& a : zun::classInfo(name).attributes) names.insert(a.name);
    return names;
  }
  // An attribute's name and its getter, which a patch sends as messages.
  static bool isAttributeMessage(const std::string& name, const std::string& selector) {
    const std::set<std::string> names = attributesOfClass(name);
    return names.count(selector) ||
           (selector.rfind("get", 0) == 0 && names.count(selector.substr(3)));
  }
  static bool accepts(const std::vector<int>& types, const std::vector<zun::Atom>& args) {
    if (types == std::vector<int>{A_GIMME}) return true;
    if (types.size() != args.size()) return false;
    for (size_t i = 0; i < args.size(); ++i) {
      const bool symbol = std::holds_alternative<std::string>(args[i].value);
      if ((types[i] == A_SYM) != symbol) return false;
    }
    return true;
  }
  // Message boxes wired to one of our objects, in the order of their place
  // in the patch (top to bottom, then left to right), with their targets.
  static std::vector<std::pair<Box, std::vector<Box>>> wiredMessages(const Patch& p) {
    std::vector<std::pair<Box, std::vector<Box>>> wired;
    for (const auto& [id, box] : p.boxes) {
      if (box.maxclass != "message") continue;
      std::vector<Box> targets;
      for (const Line& l : p.lines)
        if (l.from == id && ours(p.boxes.at(l.to))) targets.push_back(p.boxes.at(l.to));
      if (!targets.empty()) wired.emplace_back(box, targets);
    }
    std::sort(wired.begin(), wired.end(), [](const auto& a, const auto& b) {
      return std::tie(a.first.y, a.first.x) < std::tie(b.first.y, b.first.x);
    });
    return wired;
  }
};

TEST_F(Package, PatchersAreMaxPatchesOfKnownObjectsJoinedAtRealInletsAndOutlets) {
  for (const std::string& file : patchers) {
    SCOPED_TRACE(file);
    const Patch p = readPatch(file);
    for (const auto& [id, box] : p.boxes) {
      SCOPED_TRACE(box.text.empty() ? box.maxclass : box.text);
      if (ours(box)) {
        t_object* x = zun::create(box.className());
        std::vector<std::string> types;
        for (int i = 0; i < zun::outletCount(x); ++i) types.push_back(zun::outletType(x, i));
        EXPECT_EQ(box.inlets, reinterpret_cast<t_pxobject*>(x)->z_count);
        EXPECT_EQ(box.outletTypes, types);
        EXPECT_EQ(box.outlets, zun::outletCount(x));
        zun::destroy(x);
        continue;
      }
      const auto known = standardObjects.find(box.className());
      ASSERT_NE(known, standardObjects.end()) << "not a class the package uses";
      EXPECT_EQ(std::make_pair(box.inlets, box.outlets), known->second);
    }
    for (const Line& l : p.lines) {
      ASSERT_TRUE(p.boxes.count(l.from) && p.boxes.count(l.to)) << l.from << " -> " << l.to;
      EXPECT_LT(l.outlet, p.boxes.at(l.from).outlets) << l.from;
      EXPECT_LT(l.inlet, p.boxes.at(l.to).inlets) << l.to;
    }
  }
}

TEST_F(Package, MessageBoxesHoldRegisteredSelectorsWithArgumentsTheirTypesAccept) {
  for (const std::string& file : patchers) {
    SCOPED_TRACE(file);
    for (const auto& [box, targets] : wiredMessages(readPatch(file)))
      for (const Box& target : targets) {
        const auto registered = messagesOfClass(target.className());
        for (const Message& m : messagesOf(box.text)) {
          SCOPED_TRACE(target.className() + ": " + box.text);
          if (!registered.count(m.selector) && isAttributeMessage(target.className(), m.selector))
            continue;
          ASSERT_TRUE(registered.count(m.selector)) << m.selector;
          EXPECT_TRUE(accepts(registered.at(m.selector), m.args)) << m.selector;
        }
      }
  }
}

// Help shows every message of its object, in one of its tabs, each
// explained by a comment beside it, an attrui for every attribute, an info
// readout on outlet 2 and the grain events of outlet 3 in a message box.
TEST_F(Package, HelpShowsEveryMessageWithACommentAndReadsTheGrainCountAndEvents) {
  for (const std::string& name : classNames) {
    SCOPED_TRACE(name);
    const Patch p = readPatch("help/" + name + ".maxhelp");
    const auto messages = messagesOfClass(name);
    std::set<std::string> shown, attributes;
    for (const auto& [box, targets] : wiredMessages(p)) {
      for (const Message& m : messagesOf(box.text))
        if (messages.count(m.selector) || !isAttributeMessage(name, m.selector))
          shown.insert(m.selector);
      const bool explained = std::any_of(p.boxes.begin(), p.boxes.end(), [&](const auto& b) {
        return b.second.maxclass == "comment" && b.second.tab == box.tab &&
               std::abs(b.second.y - box.y) < 1 && b.second.x > box.x;
      });
      EXPECT_TRUE(explained) << box.text;
    }
    std::set<std::string> registered;
    for (const auto& [selector, types] : messages) registered.insert(selector);
    EXPECT_EQ(shown, registered);
    for (const Line& l : p.lines)
      if (p.boxes.at(l.from).maxclass == "attrui" && ours(p.boxes.at(l.to)))
        attributes.insert(p.boxes.at(l.from).attr);
    EXPECT_EQ(attributes, attributesOfClass(name));
    const int info = isTwin(name) ? 1 : 2;  // the outlet after the signals
    for (const auto& [outlet, readout] :
         {std::pair(info, "number"), std::pair(info + 1, "message")})
      EXPECT_TRUE(std::any_of(p.lines.begin(), p.lines.end(), [&](const Line& l) {
        return ours(p.boxes.at(l.from)) && l.outlet == outlet &&
               p.boxes.at(l.to).maxclass == readout;
      })) << readout;
  }
}

// Builds the patch in the host: its buffer~ objects from their media files,
// our objects with their arguments; sends every message box in order of
// place, then "start 1" to every object, as a user clicks it to hear one;
// renders a second. Every sample is finite and two channels of every
// object sound (both of a stereo object's).
TEST_F(Package, EveryPatcherPlays) {
  for (const std::string& file : patchers) {
    SCOPED_TRACE(file);
    zun::reset();
    const Patch p = readPatch(file);
    std::map<std::string, t_object*> objects;
    int counts = 0;
    for (const auto& [id, box] : p.boxes) {
      const std::vector<std::string> w = words(box.text);
      if (box.className() == "buffer~") {
        const auto data =
            zun::tools::readSoundFile((packageDir / "media" / w.at(2)).string(), 1 << 24);
        zun::setBufferSamples(w.at(1), data.samples, data.channels);
      } else if (ours(box)) {
        objects[id] = zun::create(w[0], std::vector<zun::Atom>(w.begin() + 1, w.end()));
        zun::connect(objects[id], isTwin(w[0]) ? 1 : 2, [&](t_atom_long) { ++counts; });
      }
    }
    ASSERT_FALSE(objects.empty());
    int infos = 0;
    for (const auto& [box, targets] : wiredMessages(p))
      for (const Box& target : targets)
        for (const Message& m : messagesOf(box.text)) {
          EXPECT_TRUE(zun::send(objects.at(target.id), m.selector, m.args)) << box.text;
          infos += m.selector == "info";
        }
    EXPECT_EQ(counts, infos);
    for (const auto& [id, x] : objects) EXPECT_TRUE(zun::send(x, "start", {1L}));
    zun::startDsp();
    std::map<std::string, std::vector<double>> energy;
    for (const auto& [id, x] : objects) energy[id].resize(size_t(zun::outputCount(x)));
    for (long done = 0; done < 44100; done += zun::vectorSize()) {
      zun::process();
      for (const auto& [id, x] : objects)
        for (size_t c = 0; c < energy[id].size(); ++c)
          for (long i = 0; i < zun::vectorSize(); ++i) {
            const double v = zun::output(x, int(c))[i];
            ASSERT_TRUE(std::isfinite(v));
            energy[id][c] += v * v;
          }
    }
    for (const auto& [id, e] : energy)
      EXPECT_GE(std::count_if(e.begin(), e.end(), [](double v) { return v > 0.0; }), 2) << id;
  }
}

// Help opens on tabs, as Max's own help files do: basic first, then
// random, options, tables, events, the sample (cloud.zun~), signals and
// attributes, each
// a patcher within 1200 x 800 with its own object and audio path.
TEST_F(Package, HelpTabsFitTheScreenEachWithItsObjectAndAudio) {
  for (const std::string& name : classNames) {
    SCOPED_TRACE(name);
    const Patch p = readPatch("help/" + name + ".maxhelp");
    std::vector<std::string> names;
    for (const Tab& t : p.tabs) {
      names.push_back(t.name);
      EXPECT_TRUE(t.onTab) << t.name;
      EXPECT_LE(std::max(t.width, t.right), 1200.0) << t.name;
      EXPECT_LE(std::max(t.height, t.bottom), 800.0) << t.name;
      // A twin's channels fold into two first.
      const auto heard = [&](int outlet) {
        return std::any_of(p.lines.begin(), p.lines.end(), [&](const Line& l) {
          const Box& from = p.boxes.at(l.from);
          const bool source = isTwin(name) ? from.className() == "mc.unpack~" : ours(from);
          return from.tab == t.name && source && l.outlet == outlet && l.inlet == outlet &&
                 p.boxes.at(l.to).maxclass == "ezdac~";
        });
      };
      EXPECT_TRUE(heard(0) && heard(1)) << t.name;
    }
    std::vector<std::string> expected = {"basic", "random", "options", "tables", "events"};
    if (name == "cloud.zun~" || name == "mc.cloud.zun~") expected.push_back("sample");
    expected.push_back("signals");
    if (name == "cloud.zun~" || name == "mc.cloud.zun~") expected.push_back("live");
    if (name == "burst.zun~" || name == "mc.burst.zun~") expected.push_back("formants");
    expected.push_back("attributes");
    if (isTwin(name)) expected.push_back("channels");
    EXPECT_EQ(names, expected);
  }
}

TEST_F(Package, HoldsEveryFileThePatchersName) {
  for (const std::string& file : patchers) {
    SCOPED_TRACE(file);
    for (const auto& [id, box] : readPatch(file).boxes)
      if (box.className() == "buffer~") {
        ASSERT_EQ(words(box.text).size(), 3u) << box.text;
        EXPECT_TRUE(fs::is_regular_file(packageDir / "media" / words(box.text)[2])) << box.text;
      }
  }
  for (const char* f : {"package-info.json", "README.md", "LICENSE"})
    EXPECT_TRUE(fs::is_regular_file(packageDir / f)) << f;
  std::ifstream info(packageDir / "package-info.json");
  EXPECT_EQ(json::parse(info).at("name"), "zun");
}

// Each reference page documents exactly the messages its class registers,
// each with the arguments of its type list; numeric ones give range and
// default.
TEST_F(Package, RefpagesDocumentExactlyTheRegisteredMessages) {
  const std::map<int, std::string> typeNames = {
      {A_LONG, "int"}, {A_FLOAT, "float"}, {A_SYM, "symbol"}};
  for (const std::string& name : classNames) {
    SCOPED_TRACE(name);
    std::ifstream in(packageDir / "docs/refpages" / (name + ".maxref.xml"));
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_NE(page.find("<c74object name=\"" + name + "\""), std::string::npos);
    const std::regex methodPattern("<method name=\"([^\"]+)\">([\\s\\S]*?)</method>");
    const std::regex argPattern("<arg name=\"[^\"]+\" optional=\"([01])\" type=\"([a-z]+)\"");
    std::map<std::string, std::string> documented;
    for (std::sregex_iterator m(page.begin(), page.end(), methodPattern), end; m != end; ++m)
      documented[(*m)[1]] = (*m)[2];
    const auto registered = messagesOfClass(name);
    std::set<std::string> a, b;
    for (const auto& [s, t] : documented) a.insert(s);
    for (const auto& [s, t] : registered) b.insert(s);
    ASSERT_EQ(a, b);
    std::set<std::string> attributes, listed;
    for (const zun::AttributeInfo& attribute : zun::classInfo(name).attributes)
      attributes.insert(attribute.name);
    const std::regex attributePattern("<attribute name=\"([^\"]+)\"");
    for (std::sregex_iterator m(page.begin(), page.end(), attributePattern), end; m != end; ++m)
      listed.insert((*m)[1]);
    EXPECT_EQ(listed, attributes);
    for (const auto& [selector, types] : registered) {
      SCOPED_TRACE(selector);
      const std::string& body = documented.at(selector);
      std::vector<std::string> args;
      for (std::sregex_iterator m(body.begin(), body.end(), argPattern), end; m != end; ++m)
        args.push_back((*m)[2].str() + ((*m)[1] == "1" ? "?" : ""));
      std::vector<std::string> expected;
      for (int t : types)
        if (t != A_GIMME) expected.push_back(typeNames.at(t));
      // Anything: table names, or the numbers of a list message.
      const auto named = [&](std::set<std::string> kinds) {
        return std::all_of(args.begin(), args.end(), [&](auto& s) { return kinds.count(s) > 0; });
      };
      if (types == std::vector<int>{A_GIMME})
        EXPECT_TRUE(named({"symbol?"}) || named({"float", "float?"}));
      else
        EXPECT_EQ(args, expected);
      if (!types.empty() && (types[0] == A_LONG || types[0] == A_FLOAT)) {
        EXPECT_NE(body.find("Range: "), std::string::npos);
        EXPECT_NE(body.find("Default: "), std::string::npos);
      }
    }
  }
}

}  // namespace
