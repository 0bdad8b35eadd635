// The atomic replace: a save killed on its way leaves nothing that the next
// save into its folder does not remove, and the next save removes nothing else.
#include "files/pending_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "tests/support/controller_test_util.h"

namespace zor::files {
namespace {

namespace fs = std::filesystem;
using zor::test::TempDir;

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

struct KillCase {
  const char* name;
  bool written;  // killed after writing the whole file, at its rename
};

class KilledSave : public ::testing::TestWithParam<KillCase> {
 protected:
  TempDir dir;
  fs::path folder = dir.path();
};

TEST_P(KilledSave, LeavesNothingTheNextSaveDoesNotRemove) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PendingFile file;
    if (!file.create(folder / "a.json").ok()) _exit(1);
    if (GetParam().written && !file.write(std::string(100000, 'x')).ok()) _exit(1);
    raise(SIGKILL);
    _exit(1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  const std::set<std::string> left = Names(folder);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_TRUE(std::regex_match(*left.begin(), std::regex(R"(\.a\.json\.tmp-\d{6})"))) << *left.begin();

  const Result<> saved = writeFileAtomically(folder / "b.json", "{}\n");
  ASSERT_TRUE(saved) << saved.why();
  EXPECT_EQ(Names(folder), std::set<std::string>{"b.json"});
}

INSTANTIATE_TEST_SUITE_P(PendingFile, KilledSave,
                         ::testing::Values(KillCase{"BeforeWriting", false}, KillCase{"AtTheRename", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A save under way, names like ours that are not ours, what is no regular
// file of this user: all stay. An earlier version's leftover goes.
TEST(PendingFile, TheCleanUpRemovesOnlyTemporariesNoSaveHolds) {
  TempDir dir;
  const fs::path folder = dir.path();
  PendingFile underWay;
  ASSERT_TRUE(underWay.create(folder / "c.json").ok());
  ASSERT_TRUE(underWay.write("{\"c\": 1}\n").ok());
  for (const char* name : {"a.json.tmp-123456", ".a.json.tmp-12345x", ".a.json.tmp-1234567", ".a.json.tmp-"})
    std::ofstream(folder / name) << "mine";
  fs::create_symlink(folder / "a.json.tmp-123456", folder / ".l.json.tmp-123456");
  fs::create_directory(folder / ".d.json.tmp-123456");
  const bool root = geteuid() == 0;
  if (root) {
    std::ofstream(folder / ".o.json.tmp-123456") << "another user's";
    ASSERT_EQ(chown((folder / ".o.json.tmp-123456").c_str(), 65534, 65534), 0);
  }
  const std::set<std::string> before = Names(folder);
  std::ofstream(folder / ".f.json.tmp-4711") << "left by an earlier version, whose numbers were not padded";

  const Result<> saved = writeFileAtomically(folder / "b.json", "{}\n");
  ASSERT_TRUE(saved) << saved.why();
  std::set<std::string> after = Names(folder);
  after.erase("b.json");
  EXPECT_EQ(after, before);
  ASSERT_TRUE(underWay.commit().ok());
  EXPECT_TRUE(fs::exists(folder / "c.json"));

  EXPECT_FALSE(writeFileAtomically(folder / ".e.json.tmp-000001", "{}\n")) << "a later save would remove it";
}

// The temporary's name is cut to fit, at a whole character.
TEST(PendingFile, ANameAsLongAsAFileNameMayBeIsSaved) {
  TempDir dir;
  const fs::path folder = dir.path();
  std::string name;
  for (int i = 0; i < 127; ++i) name += "\u00E9";
  name += "x";
  ASSERT_EQ(name.size(), 255u);
  const Result<> saved = writeFileAtomically(folder / name, "{}\n");
  EXPECT_TRUE(saved) << saved.why();
  EXPECT_EQ(Names(folder), std::set<std::string>{name});
}

struct NamingCase {
  const char* name;
  Temporary naming;
  mode_t mode;
  const char* temporary;      // the temporary's name, a pattern
  const char* failedCreate;   // how a temporary that cannot be made is said
  const char* failedReplace;  // how a rename that fails is said
};

// Each naming keeps its temporaries' names, the mode of the file and the
// words its users have always said failures in; the file committed is the one
// at the path, still open.
TEST(PendingFile, EachNamingKeepsItsNamesModesAndWords) {
  const NamingCase cases[] = {
      {"hidden", Temporary::Hidden, 0644, R"(\.a\.json\.tmp-\d{6})", "cannot write in ", "cannot write "},
      {"beside", Temporary::Beside, 0600, R"(a\.json\.tmp-[A-Za-z0-9]{6})", "cannot create a temporary file ",
       "cannot rename to "},
  };
  for (const NamingCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const fs::path path = dir.path() / "a.json";
    const mode_t before = ::umask(0);
    PendingFile file(c.naming, c.mode);
    const Result<> created = file.create(path);
    ::umask(before);
    ASSERT_TRUE(created) << created.why();
    const std::set<std::string> names = Names(dir.path());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(std::regex_match(*names.begin(), std::regex(c.temporary))) << *names.begin();
    ASSERT_TRUE(file.write("x"));
    const Result<OwnFile> committed = file.commit();
    ASSERT_TRUE(committed) << committed.why();
    EXPECT_EQ(committed->stamp, stampAt(path));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, c.mode);
    EXPECT_EQ(Names(dir.path()), std::set<std::string>{"a.json"});

    // A failure names its path apart too, for those who say it in words of their own.
    const auto saysItsPath = [](const Result<>& failed, const char* words) {
      return failed.why() == words + failed.failure().path + ": " + std::strerror(failed.error());
    };
    PendingFile nowhere(c.naming, c.mode);
    const Result<> notCreated = nowhere.create(dir.path() / "missing" / "a.json");
    EXPECT_THAT(notCreated.why(), ::testing::StartsWith(c.failedCreate));
    EXPECT_TRUE(saysItsPath(notCreated, c.failedCreate)) << notCreated.failure().path;
    PendingFile onAFolder(c.naming, c.mode);
    ASSERT_TRUE(onAFolder.create(dir.path() / "c"));
    fs::create_directory(dir.path() / "c");
    fs::create_directory(dir.path() / "c" / "inside");  // a rename cannot replace a folder that holds something
    ASSERT_TRUE(onAFolder.write("x"));
    const Result<OwnFile> refused = onAFolder.commit();
    EXPECT_THAT(refused.why(), ::testing::StartsWith(c.failedReplace));
    EXPECT_EQ(refused.failure().path, (dir.path() / "c").string());
  }
}

// A killed write of the beside naming leaves its temporary; its holder's
// clean-up removes it, and nothing that is not of that file.
TEST(PendingFile, BesideTemporariesGoWhenTheirHolderCleansUp) {
  TempDir dir;
  const fs::path path = dir.path() / "state";
  for (const char* name : {"state.tmp-Ab12Z9", "state.tmp-Ab12Z", "other.tmp-Ab12Z9", ".state.tmp-123456"})
    std::ofstream(dir.path() / name) << "left";
  PendingFile underWay(Temporary::Beside, 0600);
  ASSERT_TRUE(underWay.create(path));
  std::set<std::string> expected = Names(dir.path());
  expected.erase("state.tmp-Ab12Z9");
  removeStaleTemporaries(path, Temporary::Beside);
  EXPECT_EQ(Names(dir.path()), expected) << "the one under way is locked";
}

}  // namespace
}  // namespace zor::files
