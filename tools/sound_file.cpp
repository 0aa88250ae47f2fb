#include "sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "replacing_file.h"

namespace zun::tools {

namespace {

struct Closer {
  void operator()(SNDFILE* f) const { sf_close(f); }
};
using SoundFile = std::unique_ptr<SNDFILE, Closer>;

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// TPDF dither: the sum of two uniform values, from -1 to +1 LSB.
class Dither {
 public:
  explicit Dither(std::uint64_t seed) : state_(seed) {}
  double next() { return uniform() - uniform(); }

 private:
  double uniform() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }
  std::uint64_t state_;
};

class FileSink : public AudioSink {
 public:
  explicit FileSink(const FileSinkOptions& o) : file_(o.path), format_(o.format), dither_(o.ditherSeed) {
    SF_INFO info{};
    info.samplerate = o.sampleRate;
    info.channels = 2;
    int major = o.type == FileType::wav ? SF_FORMAT_WAV
                : o.type == FileType::aiff ? SF_FORMAT_AIFF
                                            : SF_FORMAT_FLAC;
    int minor = o.format == SampleFormat::float32 ? SF_FORMAT_FLOAT
                : o.format == SampleFormat::pcm16 ? SF_FORMAT_PCM_16
                                                   : SF_FORMAT_PCM_24;
    info.format = major | minor;
    if (!sf_format_check(&info))
      throw std::runtime_error(std::string(fileTypeName(o.type)) + " files cannot hold " +
                               sampleFormatName(o.format) + " samples");
    sound_.reset(sf_open_fd(file_.fd(), SFM_WRITE, &info, SF_FALSE));
    if (!sound_) throw std::runtime_error("cannot write " + o.path + ": " + sf_strerror(nullptr));
    // The PEAK chunk carries the time of writing; without it, the same
    // render gives the same bytes.
    sf_command(sound_.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    bits_ = o.format == SampleFormat::pcm16 ? 16 : 24;
  }

  void write(const double* stereo, long frames) override {
    const size_t n = static_cast<size_t>(frames) * 2;
    sf_count_t written;
    if (format_ == SampleFormat::float32) {
      floats_.resize(n);
      for (size_t i = 0; i < n; ++i) floats_[i] = static_cast<float>(stereo[i]);
      written = sf_writef_float(sound_.get(), floats_.data(), frames);
    } else {
      ints_.resize(n);
      const double scale = std::ldexp(1.0, bits_ - 1);
      const double top = scale - 1.0;
      for (size_t i = 0; i < n; ++i) {
        double q = std::floor(stereo[i] * scale + dither_.next() + 0.5);
        if (q > top || q < -scale) {
          ++clipped_;
          q = std::clamp(q, -scale, top);
        }
        // libsndfile takes integer samples left-aligned in 32 bits.
        ints_[i] = static_cast<int>(static_cast<long long>(q) * (1LL << (32 - bits_)));
      }
      written = sf_writef_int(sound_.get(), ints_.data(), frames);
    }
    if (written != frames) throw std::runtime_error("cannot write: " + std::string(sf_strerror(sound_.get())));
  }

  void finish() override {
    if (sf_close(sound_.release()) != 0) throw std::runtime_error("cannot finish the sound file");
    file_.commit();
  }

  long long clipped() const override { return clipped_; }

 private:
  ReplacingFile file_;  // before sound_, so that the file outlives libsndfile's handle
  SoundFile sound_;
  SampleFormat format_;
  Dither dither_;
  int bits_ = 24;
  long long clipped_ = 0;
  std::vector<float> floats_;
  std::vector<int> ints_;
};

class RawSink : public AudioSink {
 public:
  explicit RawSink(std::FILE* out) : out_(out) {}

  void write(const double* stereo, long frames) override {
    const size_t n = static_cast<size_t>(frames) * 2;
    floats_.resize(n);
    for (size_t i = 0; i < n; ++i) floats_[i] = static_cast<float>(stereo[i]);
    if (std::fwrite(floats_.data(), sizeof(float), n, out_) != n)
      throw std::runtime_error("cannot write the audio to the output");
  }

  void finish() override {
    if (std::fflush(out_) != 0) throw std::runtime_error("cannot write the audio to the output");
  }

 private:
  std::FILE* out_;
  std::vector<float> floats_;
};

}  // namespace

SoundData readSoundFile(const std::string& path, long long maxFrames) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw std::runtime_error("cannot read " + path + ": it is a directory");
  if (std::FILE* probe = std::fopen(path.c_str(), "rb")) {
    std::fclose(probe);
  } else {
    throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
  }
  SF_INFO info{};
  SoundFile file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
  if (info.channels < 1) throw std::runtime_error(path + " has no channels");
  if (info.frames > maxFrames)
    throw std::runtime_error(path + " is too long: " + std::to_string(info.frames) +
                             " frames, at most " + std::to_string(maxFrames));
  SoundData data;
  data.channels = info.channels;
  data.sampleRate = info.samplerate;
  data.samples.resize(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
  const sf_count_t read = sf_readf_float(file.get(), data.samples.data(), info.frames);
  if (read != info.frames)
    throw std::runtime_error("cannot read " + path + ": it ends after " + std::to_string(read) +
                             " of its " + std::to_string(info.frames) + " frames");
  data.frames = info.frames;
  return data;
}

std::optional<SampleFormat> sampleFormatNamed(const std::string& name) {
  if (name == "float32") return SampleFormat::float32;
  if (name == "pcm16") return SampleFormat::pcm16;
  if (name == "pcm24") return SampleFormat::pcm24;
  return std::nullopt;
}

const char* sampleFormatName(SampleFormat f) {
  switch (f) {
    case SampleFormat::float32: return "float32";
    case SampleFormat::pcm16: return "pcm16";
    case SampleFormat::pcm24: return "pcm24";
  }
  return "?";
}

const char* fileTypeName(FileType t) {
  switch (t) {
    case FileType::wav: return "WAV";
    case FileType::aiff: return "AIFF";
    case FileType::flac: return "FLAC";
  }
  return "?";
}

std::optional<FileType> fileTypeFor(const std::string& path) {
  const std::string ext = lower(std::filesystem::path(path).extension().string());
  if (ext.empty() || ext == ".wav") return FileType::wav;
  if (ext == ".aif" || ext == ".aiff" || ext == ".aifc") return FileType::aiff;
  if (ext == ".flac") return FileType::flac;
  return std::nullopt;
}

std::unique_ptr<AudioSink> openFileSink(const FileSinkOptions& options) {
  return std::make_unique<FileSink>(options);
}

std::unique_ptr<AudioSink> openRawSink(std::FILE* out) { return std::make_unique<RawSink>(out); }

}  // namespace zun::tools
