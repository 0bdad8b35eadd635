#include "simulator/listen_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "files/errno_text.h"
#include "files/lock_wait.h"
#include "files/own_file.h"
#include "protocol/simulator_frames.h"

namespace zor::simulator {
namespace {

// How long a starting simulator asks the one that holds the lock for its pid.
constexpr std::chrono::milliseconds kAskWait{1000};

files::Result<sockaddr_un> addressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) {
    return files::Failure{"the socket path must have 1 to " + std::to_string(sizeof address.sun_path - 1) +
                          " bytes: " + path};
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

// The folder holds the socket: nobody but us may be able to replace it there.
files::Result<> safeFolder(const std::filesystem::path& folder) {
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0) {
    if (errno != ENOENT || ::mkdir(folder.c_str(), 0700) != 0 || ::lstat(folder.c_str(), &st) != 0) {
      return files::errnoFailure("cannot make the folder " + folder.string());
    }
  }
  if (S_ISLNK(st.st_mode)) {
    return files::Failure{"the socket's folder " + folder.string() + " is a symbolic link"};
  }
  if (!S_ISDIR(st.st_mode)) {
    return files::Failure{"the socket's folder " + folder.string() + " is not a folder"};
  }
  const bool sticky = st.st_mode & S_ISVTX;
  const bool othersWrite = st.st_mode & (S_IWGRP | S_IWOTH);
  if (!sticky && (st.st_uid != ::geteuid() || othersWrite)) {
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
    return files::Failure{"the socket's folder " + folder.string() + " is not this user's alone (owner " +
                          std::to_string(st.st_uid) + ", mode " + mode + ")"};
  }
  return {};
}

// Waits for fd, at most until deadline.
bool ready(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) return false;
    pollfd watched{fd, events, 0};
    const int n = ::poll(&watched, 1, static_cast<int>(left));
    if (n > 0) return true;
    if (n < 0 && errno != EINTR) return false;
  }
}

// The pid of the simulator serving at path, from its hello; 0 when it does not say.
pid_t askPid(const sockaddr_un& address) {
  const files::UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!fd || ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return 0;
  const auto deadline = std::chrono::steady_clock::now() + kAskWait;
  const protocol::frames::Request hello{
      .call = protocol::frames::Call::Hello, .version = protocol::frames::kVersion, .program = "zor-simulator"};
  const std::vector<std::uint8_t> frame = protocol::frames::Encode(hello);
  if (!ready(fd.get(), POLLOUT, deadline) ||
      ::send(fd.get(), frame.data(), frame.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(frame.size()))
    return 0;
  std::vector<std::uint8_t> in;
  protocol::frames::FrameReader reader;
  while (ready(fd.get(), POLLIN, deadline)) {
    std::uint8_t buffer[256];
    const ssize_t n = ::recv(fd.get(), buffer, sizeof buffer, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) return 0;
    if (n > 0) reader.Add(std::span(buffer, static_cast<std::size_t>(n)));
    if (auto body = reader.Next()) {
      const auto reply = protocol::frames::DecodeReply(*body);
      return reply && reply->call == protocol::frames::Call::Hello ? static_cast<pid_t>(reply->pid) : 0;
    }
  }
  return 0;
}

// The pid the lock file holds; 0 when it holds none.
pid_t pidIn(int fd) {
  char text[24] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  return end != text && *end == '\n' && pid > 0 ? static_cast<pid_t>(pid) : 0;
}

}  // namespace

files::Result<std::unique_ptr<ListenSocket>> ListenSocket::open(const std::string& path) {
  const files::Result<sockaddr_un> address = addressOf(path);
  if (!address) return address.failure();
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (files::Result<> safe = safeFolder(folder.empty() ? "." : folder); !safe) return safe.failure();

  std::unique_ptr<ListenSocket> place(new ListenSocket());
  place->path_ = path;
  const std::string lockPath = path + ".lock";
  files::Result<files::OwnFile> lock = files::openOwnFile(lockPath, O_RDWR | O_CREAT, 4096);
  if (!lock) return files::Failure{"cannot use the lock file: " + lock.why()};
  // Never waits: a simulator holds its lock for its whole life.
  const files::Result<bool> taken = files::lockWithin(lock->fd.get(), LOCK_EX, std::chrono::milliseconds(0), lockPath);
  if (!taken) return taken.failure();
  if (!*taken) {
    pid_t other = pidIn(lock->fd.get());
    if (other == 0) other = askPid(*address);
    return files::Failure{"another zor-simulator" + (other ? " (pid " + std::to_string(other) + ")" : std::string()) +
                          " serves " + path};
  }
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(lock->fd.get(), 0) != 0 ||
      ::pwrite(lock->fd.get(), pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
    return files::errnoFailure("cannot write " + lockPath);
  }
  place->lock_ = std::move(lock->fd);

  // With the lock ours, whatever simulator made a socket here is gone.
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (!S_ISSOCK(st.st_mode) || st.st_uid != ::geteuid()) {
      return files::Failure{path + " is there and is not a socket of this user's; it is left as it is"};
    }
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
      return files::errnoFailure("cannot remove the socket a stopped simulator left at " + path);
    }
  } else if (errno != ENOENT) {
    return files::errnoFailure("cannot look at " + path);
  }

  place->socket_ = files::UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!place->socket_) {
    return files::errnoFailure("cannot make a socket");
  }
  // Made with mode 0600 from the start: no moment in which another user could connect.
  const mode_t mask = ::umask(0177);
  const int bound = ::bind(place->socket_.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
  const int bindError = errno;
  ::umask(mask);
  if (bound != 0) {
    errno = bindError;
    return files::errnoFailure("cannot make the socket " + path);
  }
  if (::lstat(path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode) || (st.st_mode & 0777) != 0600) {
    ::unlink(path.c_str());
    return files::Failure{"the socket " + path + " did not come out as a socket of mode 0600"};
  }
  place->device_ = st.st_dev;
  place->inode_ = st.st_ino;
  if (::listen(place->socket_.get(), SOMAXCONN) != 0) {
    return files::errnoFailure("cannot listen on " + path);
  }
  return place;
}

ListenSocket::~ListenSocket() {
  if (inode_ == 0) return;
  // Only our own socket: another simulator may have taken the place since.
  struct stat st {};
  if (::lstat(path_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_) ::unlink(path_.c_str());
}

}  // namespace zor::simulator
