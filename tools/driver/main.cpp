// zun-driver: loads externals from the files it is given and reports what
// they do through the host, in a form to compare between builds: the
// classes they register, or a score rendered to raw samples with every
// console line and outlet value. It shares zun's score reading, checking,
// tables and render loop. Built for Windows, it drives the .mxe64
// externals through the host's MaxAPI.dll and MaxAudio.dll.
//
//   zun-driver classes PLUGIN...
//   zun-driver tables SCORE SEED FILE
//   zun-driver render SCORE TABLES SEED OUTPUT PLUGIN...
//   zun-driver compare float32|float64 FILE FILE
//
// `tables` writes the score's tables as a render seeded with SEED builds
// them; `render` plays the score on the tables of such a file, so that
// builds whose C libraries compute a generator's values differently still
// play the same tables. It writes interleaved frames (of the channels
// `zun render` gives the score) in the machine's byte order to
// OUTPUT.f32, as `zun render -o -` writes them,
// and to OUTPUT.f64, as the mix holds them; the log goes to standard
// output. `compare` tells where two such files differ and by how much.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "render.h"
#include "score_checker.h"
#include "score_parser.h"
#include "tables.h"
#include "zunHost.h"

namespace {

using namespace zun::tools;

constexpr int usage = 2;
constexpr double sampleRate = 44100.0;

// The classes the loaded plug-ins registered.
class LoadedClasses : public ClassCatalog {
 public:
  const zun::ClassInfo* find(const std::string& className, std::string& whyNot) override {
    for (const zun::ClassInfo& c : classes_)
      if (c.name == className) return &c;
    whyNot = "no loaded plug-in registers it";
    return nullptr;
  }

 private:
  std::vector<zun::ClassInfo> classes_ = zun::classes();
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::string& path, const char* mode) {
  File f(std::fopen(path.c_str(), mode));
  if (!f) throw std::runtime_error("cannot open " + path);
  return f;
}

class RawFiles : public AudioSink {
 public:
  RawFiles(const std::string& base, int channels)
      : floats_(openFile(base + ".f32", "wb")),
        doubles_(openFile(base + ".f64", "wb")),
        channels_(channels) {}

  void write(const double* samples, long frames) override {
    const size_t n = static_cast<size_t>(frames) * static_cast<size_t>(channels_);
    narrowed_.assign(samples, samples + n);
    put(narrowed_.data(), n, floats_.get());
    put(samples, n, doubles_.get());
  }
  void finish() override {
    if (std::fflush(floats_.get()) != 0 || std::fflush(doubles_.get()) != 0)
      throw std::runtime_error("cannot write the samples");
  }

 private:
  template <class T>
  static void put(const T* samples, size_t n, std::FILE* f) {
    if (std::fwrite(samples, sizeof(T), n, f) != n)
      throw std::runtime_error("cannot write the samples");
  }

