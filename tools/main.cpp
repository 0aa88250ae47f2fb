// zun: renders scores for the burst.zun~ and cloud.zun~ objects to sound
// files, through the headless host.

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

#include "commands.h"
#include "score_lexer.h"

namespace {

const char* renderFooter = R"(
The score is a text file of statements, one a line (see docs/score.md):
  buffer NAME GENERATOR SIZE [ARGS]   buffer NAME file PATH
  object ID CLASS [ARGS]              at TIME ID SELECTOR [ARGS]
  ramp T0 T1 ID SELECTOR FROM TO [every INTERVAL]
  input ID BUFFER [loop]              end TIME
Plug-ins are looked for in the --plugins directories, then in ZUN_PLUGIN_PATH
(colon-separated), then next to zun (its build tree, or PREFIX/lib/zun).
Exit status: 0 done, 1 failed while running, 2 bad options or score,
130 interrupted. An existing output file is replaced only by a finished render.)";

// CLI11's range check calls every value it cannot read as an integer out
// of range; these say what is wrong.
CLI::Validator wholeNumber(long long low, long long high) {
  const std::string range = std::to_string(low) + " to " + std::to_string(high);
  return CLI::Validator(
      [=](const std::string& v) -> std::string {
        if (std::optional<long long> n = zun::tools::parseInteger(v))
          return *n < low || *n > high ? v + " is not in range " + range : "";
        std::optional<double> x = zun::tools::parseReal(v);
        if (!x) return v + " is not a number";
        if (*x != std::trunc(*x)) return v + " is not a whole number";
        if (std::fabs(*x) < 1e18)
          return "write " + v + " in digits: " + std::to_string(static_cast<long long>(*x));
        return v + " is not in range " + range;
      },
      "INT in [" + range + "]");
}

// "--output: At Most 1 required but received 2" says that an option was
// given more than once.
bool givenTwice(const CLI::ParseError& e) {
  const std::string text = e.what();
  const std::string::size_type colon = text.find(": At Most 1 required but received ");
  if (colon == std::string::npos) return false;
  std::fprintf(stderr, "zun: error: %s is given more than once; give it once\n",
               text.substr(0, colon).c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zun::tools;
  CLI::App app{"zun renders scores for the granular synthesis objects burst.zun~ and cloud.zun~"};
  app.set_version_flag("--version", ZUN_VERSION);
  app.require_subcommand(1);

  RenderOptions render;
  std::string duration;
  CLI::App* renderCommand = app.add_subcommand("render", "render a score to a sound file");
  renderCommand->add_option("score", render.score, "the score file")
      ->required()
      ->type_name("SCORE");
  renderCommand
      ->add_option("-o,--output", render.output,
                   "the sound file to write (.wav, .aif, .aiff, .flac), or - for raw float32 "
                   "stereo on standard output")
      ->required()
      ->type_name("FILE");
  renderCommand->add_option("--sr", render.sampleRate, "sample rate in Hz")
      ->capture_default_str()
      ->check(wholeNumber(1000, 768000));
  renderCommand->add_option("--vs", render.vectorSize, "signal vector size in samples")
      ->capture_default_str()
      ->check(wholeNumber(1, 8192));
  renderCommand->add_option("--seed", render.seed,
                            "send each object a seed made from N (the first object gets N) and "
                            "seed noise tables from N, for a render that is the same every time")
      ->type_name("N");
  renderCommand
      ->add_option("--format", render.format,
                   "sample format: float32 (WAV and AIFF default), pcm16 or pcm24 (FLAC "
                   "default), with TPDF dither for the pcm formats")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"float32", "pcm16", "pcm24"}));
  renderCommand
      ->add_option("--duration", duration,
                   "length of the render (1.5, 1.5s or 1500ms), in place of the score's end")
      ->type_name("TIME")
      ->check([](const std::string& v) -> std::string {
        std::optional<double> s = parseSeconds(v);
        if (!s || !(*s > 0.0) || *s > maxSeconds)
          return "not a length of time up to 10000000 s: " + v;
        return "";
      });
  renderCommand
      ->add_option("--plugins", render.plugins, "look for plug-ins in DIR first (repeatable)")
      ->type_name("DIR")
      ->allow_extra_args(false);
  renderCommand->add_option("--info", render.info,
                            "write the objects' outlet values (the answers to info) to a CSV "
                            "file instead of printing them")
      ->type_name("FILE");
  renderCommand->add_option("--events", render.events,
                            "write the lists the objects send, such as their grain events, to a "
                            "CSV file instead of printing them")
      ->type_name("FILE");
  render.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  renderCommand
      ->add_option("-j,--jobs", render.jobs,
                   "threads that render the score's objects side by side (default: one per "
                   "core); the output is the same for any number")
      ->capture_default_str()
      ->check(wholeNumber(1, 1024));
  renderCommand->add_flag("-q,--quiet", render.quiet, "print nothing but errors");
  renderCommand->add_flag("-v,--verbose", render.verbose,
                          "print each grain event an object sends, not their number");
  renderCommand->footer(renderFooter);

  std::vector<std::string> classPlugins;
  CLI::App* classesCommand =
      app.add_subcommand("classes", "list the classes found, with their messages");
  classesCommand
      ->add_option("--plugins", classPlugins, "look for plug-ins in DIR first (repeatable)")
      ->type_name("DIR")
      ->allow_extra_args(false);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (givenTwice(e)) return exitUsage;
    const int status = app.exit(e);
    return status == 0 ? exitOk : exitUsage;
  }
  if (!duration.empty()) render.durationSeconds = parseSeconds(duration);
  if (renderCommand->parsed()) return runRender(render);
  return runClasses(classPlugins);
}
