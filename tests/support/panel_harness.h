#pragma once
// The main panel on the fake device link, the virtual pacer and the scripted
// prompter, driven through its real widgets. Everything the panel does to the
// outside world lands in one transcript.

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "link/channel.h"
#include "panel/main_dialog.h"
#include "tests/support/recording_link.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/transcript.h"
#include "tests/support/virtual_pacer.h"

class QLineEdit;
class QPushButton;

namespace zortest {

class PanelHarness {
 public:
  PanelHarness();
  ~PanelHarness();

  Transcript transcript;
  RecordingLink link{transcript};
  VirtualPacer pacer{transcript};
  ScriptedPrompter prompter{transcript};
  bool libraryPresent = true;  // false: loading the device link fails
  // The panel's service log: in a folder of this harness's own, never the home's.
  QTemporaryDir stateFolder;
  std::filesystem::path serviceLog;

  // Creates the panel and runs its start-up as the tool does (without the
  // modal loop), shows it offscreen, and then clears the transcript so a
  // test sees only what follows.
  zor::panel::CZORSystemMaintenanceDlg& start(bool clearTranscript = true);
  zor::panel::CZORSystemMaintenanceDlg& panel() { return *panel_; }

  // A real mouse click on the control, as the user would press it. A
  // disabled or hidden button does nothing, as on screen.
  void press(int id);
  // Runs the button's handler even when the button is hidden (for the
  // handlers the template hides).
  void invoke(int id);
  // Replaces the field's text the way a user types it (the combo: its edit field).
  void type(int id, const QString& text);
  // Chooses list entry index in a combo box, as picking it from the list does.
  void choose(int id, int index);
  QString text(int id) const;
  bool enabled(int id) const;

  // Identity block bytes for a system with this model name (and other fields).
  static std::vector<std::uint8_t> IdentityBlock(const char* model, std::int32_t serial = 1234,
                                                 const char* version = "V1.00", const char* date = "01/02/26",
                                                 std::uint16_t lens = 163);

 private:
  std::unique_ptr<zor::panel::CZORSystemMaintenanceDlg> panel_;
};

// "box [ZORSystemMaintenance] text": a message box of the panel or of one of its dialogs.
std::string PanelBox(std::u16string_view text);
// The box of an operation that found no system.
inline const std::string kNotConnectedPanelBox = PanelBox(zor::link::kNotConnectedMessage);

// The name assistive technology reads for the widget.
QString AccessibleName(QWidget* widget);

}  // namespace zortest
