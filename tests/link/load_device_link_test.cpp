#include "link/load_device_link.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/support/transcript.h"

namespace zortest {
namespace {

// --- Where the library is looked for -----------------------------------------

struct SearchCase {
  const char* name;
  std::optional<std::string_view> ldLibraryPath;
  std::string_view executableDir;
  std::string_view binToLib;
  std::string_view multiarch;
  std::vector<std::string> expected;
  friend void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }
};

class DeviceLinkSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(DeviceLinkSearch, ListsAbsoluteCandidatesInLoaderOrder) {
  const auto& c = GetParam();
  EXPECT_EQ(zor::link::DeviceLinkCandidates("libZorComm.so", c.ldLibraryPath, c.executableDir, c.binToLib, c.multiarch),
            c.expected);
}

const std::vector<std::string> kSystem{"/usr/local/lib/libZorComm.so", "/usr/lib/x86_64-linux-gnu/libZorComm.so",
                                       "/lib/x86_64-linux-gnu/libZorComm.so", "/usr/lib/libZorComm.so",
                                       "/lib/libZorComm.so"};

std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

constexpr std::string_view kArch = "x86_64-linux-gnu";

INSTANTIATE_TEST_SUITE_P(
    Loader, DeviceLinkSearch,
    ::testing::Values(
        SearchCase{"NoEnvironment", std::nullopt, "/opt/zor/bin", "../lib", kArch,
                   Then({"/opt/zor/bin/libZorComm.so", "/opt/zor/lib/libZorComm.so"}, kSystem)},
        SearchCase{
            "EnvironmentFirstInItsOrder", "/b:/a", "/opt/zor/bin", "../lib", kArch,
            Then({"/b/libZorComm.so", "/a/libZorComm.so", "/opt/zor/bin/libZorComm.so", "/opt/zor/lib/libZorComm.so"},
                 kSystem)},
        SearchCase{
            "EmptyAndRelativeEntriesMeanTheCurrentDirectorySoAreSkipped",
            ":/a::lib:./x:../y:$ORIGIN/lib:/b:", "/opt/zor/bin", "../lib", kArch,
            Then({"/a/libZorComm.so", "/b/libZorComm.so", "/opt/zor/bin/libZorComm.so", "/opt/zor/lib/libZorComm.so"},
                 kSystem)},
        SearchCase{"SemicolonsSeparateToo", "/a;/b", "", "../lib", kArch,
                   Then({"/a/libZorComm.so", "/b/libZorComm.so"}, kSystem)},
        SearchCase{"EmptyVariable", "", "/opt/zor/bin", "", kArch, Then({"/opt/zor/bin/libZorComm.so"}, kSystem)},
        SearchCase{"FoldersAreNormalised", "/a/./b/../c/", "/opt/zor/bin/", "../lib/", kArch,
                   Then({"/a/c/libZorComm.so", "/opt/zor/bin/libZorComm.so", "/opt/zor/lib/libZorComm.so"}, kSystem)},
        SearchCase{"AbsoluteLibraryFolder", std::nullopt, "/opt/zor/bin", "/opt/zor/lib64", kArch,
                   Then({"/opt/zor/bin/libZorComm.so", "/opt/zor/lib64/libZorComm.so"}, kSystem)},
        SearchCase{"UnknownOrRelativeExecutableFolder", "/a", "bin", "../lib", kArch,
                   Then({"/a/libZorComm.so"}, kSystem)},
        SearchCase{"InstalledUnderUsrAppearsOnceInTheEarliestPlace",
                   "/usr/lib",
                   "/usr/bin",
                   "../lib/x86_64-linux-gnu",
                   kArch,
                   {"/usr/lib/libZorComm.so", "/usr/bin/libZorComm.so", "/usr/lib/x86_64-linux-gnu/libZorComm.so",
                    "/usr/local/lib/libZorComm.so", "/lib/x86_64-linux-gnu/libZorComm.so", "/lib/libZorComm.so"}},
        SearchCase{"UnknownMultiarch",
                   std::nullopt,
                   "",
                   "../lib",
                   "",
                   {"/usr/local/lib/libZorComm.so", "/usr/lib/libZorComm.so", "/lib/libZorComm.so"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Looking up the entry points ---------------------------------------------

// Records "open <name>" and "symbol <name>"; hands out a distinct address per name.
class FakeLoader final : public zor::link::LibraryLoader {
 public:
  FakeLoader(Transcript& transcript, bool loads, std::set<std::string> exports)
      : transcript_(transcript), loads_(loads), exports_(std::move(exports)) {}

  void* open(std::string_view fileName) const override {
    transcript_.add("open " + std::string(fileName));
    return loads_ ? handle() : nullptr;
  }
  void* symbol(void* handle, const char* name) const override {
    transcript_.add(std::string("symbol ") + name + (handle == this->handle() ? "" : " (wrong handle)"));
    return exports_.contains(name) ? address(name) : nullptr;
  }

  void* handle() const { return const_cast<char*>(&tokens_[0]); }
  void* address(const std::string& name) const {
    static const std::vector<std::string> names{"dwSendCommand", "dwGetStatus", "dwSendData", "ZORFindSystems",
                                                "ZORSystemCheckStatus"};
    const auto at = std::find(names.begin(), names.end(), name) - names.begin();
    return const_cast<char*>(&tokens_[1 + at]);
  }

 private:
  Transcript& transcript_;
  bool loads_;
  std::set<std::string> exports_;
  char tokens_[6] = {};
};

const std::set<std::string> kAllExports{"dwSendCommand", "dwGetStatus", "dwSendData", "ZORFindSystems",
                                        "ZORSystemCheckStatus"};

// The slots as the names their addresses stand for ("-" for an empty slot).
std::vector<std::string> Slots(const zor::link::DeviceLink& link, const FakeLoader& loader) {
  std::vector<std::string> out;
  auto name = [&](void* address) -> std::string {
    if (address == nullptr) return "-";
    for (const auto& n : kAllExports)
      if (loader.address(n) == address) return n;
    return "?";
  };
  out.push_back(name(reinterpret_cast<void*>(link.dwSendCommand)));
  out.push_back(name(reinterpret_cast<void*>(link.dwGetStatus)));
  out.push_back(name(reinterpret_cast<void*>(link.dwSendData)));
  out.push_back(name(reinterpret_cast<void*>(link.ZORFindSystems)));
  out.push_back(name(reinterpret_cast<void*>(link.ZORSystemCheckStatus)));
  return out;
}

TEST(LoadDeviceLink, LooksUpTheFiveNamesInOrderIntoTheirOwnSlots) {
  Transcript t;
  FakeLoader loader(t, true, kAllExports);
  zor::link::DeviceLink link;
  EXPECT_TRUE(zor::link::LoadDeviceLink(link, loader));
  EXPECT_EQ(t, (Transcript{"open libZorComm.so", "symbol dwSendCommand", "symbol dwGetStatus", "symbol dwSendData",
                           "symbol ZORFindSystems", "symbol ZORSystemCheckStatus"}));
  EXPECT_EQ(link.handle, loader.handle());
  EXPECT_EQ(Slots(link, loader), (std::vector<std::string>{"dwSendCommand", "dwGetStatus", "dwSendData",
                                                           "ZORFindSystems", "ZORSystemCheckStatus"}));
}

TEST(LoadDeviceLink, AMissingNameLeavesOnlyItsSlotEmpty) {
  const std::vector<std::string> order{"dwSendCommand", "dwGetStatus", "dwSendData", "ZORFindSystems",
                                       "ZORSystemCheckStatus"};
  for (std::size_t missing = 0; missing < order.size(); ++missing) {
    Transcript t;
    auto exports = kAllExports;
    exports.erase(order[missing]);
    FakeLoader loader(t, true, exports);
    zor::link::DeviceLink link;
    EXPECT_TRUE(zor::link::LoadDeviceLink(link, loader));
    auto expected = order;
    expected[missing] = "-";
    EXPECT_EQ(Slots(link, loader), expected) << "without " << order[missing];
    EXPECT_EQ(t.events().size(), 6u);
  }
}

TEST(LoadDeviceLink, WhenTheLibraryIsMissingNothingIsLookedUpOrChanged) {
  Transcript t;
  FakeLoader loader(t, false, kAllExports);
  zor::link::DeviceLink link;
  EXPECT_FALSE(zor::link::LoadDeviceLink(link, loader));
  EXPECT_EQ(t, (Transcript{"open libZorComm.so"}));
  EXPECT_EQ(link.handle, nullptr);
  EXPECT_EQ(Slots(link, loader), (std::vector<std::string>(5, "-")));
}

TEST(LoadDeviceLink, TheMessageForAMissingLibraryIsTheSystemsOwn) {
  EXPECT_EQ(zor::link::kNoDeviceLinkMessage, u"No ZORComm.DLL found");
}

}  // namespace
}  // namespace zortest
