#pragma once
// Keys given twice in one object of a JSON text. Qt's reader keeps the last
// of them without a word; a file whose meaning hangs on which one counts is
// to be refused instead, with the key named.

#include <optional>
#include <string>
#include <string_view>

namespace zor::service {

struct DuplicateKey {
  std::u16string key;    // escapes decoded, as the reader compares keys
  std::u16string where;  // the members leading to the object: "" (the top level), "settings", "a.b[2]"
};

// The first key given twice in one object, or nullopt. The text must already
// have been read as JSON.
std::optional<DuplicateKey> FindDuplicateKey(std::string_view json);

}  // namespace zor::service
