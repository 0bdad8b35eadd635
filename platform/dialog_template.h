#pragma once
// Declarative dialog templates: every control with its identifier, kind,
// caption, rectangle in dialog units and style, in tab order.
//
// Captions, accessible names and the title are English; the dialog shows them
// in the user's language, looked up under the template's context. Mark each
// one where it is written so lupdate finds it under that context:
//   {IDOK, Kind::Button, QT_TRANSLATE_NOOP("PasswordTemplate", "OK"), ...}
// An edit's caption is its initial value and is shown as written.

#include <QtGlobal>  // QT_TRANSLATE_NOOP for the templates
#include <span>

namespace zor::platform {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;  // controls that nothing addresses

enum class Kind {
  GroupBox,
  Label,
  Edit,
  Button,
  CheckBox,
  ComboDropDown,  // a list plus an editable text field
  UpDown,         // attached to the edit right before it in the template
  Picture,        // shows a bitmap at the bitmap's own size
  IpAddress,
  Custom,  // a widget the dialog makes itself (createCustomControl)
};

enum Style : unsigned {
  None = 0,
  Hidden = 1u << 0,
  Disabled = 1u << 1,
  DefaultButton = 1u << 2,
  Password = 1u << 3,
  AlignRight = 1u << 4,
};

struct ControlTemplate {
  int id;
  Kind kind;
  const char* caption;  // UTF-8; for an edit the initial text, usually empty
  int x, y, cx, cy;     // dialog units
  unsigned style = None;
  // Name for assistive technology when the caption alone does not say what
  // the control acts on. Edits and combos otherwise take the text of the
  // label right before them, buttons their caption.
  const char* accessibleName = nullptr;
};

struct DialogTemplate {
  int id;
  const char* caption;
  int cx, cy;  // client area, dialog units
  int pointSize;
  std::span<const ControlTemplate> controls;
  // The translation context of every text above; none: shown as written.
  const char* context = nullptr;
};

}  // namespace zor::platform
