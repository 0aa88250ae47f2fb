#include "sound_file.h"

#include <sndfile.h>
#include <unistd.h>

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
  // SplitMix64's next value; its top 53 bits exactly a double from 0 to 1.
  double uniform() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }
  std::uint64_t state_;
};

// A float WAV's format chunk needs the 2-byte size of its extension (0)
// after the 16 bytes a PCM one has: readers such as sox warn without it.
// libsndfile writes 16 bytes, then a fact chunk and a PAD chunk that leads
// up to the data; the 2 bytes are taken from the PAD chunk, so that the data
// and every size but those two stay where they are. A header laid out
// otherwise is left as it is.
bool completeFloatFormat(unsigned char* h) {
  auto is = [&](int at, const char* id, unsigned size) {
    return std::memcmp(h + at, id, 4) == 0 && h[at + 4] == size && h[at + 5] == 0 &&
           h[at + 6] == 0 && h[at + 7] == 0;
  };
  if (std::memcmp(h, "RIFF", 4) != 0 || std::memcmp(h + 8, "WAVE", 4) != 0 ||
      !is(12, "fmt ", 16) || h[20] != 3 || h[21] != 0 || !is(36, "fact", 4) ||
      !is(48, "PAD ", 24) || std::memcmp(h + 80, "data", 4) != 0)
    return false;
  unsigned char fixed[80 - 12] = {};
  std::memcpy(fixed, h + 12, 24);  // "fmt ", its size and its 16 bytes
  fixed[4] = 18;                   // the extension's size, 0, follows them
  std::memcpy(fixed + 26, h + 36, 12);  // the fact chunk
  std::memcpy(fixed + 38, "PAD ", 4);
  fixed[42] = 22;
  std::memcpy(h + 12, fixed, sizeof fixed);
  return true;
}

constexpr size_t floatHeaderBytes = 84;

void completeFloatFormat(int fd) {
  unsigned char h[floatHeaderBytes];
  if (::pread(fd, h, sizeof h, 0) != static_cast<ssize_t>(sizeof h) || !completeFloatFormat(h))
    return;
  if (::pwrite(fd, h, sizeof h, 0) != static_cast<ssize_t>(sizeof h))
    throw std::runtime_error("cannot finish the sound file");
}

// libsndfile writes a header, the samples, then the header again with the
// sizes it has counted, which a pipe or a device cannot take back. A stream
// sends each byte once, in order, and drops what is written again over bytes
// it has sent. Without a descriptor it sends nothing and keeps the header,
// the bytes before the first sample.
class Stream {
 public:
  explicit Stream(int fd) : fd_(fd) {}

  static SF_VIRTUAL_IO& io() {
    static SF_VIRTUAL_IO io{
        [](void* s) { return self(s).length_; },
        [](sf_count_t offset, int whence, void* s) { return self(s).seek(offset, whence); },
        [](void*, sf_count_t, void*) -> sf_count_t { return 0; },
        [](const void* data, sf_count_t n, void* s) { return self(s).write(data, n); },
        [](void* s) { return self(s).position_; }};
    return io;
  }

  // Sends `header` first; whatever libsndfile writes from before its end,
  // its own headers, is then dropped.
  bool send(const std::string& header) {
    headerBytes_ = static_cast<sf_count_t>(header.size());
    return sendAll(header.data(), header.size());
  }
  // The first `bytes` kept.
  std::string header(sf_count_t bytes) const {
    return header_.substr(0, static_cast<size_t>(bytes));
  }
  sf_count_t length() const { return length_; }

 private:
  static Stream& self(void* s) { return *static_cast<Stream*>(s); }

  sf_count_t seek(sf_count_t offset, int whence) {
    const sf_count_t base = whence == SEEK_CUR ? position_ : whence == SEEK_END ? length_ : 0;
    if (base + offset < 0) return -1;
    return position_ = base + offset;
  }

  sf_count_t write(const void* data, sf_count_t n) {
    const char* p = static_cast<const char*>(data);
    const sf_count_t at = position_;
    position_ += n;
    length_ = std::max(length_, position_);
    if (fd_ < 0) {
      keep(p, at, n);
      return n;
    }
    if (at < headerBytes_) return n;
    if (at > sent_) return 0;  // a gap, which a stream cannot hold
    const sf_count_t again = std::min(n, sent_ - at);
    return sendAll(p + again, static_cast<size_t>(n - again)) ? n : 0;
  }

