// Careful writes: a save killed on its way leaves nothing that the next save
// into its folder does not remove, and the next save removes nothing else.
#include "service/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "service/text.h"

namespace zortest {
namespace {

namespace fs = std::filesystem;
using zor::service::PendingFile;
using zor::service::WriteFileAtomically;

std::string Text(const zor::service::Outcome& outcome) { return zor::service::ToUtf8(outcome.message); }

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
  QTemporaryDir dir;
  fs::path folder = fs::path(dir.path().toStdString());
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

  const zor::service::Outcome saved = WriteFileAtomically(folder / "b.json", "{}\n");
  ASSERT_TRUE(saved.ok()) << Text(saved);
  EXPECT_EQ(Names(folder), std::set<std::string>{"b.json"});
}

INSTANTIATE_TEST_SUITE_P(Files, KilledSave,
                         ::testing::Values(KillCase{"BeforeWriting", false}, KillCase{"AtTheRename", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A save under way, names like ours that are not ours, what is no regular
// file of this user: all stay. An earlier version's leftover goes.
TEST(Files, TheCleanUpRemovesOnlyTemporariesNoSaveHolds) {
  QTemporaryDir dir;
  const fs::path folder(dir.path().toStdString());
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

  const zor::service::Outcome saved = WriteFileAtomically(folder / "b.json", "{}\n");
  ASSERT_TRUE(saved.ok()) << Text(saved);
  std::set<std::string> after = Names(folder);
  after.erase("b.json");
  EXPECT_EQ(after, before);
  ASSERT_TRUE(underWay.commit().ok());
  EXPECT_TRUE(fs::exists(folder / "c.json"));

  EXPECT_EQ(WriteFileAtomically(folder / ".e.json.tmp-000001", "{}\n").status, zor::service::Status::FileFailed)
      << "a later save would remove it";
}

// The temporary's name is cut to fit, at a whole character.
TEST(Files, ANameAsLongAsAFileNameMayBeIsSaved) {
  QTemporaryDir dir;
  const fs::path folder(dir.path().toStdString());
  std::string name;
  for (int i = 0; i < 127; ++i) name += "\u00E9";
  name += "x";
  ASSERT_EQ(name.size(), 255u);
  const zor::service::Outcome saved = WriteFileAtomically(folder / name, "{}\n");
  EXPECT_TRUE(saved.ok()) << Text(saved);
  EXPECT_EQ(Names(folder), std::set<std::string>{name});
}

}  // namespace
}  // namespace zortest
