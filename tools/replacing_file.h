#pragma once

// Writing a file so that it appears whole or not at all: the data go to a
// temporary file in the same directory, which replaces the target by a
// rename only once everything is written. A failed or interrupted write
// leaves an existing target as it was.

#include <string>

namespace zun::tools {

class ReplacingFile {
 public:
  // Creates the temporary file; throws std::runtime_error if the target's
  // directory does not take it or the target is a directory.
  explicit ReplacingFile(std::string target);
  ~ReplacingFile();  // removes the temporary file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  int fd() const { return fd_; }
  const std::string& temporaryPath() const { return temporary_; }

  // Writes all of `size` bytes; throws on failure.
  void write(const void* data, size_t size);

  // Flushes, gives the file the target's permissions (or the usual ones
  // for a new file) and renames it over the target. Throws on failure.
  void commit();

 private:
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace zun::tools
