#pragma once
// QString is UTF-16 already: the window-free code reads it in place.

#include <QString>
#include <string_view>

namespace zor::platform {

inline std::u16string_view Utf16View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace zor::platform
