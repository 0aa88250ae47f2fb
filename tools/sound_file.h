#pragma once

// Sound files through libsndfile: reading a file into a table, and the
// outputs a render writes to (a sound file, or raw floats on a pipe).

#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zun::tools {

struct SoundData {
  long long frames = 0;
  int channels = 0;
  int sampleRate = 0;
  std::vector<float> samples;  // interleaved, from -1 to 1 for integer formats
};

// Reads every frame and channel of a file libsndfile knows (WAV, AIFF,
// FLAC, Ogg, ...). Throws std::runtime_error with the reason, and for
// files longer than `maxFrames`.
SoundData readSoundFile(const std::string& path, long long maxFrames);

enum class SampleFormat { float32, pcm16, pcm24 };
enum class FileType { wav, aiff, flac };

std::optional<SampleFormat> sampleFormatNamed(const std::string& name);
const char* sampleFormatName(SampleFormat f);
const char* fileTypeName(FileType t);

// The file type for an output path's extension (.wav, .aif, .aiff, .flac;
// none means WAV), or nullopt for an extension zun does not write.
std::optional<FileType> fileTypeFor(const std::string& path);

// Where a render goes: frames of doubles, its channels interleaved, which
// the sink turns into its format. Without finish(), nothing is kept.
class AudioSink {
 public:
  virtual ~AudioSink() = default;
  virtual void write(const double* interleaved, long frames) = 0;
  virtual void finish() = 0;
  // Samples beyond full scale that the format had to clip.
  virtual long long clipped() const { return 0; }
  // The largest magnitude the format holds as a number: a render writes a
  // larger sample as 0.
  virtual double largest() const { return std::numeric_limits<double>::max(); }
  // Whether the samples leave as they are written (a pipe, a device), so
  // that a render cut short leaves part of them behind.
  virtual bool streamed() const { return true; }
};

struct FileSinkOptions {
  std::string path;
  FileType type = FileType::wav;
  SampleFormat format = SampleFormat::float32;
  int sampleRate = 44100;
  std::uint64_t ditherSeed = 1;  // TPDF dither of the integer formats
  long long frames = 0;          // how many the render will write
  // Two make a plain WAV; 3 to 8 a WAV extensible with the channel mask of
  // as many speakers; more, a plain WAV again, whose channels name none.
  int channels = 2;
};

// Whether `frames` frames fit the 32-bit sizes of a WAV header (an AIFF
// header's sizes are signed: 31 bits). A WAV that does not fit is written
// as RF64; an AIFF that does not fit is refused.
bool fitsHeader(FileType type, SampleFormat format, long long frames, int channels = 2);

// The bytes a file of `frames` frames takes at most; nullopt for FLAC,
// whose size depends on the sound.
std::optional<unsigned long long> fileBytes(FileType type, SampleFormat format, long long frames,
                                            int channels = 2);

// Opens the output, written in place of `path` only when finished (a
// device or a pipe is written as the render goes, its header first). Throws
// std::runtime_error (an impossible format, an unwritable directory).
std::unique_ptr<AudioSink> openFileSink(const FileSinkOptions& options);

// Raw 32-bit float frames of `channels` interleaved, in the machine's byte
// order, and nothing else. Throws std::runtime_error when a write fails.
std::unique_ptr<AudioSink> openRawSink(std::FILE* out, int channels = 2);

}  // namespace zun::tools
