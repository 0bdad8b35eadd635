// The recording link as a libZorComm.so, for tests of whole programs, found
// through LD_LIBRARY_PATH as any other device link would be. It appends each
// event to the file named by ZOR_RECORD and answers as a system named NZ-REC
// whose every other reply is zeros. Switched by its environment:
//   ZOR_RECORD_MODEL=model           answer as that model (cut to 10 bytes)
//   ZOR_RECORD_FIND=r[,r...]         the results of successive discoveries (0: no system)
//   ZOR_RECORD_UNANSWERED=c[,c...]   these status codes fail (result 1)
//   ZOR_RECORD_REFUSE=n              the n-th packet fails (result 2)
//   ZOR_RECORD_REPLY=c:HEX[,c:HEX...] status code c answers with these bytes
//                                    (hexadecimal, two digits a byte)
//   ZOR_RECORD_SIGNAL=n:s[,n:s...]   the process gets signal s once the n-th
//                                    packet is recorded: a signal that
//                                    arrives while a text is going out
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/recording_link.h"

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace zortest {

void RecordingLinkMisused(const std::string& what) { std::fprintf(stderr, "recording link: %s\n", what.c_str()); }

namespace {

// The numbers of a list such as "1:2,3:15", every separator alike.
std::vector<long> Numbers(const char* variable) {
  std::vector<long> numbers;
  const char* text = std::getenv(variable);
  if (text == nullptr) return numbers;
  std::istringstream in(text);
  long n = 0;
  char separator = 0;
  while (in >> n) {
    numbers.push_back(n);
    in >> separator;
  }
  return numbers;
}

void Append(const std::string& event) {
  const char* path = std::getenv("ZOR_RECORD");
  if (path == nullptr) return;
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fprintf(f, "%s\n", event.c_str());
    std::fclose(f);
  }
}

RecordingLink& Configure(RecordingLink& link) {
  const char* model = std::getenv("ZOR_RECORD_MODEL");
  link.answerAs(model != nullptr ? model : "NZ-REC");
  link.answerUnsetWithZeros();
  if (const auto results = Numbers("ZOR_RECORD_FIND"); !results.empty())
    link.setFindResults({results.begin(), results.end()});
  for (const long code : Numbers("ZOR_RECORD_UNANSWERED")) link.setStatusUntouched(static_cast<int>(code), 1);
  if (const auto refuse = Numbers("ZOR_RECORD_REFUSE"); !refuse.empty())
    link.refusePacket(static_cast<std::size_t>(refuse.front()));
  if (const char* replies = std::getenv("ZOR_RECORD_REPLY")) {
    std::istringstream in(replies);
    std::string reply;
    while (std::getline(in, reply, ',')) {
      const auto colon = reply.find(':');
      if (colon == std::string::npos) continue;
      std::vector<std::uint8_t> bytes;
      for (std::size_t i = colon + 1; i + 1 < reply.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(reply.substr(i, 2), nullptr, 16)));
      link.setStatus(std::stoi(reply.substr(0, colon)), std::move(bytes));
    }
  }
  const auto signals = Numbers("ZOR_RECORD_SIGNAL");
  for (std::size_t i = 0; i + 1 < signals.size(); i += 2) {
    const int signal = static_cast<int>(signals[i + 1]);
    link.onPacket(static_cast<std::size_t>(signals[i]), [signal] { kill(getpid(), signal); });
  }
  return link;
}

RecordingLink& Link() {
  static RecordingLink link(Append);
  static RecordingLink& configured = Configure(link);
  return configured;
}

}  // namespace

}  // namespace zortest

EXPORT std::int32_t dwSendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  return zortest::Link().sendCommand(packet, length, name);
}

EXPORT std::int32_t dwGetStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                                const char16_t* name) {
  return zortest::Link().getStatus(code, reserved, block, length, name);
}

EXPORT std::int32_t ZORFindSystems(std::uint8_t* discovery, std::int32_t* found) {
  return zortest::Link().findSystems(discovery, found);
}

EXPORT std::int32_t dwSendData(const std::uint8_t* data, std::int32_t length, const char16_t* name) {
  return zortest::Link().sendData(data, length, name);
}

EXPORT std::int32_t ZORSystemCheckStatus(const char16_t* name) { return zortest::Link().checkStatus(name); }
