#pragma once
// Every window the tool shows, each opened the way a user opens it: on a
// panel started on the fake device link, through its buttons and menu. Checks
// that must hold in every window (tests/panel/text_fit_test.cpp) and pictures of
// the windows (tests/tools/panel_snapshot) walk this one list; a new window is added
// here once.

#include <functional>
#include <span>

class QWidget;

namespace zortest {

class PanelHarness;

struct WindowEntry {
  // Short and fit for a file name: "panel-NZ", "aiming-alignment-2".
  const char* name;
  // Starts the harness's panel, opens the window and calls look(window)
  // while it is shown, then closes whatever it opened.
  std::function<void(PanelHarness&, const std::function<void(QWidget&)>& look)> open;
};

std::span<const WindowEntry> WindowCatalogue();

}  // namespace zortest
