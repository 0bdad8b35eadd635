// Backing up and restoring settings from the panel's window menu: the file
// dialogs, the comparison table, what goes out, and what the user is told.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "dialogs/compare_restore_dialog.h"
#include "protocol/zor_protocol.h"
#include "service/snapshot.h"
#include "tests/support/panel_harness.h"
#include "tests/support/snapshot_files.h"

namespace zortest {
namespace {

constexpr std::int32_t kSerial = 1234;  // IdentityBlock's

class SettingsTransfer : public ::testing::Test {
 protected:
  PanelHarness h;

  void SetUp() override {
    h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("NZ-SIM"));
    h.link.setStatus(zor::protocol::CMD_GET_CURRENTS, {0, 0, 0, 0, 0, 0, 0xA0, 0x41});  // 0 and 20
    h.start();
  }

  void menu(const QString& start) {
    for (QAction* action : h.panel().systemMenu()->actions()) {
      if (action->text().remove(QLatin1Char('&')).startsWith(start)) {
        action->trigger();
        QCoreApplication::processEvents();
        return;
      }
    }
    ADD_FAILURE() << "no window-menu item " << start.toStdString();
  }

  std::vector<std::string> sends() const {
    std::vector<std::string> out;
    for (const auto& e : h.transcript.events())
      if (e.rfind("send", 0) == 0) out.push_back(e);
    return out;
  }
  const std::string& last() const { return h.transcript.events().back(); }
};

TEST_F(SettingsTransfer, BackUpWritesWhatWasReadAndNamesWhatWasNot) {
  const QString file = WriteTestFile("backup-target", "") + ".json";
  h.prompter.queueFile(file);
  menu("Back Up Settings");
  EXPECT_EQ(h.transcript.events().front(), "file save Back Up Settings");
  EXPECT_TRUE(sends().empty());
  EXPECT_NE(last().find("The settings were saved to " + file.toStdString()), std::string::npos) << last();
  EXPECT_NE(last().find("could not be read and are not in the file: XY Distortion Correction"), std::string::npos);
  const auto snapshot = zor::service::LoadSnapshot(file.toStdString());
  ASSERT_TRUE(snapshot.ok()) << zor::service::ToUtf8(snapshot.message);
  EXPECT_EQ(snapshot.value.find("max_current")->text, u"20.00000");
  EXPECT_EQ(snapshot.value.identity->info.serial, kSerial);
}

// The progress window stays alive: every wait of the transfer lets the
// windows answer, and once it is done the panel's waits hold them again.
TEST_F(SettingsTransfer, EveryWaitOfATransferLetsTheWindowsAnswer) {
  h.prompter.queueFile(WriteTestFile("backup-waits", "") + ".json");
  menu("Back Up Settings");
  const auto& events = h.transcript.events();
  const auto waits =
      std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.starts_with("wait"); });
  EXPECT_GT(waits, 0);
  EXPECT_EQ(h.pacer.responsiveWaits(), waits);
  EXPECT_FALSE(h.pacer.responsive());
}

TEST_F(SettingsTransfer, ChoosingNoFileDoesNothing) {
  menu("Back Up Settings");
  menu("Compare/Restore");
  EXPECT_EQ(h.transcript, (Transcript{"file save Back Up Settings", "file open Compare/Restore Settings"}));
}

TEST_F(SettingsTransfer, ASpoiltFileIsRefusedWithNothingSent) {
  h.prompter.queueFile(WriteTestFile("spoilt.json", "{\"format\": \"zor-maintenance-settings\", \"version\": 7}"));
  menu("Compare/Restore");
  EXPECT_TRUE(sends().empty());
  EXPECT_NE(last().find("This file cannot be restored:"), std::string::npos) << last();
  EXPECT_NE(last().find("newer version"), std::string::npos) << last();
}

// The table shows each setting on both sides; Restore sends only what differs.
TEST_F(SettingsTransfer, RestoreSendsWhatDiffersAfterTheComparison) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO,
                   PanelHarness::IdentityBlock("NK-SIM"));  // has the Max Current Set
  h.prompter.queueFile(WriteSnapshotFile(kSerial, 1.5));
  h.prompter.queue([](QDialog& d) {
    auto& compare = static_cast<zor::dialogs::CompareRestoreDialog&>(d);
    QTableWidget* table = compare.table();
    EXPECT_EQ(table->item(2, 0)->text(), "Max Current");
    EXPECT_EQ(table->item(2, 1)->text(), "20.00000");
    EXPECT_EQ(table->item(2, 2)->text(), "1.50000");
    EXPECT_EQ(table->item(2, 3)->text(), "Restore");
    EXPECT_EQ(table->item(1, 3)->text(), "Same");  // min current 0 on both sides
    EXPECT_EQ(compare.otherSystemBox(), nullptr);
    EXPECT_TRUE(compare.restoreButton()->isEnabled());
    QTest::mouseClick(compare.restoreButton(), Qt::LeftButton);
    return d.result();
  });
  menu("Compare/Restore");
  const auto sent = sends();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 9),
            (std::vector<std::string>{"send 42 31", "send 42 2E", "send 42 35", "send 42 30", "send 42 30",
                                      "send 42 30", "send 42 30", "send 42 00", "send 44 00"}));
  EXPECT_NE(last().find("Max Current: differs"), std::string::npos) << last();  // the fake still reports 20
}

