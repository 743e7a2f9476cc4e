#include "platform/ByteFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

bool WriteAll(int fd, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::optional<Bytes> ReadAll(int fd) {
  Bytes bytes;
  std::uint8_t buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
}

}  // namespace

std::optional<Bytes> ReadBytesCreating(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  auto bytes = ReadAll(fd);
  ::close(fd);
  return bytes;
}

std::optional<Bytes> ReadBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  auto bytes = ReadAll(fd);
  ::close(fd);
  return bytes;
}

bool ReplaceFile(const std::string& path, const Bytes& bytes) {
  const std::string temporary = path + ".new";
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  written = (::close(fd) == 0) && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool OverwriteStart(const std::string& path, const Bytes& start) {
  Bytes content = start;
  if (::access(path.c_str(), F_OK) == 0) {
    auto old = ReadBytes(path);
    if (!old) return false;
    if (old->size() > start.size())
      content.insert(content.end(), old->begin() + static_cast<std::ptrdiff_t>(start.size()),
                     old->end());
  }
  return ReplaceFile(path, content);
}

bool FolderIsWritable(const std::string& folder) {
  ::mkdir(folder.c_str(), 0755);
  const std::string probe = folder + "/.tsubura-write-test";
  int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, Bytes{0});
  ::close(fd);
  ::unlink(probe.c_str());
  return ok;
}
