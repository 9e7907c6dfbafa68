#include "shell/files/desktop_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/runtime.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace desktop_files {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string Failure(const std::string& path, const std::string& what, int error) {
  return Format(TextOf(TextId::SaveFailure), path.c_str(), what.c_str(),
                DescribeError(error).c_str());
}

// What could not be done in a folder, with the folder.
std::string InFolder(TextId what, const std::string& folder) {
  return Format(TextOf(what), folder.c_str());
}

// Writes all bytes, retrying after interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string DescribeError(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return TextOf(TextId::ErrorNoPermission);
    case EROFS:
      return TextOf(TextId::ErrorReadOnly);
    case ENOSPC:
      return TextOf(TextId::ErrorDiscFull);
    case EDQUOT:
      return TextOf(TextId::ErrorQuota);
    case ENOENT:
      return TextOf(TextId::ErrorNoFolder);
    case ENOTDIR:
      return TextOf(TextId::ErrorNotAFolder);
    case EISDIR:
      return TextOf(TextId::ErrorIsAFolder);
    case ENAMETOOLONG:
      return TextOf(TextId::ErrorNameTooLong);
    case EIO:
      return TextOf(TextId::ErrorInputOutput);
    case EXDEV:
      return TextOf(TextId::ErrorOtherFileSystem);
    default:
      return Format(TextOf(TextId::ErrorSystem), error);
  }
}

std::string WriteFileAtomically(std::string_view pathView, std::string_view bytes) {
  const std::string path(pathView);
  if (path.empty() || path.back() == '/') {
    return Format(TextOf(TextId::SaveFailureEmptyName), path.c_str());
  }
  const std::string folder = FolderOf(path);
  const std::string name = path.substr(path.rfind('/') + 1);
  std::string temporary = folder + "/." + name + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    return Failure(path, InFolder(TextId::CannotCreateInFolder, folder), errno);
  }
  // mkstemp makes the file private; a saved file is readable as usual.
  ::fchmod(fd, 0644);
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    return Failure(path, InFolder(TextId::CannotWriteInFolder, folder), error);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failure(path, InFolder(TextId::CannotWriteInFolder, folder), error);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failure(path, InFolder(TextId::CannotRenameInFolder, folder), error);
  }
  // The new name survives a power cut once the folder is on the disc too.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return {};
}

std::optional<std::string> ReadSmallFile(std::string_view pathView, std::size_t maxBytes) {
  const std::string path(pathView);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) > maxBytes) {
    ::close(fd);
    return std::nullopt;
  }
  std::string content;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || content.size() + static_cast<std::size_t>(n) > maxBytes) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return content;
}

bool MakeFolders(std::string_view pathView) {
  const std::string path(pathView);
  if (path.empty()) return false;
  for (std::size_t at = 1; at <= path.size(); ++at) {
    if (at != path.size() && path[at] != '/') continue;
    const std::string part = path.substr(0, at);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string StateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::string(state) + "/trelko";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/state/trelko";
  return {};
}

}  // namespace desktop_files

}  // namespace lab
