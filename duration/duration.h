#pragma once

// Working-time durations: building one from days, hours, minutes and seconds,
// rendering one through a "%D,%H:%M:%S"-style pattern, and reading the
// "Days,HH:MM:SS" text that service staff type in. No windows, no Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/result.h"

namespace zor::duration {

// Signed whole seconds. Negative values come from typed input (a "-1" day
// reads back as 4294967295 and is reinterpreted as -1) and format by the
// same arithmetic as positive ones.
using Duration = std::int64_t;

// ((days * 24 + hours) * 60 + minutes) * 60 + seconds in 64 bits. No
// normalisation: 25 hours or 61 minutes simply carry when formatted. Cannot
// overflow for any 32-bit arguments.
Duration MakeDuration(std::int32_t days, std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

// Directives: %D days (full width), %H %M %S the part within the larger unit,
// two digits with a leading zero; %#H %#M %#S without the zero; %#D as %D;
// %% (and %#%) a literal percent. A negative part prints its sign in front,
// inside the two-digit width, as printf's "%02ld" does ("-1", not "-01").
// A failure for a null pattern and for any other directive, including a "%"
// or "%#" at the end of the pattern: the system's own patterns never fail, so
// a failure marks a programming error, not a user error.
files::Result<std::u16string> FormatDuration(Duration value, const char16_t* pattern);

// Days, hours, minutes, seconds as typed, or nullopt when the entry does not
// hold exactly four tokens. Tokens are separated by runs of ",", " " and ":";
// each converts like wcstoul(token, nullptr, 10) with a 32-bit unsigned long:
// letters end a number or make it 0, "-" negates modulo 2^32, and values
// beyond 4294967295 saturate. The text ends at its first NUL, as a wide C
// string would.
std::optional<std::array<std::uint32_t, 4>> ParseWorkingTimeEntry(std::u16string_view text);

// The stricter reading used before a working-time reset is sent: split as
// ParseWorkingTimeEntry does, but every one of the four tokens must be plain
// decimal digits, and the total (MakeDuration's arithmetic in 64 bits, the
// tokens never wrapped to 32 bits) must fit the controller's unsigned 32-bit
// counter. Carries such as 0,25:61:61 are accepted. nullopt means refuse the
// reset and show kWorkingTimeEntryRefusedMessage.
std::optional<std::uint32_t> WorkingTimeResetSeconds(std::u16string_view entry);

// Shown, captioned "Working Time", when WorkingTimeResetSeconds refuses an entry.
inline constexpr std::u16string_view kWorkingTimeEntryRefusedMessage =
    u"Enter the working time as Days,HH:MM:SS with four whole numbers, for example "
    u"1,02:03:04. The largest working time the controller can hold is 49710,06:28:15.";

}  // namespace zor::duration
