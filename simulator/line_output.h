#pragma once
// A stream of lines to a descriptor that may be a pipe nobody reads, such as
// zor-simulator's standard error: no line ever makes the program wait. Each
// line goes out whole when the descriptor takes it; what it does not take
// waits in a small buffer of whole lines, written as soon as the descriptor
// is ready again. A line that does not fit there is lost; the first time
// writing works again, one line says how many were.

#include <QSocketNotifier>
#include <chrono>
#include <cstddef>
#include <memory>
#include <streambuf>
#include <string>

#include "files/unique_fd.h"

namespace zor::simulator {

inline constexpr std::size_t kLineBuffer = 64 * 1024;

class LineOutput : public std::streambuf {
 public:
  // fd stays open and the caller's; buffer: the bytes of whole lines that may wait.
  explicit LineOutput(int fd, std::size_t buffer = kLineBuffer);
  // Writes what waits, waiting for the descriptor at most kFinalWait.
  ~LineOutput() override;
  LineOutput(const LineOutput&) = delete;
  LineOutput& operator=(const LineOutput&) = delete;

  // Lines lost since the last that went out.
  std::size_t lost() const { return lost_; }
  // Bytes of whole lines waiting for the descriptor.
  std::size_t waiting() const { return waiting_.size(); }
  // Writes what waits without waiting; once the program ends, waiting at most bound.
  void drain(std::chrono::milliseconds bound = std::chrono::milliseconds(0));

  static constexpr std::chrono::milliseconds kFinalWait{1000};

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize size) override;
  int sync() override;

 private:
  enum class Way { Write, Send, Polled };
  void add(char c);
  void endLine();
  // One write that never waits; the bytes taken, 0 when none can be now, -1 on a lasting error.
  long writeSome(const char* data, std::size_t size);
  void watch();

  int fd_;
  files::UniqueFd own_;  // the descriptor opened anew to write without waiting, when it was needed
  Way way_ = Way::Write;
  std::size_t capacity_;
  std::string line_;     // the line being made
  std::string waiting_;  // whole lines not written yet
  std::size_t lost_ = 0;
  bool broken_ = false;  // the descriptor failed for good (its reader closed it)
  std::unique_ptr<QSocketNotifier> ready_;
};

}  // namespace zor::simulator
