// zun render: read and check the score, build its tables, open the output,
// render, and report the levels.

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "commands.h"
#include "console_report.h"
#include "plugin_path.h"
#include "render.h"
#include "replacing_file.h"
#include "score_checker.h"
#include "score_parser.h"
#include "sound_file.h"
#include "tables.h"

namespace zun::tools {

namespace {

// Noise tables of a render without --seed are still the same every time.
constexpr std::uint64_t defaultTableSeed = 1;
// At most this many diagnostics are printed.
constexpr size_t maxPrinted = 50;

void usageError(const std::string& text) { std::fprintf(stderr, "zun: error: %s\n", text.c_str()); }

void printDiagnostics(const Diagnostics& d, bool quiet) {
  size_t printed = 0;
  for (const Diagnostic& diagnostic : d.all()) {
    if (quiet && diagnostic.severity != Severity::error) continue;
    if (printed++ == maxPrinted) {
      std::fprintf(stderr, "zun: too many problems; the first %zu are shown\n", maxPrinted);
      break;
    }
    std::fprintf(stderr, "%s\n", d.format(diagnostic).c_str());
  }
}

std::string decibels(double peak) {
  if (peak <= 0.0) return "-inf dBFS";
  char text[32];
  std::snprintf(text, sizeof text, "%+.2f dBFS", 20.0 * std::log10(peak));
  return text;
}

struct OutputPlan {
  bool raw = false;
  FileSinkOptions file;
};

// Works out the output's type and format, or reports why not.
std::optional<OutputPlan> planOutput(const RenderOptions& o) {
  OutputPlan plan;
  if (o.output == "-") {
    if (o.format && *o.format != "float32") {
      usageError("standard output (-o -) takes raw float32 only, not --format " + *o.format);
      return std::nullopt;
    }
    plan.raw = true;
    return plan;
  }
  std::optional<FileType> type = fileTypeFor(o.output);
  if (!type) {
    usageError("cannot tell the sound file type of " + o.output +
               ": use the extension .wav, .aif, .aiff or .flac");
    return std::nullopt;
  }
  plan.file.path = o.output;
  plan.file.type = *type;
  plan.file.sampleRate = o.sampleRate;
  if (o.format) {
    plan.file.format = *sampleFormatNamed(*o.format);
  } else {
    // FLAC holds integers only; WAV and AIFF get floats.
    plan.file.format = *type == FileType::flac ? SampleFormat::pcm24 : SampleFormat::float32;
  }
  if (*type == FileType::flac && plan.file.format == SampleFormat::float32) {
    usageError("FLAC files hold integer samples only: use --format pcm16 or pcm24");
    return std::nullopt;
  }
  return plan;
}

// Whether two paths name one file: by identity when both exist, so that
// links and other spellings of a path are caught, by their resolved
// spelling otherwise.
bool sameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(fs::absolute(a, ec), ec) ==
         fs::weakly_canonical(fs::absolute(b, ec), ec);
}

// The files the render writes may not be files it reads: the score, a sound
// file a buffer reads, or each other. A clash with a buffer is reported at
// its path; false for a clash of the options themselves.
bool checkOutputs(const RenderOptions& o, const Score& score, Diagnostics& d) {
  std::vector<std::pair<std::string, std::string>> outputs;  // option, path
  if (o.output != "-") outputs.push_back({"-o", o.output});
  if (o.info) outputs.push_back({"--info", *o.info});
  if (o.events) outputs.push_back({"--events", *o.events});
  for (size_t i = 0; i < outputs.size(); ++i)
    for (size_t j = i + 1; j < outputs.size(); ++j)
      if (sameFile(outputs[i].second, outputs[j].second)) {
        usageError(outputs[j].first + " and " + outputs[i].first + " name the same file, " +
                   outputs[i].second);
        return false;
      }
  for (const auto& [option, path] : outputs) {
    if (o.score != "-" && sameFile(path, o.score)) {
      usageError(option + " " + path + " is the score itself");
      return false;
    }
    for (const BufferStatement& b : score.buffers) {
      if (b.generator.text != "file" || b.generator.quoted || b.path.text.empty()) continue;
      std::filesystem::path read(b.path.text);
      if (read.is_relative()) read = std::filesystem::path(score.directory) / read;
      if (sameFile(path, read.string()))
        d.error(b.path.pos, "buffer " + b.name.text + " reads the file that " + option + " " +
                                path + " would write over");
    }
  }
  return true;
}

std::string megabytes(unsigned long long bytes) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

// A render that cannot fit on the output's disk is refused before it starts.
bool roomFor(const FileSinkOptions& file) {
  const std::optional<unsigned long long> need =
      fileBytes(file.type, file.format, file.frames, file.channels);
  const std::optional<unsigned long long> room = freeSpaceFor(file.path);
  if (!need || !room || *need <= *room) return true;
  std::fprintf(stderr, "zun: error: the render needs %s for %s, and its disk has %s free\n",
               megabytes(*need).c_str(), file.path.c_str(), megabytes(*room).c_str());
  return false;
}

// A multichannel render's peak on each channel, from 1.
std::string channelPeaks(const RenderResult& result) {
  std::string text = "zun: channel peaks";
  for (size_t c = 0; c < result.channelPeaks.size(); ++c)
    text += (c == 0 ? ": " : ", ") + std::to_string(c + 1) + " " + decibels(result.channelPeaks[c]);
  return text;
}

int interrupted(const RenderOptions& o, const AudioSink* sink) {
  std::fprintf(stderr, "zun: interrupted; %s\n",
               sink && sink->streamed() ? "the output stops here"
                                        : (o.output + " is left as it was").c_str());
  return exitInterrupted;
}

// The peak, where it falls, and what became of the samples beyond full scale.
std::string levels(const RenderResult& result, const OutputPlan& plan, const AudioSink& sink,
                   int sampleRate) {
  std::string text = "zun: peak " + decibels(result.peak);
  if (result.peak > 0.0) {
    char at[48];
    std::snprintf(at, sizeof at, " at %.3f s", static_cast<double>(result.peakFrame) / sampleRate);
    text += at;
  }
  const bool integers = !plan.raw && plan.file.format != SampleFormat::float32;
  if (integers && sink.clipped() > 0)
    text += "; " + std::to_string(sink.clipped()) + " samples clipped";
  else if (integers || result.overs == 0)
    text += "; no clipping";
  else
    text += "; " + std::to_string(result.overs) +
            " samples beyond full scale (kept in the float output, but they clip when played)";
  return text;
}

// One run of the command, pass by pass. A pass that ends the run returns
// false with the exit status set.
class RenderRun {
 public:
  explicit RenderRun(const RenderOptions& options)
      : o(options), diagnostics(o.score == "-" ? "<stdin>" : o.score) {}

