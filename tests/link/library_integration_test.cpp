// Loads the device link built beside this test through the tool's own search.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "link/load_device_link.h"

namespace {

TEST(DeviceLinkLibrary, IsFoundBesideTheProgramWithAllFiveEntryPoints) {
  const std::string folder = zor::link::ExecutableDirectory();
  ASSERT_FALSE(folder.empty());

  zor::link::DeviceLink link;
  zor::link::SystemLibraryLoader loader("../lib");
  ASSERT_TRUE(zor::link::LoadDeviceLink(link, loader));
  EXPECT_NE(link.handle, nullptr);
  EXPECT_NE(link.dwSendCommand, nullptr);
  EXPECT_NE(link.dwGetStatus, nullptr);
  EXPECT_NE(link.dwSendData, nullptr);
  EXPECT_NE(link.ZORFindSystems, nullptr);
  EXPECT_NE(link.ZORSystemCheckStatus, nullptr);

  // It is the library of this build, not one found elsewhere.
  Dl_info where{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(link.dwSendCommand), &where), 0);
  EXPECT_EQ(std::string(where.dli_fname), folder + "/libZorComm.so");
}

TEST(DeviceLinkLibrary, AnUnknownLibraryIsNotFound) {
  zor::link::SystemLibraryLoader loader("../lib");
  EXPECT_EQ(loader.open("libZorCommDoesNotExist.so"), nullptr);
}

}  // namespace
