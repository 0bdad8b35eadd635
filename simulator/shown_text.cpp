#include "simulator/shown_text.h"

#include <QString>
#include <array>
#include <cmath>
#include <cstdio>

#include "protocol/link_results.h"
#include "protocol/zor_protocol.h"
#include "simulator/fixed_number.h"
#include "text/one_line.h"

namespace zor::simulator {
namespace {

std::string hexByte(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value & 0xffu);
  return text;
}

const char* entryPoint(protocol::frames::Call call) {
  switch (call) {
    case protocol::frames::Call::Find:
      return "ZORFindSystems";
    case protocol::frames::Call::Send:
      return "dwSendCommand";
    case protocol::frames::Call::Status:
      return "dwGetStatus";
    case protocol::frames::Call::Data:
      return "dwSendData";
    case protocol::frames::Call::Check:
      return "ZORSystemCheckStatus";
    case protocol::frames::Call::Hello:
      break;
  }
  return "hello";
}

std::string resultText(const CallRecord& r) {
  std::string text = std::to_string(r.result);
  if (r.call == protocol::frames::Call::Find) {
    text += r.result != 0 ? " (found)" : " (none found)";
  } else {
    static constexpr std::array<const char*, 9> kMeanings{
        "",         "no system",      "bad argument", "unknown status", "block too short",
        "not kept", "internal error", "no answer",    "fault injected"};
    if (r.result > 0 && r.result < static_cast<std::int32_t>(kMeanings.size()))
      text += std::string(" (") + kMeanings[static_cast<std::size_t>(r.result)] + ")";
  }
  if (!r.note.empty()) text += ": " + text::OneLine(r.note);
  return text;
}

}  // namespace

std::string visibleLatin1(std::string_view latin1) {
  return text::OneLine(QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()))).toStdString();
}

const char* monitorTitle(MonitorColumn column) {
  static constexpr std::array<const char*, kMonitorColumns> kTitles{
      "Time (s)", "Client", "Entry point", "Code", "Value", "Text", "Reply", "Result", "Pause"};
  return kTitles.at(static_cast<std::size_t>(column));
}

std::string monitorCell(const CallRecord& r, MonitorColumn column) {
  switch (column) {
    case MonitorColumn::Time:
      return fixed(r.t, 3);
    case MonitorColumn::Client:
      return clientText(r.pid, r.program);
    case MonitorColumn::EntryPoint:
      return entryPoint(r.call);
    case MonitorColumn::Code:
      if (!r.code) return {};
      return (r.name.empty() ? "unknown" : r.name) + " (0x" + hexByte(static_cast<unsigned>(*r.code)) + ")";
    case MonitorColumn::Value:
      if (!r.value) return {};
      // A text's character as the character, any other value byte as the number it carries.
      if (r.code == protocol::CMD_TEXT_CHAR && *r.value != 0)
        return "0x" + hexByte(static_cast<unsigned>(*r.value)) + " '" +
               visibleLatin1(std::string(1, static_cast<char>(*r.value))) + "'";
      return std::to_string(*r.value) + " (0x" + hexByte(static_cast<unsigned>(*r.value)) + ")";
    case MonitorColumn::Text:
      return r.text ? visibleLatin1(*r.text) : std::string();
    case MonitorColumn::Reply: {
      std::string hex;
      for (const std::uint8_t byte : r.reply) hex += (hex.empty() ? "" : " ") + hexByte(byte);
      return hex;
    }
    case MonitorColumn::Result:
      return resultText(r);
    case MonitorColumn::Pause:
      if (!r.pauseMs) return {};
      // Marked in words as well as in colour.
      return fixed(*r.pauseMs, 1) + " ms" +
             (r.shortPause ? " SHORT (" + std::to_string(r.pauseNeededMs) + " needed)" : std::string());
  }
  return {};
}

std::string measuredText(const simulator::Outline& o) {
  auto off = [&](double measured) {
    double percent = o.nominal > 0 ? std::round((measured / o.nominal - 1) * 10000) / 100 : 0;
    if (percent == 0) percent = 0;  // no "-0.00"
    return (percent >= 0 ? "+" : "") + fixed(percent, 2) + " %";
  };
  return fixed(o.width, 2) + " \u00d7 " + fixed(o.height, 2) + " mm, nominal " + fixed(o.nominal, 2) + " mm (" +
         off(o.width) + ", " + off(o.height) + ")";
}

std::string clientText(pid_t pid, std::string_view program) {
  const std::string id = "pid " + std::to_string(pid);
  return program.empty() ? id : text::OneLine(program) + " (" + id + ")";
}

std::string workTimeText(std::uint32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%u,%02u:%02u:%02u", seconds / 86400, seconds / 3600 % 24, seconds / 60 % 60,
                seconds % 60);
  return text;
}

std::string adjustmentText(const SystemState& state) {
  switch (state.mode) {
    case controller::Mode::Idle:
      return "none";
    case controller::Mode::DistortionAdjust:
      return "distortion";
    case controller::Mode::CenterAdjust:
      return "centering";
    case controller::Mode::AimTopLeft:
      return "aiming alignment, top left point";
    case controller::Mode::AimBottomRight:
      return "aiming alignment, right bottom point";
  }
  return "?";
}

std::vector<std::string> faultTexts(const Faults& faults) {
  std::vector<std::string> on;
  if (faults.refuseSends > 0)
    on.push_back("refusing the next " + std::to_string(faults.refuseSends) +
                 (faults.refuseSends == 1 ? " packet" : " packets"));
  if (faults.noStatus) on.push_back("status queries unanswered");
  if (faults.noDiscovery) on.push_back("no discovery");
  if (faults.delay.count() > 0) on.push_back("answering " + std::to_string(faults.delay.count()) + " ms late");
  return on;
}

}  // namespace zor::simulator
