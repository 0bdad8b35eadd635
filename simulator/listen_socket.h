#pragma once
// The place where zor-simulator serves: a Unix-domain socket in a folder of
// this user, one simulator per socket. The lock file "<socket>.lock" beside
// the socket, locked for the simulator's life, tells a live simulator (which
// keeps it) from a dead one (whose socket is taken over).

#include <sys/types.h>

#include <memory>
#include <string>

#include "files/result.h"
#include "files/unique_fd.h"

namespace zor::simulator {

class ListenSocket {
 public:
  // Takes the place at path and listens there:
  // - the socket's folder, created 0700 when missing, must be a folder (not
  //   a symbolic link) that nobody else can put a socket into (ours, or
  //   sticky like /tmp);
  // - "<path>.lock" is locked without waiting; when another simulator holds
  //   it, the failure names that simulator (its pid from the lock file, else from a
  //   hello over its socket);
  // - a socket of ours left at path by a simulator that died is removed;
  //   anything else there is refused;
  // - the socket is made with mode 0600 and listens, not blocking.
  // A failure, saying why, when the place cannot be taken.
  static files::Result<std::unique_ptr<ListenSocket>> open(const std::string& path);
  // Removes the socket when it is still the one made here.
  ~ListenSocket();
  ListenSocket(const ListenSocket&) = delete;
  ListenSocket& operator=(const ListenSocket&) = delete;

  int fd() const { return socket_.get(); }
  const std::string& path() const { return path_; }

 private:
  ListenSocket() = default;

  std::string path_;
  files::UniqueFd lock_;
  files::UniqueFd socket_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};

}  // namespace zor::simulator