  int run() {
    if (!planTheOutput() || !readTheScore() || !checkTheScore() || !settle() ||
        !renderToTheOutputs())
      return status;
    if (!o.quiet) tell();
    return exitOk;
  }

 private:
  bool stop(int exitStatus) {
    status = exitStatus;
    return false;
  }

  bool planTheOutput() {
    plan = planOutput(o);
    if (!plan) return stop(exitUsage);
    if (plan->raw && isatty(STDOUT_FILENO)) {
      usageError("refusing to write raw audio to a terminal; pipe it or give -o FILE");
      return stop(exitUsage);
    }
    return true;
  }

  bool readTheScore() {
    score = parseScoreFile(o.score, diagnostics);
    if (!score) {
      printDiagnostics(diagnostics, o.quiet);
      return stop(exitUsage);
    }
    return checkOutputs(o, *score, diagnostics) || stop(exitUsage);
  }

  // Every part is checked, so that one run shows every problem.
  bool checkTheScore() {
    PluginCatalog catalog(pluginSearchPath(o.plugins, std::getenv("ZUN_PLUGIN_PATH")));
    try {
      CheckOptions check;
      check.durationSeconds = o.durationSeconds;
      length = checkScore(*score, catalog, check, diagnostics);
      const std::uint64_t seed =
          o.seed ? static_cast<std::uint64_t>(static_cast<std::uint32_t>(*o.seed))
                 : defaultTableSeed;
      tables = buildTables(*score, seed, o.sampleRate, diagnostics);
    } catch (const std::exception& e) {
      diagnostics.sort();
      printDiagnostics(diagnostics, o.quiet);
      std::fprintf(stderr, "zun: error: %s\n", e.what());
      return stop(exitFailure);
    }
    diagnostics.sort();
    printDiagnostics(diagnostics, o.quiet);
    if (!diagnostics.hasErrors()) return true;
    std::fprintf(stderr, "zun: %d error%s in %s; nothing rendered\n", diagnostics.errorCount(),
                 diagnostics.errorCount() == 1 ? "" : "s", o.score.c_str());
    return stop(exitUsage);
  }

