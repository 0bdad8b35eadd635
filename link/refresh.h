#pragma once
// The reaction to a successful connection: read the identity, lay the panel
// out for the device family, fill the identity fields and tell the user.

#include <string>

#include "link/channel.h"
#include "link/system_info.h"

namespace zor {

// The main panel as the refresh sees it.
class PanelSurface {
 public:
  virtual ~PanelSurface() = default;
  virtual void setControlEnabled(int id, bool enabled) = 0;
  virtual void setControlText(int id, const std::u16string& text) = 0;  // for a combo: its edit text
  virtual void showFamilyPicture(int bitmapId) = 0;
  virtual void setLensIndex(int index) = 0;                              // m_nLensIndex
  virtual void rewriteBoundFields() = 0;                                 // members -> their edits
  virtual void showMessage(const std::u16string& text) = 0;              // modal, OK only
};

// Shown instead of the identity when a system answered discovery but its
// identity block could not be read; fields and layout then stay as they were.
inline constexpr std::u16string_view kIdentityUnreadableMessage =
    u"A marking system was found, but its identity could not be read.\n"
    u"Check the connection and press \"Get Info\" to try again.";

void RefreshSystemInfo(CommandChannel& channel, PanelSurface& panel);

}  // namespace zor
