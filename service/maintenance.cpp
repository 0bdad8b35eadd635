#include "service/maintenance.h"

#include <QString>
#include <array>
#include <cstdio>

#include "service/messages.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {

namespace {

constexpr std::u16string_view kServicePassword = u"KPLVoxen";

// "U+0130", or "U+1F600" for a surrogate pair.
std::u16string CodePointName(char32_t c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return FromUtf8(buffer);
}

}  // namespace

Maintenance::Maintenance(const link::DeviceLink& link, link::Pacer& pacer, Host& host)
    : channel_(link, pacer, *this), host_(host) {}

Maintenance::~Maintenance() = default;

void Maintenance::connect() {
  bool answered = channel_.FindSystems();
  const std::vector<link::FoundSystem> found = channel_.systems();
  if (found.size() > 1) {
    const std::optional<std::size_t> addressed = link::AddressedSystem(found);
    const std::optional<std::size_t> pick = host_.chooseSystem(found, addressed);
    if (!pick || *pick >= found.size() || !link::AddressSystem(found[*pick].serial)) {
      channel_.MarkNotConnected();
      return;
    }
    if (!answered || pick != addressed) answered = channel_.FindSystems();
    // Not there any more: nothing may go on to the one addressed before.
    if (!answered) channel_.MarkNotConnected();
  }
  if (answered) channel_.MarkConnected();
}

Outcome Maintenance::checkConnection() {
  return read<bool>([&]() -> Reading<bool> {
    channel_.EnsureConnected();
    return true;
  });
}

void Maintenance::showNotConnected() { host_.notConnected(); }

Reading<Identity> Maintenance::readIdentity() {
  std::array<std::uint8_t, protocol::kSystemInfoLength> block{};
  if (channel_.QueryStatus(protocol::CMD_GET_SYSTEM_INFO, block.data(), protocol::kSystemInfoLength) != 0)
    return Outcome::failed(Status::ReadFailed, text::Tr("zor::service::Maintenance",
                                                        "The identity could not be read from the controller."));
  Identity identity;
  identity.readable = true;
  identity.info = link::ParseSystemInfo(block.data());
  identity.family = link::DecideFamily(identity.info.model);
  return identity;
}

// The identity is read without a connection check: the system has just answered.
void Maintenance::onConnected() {
  const Reading<Identity> identity = readIdentity();
  // An unreadable block is not an identity: keep the one known before.
  if (identity.ok() || !identity_) identity_ = identity.value;
  host_.identified(identity.value);
}

void Maintenance::report(const Operation& operation, const Outcome& outcome) {
  if (observer_ == nullptr) return;
  observer_->operationEnded({operation.name, operation.value, outcome});
}

void Maintenance::reportOperation(std::u16string_view name, std::u16string value, const Outcome& outcome) {
  if (observer_ != nullptr) observer_->operationEnded({std::u16string(name), std::move(value), outcome});
}

Outcome NotAcceptedOutcome(const link::ChannelStopped& stopped, const char* caution) {
  text::PeopleText told = text::Tr("zor::service::Maintenance",
                                   "The marking system did not accept the command (device link result %1), so "
                                   "nothing more was sent. The next operation looks for the system again.")
                              .arg(Decimal(stopped.result));
  if (caution != nullptr && *caution != '\0')
    told = told + text::PeopleText(QStringLiteral("\n\n"), QStringLiteral("\n\n")) +
           Marked("zor::service::Maintenance", caution);
  return Outcome::failed(Status::NotAccepted, told);
}

Outcome Maintenance::sendText(Input input, int code, std::u16string_view text) {
  return sendText(SetOperationName(input), input, code, text);
}

Outcome Maintenance::sendText(std::u16string operation, Input input, int code, std::u16string_view text) {
  return send({std::move(operation), std::u16string(text)}, [&] {
    if (Outcome check = CheckOneByteText(input, text); !check.ok()) return check;
    channel_.SendText(code, text);
    return Outcome::done();
  });
}

bool MatchesServicePassword(std::u16string_view typed) {
  return ToQString(typed).compare(ToQString(kServicePassword), Qt::CaseInsensitive) == 0;
}

// The controller takes text one byte per packet into a buffer of
// kMaxTextLength characters: a wider character would arrive as another one,
// a zero byte would end the text early, and a longer text is dropped whole.
Outcome CheckOneByteText(Input input, std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit != 0 && unit <= 0xFF) continue;
    std::u16string shown(1, unit);
    char32_t code = unit;
    const bool pair =
        unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pair) {
      shown.push_back(text[i + 1]);
      code = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    }
    // The character itself goes in last: it may be a '%'.
    const text::PeopleText message =
        unit == 0 ? text::Tr("zor::service::Maintenance",
                             "The %1 holds the character (%2), which would end the text early. Nothing was sent.")
                        .arg(InputText(input))
                        .arg(CodePointName(code))
                  : text::Tr("zor::service::Maintenance",
                             "The %1 holds the character \u201C%3\u201D (%2), which the controller cannot take: it "
                             "takes Latin-1 characters only. Nothing was sent.")
                        .arg(InputText(input))
                        .arg(CodePointName(code))
                        .arg(shown);
    return Outcome::refused(input, message);
  }
  if (text.size() > protocol::kMaxTextLength) {
    return Outcome::refused(input, text::Tr("zor::service::Maintenance",
                                            "The %1 is too long: it goes out as %2 characters, and the controller "
                                            "takes at most %3 in one text. Nothing was sent.")
                                       .arg(InputText(input))
                                       .arg(Decimal(static_cast<long long>(text.size())))
                                       .arg(Decimal(static_cast<long long>(protocol::kMaxTextLength))));
  }
  return Outcome::done();
}

}  // namespace zor::service