  File floats_, doubles_;
  int channels_;
  std::vector<float> narrowed_;
};

const char* kindName(zun::ConsoleLine::Kind kind) {
  switch (kind) {
    case zun::ConsoleLine::Kind::error: return "error";
    case zun::ConsoleLine::Kind::warning: return "warning";
    default: return "post";
  }
}

// Console lines and outlet values, one a line, with the frame time.
class Log : public RenderObserver {
 public:
  void console(double seconds, const zun::ConsoleLine& line, const PostContext& context) override {
    std::printf("%.6f line %d %s: %s\n", seconds, context.line,
                kindName(line.kind), line.text.c_str());
  }
  void outlet(double seconds, const std::string& object, int outlet, long long value) override {
    std::printf("%.6f outlet %s %d: %lld\n", seconds, object.c_str(), outlet, value);
  }
  void list(double seconds, const std::string& object, int outlet, const std::vector<std::string>&,
            const std::vector<zun::Atom>& values) override {
    std::printf("%.6f list %s %d:", seconds, object.c_str(), outlet);
    for (const zun::Atom& a : values) {
      if (const t_atom_long* i = std::get_if<t_atom_long>(&a.value))
        std::printf(" %lld", static_cast<long long>(*i));
      else if (const double* f = std::get_if<double>(&a.value))
        std::printf(" %.17g", *f);
      else
        std::printf(" %s", std::get<std::string>(a.value).c_str());
    }
    std::printf("\n");
  }
};

void loadAll(const std::vector<std::string>& plugins) {
  for (const std::string& p : plugins) zun::loadPlugin(p);
}

std::string typeList(const std::vector<int>& types) {
  std::string text;
  for (int t : types) text += " " + std::to_string(t);
  return text;
}

// Each class with its type lists, then what a patcher asks of a box: the
// assist texts and a double-click on one made with unbound table names.
int listClasses(const std::vector<std::string>& plugins) {
  loadAll(plugins);
  for (const zun::ClassInfo& c : zun::classes()) {
    std::printf("%s in %s%s, made with%s\n", c.name.c_str(), c.nameSpace.c_str(),
                c.signal ? ", a signal object" : "", typeList(c.constructorTypes).c_str());
    for (const zun::MethodInfo& m : c.methods)
      std::printf("  %s%s\n", m.selector.c_str(), typeList(m.types).c_str());
    t_object* x = zun::create(c.name, {"a", "b", "c"});
    std::printf("  inlet: %s\n", zun::assist(x, ASSIST_INLET, 0).c_str());
    for (int i = 0; i < zun::outletCount(x); ++i)
      std::printf("  outlet %d, %s: %s\n", i, zun::outletType(x, i).c_str(),
                  zun::assist(x, ASSIST_OUTLET, i).c_str());
    zun::doubleClick(x);
    std::printf("  a double-click views %zu tables\n", zun::viewLog().size());
    zun::reset();
  }
  return 0;
}

// The score, checked against the loaded classes, and its length; null
// after printing the errors.
std::optional<Score> readScore(const std::string& path, std::optional<double>& length) {
  Diagnostics diagnostics(path);
  std::optional<Score> score = parseScoreFile(path, diagnostics);
  if (score) {
    LoadedClasses catalog;
    length = checkScore(*score, catalog, {}, diagnostics);
  }
  diagnostics.sort();
  for (const Diagnostic& d : diagnostics.all())
    if (d.severity == Severity::error) std::fprintf(stderr, "%s\n", diagnostics.format(d).c_str());
  if (diagnostics.hasErrors()) return std::nullopt;
  return score;
}

// Each table: its name's length and the name, the channel count, the
// sample count, the samples.
int writeTables(const std::string& scorePath, int seed, const std::string& path) {
  Diagnostics diagnostics(scorePath);
  std::optional<Score> score = parseScoreFile(scorePath, diagnostics);
  if (!score) return usage;
  const std::vector<Table> tables =
      buildTables(*score, static_cast<std::uint32_t>(seed), sampleRate, diagnostics);
  if (diagnostics.hasErrors()) return usage;
  File f = openFile(path, "wb");
  for (const Table& t : tables) {
    const std::int64_t header[] = {static_cast<std::int64_t>(t.name.size()), t.channels,
                                   static_cast<std::int64_t>(t.samples.size())};
    std::fwrite(header, sizeof header, 1, f.get());
    std::fwrite(t.name.data(), 1, t.name.size(), f.get());
    std::fwrite(t.samples.data(), sizeof(float), t.samples.size(), f.get());
  }
  return std::fflush(f.get()) == 0 ? 0 : 1;
}

std::vector<Table> readTables(const std::string& path) {
  File f = openFile(path, "rb");
  std::vector<Table> tables;
  std::int64_t header[3];
  while (std::fread(header, sizeof header, 1, f.get()) == 1) {
    Table t;
    t.name.resize(static_cast<size_t>(header[0]));
    t.channels = static_cast<long>(header[1]);
    t.samples.resize(static_cast<size_t>(header[2]));
    if (std::fread(t.name.data(), 1, t.name.size(), f.get()) != t.name.size() ||
        std::fread(t.samples.data(), sizeof(float), t.samples.size(), f.get()) != t.samples.size())
      throw std::runtime_error(path + " ends inside a table");
    tables.push_back(std::move(t));
  }
  return tables;
}

int renderScore(const std::string& scorePath, const std::string& tablesPath, int seed,
                const std::string& output, const std::vector<std::string>& plugins) {
  loadAll(plugins);
  std::optional<double> length;
  std::optional<Score> score = readScore(scorePath, length);
  if (!score) return usage;
  RenderSettings settings;
  settings.sampleRate = sampleRate;
  settings.seed = seed;
  settings.frames = std::llround(*length * sampleRate);
  settings.channels = outputChannels(*score);
  RawFiles sink(output, settings.channels);
  Log log;
  render(*score, readTables(tablesPath), settings, sink, log);
  sink.finish();
  return 0;
}

template <class T>
std::vector<T> readAll(const std::string& path) {
  File f = openFile(path, "rb");
  std::vector<T> samples;
  T x;
  while (std::fread(&x, sizeof x, 1, f.get()) == 1) samples.push_back(x);
  return samples;
}

// Succeeds when both files hold the same samples, bit for bit.
template <class T>
int compare(const std::string& a, const std::string& b) {
  const std::vector<T> x = readAll<T>(a), y = readAll<T>(b);
  if (x.size() != y.size()) {
    std::printf("%s has %zu samples, %s %zu\n", a.c_str(), x.size(), b.c_str(), y.size());
    return 1;
  }
  size_t differ = 0, first = 0;
  double largest = 0.0;
  for (size_t i = 0; i < x.size(); ++i) {
    if (std::memcmp(&x[i], &y[i], sizeof(T)) == 0) continue;
    if (differ++ == 0) first = i;
    largest = std::fmax(largest, std::fabs(static_cast<double>(x[i]) - static_cast<double>(y[i])));
  }
  if (differ == 0) return 0;
  std::printf("%zu of %zu samples differ, the first at frame %zu, by up to %g\n", differ, x.size(),
              first / 2, largest);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() >= 2 && args[0] == "classes")
      return listClasses({args.begin() + 1, args.end()});
    if (args.size() == 4 && args[0] == "tables")
      return writeTables(args[1], std::stoi(args[2]), args[3]);
    if (args.size() >= 6 && args[0] == "render")
      return renderScore(args[1], args[2], std::stoi(args[3]), args[4],
                         {args.begin() + 5, args.end()});
    if (args.size() == 4 && args[0] == "compare" && args[1] == "float32")
      return compare<float>(args[2], args[3]);
    if (args.size() == 4 && args[0] == "compare" && args[1] == "float64")
      return compare<double>(args[2], args[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zun-driver: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: zun-driver classes PLUGIN...\n"
               "       zun-driver tables SCORE SEED FILE\n"
               "       zun-driver render SCORE TABLES SEED OUTPUT PLUGIN...\n"
               "       zun-driver compare float32|float64 FILE FILE\n");
  return usage;
}