  // The render's length and channels, which the output must have room for.
  bool settle() {
    settings.sampleRate = o.sampleRate;
    settings.vectorSize = o.vectorSize;
    settings.seed = o.seed;
    settings.jobs = o.jobs;
    settings.frames = std::llround(*length * o.sampleRate);
    if (settings.frames < 1) {
      usageError("the render would be shorter than one frame");
      return stop(exitUsage);
    }
    try {
      settings.channels = outputChannels(*score);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "zun: error: %s\n", e.what());
      return stop(exitFailure);
    }
    plan->file.frames = settings.frames;
    plan->file.channels = settings.channels;
    if (!plan->raw && plan->file.type == FileType::aiff &&
        !fitsHeader(plan->file.type, plan->file.format, settings.frames, settings.channels)) {
      usageError("the render (" + std::to_string(settings.frames) + " frames, from " +
                 (o.durationSeconds ? "--duration" : "the score's end") + ") is too long for " +
                 fileTypeName(plan->file.type) +
                 ", whose sizes stop at 2 GiB: use a .wav or .flac output");
      return stop(exitUsage);
    }
    return plan->raw || roomFor(plan->file) || stop(exitFailure);
  }

  bool renderToTheOutputs() {
    report.emplace(o.score, o.quiet, o.info.has_value(), isatty(STDERR_FILENO) != 0,
                   o.events.has_value(), o.sampleRate, settings.frames);
    report->printEachList(o.verbose);
    // Caught from before the outputs open, so that a signal while a pipe
    // waits for its reader still removes what was made.
    report->catchInterrupts();
    try {
      return renderAndCommit();
    } catch (const std::exception& e) {
      report->releaseInterrupts();
      report->clearProgress();
      if (report->cancelled()) return stop(interrupted(o, sink.get()));
      std::fprintf(
          stderr, "zun: error: %s%s\n", e.what(),
          sink && sink->streamed() ? "" : ("; " + o.output + " is left as it was").c_str());
      return stop(exitFailure);
    }
  }

  // The side files replace theirs only once the sound is finished.
  bool renderAndCommit() {
    std::unique_ptr<ReplacingFile> infoFile, eventsFile;
    if (o.info) infoFile = std::make_unique<ReplacingFile>(*o.info);
    if (o.events) eventsFile = std::make_unique<ReplacingFile>(*o.events);
    sink = plan->raw ? openRawSink(stdout, settings.channels) : openFileSink(plan->file);
    if (!o.seed && !o.quiet)
      std::fprintf(stderr,
                   "zun: no --seed: the objects seed their random sources from the clock; "
                   "give --seed N for a render that is the same every time\n");
    result = render(*score, tables, settings, *sink, *report);
    report->releaseInterrupts();
    report->clearProgress();
    if (result.cancelled) return stop(interrupted(o, sink.get()));
    sink->finish();
    if (infoFile) commit(*infoFile, report->csv());
    if (eventsFile) {
      commit(*eventsFile, report->listCsv());
      if (report->lists() == 0 && !o.quiet)
        std::fprintf(stderr, "zun: warning: --events: no object sent a list; send an object "
                             "'events 1' for its grain events\n");
    }
    return true;
  }

  static void commit(ReplacingFile& file, const std::string& text) {
    file.write(text.data(), text.size());
    file.commit();
  }

  // What was written, and its levels.
  void tell() const {
    const double seconds = static_cast<double>(result.frames) / o.sampleRate;
    const std::string layout = settings.channels == 2
                                   ? "stereo"
                                   : std::to_string(settings.channels) + " channels";
    if (plan->raw)
      std::fprintf(stderr, "zun: wrote %lld frames (%.3f s) of raw float32 %s at %d Hz\n",
                   result.frames, seconds, layout.c_str(), o.sampleRate);
    else
      std::fprintf(stderr, "zun: wrote %s (%s %s, %d Hz, %s, %.3f s)\n", o.output.c_str(),
                   fileTypeName(plan->file.type), sampleFormatName(plan->file.format),
                   o.sampleRate, layout.c_str(), seconds);
    std::fprintf(stderr, "%s\n", levels(result, *plan, *sink, o.sampleRate).c_str());
    if (settings.channels != 2) std::fprintf(stderr, "%s\n", channelPeaks(result).c_str());
    report->printListCounts();
    if (result.nonFinite > 0)
      std::fprintf(stderr,
                   "zun: warning: %lld samples were not numbers in the output (NaN, infinite or "
                   "beyond float32) and are written as 0\n",
                   result.nonFinite);
  }

  const RenderOptions& o;
  int status = exitOk;
  Diagnostics diagnostics;
  std::optional<OutputPlan> plan;
  std::optional<Score> score;
  std::optional<double> length;
  std::vector<Table> tables;
  RenderSettings settings;
  std::optional<ConsoleReport> report;
  std::unique_ptr<AudioSink> sink;
  RenderResult result;
};

}  // namespace

int runRender(const RenderOptions& o) { return RenderRun(o).run(); }

}  // namespace zun::tools
