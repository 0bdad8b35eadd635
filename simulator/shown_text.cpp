#include "simulator/shown_text.h"

#include <QCoreApplication>
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

// The words of the window in the user's language; the numbers, codes and
// names around them stay as they are.
constexpr const char* kContext = "zor::simulator::ShownText";

std::string localText(const char* text) { return QCoreApplication::translate(kContext, text).toStdString(); }

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
    text += " (" +
            localText(r.result != 0 ? QT_TRANSLATE_NOOP("zor::simulator::ShownText", "found")
                                    : QT_TRANSLATE_NOOP("zor::simulator::ShownText", "none found")) +
            ")";
  } else {
    static constexpr std::array<const char*, 9> kMeanings{
        "",
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "no system"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "bad argument"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "unknown status"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "block too short"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "not kept"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "internal error"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "no answer"),
        QT_TRANSLATE_NOOP("zor::simulator::ShownText", "fault injected")};
    if (r.result > 0 && r.result < static_cast<std::int32_t>(kMeanings.size()))
      text += " (" + localText(kMeanings[static_cast<std::size_t>(r.result)]) + ")";
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
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Time (s)"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Client"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Entry point"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Code"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Value"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Text"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Reply"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Result"),
      QT_TRANSLATE_NOOP("zor::simulator::ShownText", "Pause")};
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
      if (!r.shortPause) return fixed(*r.pauseMs, 1) + " ms";
      return QCoreApplication::translate("zor::simulator::ShownText", "%1 ms SHORT (%2 needed)")
          .arg(QString::fromStdString(fixed(*r.pauseMs, 1)))
          .arg(r.pauseNeededMs)
          .toStdString();
  }
  return {};
}

std::string measuredText(const simulator::Outline& o) {
  auto off = [&](double measured) {
    double percent = o.nominal > 0 ? std::round((measured / o.nominal - 1) * 10000) / 100 : 0;
    if (percent == 0) percent = 0;  // no "-0.00"
    return (percent >= 0 ? "+" : "") + fixed(percent, 2) + " %";
  };
  return QCoreApplication::translate("zor::simulator::ShownText", "%1 × %2 mm, nominal %3 mm (%4, %5)")
      .arg(QString::fromStdString(fixed(o.width, 2)), QString::fromStdString(fixed(o.height, 2)),
           QString::fromStdString(fixed(o.nominal, 2)), QString::fromStdString(off(o.width)),
           QString::fromStdString(off(o.height)))
      .toStdString();
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
      return localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "none"));
    case controller::Mode::DistortionAdjust:
      return localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "distortion"));
    case controller::Mode::CenterAdjust:
      return localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "centering"));
    case controller::Mode::AimTopLeft:
      return localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "aiming alignment, top left point"));
    case controller::Mode::AimBottomRight:
      return localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "aiming alignment, right bottom point"));
  }
  return "?";
}

std::vector<std::string> faultTexts(const Faults& faults) {
  std::vector<std::string> on;
  if (faults.refuseSends > 0)
    on.push_back((faults.refuseSends == 1
                      ? QCoreApplication::translate("zor::simulator::ShownText", "refusing the next 1 packet")
                      : QCoreApplication::translate("zor::simulator::ShownText", "refusing the next %1 packets")
                            .arg(faults.refuseSends))
                     .toStdString());
  if (faults.noStatus)
    on.push_back(localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "status queries unanswered")));
  if (faults.noDiscovery) on.push_back(localText(QT_TRANSLATE_NOOP("zor::simulator::ShownText", "no discovery")));
  if (faults.delay.count() > 0)
    on.push_back(QCoreApplication::translate("zor::simulator::ShownText", "answering %1 ms late")
                     .arg(static_cast<qlonglong>(faults.delay.count()))
                     .toStdString());
  return on;
}

}  // namespace zor::simulator
