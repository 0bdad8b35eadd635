#include "simulator/line_output.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>

namespace zor::simulator {

LineOutput::LineOutput(int fd, std::size_t buffer) : fd_(fd), capacity_(buffer) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISREG(st.st_mode)) return;  // a file never waits for a reader
  if (S_ISSOCK(st.st_mode)) {
    way_ = Way::Send;
    return;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0 && (flags & O_NONBLOCK)) return;
  // A description of its own of the same pipe or terminal, one that does not
  // wait: the shared one keeps its flags for the other programs that write to it.
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  own_ = files::UniqueFd(::open(self.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (own_)
    fd_ = own_.get();
  else
    way_ = Way::Polled;
}

LineOutput::~LineOutput() { drain(kFinalWait); }

LineOutput::int_type LineOutput::overflow(int_type c) {
  if (!traits_type::eq_int_type(c, traits_type::eof())) add(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

std::streamsize LineOutput::xsputn(const char* text, std::streamsize size) {
  for (std::streamsize i = 0; i < size; ++i) add(text[i]);
  return size;
}

int LineOutput::sync() {
  drain();
  return 0;
}

void LineOutput::add(char c) {
  if (c == '\n') return endLine();
  if (line_.size() <= capacity_) line_ += c;  // longer: it cannot be kept whole anyway
}

void LineOutput::endLine() {
  line_ += '\n';
  drain();
  if (!broken_) {
    if (waiting_.size() + line_.size() <= capacity_)
      waiting_ += line_;
    else
      ++lost_;
  }
  line_.clear();
  drain();
}

long LineOutput::writeSome(const char* data, std::size_t size) {
  for (;;) {
    ssize_t n;
    if (way_ == Way::Send) {
      n = ::send(fd_, data, size, MSG_DONTWAIT | MSG_NOSIGNAL);
    } else {
      if (way_ == Way::Polled) {
        // Room for PIPE_BUF bytes at least once it says it is ready.
        pollfd p{fd_, POLLOUT, 0};
        const int ready = ::poll(&p, 1, 0);
        if (ready < 0 && errno == EINTR) continue;
        if (ready != 1) return 0;
        if (!(p.revents & POLLOUT)) return p.revents & (POLLERR | POLLNVAL) ? -1 : 0;
        size = std::min<std::size_t>(size, PIPE_BUF);
      }
      n = ::write(fd_, data, size);
    }
    if (n >= 0) return static_cast<long>(n);
    if (errno == EINTR) continue;
    return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
  }
}

void LineOutput::drain(std::chrono::milliseconds bound) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  while (!broken_) {
    if (waiting_.empty()) {
      if (lost_ == 0) break;
      // Writing works again: once, what was lost meanwhile.
      waiting_ = "zor-simulator: " + std::to_string(lost_) + (lost_ == 1 ? " line" : " lines") +
                 " of diagnostics lost: the error stream was not being read\n";
      lost_ = 0;
    }
    const long n = writeSome(waiting_.data(), waiting_.size());
    if (n > 0) {
      waiting_.erase(0, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0) {
      broken_ = true;  // nobody reads it any more: nothing to keep, nothing to tell
      waiting_.clear();
      break;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{fd_, POLLOUT, 0};
    ::poll(&p, 1, static_cast<int>(left.count()));
  }
  watch();
}

void LineOutput::watch() {
  if (waiting_.empty()) {
    if (ready_) ready_->setEnabled(false);
    return;
  }
  if (!ready_ && QCoreApplication::instance()) {
    ready_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
    QObject::connect(ready_.get(), &QSocketNotifier::activated, [this] { drain(); });
  }
  if (ready_) ready_->setEnabled(true);
}

}  // namespace zor::simulator
