#include "files/own_file.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "tests/support/controller_test_util.h"

namespace zor::files {
namespace {

using ::testing::HasSubstr;
using zor::test::readFile;
using zor::test::TempDir;
using zor::test::writeFile;

enum class OpenStatus { Opened, Missing, Refused };

OpenStatus statusOf(const Result<OwnFile>& opened) {
  if (!opened) return OpenStatus::Refused;
  return opened->found() ? OpenStatus::Opened : OpenStatus::Missing;
}

struct OpenCase {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
  int flags;
  OpenStatus status;
  const char* why;  // part of the reason for a refusal
  int error;        // the errno it carries
  bool needsRoot = false;
};

TEST(OwnFile, OnlyARegularFileOfOurOwnIsOpened) {
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
      {"missing", nothing, O_RDONLY, OpenStatus::Missing, "", 0},
      {"missing, created", nothing, append, OpenStatus::Opened, "", 0},
      {"ours", mine, O_RDONLY, OpenStatus::Opened, "", 0},
      {"ours, to append", mine, append, OpenStatus::Opened, "", 0},
      {"FIFO", fifo, O_RDONLY, OpenStatus::Refused, "not a regular file", kNotRegular},
      {"FIFO, to append", fifo, append, OpenStatus::Refused, "not a regular file", kNotRegular},
      {"link", link, O_RDONLY, OpenStatus::Refused, "symbolic link", kIsLink},
      {"link, to append", link, append, OpenStatus::Refused, "symbolic link", kIsLink},
      {"dangling link, to create", dangling, append, OpenStatus::Refused, "symbolic link", kIsLink},
      {"folder", [](const auto& p) { std::filesystem::create_directory(p); }, O_RDONLY, OpenStatus::Refused, "folder",
       kIsFolder},
      {"larger than allowed", [](const auto& p) { writeFile(p, "12345"); }, O_RDONLY, OpenStatus::Refused, "larger",
       kTooLarge},
      {"another user's",
       [](const auto& p) {
         writeFile(p, "1234");
         ASSERT_EQ(::chown(p.c_str(), 4321, 4321), 0);
       },
       O_RDONLY, OpenStatus::Refused, "another user", kAnotherUsers, true},
  };
  for (const OpenCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsRoot && ::geteuid() != 0) continue;  // only root can give a file away
    TempDir dir;
    const auto path = dir.path() / "file";
    c.make(path);
    const Result<OwnFile> opened = openOwnFile(path, c.flags, 4);
    EXPECT_EQ(statusOf(opened), c.status) << opened.why();
    EXPECT_THAT(opened.why(), HasSubstr(c.why));
    EXPECT_EQ(opened.error(), c.error);
    if (c.status == OpenStatus::Refused) {
      EXPECT_THAT(opened.why(), HasSubstr(path.string()));
      EXPECT_EQ(opened.failure().path, path.string());
    }
    EXPECT_FALSE(std::filesystem::exists(path.string() + "-target") && readFile(path.string() + "-target") != "target")
        << "a link's target is never touched";
  }
}

TEST(OwnFile, CreatedFilesAreForTheUserOnly) {
  TempDir dir;
  const Result<OwnFile> opened = openOwnFile(dir.path() / "file", O_WRONLY | O_CREAT, 0);
  ASSERT_TRUE(opened && opened->found()) << opened.why();
  struct stat st {};
  ASSERT_EQ(::fstat(opened->fd.get(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(OwnFile, DevicesAreRefusedWithoutReading) {
  for (const char* device : {"/dev/zero", "/dev/null"}) {
    const Result<OwnFile> read = readOwnFile(device, 1 << 20);
    EXPECT_EQ(statusOf(read), OpenStatus::Refused) << device;
    EXPECT_THAT(read.why(), HasSubstr("not a regular file"));
  }
}

TEST(OwnFile, ReadTakesTheWholeFileUpToItsLimit) {
  TempDir dir;
  const std::string text(40000, 'x');  // more than one read's buffer
  writeFile(dir.path() / "file", text);
  EXPECT_EQ(readOwnFile(dir.path() / "file", text.size())->text, text);
  EXPECT_EQ(statusOf(readOwnFile(dir.path() / "file", text.size() - 1)), OpenStatus::Refused);
  EXPECT_EQ(statusOf(readOwnFile(dir.path() / "missing", 10)), OpenStatus::Missing);
  EXPECT_EQ(statusOf(readOwnFile(dir.path() / "file" / "below", 10)), OpenStatus::Missing) << "no folder there";
}

TEST(OwnFile, BesideNameFitsTheNameLimit) {
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
}  // namespace zor::files
