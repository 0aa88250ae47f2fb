#pragma once

// Writing a file so that it appears whole or not at all: the data go to a
// temporary file in the same directory, which replaces the target by a
// rename only once everything is written. A failed or interrupted write
// leaves an existing target as it was. A target that is not a regular
// file (a device such as /dev/null, a named pipe, or a link to one) is
// written in place instead, as the data come: nothing is renamed over it.

#include <optional>
#include <string>

namespace zun::tools {

// The bytes free where a replacement of `target` would be written; nullopt
// for a target written in place, or when the system does not say.
std::optional<unsigned long long> freeSpaceFor(const std::string& target);

class ReplacingFile {
 public:
  // Creates the temporary file; throws std::runtime_error if the target's
  // directory does not take it or the target is a directory.
  explicit ReplacingFile(std::string target);
  ~ReplacingFile();  // removes the temporary file unless committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  int fd() const { return fd_; }
  bool inPlace() const { return inPlace_; }
  const std::string& temporaryPath() const { return temporary_; }

  // Writes all of `size` bytes; throws on failure.
  void write(const void* data, size_t size);

  // Flushes, gives the file the target's permissions (or the usual ones
  // for a new file) and renames it over the target; a target written in
  // place is only closed. Throws on failure.
  void commit();

 private:
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool committed_ = false;
  bool inPlace_ = false;
};

}  // namespace zun::tools