  void keep(const char* p, sf_count_t at, sf_count_t n) {
    const sf_count_t end = std::min<sf_count_t>(at + n, maxHeader);
    if (end <= at) return;
    if (static_cast<sf_count_t>(header_.size()) < end) header_.resize(static_cast<size_t>(end));
    std::memcpy(header_.data() + at, p, static_cast<size_t>(end - at));
  }

  bool sendAll(const char* p, size_t n) {
    while (n > 0) {
      const ssize_t done = ::write(fd_, p, n);
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) return false;
      p += done;
      n -= static_cast<size_t>(done);
      sent_ += done;
    }
    return true;
  }

  int fd_;
  sf_count_t position_ = 0, length_ = 0, sent_ = 0, headerBytes_ = 0;
  static constexpr sf_count_t maxHeader = 4096;
  std::string header_;
};

// The header a file of `frames` frames ends with, as libsndfile writes it:
// from a dry run that writes as many frames of silence and keeps nothing
// but the header, which ends where the first frame begins.
std::string finalHeader(SF_INFO info, long long frames, int frameBytes, bool floatWav) {
  Stream dry(-1);
  SoundFile file(sf_open_virtual(&Stream::io(), SFM_WRITE, &info, &dry));
  if (!file)
    throw std::runtime_error(std::string("cannot make the header: ") + sf_strerror(nullptr));
  sf_command(file.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
  constexpr long long block = 4096;
  const std::vector<float> silence(static_cast<size_t>(info.channels) * block, 0.0f);
  sf_writef_float(file.get(), silence.data(), 1);
  const sf_count_t dataStart = dry.length() - frameBytes;
  for (long long left = frames - 1; left > 0; left -= block)
    sf_writef_float(file.get(), silence.data(), std::min(left, block));
  file.reset();
  std::string header = dry.header(dataStart);
  if (floatWav && header.size() >= floatHeaderBytes)
    completeFloatFormat(reinterpret_cast<unsigned char*>(header.data()));
  return header;
}

int frameBytes(SampleFormat f, int channels) {
  return channels * (f == SampleFormat::float32 ? 4 : f == SampleFormat::pcm16 ? 2 : 3);
}

// The speakers' channel mask that WAV extensible files carry is known for
// up to 8 channels.
bool extensible(const FileSinkOptions& o) {
  return o.type == FileType::wav && o.channels > 2 && o.channels <= 8;
}

class FileSink : public AudioSink {
 public:
  explicit FileSink(const FileSinkOptions& o)
      : file_(o.path),
        stream_(file_.fd()),
        format_(o.format),
        dither_(o.ditherSeed),
        channels_(o.channels) {
    SF_INFO info{};
    info.samplerate = o.sampleRate;
    info.channels = o.channels;
    if (o.type == FileType::aiff && !fitsHeader(o.type, o.format, o.frames, o.channels))
      throw std::runtime_error(std::string(fileTypeName(o.type)) + " files cannot hold " +
                               std::to_string(o.frames) + " frames");
    rf64_ = o.type == FileType::wav && !fitsHeader(FileType::wav, o.format, o.frames, o.channels);
    floatWav_ = o.type == FileType::wav && !rf64_ && o.format == SampleFormat::float32 &&
                !extensible(o);
    int major = rf64_                      ? SF_FORMAT_RF64
                : extensible(o)            ? SF_FORMAT_WAVEX
                : o.type == FileType::wav  ? SF_FORMAT_WAV
                : o.type == FileType::aiff ? SF_FORMAT_AIFF
                                           : SF_FORMAT_FLAC;
    int minor = o.format == SampleFormat::float32 ? SF_FORMAT_FLOAT
                : o.format == SampleFormat::pcm16 ? SF_FORMAT_PCM_16
                                                   : SF_FORMAT_PCM_24;
    info.format = major | minor;
    if (!sf_format_check(&info))
      throw std::runtime_error(std::string(fileTypeName(o.type)) + " files cannot hold " +
                               sampleFormatName(o.format) + " samples");
    if (file_.inPlace() && o.type == FileType::aiff)
      throw std::runtime_error("cannot stream AIFF to " + o.path + ": use .wav or .flac");
    if (file_.inPlace()) {
      // FLAC needs no sizes up front: its stream is whole without them.
      if (o.type != FileType::flac &&
          !stream_.send(finalHeader(info, o.frames, frameBytes(o.format, o.channels), floatWav_)))
        throw std::runtime_error("cannot write " + o.path + ": " + std::strerror(errno));
      sound_.reset(sf_open_virtual(&Stream::io(), SFM_WRITE, &info, &stream_));
    } else {
      sound_.reset(sf_open_fd(file_.fd(), SFM_WRITE, &info, SF_FALSE));
    }
    if (!sound_) throw std::runtime_error("cannot write " + o.path + ": " + sf_strerror(nullptr));
    // The PEAK chunk carries the time of writing; without it, the same
    // render gives the same bytes.
    sf_command(sound_.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    bits_ = o.format == SampleFormat::pcm16 ? 16 : 24;
  }

  void write(const double* samples, long frames) override {
    const size_t n = static_cast<size_t>(frames) * static_cast<size_t>(channels_);
    sf_count_t written;
    if (format_ == SampleFormat::float32) {
      floats_.resize(n);
      for (size_t i = 0; i < n; ++i) floats_[i] = static_cast<float>(samples[i]);
      written = sf_writef_float(sound_.get(), floats_.data(), frames);
    } else {
      ints_.resize(n);
      const double scale = std::ldexp(1.0, bits_ - 1);
      const double top = scale - 1.0;
      for (size_t i = 0; i < n; ++i) {
        // Digital silence stays silent; the dither is drawn all the same,
        // so that the sound around it does not change.
        const double noise = dither_.next();
        double q = samples[i] == 0.0 ? 0.0 : std::floor(samples[i] * scale + noise + 0.5);
        if (q > top || q < -scale) {
          ++clipped_;
          q = std::clamp(q, -scale, top);
        }
        // libsndfile takes integer samples left-aligned in 32 bits.
        ints_[i] = static_cast<int>(static_cast<long long>(q) * (1LL << (32 - bits_)));
      }
      written = sf_writef_int(sound_.get(), ints_.data(), frames);
    }
    if (written != frames)
      throw std::runtime_error("cannot write: " + std::string(sf_strerror(sound_.get())));
  }

  void finish() override {
    if (sf_close(sound_.release()) != 0) throw std::runtime_error("cannot finish the sound file");
    if (floatWav_ && !file_.inPlace()) completeFloatFormat(file_.fd());
    file_.commit();
  }

  long long clipped() const override { return clipped_; }
  bool streamed() const override { return file_.inPlace(); }
  double largest() const override {
    return format_ == SampleFormat::float32 ? std::numeric_limits<float>::max()
                                            : std::numeric_limits<double>::max();
  }

 private:
  ReplacingFile file_;  // before sound_, so that the file outlives libsndfile's handle
  Stream stream_;       // a target written in place
  SoundFile sound_;
  SampleFormat format_;
  Dither dither_;
  int channels_;
  int bits_ = 24;
  bool rf64_ = false;
  bool floatWav_ = false;
  long long clipped_ = 0;
  std::vector<float> floats_;
  std::vector<int> ints_;
};

class RawSink : public AudioSink {
 public:
  RawSink(std::FILE* out, int channels) : out_(out), channels_(channels) {}

  void write(const double* samples, long frames) override {
    const size_t n = static_cast<size_t>(frames) * static_cast<size_t>(channels_);
    floats_.resize(n);
    for (size_t i = 0; i < n; ++i) floats_[i] = static_cast<float>(samples[i]);
    if (std::fwrite(floats_.data(), sizeof(float), n, out_) != n)
      throw std::runtime_error("cannot write the audio to the output");
  }

  void finish() override {
    if (std::fflush(out_) != 0) throw std::runtime_error("cannot write the audio to the output");
  }

  double largest() const override { return std::numeric_limits<float>::max(); }

 private:
  std::FILE* out_;
  int channels_;
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

namespace {

// Room for the header's own chunks within the size it counts.
constexpr long long headerRoom = 4096;

}  // namespace

bool fitsHeader(FileType type, SampleFormat format, long long frames, int channels) {
  const long long limit = type == FileType::wav    ? 0xFFFFFFFFLL - headerRoom
                          : type == FileType::aiff ? 0x7FFFFFFFLL - headerRoom
                                                   : -1;
  return limit < 0 || frames <= limit / frameBytes(format, channels);
}

std::optional<unsigned long long> fileBytes(FileType type, SampleFormat format, long long frames,
                                            int channels) {
  if (type == FileType::flac) return std::nullopt;
  return static_cast<unsigned long long>(frames) * frameBytes(format, channels) + headerRoom;
}

std::unique_ptr<AudioSink> openFileSink(const FileSinkOptions& options) {
  return std::make_unique<FileSink>(options);
}

std::unique_ptr<AudioSink> openRawSink(std::FILE* out, int channels) {
  return std::make_unique<RawSink>(out, channels);
}

}  // namespace zun::tools