// What the family has no Set for shows in the table and is never sent.
TEST_F(SettingsTransfer, RestoreLeavesOutWhatTheFamilyLacks) {
  h.prompter.queueFile(WriteSnapshotFile(kSerial, 1.5));
  h.prompter.queue([](QDialog& d) {
    auto& compare = static_cast<zor::dialogs::CompareRestoreDialog&>(d);
    EXPECT_EQ(compare.table()->item(2, 0)->text(), "Max Current");
    EXPECT_EQ(compare.table()->item(2, 3)->text(), "Not on this family");
    QTest::mouseClick(compare.restoreButton(), Qt::LeftButton);
    return d.result();
  });
  menu("Compare/Restore");
  for (const std::string& sent : sends()) EXPECT_NE(sent, "send 44 00");
  EXPECT_NE(last().find("not sent: an NZ-series marking system has no maximum current (Set Max)."), std::string::npos)
      << last();
}

TEST_F(SettingsTransfer, BackUpNamesWhatTheFamilyLacks) {
  h.link.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, PanelHarness::IdentityBlock("N-SIM"));
  h.prompter.queueFile(WriteTestFile("backup-n", "") + ".json");
  menu("Back Up Settings");
  EXPECT_NE(last().find("Not on an N-series marking system, so not in the file: Currents, Ctrlr Model, Working Time, "
                        "MAC Address, IP Address, Subnet Mask, Gateway IP, SHIP ID."),
            std::string::npos)
      << last();
}

TEST_F(SettingsTransfer, AnotherSystemsFileNeedsItsBoxTicked) {
  h.prompter.queueFile(WriteSnapshotFile(4711, 1.5));
  h.prompter.queue([](QDialog& d) {
    auto& compare = static_cast<zor::dialogs::CompareRestoreDialog&>(d);
    EXPECT_FALSE(compare.restoreButton()->isEnabled());
    EXPECT_TRUE(compare.otherSystemBox()->text().contains("4711"));
    compare.otherSystemBox()->click();
    EXPECT_TRUE(compare.restoreButton()->isEnabled());
    QTest::keyClick(&d, Qt::Key_Escape);  // and leaves without restoring
    return d.result();
  });
  menu("Compare/Restore");
  EXPECT_TRUE(sends().empty());
}

TEST_F(SettingsTransfer, IdentityValuesAskForThePassword) {
  h.prompter.queueFile(WriteSnapshotFile(4711, 20));
  h.prompter.queue([](QDialog& d) {
    auto& compare = static_cast<zor::dialogs::CompareRestoreDialog&>(d);
    EXPECT_EQ(compare.table()->item(5, 3)->text(), "Differs (identity value)");
    compare.identityBox()->click();
    compare.otherSystemBox()->click();
    EXPECT_EQ(compare.table()->item(5, 3)->text(), "Restore");
    QTest::mouseClick(compare.restoreButton(), Qt::LeftButton);
    return d.result();
  });
  h.prompter.queue([](QDialog&) { return 2; });  // the password prompt, cancelled
  menu("Compare/Restore");
  EXPECT_TRUE(sends().empty());
  EXPECT_EQ(last(), "modal Password");
}

// The service report: written where the user chose, with what could not be
// read named; a place it cannot be written is said before anything is read.
TEST_F(SettingsTransfer, ServiceReportIsWrittenOrRefusedBeforeAnythingIsRead) {
  const QString file = WriteTestFile("report-target", "");
  h.prompter.queueFile(file);
  menu("Service Report");
  EXPECT_EQ(h.transcript.events().front(), "file save Service Report");
  EXPECT_TRUE(sends().empty());
  EXPECT_NE(last().find("The service report was saved to " + file.toStdString() + ".pdf."), std::string::npos)
      << last();
  EXPECT_NE(last().find("listed as not read: XY Distortion Correction"), std::string::npos) << last();
  QFile pdf(file + ".pdf");
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");

  h.transcript.clear();
  const QString folder = QFileInfo(file).absolutePath() + "/reports.pdf";
  ASSERT_TRUE(QDir().mkpath(folder));
  h.prompter.queueFile(folder);
  menu("Service Report");
  EXPECT_EQ(h.transcript.events().size(), 2u) << h.transcript.events().back();  // the file chooser and the box
  EXPECT_NE(last().find("The service report could not be saved: " + folder.toStdString() +
                        " exists and is not a regular file"),
            std::string::npos)
      << last();
}

}  // namespace
}  // namespace zortest
