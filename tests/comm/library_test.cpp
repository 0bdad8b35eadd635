// The built libZorComm.so, loaded as the tool loads it. The library reads its
// environment once, so every test here shares one set-up.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>

#include "tests/support/controller_test_util.h"
#include "tests/support/library_loader.h"

namespace {

using ::testing::HasSubstr;
using zor::test::Library;
using zor::test::readFile;

#ifndef ZORCOMM_EXPECT_NO_SYSTEM

class LibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new zor::test::TempDir;
    setenv("ZORCOMM_STATE", (dir->path() / "state").c_str(), 1);
    setenv("ZORCOMM_TRACE", (dir->path() / "trace").c_str(), 1);
    setenv("ZORCOMM_LINK", "sim", 1);
    unsetenv("ZORCOMM_SIM_MODEL");
    // Registered before the library's first call, so it runs after the
    // library saved its state at exit.
    std::atexit([] { delete dir; });
    lib = new Library;
  }
  static void TearDownTestSuite() { delete lib; }  // the library itself stays loaded, as in the tool
  static inline zor::test::TempDir* dir = nullptr;
  static inline Library* lib = nullptr;
};

TEST_F(LibraryTest, ExportsTheFiveEntryPoints) { EXPECT_TRUE(lib->complete()) << dlerror(); }

TEST_F(LibraryTest, FindsASimulatedSystemAndReadsBackWhatWasWritten) {
  ASSERT_TRUE(lib->complete());
  std::uint8_t discovery[2564];
  std::int32_t found = 0;
  EXPECT_NE(lib->find(discovery, &found), 0);

  std::uint8_t info[38] = {};
  ASSERT_EQ(lib->status(zor::protocol::CMD_GET_SYSTEM_INFO, 0, info, 38, u"NOT USED"), 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(info + 26), "NZ-SIM");
  EXPECT_THAT(reinterpret_cast<const char*>(info + 9), HasSubstr("SIM"));

  EXPECT_EQ(lib->text(zor::protocol::CMD_SET_MAX_CURRENT, "1.5"), 0);
  EXPECT_EQ(lib->text(zor::protocol::CMD_SET_LENS, "254"), 0);
  EXPECT_EQ(lib->text(zor::protocol::CMD_SET_IP_ADDRESS, "c0.a8.01.0a"), 0);
  std::uint8_t currents[8] = {};
  ASSERT_EQ(lib->status(zor::protocol::CMD_GET_CURRENTS, 0, currents, 8, u"NOT USED"), 0);
  float max = 0;
  std::memcpy(&max, currents + 4, 4);
  EXPECT_EQ(max, 1.5f);
  ASSERT_EQ(lib->status(zor::protocol::CMD_GET_SYSTEM_INFO, 0, info, 38, u"NOT USED"), 0);
  EXPECT_EQ(info[36] | info[37] << 8, 254);
  std::uint8_t ip[4] = {};
  ASSERT_EQ(lib->status(zor::protocol::CMD_GET_IP_ADDRESS, 0, ip, 4, u"NOT USED"), 0);
  EXPECT_EQ(std::vector<std::uint8_t>(ip, ip + 4), (std::vector<std::uint8_t>{192, 168, 1, 10}));

  const std::string state = readFile(dir->path() / "state");
  EXPECT_THAT(state, HasSubstr("max_current = 1.5\n"));
  EXPECT_THAT(state, HasSubstr("lens = 254\n"));
  EXPECT_THAT(readFile(dir->path() / "trace"), HasSubstr("dwSendCommand packet=[FF FF 44 00] length=4 -> 0 committed"));
}

TEST_F(LibraryTest, BadArgumentsFailWithoutACrash) {
  ASSERT_TRUE(lib->complete());
  const std::uint8_t packet[4] = {0xFF, 0xFF, zor::protocol::CMD_JOG_UP, 0};
  EXPECT_NE(lib->send(nullptr, 4, u"x"), 0);
  EXPECT_NE(lib->send(packet, 8, u"x"), 0);
  EXPECT_NE(lib->status(zor::protocol::CMD_GET_SYSTEM_INFO, 0, nullptr, 38, u"x"), 0);
  std::uint8_t shortBlock[4] = {};
  EXPECT_NE(lib->status(zor::protocol::CMD_GET_SYSTEM_INFO, 0, shortBlock, 4, u"x"), 0);
  EXPECT_NE(lib->status(12345, 0, shortBlock, 4, u"x"), 0);
  EXPECT_EQ(lib->check(u"x"), 0);
  EXPECT_EQ(lib->data(packet, 4, u"x"), 0);
}

#else

// ZORCOMM_LINK with an unknown value: no system, and one warning.
TEST(LibraryNoSystemTest, UnknownLinkFindsNothingAndWarnsOnce) {
  setenv("ZORCOMM_LINK", "usb", 1);
  zor::test::TempDir dir;
  setenv("ZORCOMM_STATE", (dir.path() / "state").c_str(), 1);
  Library lib;
  ASSERT_TRUE(lib.complete()) << dlerror();
  ::testing::internal::CaptureStderr();
  std::uint8_t discovery[2564];
  std::int32_t found = 5;
  EXPECT_EQ(lib.find(discovery, &found), 0);
  EXPECT_EQ(lib.find(discovery, &found), 0);
  const std::uint8_t packet[4] = {0xFF, 0xFF, zor::protocol::CMD_SHUTTER_OPEN, 0};
  EXPECT_NE(lib.send(packet, 4, u"SYSTEM NAME NOT USED"), 0);
  std::uint8_t block[4] = {};
  EXPECT_NE(lib.status(zor::protocol::CMD_GET_WORK_TIME, 0, block, 4, u"NOT USED"), 0);
  EXPECT_NE(lib.check(u"x"), 0);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_THAT(err, HasSubstr("ZORCOMM_LINK"));
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_TRUE(dir.names().empty());
}

#endif

}  // namespace
