#include "controller/careful_file.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "tests/support/controller_test_util.h"

namespace zor::controller {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;
using ::testing::HasSubstr;

struct OpenCase {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
  int flags;
  OpenStatus status;
  const char* why;  // part of the reason for a refusal
  bool needsRoot = false;
};

TEST(CarefulFile, OnlyARegularFileOfOurOwnIsOpened) {
  auto fifo = [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); };
  auto link = [](const auto& p) {
    writeFile(p.string() + "-target", "target");
    std::filesystem::create_symlink(p.string() + "-target", p);
  };
  auto dangling = [](const auto& p) { std::filesystem::create_symlink(p.string() + "-target", p); };
  auto mine = [](const auto& p) { writeFile(p, "1234"); };
  auto nothing = [](const auto&) {};
  const int append = O_WRONLY | O_APPEND | O_CREAT;
  const OpenCase cases[] = {
      {"missing", nothing, O_RDONLY, OpenStatus::Missing, ""},
      {"missing, created", nothing, append, OpenStatus::Opened, ""},
      {"ours", mine, O_RDONLY, OpenStatus::Opened, ""},
      {"ours, to append", mine, append, OpenStatus::Opened, ""},
      {"FIFO", fifo, O_RDONLY, OpenStatus::Refused, "not a regular file"},
      {"FIFO, to append", fifo, append, OpenStatus::Refused, "not a regular file"},
      {"link", link, O_RDONLY, OpenStatus::Refused, "symbolic link"},
      {"link, to append", link, append, OpenStatus::Refused, "symbolic link"},
      {"dangling link, to create", dangling, append, OpenStatus::Refused, "symbolic link"},
      {"folder", [](const auto& p) { std::filesystem::create_directory(p); }, O_RDONLY, OpenStatus::Refused, "folder"},
      {"larger than allowed", [](const auto& p) { writeFile(p, "12345"); }, O_RDONLY, OpenStatus::Refused, "larger"},
      {"another user's",
       [](const auto& p) {
         writeFile(p, "1234");
         ASSERT_EQ(::chown(p.c_str(), 4321, 4321), 0);
       },
       O_RDONLY, OpenStatus::Refused, "another user", true},
  };
  for (const OpenCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsRoot && ::geteuid() != 0) continue;  // only root can give a file away
    TempDir dir;
    const auto path = dir.path() / "file";
    c.make(path);
    const OpenResult opened = openOwnFile(path, c.flags, 4);
    EXPECT_EQ(opened.status, c.status) << opened.why;
    EXPECT_EQ(static_cast<bool>(opened.fd), c.status == OpenStatus::Opened);
    EXPECT_THAT(opened.why, HasSubstr(c.why));
    if (c.status == OpenStatus::Refused) {
      EXPECT_THAT(opened.why, HasSubstr(path.string()));
    }
    EXPECT_FALSE(std::filesystem::exists(path.string() + "-target") && readFile(path.string() + "-target") != "target")
        << "a link's target is never touched";
  }
}

TEST(CarefulFile, CreatedFilesAreForTheUserOnly) {
  TempDir dir;
  const OpenResult opened = openOwnFile(dir.path() / "file", O_WRONLY | O_CREAT, 0);
  ASSERT_TRUE(opened.fd);
  struct stat st {};
  ASSERT_EQ(::fstat(opened.fd.get(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(CarefulFile, DevicesAreRefusedWithoutReading) {
  for (const char* device : {"/dev/zero", "/dev/null"}) {
    const ReadResult read = readOwnFile(device, 1 << 20);
    EXPECT_EQ(read.status, OpenStatus::Refused) << device;
    EXPECT_THAT(read.why, HasSubstr("not a regular file"));
  }
}

TEST(CarefulFile, ReadTakesTheWholeFileUpToItsLimit) {
  TempDir dir;
  const std::string text(40000, 'x');  // more than one read's buffer
  writeFile(dir.path() / "file", text);
  EXPECT_EQ(readOwnFile(dir.path() / "file", text.size()).text, text);
  EXPECT_EQ(readOwnFile(dir.path() / "file", text.size() - 1).status, OpenStatus::Refused);
  EXPECT_EQ(readOwnFile(dir.path() / "missing", 10).status, OpenStatus::Missing);
  EXPECT_EQ(readOwnFile(dir.path() / "file" / "below", 10).status, OpenStatus::Missing) << "no folder there";
}

TEST(CarefulFile, BesideNameFitsTheNameLimit) {
  const std::string accented = [] {
    std::string text = "s";  // then "é", two bytes each
    for (int i = 0; i < 127; ++i) text += "\xc3\xa9";
    return text;
  }();
  const std::pair<std::string, std::string> cases[] = {
      {"/d/state", "/d/state.lock"},
      {"state", "state.lock"},
      {"/d/" + std::string(250, 'a'), "/d/" + std::string(250, 'a') + ".lock"},
      {"/d/" + std::string(255, 'a'), "/d/" + std::string(250, 'a') + ".lock"},
      // 250 bytes would end inside the 125th "é": the cut goes before it
      {"/d/" + accented, "/d/" + accented.substr(0, 249) + ".lock"},
  };
  for (const auto& [file, expected] : cases) EXPECT_EQ(besideName(file, ".lock").string(), expected) << file.size();
}

}  // namespace
}  // namespace zor::controller
