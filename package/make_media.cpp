// Writes the package's media: each line of the list names a file, one of
// zun's table generators, a size and the generator's arguments.
//   zun_make_media LIST DIR

#include <sndfile.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tables.h"

namespace {

constexpr int mediaRate = 44100;
constexpr std::uint64_t noiseSeed = 1;

bool writeTable(const std::string& path, const std::vector<float>& samples) {
  SF_INFO info{};
  info.samplerate = mediaRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  const sf_count_t frames = static_cast<sf_count_t>(samples.size());
  const bool written = sf_writef_float(file, samples.data(), frames) == frames;
  return sf_close(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zun_make_media LIST DIR\n");
    return 2;
  }
  std::ifstream list(argv[1]);
  if (!list) {
    std::fprintf(stderr, "zun_make_media: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string file, generator;
    long long size = 0;
    fields >> file >> generator >> size;
    std::vector<double> params;
    for (double p; fields >> p;) params.push_back(p);
    std::vector<float> samples;
    const std::string problem = zun::tools::generate(generator, size, params, noiseSeed, samples);
    const std::string path = std::string(argv[2]) + "/" + file;
    if (!problem.empty() || !writeTable(path, samples)) {
      std::fprintf(stderr, "zun_make_media: %s: %s\n", file.c_str(),
                   problem.empty() ? "cannot write it" : problem.c_str());
      return 1;
    }
  }
  return 0;
}
