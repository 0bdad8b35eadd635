// The texts the dialogs' own code shows go through the translation system:
// built while every translation comes back bracketed, a window shows no text
// without brackets. Rows of lists and tables are values, and not checked.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "dialogs/compare_restore_dialog.h"
#include "dialogs/service_log_dialog.h"
#include "dialogs/system_chooser.h"
#include "tests/support/bracketed_texts.h"

namespace svc = zor::service;

namespace {

std::unique_ptr<QWidget> CompareRestore() {
  svc::Snapshot snapshot;
  snapshot.time = "2026-03-01T10:00:00Z";
  snapshot.identity.emplace();
  snapshot.identity->info.serial = 4711;
  snapshot.identity->info.model = u"NZ-1";
  svc::Comparison comparison;
  comparison.fileSerial = 4711;  // not the controller's: the window asks before it restores onto another
  comparison.controllerSerial = 4712;
  comparison.rows = {{"lens", svc::SettingGroup::Calibration, u"160", u"254", svc::RestorePlan::Send},
                     {"min-current", svc::SettingGroup::Calibration, std::nullopt, u"10", svc::RestorePlan::Send}};
  return std::make_unique<zor::dialogs::CompareRestoreDialog>(snapshot, QStringLiteral("unit.json"), comparison);
}

std::unique_ptr<QWidget> ServiceLog() {
  svc::ServiceLogContents log;
  log.skipped = 2;
  log.olderLeftOut = true;
  return std::make_unique<zor::dialogs::ServiceLogDialog>(svc::Reading<svc::ServiceLogContents>(log));
}

std::unique_ptr<QWidget> UnreadServiceLog() {
  return std::make_unique<zor::dialogs::ServiceLogDialog>(
      svc::Reading<svc::ServiceLogContents>(svc::Outcome::failed(svc::Status::FileFailed, u"no such file")));
}

std::unique_ptr<QWidget> Chooser() {
  static const std::vector<zor::link::FoundSystem> kSystems = {{100001, "NZ-SIM", {192, 168, 1, 10}},
                                                               {100002, "NK-1", {192, 168, 1, 11}}};
  return std::make_unique<zor::dialogs::SystemChooser>(kSystems, 0);
}

TEST(DialogTexts, EveryTextTheCodeShowsIsTranslated) {
  const zor::test::Bracketing bracketing;
  const struct {
    const char* window;
    std::function<std::unique_ptr<QWidget>()> make;
  } cases[] = {
      {"compare/restore", CompareRestore},
      {"service log", ServiceLog},
      {"service log not read", UnreadServiceLog},
      {"system chooser", Chooser},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    const std::unique_ptr<QWidget> window = c.make();
    EXPECT_EQ(zor::test::Unbracketed(*window).join(u'\n').toStdString(), "");
  }
}

}  // namespace
