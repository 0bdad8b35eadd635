// The jog dialog for the distortion and the centering correction, opened from
// the main panel and driven through its real buttons and keys.
#include "dialogs/jog_adjustment.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "protocol/zor_protocol.h"
#include "resources/resource.h"
#include "tests/dialogs/dialog_script.h"
#include "tests/support/panel_harness.h"

namespace zor::dialogs {

using zortest::PanelHarness;
using zortest::Sent;
using zortest::Step;
using zortest::Transcript;

namespace {

const std::string kBox = zortest::PanelBox(u"");
const std::string kNotConnected = zortest::kNotConnectedPanelBox;

struct Use {
  const char* name;
  const char* model;  // the family that enables the opening button
  int button;
  const char* begin;
  const char* caption;
  const char* save;
};

const Use kDistortion{
    "distortion", "NZ-100", resources::panel::IDC_ADJUST_DISTORTION, "send 03 00", "Distortion Correction",
    "send 08 00"};
const Use kCentering{"centering", "NK-100", resources::panel::IDC_ADJUST_CENTER, "send 28 00", "Centering Adjustment",
                     "send 2A 00"};

struct Outcome {
  const char* name;
  std::vector<Step> steps;        // inside the dialog
  std::vector<std::string> sent;  // by those steps
  bool saved;                     // the dialog ended with Save
};

TEST(JogAdjustment, EveryUseEndsWithExactlyOneClosingCommand) {
  using zortest::ClickStep;
  using zortest::KeyStep;
  const Outcome outcomes[] = {
      {"Save at once", {ClickStep("Save", platform::IDOK)}, {}, true},
      {"Enter at once", {KeyStep("Enter", Qt::Key_Return)}, {}, true},
      {"Cancel at once", {ClickStep("Cancel", platform::IDCANCEL)}, {"send 9A 00"}, false},
      {"Esc at once", {KeyStep("Esc", Qt::Key_Escape)}, {"send 9A 00"}, false},
      {"close box at once", {zortest::CloseBoxStep()}, {"send 9A 00"}, false},
      {"four jogs then Save",
       {ClickStep("UP", jog::IDC_UP), ClickStep("LEFT", jog::IDC_LEFT), ClickStep("RIGHT", jog::IDC_RIGHT),
        ClickStep("DOWN", jog::IDC_DOWN), ClickStep("Save", platform::IDOK)},
       {"send 04 00", "send 07 00", "send 06 00", "send 05 00"},
       true},
      {"jogs then Esc",
       {ClickStep("DOWN", jog::IDC_DOWN), ClickStep("DOWN", jog::IDC_DOWN), KeyStep("Esc", Qt::Key_Escape)},
       {"send 05 00", "send 05 00", "send 9A 00"},
       false},
      {"jog then close box",
       {ClickStep("RIGHT", jog::IDC_RIGHT), zortest::CloseBoxStep()},
       {"send 06 00", "send 9A 00"},
       false},
  };
  for (const Use& use : {kDistortion, kCentering}) {
    for (const Outcome& o : outcomes) {
      SCOPED_TRACE(std::string(use.name) + ": " + o.name);
      PanelHarness h;
      h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(use.model));
      h.start();
      ASSERT_TRUE(h.enabled(use.button));
      int result = -1;
      h.prompter.queue([&](QDialog& d) {
        for (const Step& step : o.steps) {
          SCOPED_TRACE(step.name);
          EXPECT_TRUE(d.isVisible());
          step.act(d);
        }
        EXPECT_FALSE(d.isVisible());  // the last step closed it
        result = d.result();
        return result;
      });
      h.press(use.button);
      Transcript expected{use.begin, std::string("modal ") + use.caption};
      for (const std::string& e : o.sent) expected.add(e);
      if (o.saved) expected.add(use.save);
      EXPECT_EQ(h.transcript, expected);
      EXPECT_EQ(result, o.saved ? platform::IDOK : platform::IDCANCEL);
    }
  }
}

TEST(JogAdjustment, TenUpPressesAreTenPacketsWhateverTheUse) {
  for (const Use& use : {kDistortion, kCentering}) {
    SCOPED_TRACE(use.name);
    PanelHarness h;
    h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(use.model));
    h.start();
    h.prompter.queue([](QDialog& d) {
      for (int i = 0; i < 10; ++i) zortest::Click(d, jog::IDC_UP);
      zortest::Click(d, platform::IDOK);
      return d.result();
    });
    h.press(use.button);
    Transcript expected{use.begin, std::string("modal ") + use.caption};
    for (int i = 0; i < 10; ++i) expected.add("send 04 00");
    expected.add(use.save);
    EXPECT_EQ(h.transcript, expected);
  }
}

