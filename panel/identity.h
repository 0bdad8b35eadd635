#pragma once
// What the main panel does with the identity read when a system is found:
// lay the panel out for its device family, fill the identity fields and tell
// the user what was found.

#include <string>

#include "service/maintenance.h"

namespace zor::panel {

// The main panel as the identity display sees it.
class PanelSurface {
 public:
  virtual ~PanelSurface() = default;
  virtual void setControlEnabled(int id, bool enabled) = 0;
  virtual void setControlText(int id, const std::u16string& text) = 0;  // for a combo: its edit text
  virtual void showFamilyPicture(int bitmapId) = 0;
  virtual void setLensIndex(int index) = 0;                  // m_nLensIndex
  virtual void rewriteBoundFields() = 0;                     // members -> their edits
  virtual void showMessage(const std::u16string& text) = 0;  // modal, OK only
};

// An unreadable identity leaves the fields and the layout as they were: an
// all-zero block would pass off serial 0 and an empty name as the system, and
// lay the panel out for the wrong family.
void ShowIdentity(const zor::service::Identity& identity, PanelSurface& panel);

}  // namespace zor::panel
