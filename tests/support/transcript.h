#pragma once
// What a person or the controller would have observed during an operation,
// one event per entry, in order. Fakes record into a shared Transcript; tests
// compare whole transcripts so order and pacing are checked together.
//
// Event formats:
//   send 42 31               a packet FF FF 42 31 (bytes 2 and 3, upper-case hex)
//   send? ...                a packet that is not 4 bytes FF FF with "SYSTEM NAME NOT USED"
//   find -> 1                a discovery call and its result
//   query 142/38 -> 0        a status query: code/length -> result ("query? ..." when odd)
//   wait 100                 a pause through the pacer
//   box [Title] text         a message box; line breaks written as the two characters \n
//   modal Window Title       a dialog run modally

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zortest {

class Transcript {
 public:
  Transcript() = default;
  Transcript(std::initializer_list<std::string> events) : events_(events) {}

  void add(std::string event) { events_.push_back(std::move(event)); }
  const std::vector<std::string>& events() const { return events_; }
  void clear() { events_.clear(); }

  bool operator==(const Transcript&) const = default;

 private:
  std::vector<std::string> events_;
};

// One event per line, numbered, so a failed comparison shows where it parts.
std::ostream& operator<<(std::ostream& out, const Transcript& transcript);
void PrintTo(const Transcript& transcript, std::ostream* out);

// UTF-16 to UTF-8 (lone surrogates become U+FFFD).
std::string Utf8(std::u16string_view text);
// "box [title] text" with each line break as the two characters \n.
std::string BoxEvent(std::u16string_view title, std::u16string_view text);

}  // namespace zortest
