#pragma once
// Text from outside (the controller, a file, the log, another program) shown
// without letting it steer a terminal or break a line: on one line, every
// control character shown as an escape: \n, \t, \xNN for the other C0
// characters and DEL, \u00NN for C1 (U+0080 to U+009F, which Latin-1 texts
// can hold). A terminal takes ESC and CSI (U+009B) as the start of a command,
// so none of them reaches one raw.

#include <QString>
#include <string>
#include <string_view>

namespace zor::text {

QString OneLine(const QString& text);
// The same of UTF-8 text; a byte that is not UTF-8 shows as U+FFFD.
std::string OneLine(std::string_view utf8);

}  // namespace zor::text