TEST(JogAdjustment, CaptionsButtonsAndTemplateGeometry) {
  for (const Use& use : {kDistortion, kCentering}) {
    SCOPED_TRACE(use.name);
    PanelHarness h;
    h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(use.model));
    h.start();
    h.prompter.queue([&](QDialog& d) {
      platform::Dialog& dialog = zortest::AsDialog(d);
      EXPECT_EQ(d.windowTitle(), use.caption);
      const platform::DialogUnits& u = dialog.units();
      EXPECT_EQ(d.size(), QSize(u.x(224), u.y(82)));
      const struct {
        int id;
        const char* caption;
        QRect at;
      } buttons[] = {
          {platform::IDOK, "Save", u.rect(167, 20, 50, 14)}, {platform::IDCANCEL, "Cancel", u.rect(167, 61, 50, 14)},
          {jog::IDC_UP, "UP", u.rect(51, 7, 50, 14)},        {jog::IDC_LEFT, "LEFT", u.rect(7, 35, 50, 14)},
          {jog::IDC_RIGHT, "RIGHT", u.rect(91, 35, 50, 14)}, {jog::IDC_DOWN, "DOWN", u.rect(51, 61, 50, 14)},
      };
      for (const auto& b : buttons) {
        auto* button = dialog.item<QPushButton>(b.id);
        if (!button) {
          ADD_FAILURE() << "no button " << b.id;
          continue;
        }
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(zortest::AccessibleName(button), b.caption);
        EXPECT_EQ(button->geometry(), b.at) << b.caption;
        EXPECT_EQ(button->isDefault(), b.id == platform::IDOK) << b.caption;
      }
      zortest::Click(d, platform::IDCANCEL);
      return d.result();
    });
    h.press(use.button);
  }
}

// A jog the link did not take leaves the adjustment what it was: Save still
// stores the centering, never the distortion, and Cancel ends it.
TEST(JogAdjustment, AFailedJogKeepsTheCenteringItsOwnCodes) {
  for (const bool save : {true, false}) {
    SCOPED_TRACE(save ? "Save" : "Cancel");
    PanelHarness h;
    h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock(kCentering.model));
    h.start();
    h.link.refusePacket(2);  // the first jog
    h.prompter.queue([&](QDialog& d) {
      zortest::Click(d, jog::IDC_UP);
      EXPECT_TRUE(d.isVisible());
      zortest::Click(d, jog::IDC_UP);
      zortest::Click(d, save ? platform::IDOK : platform::IDCANCEL);
      return d.result();
    });
    h.press(kCentering.button);
    EXPECT_EQ(Sent(h.transcript), (std::vector<std::string>{"send 28 00", "send 04 00 -> 2", "send 04 00",
                                                            save ? "send 2A 00" : "send 9A 00"}));
  }
}

// The dialog never runs unconnected from the panel, but if it did, Cancel
// must still close it.
TEST(JogAdjustment, CancelClosesEvenWhenTheEndCannotBeSent) {
  PanelHarness h;
  h.link.setFindResults({0});
  h.start();
  zor::service::AdjustmentSession adjustment(h.panel().service(), zor::service::Adjustment::Distortion);
  const auto shown = zortest::ShowWithoutOpener<JogAdjustment>(h, adjustment, QStringLiteral("Distortion Correction"));
  JogAdjustment& dialog = *shown;
  zortest::Key(dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), platform::IDCANCEL);
  EXPECT_EQ(h.transcript, (Transcript{kNotConnected, "find -> 0"}));
}

}  // namespace

}  // namespace zor::dialogs
