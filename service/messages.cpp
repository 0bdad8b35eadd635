#include "service/messages.h"

#include <QtGlobal>

#include "service/maintenance.h"
#include "service/operation.h"
#include "service/text.h"

namespace zor::service {

namespace {

// The names below reach a message through a variable (the table of settings
// holds the titles, InputName the fields' names), so they are translated by
// their English; named here, lupdate takes them into the translations.
[[maybe_unused]] constexpr const char* kNames[] = {
    QT_TRANSLATE_NOOP("zor::service::Names", "Currents"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Min Current"),
    QT_TRANSLATE_NOOP("zor::service::Names", "20% Current"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Max Current"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Lens"),
    QT_TRANSLATE_NOOP("zor::service::Names", "XY Distortion Correction"),
    QT_TRANSLATE_NOOP("zor::service::Names", "X Distortion Correction"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Y Distortion Correction"),
    QT_TRANSLATE_NOOP("zor::service::Names", "XY Scale Correction"),
    QT_TRANSLATE_NOOP("zor::service::Names", "X Scale Correction"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Y Scale Correction"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Serial Number"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Model Name"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Ctrlr Model"),
    QT_TRANSLATE_NOOP("zor::service::Names", "X Multiplier"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Y Multiplier"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Working Time"),
    QT_TRANSLATE_NOOP("zor::service::Names", "MAC Address"),
    QT_TRANSLATE_NOOP("zor::service::Names", "IP Address"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Subnet Mask"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Gateway IP"),
    QT_TRANSLATE_NOOP("zor::service::Names", "SHIP ID"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Password"),
    QT_TRANSLATE_NOOP("zor::service::Names", "RC Jump Delay"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Move To X"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Move To Y"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Pulse"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Width across the middle"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Height across the middle"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Top edge"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Left edge"),
    QT_TRANSLATE_NOOP("zor::service::Names", "Nominal size"),
};

text::PeopleText Name(const std::u16string& english) { return Marked("zor::service::Names", ToUtf8(english).c_str()); }

}  // namespace

text::PeopleText InputText(Input input) { return Name(InputName(input)); }

text::PeopleText SettingTitleText(std::u16string_view title) { return Name(std::u16string(title)); }

text::PeopleText WrongPasswordText() {
  return text::Tr("zor::service::Messages", "the service password is wrong; nothing was sent");
}

text::PeopleText MacIncompleteText() {
  return text::Tr("zor::service::Messages",
                  "The MAC address is incomplete. Enter all six groups of two hexadecimal digits, for example "
                  "00:1A:2B:3C:4D:5E. Nothing was sent.");
}

text::PeopleText IdentityUnreadableText() {
  return text::Tr("zor::service::Messages",
                  "A marking system was found, but its identity could not be read.\n"
                  "Check the connection and press \"Get Info\" to try again.");
}

}  // namespace zor::service
