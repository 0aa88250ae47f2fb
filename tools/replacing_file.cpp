#include "replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace zun::tools {

namespace {

std::runtime_error failure(const std::string& what) {
  return std::runtime_error(what + ": " + std::strerror(errno));
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A path that is a symbolic link names the file the link leads to: that
// file is replaced and the link kept. Links are followed as the system
// follows them, up to its limit of 40.
std::string linkTarget(std::string path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) break;
    path = (next.is_absolute() ? next : fs::path(path).parent_path() / next).string();
  }
  return path;
}

}  // namespace

std::optional<unsigned long long> freeSpaceFor(const std::string& target) {
  const std::string path = linkTarget(target);
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) return std::nullopt;
  std::filesystem::path dir = std::filesystem::path(path).parent_path();
  struct statvfs disk {};
  if (::statvfs(dir.empty() ? "." : dir.c_str(), &disk) != 0) return std::nullopt;
  // Blocks kept for root are root's to use.
  const unsigned long long blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
  return blocks * disk.f_frsize;
}

ReplacingFile::ReplacingFile(std::string target) : target_(linkTarget(std::move(target))) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(target_, ec))
    throw std::runtime_error("cannot write " + target_ + ": it is a directory");
  struct stat existing {};
  if (::stat(target_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) throw failure("cannot write " + target_);
    inPlace_ = true;
    return;
  }
  const fs::path path(target_);
  fs::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  std::string pattern = (dir / ("." + path.filename().string() + ".zun-XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) throw failure("cannot write in " + dir.string());
  temporary_ = name.data();
}

ReplacingFile::~ReplacingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

void ReplacingFile::write(const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd_, p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw failure("cannot write " + target_);
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
}

void ReplacingFile::commit() {
  if (inPlace_) {
    // Pipes and devices take no fsync, and keep their own permissions.
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw failure("cannot write " + target_);
    committed_ = true;
    return;
  }
  struct stat existing {};
  const mode_t mode =
      ::stat(target_.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : newFileMode();
  if (::fchmod(fd_, mode) != 0) throw failure("cannot set the permissions of " + target_);
  if (::fsync(fd_) != 0) throw failure("cannot write " + target_);
  if (::close(fd_) != 0) {
    fd_ = -1;
    throw failure("cannot write " + target_);
  }
  fd_ = -1;
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) throw failure("cannot write " + target_);
  committed_ = true;
}

}  // namespace zun::tools
