#include "controller/state_file.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <optional>

#include "tests/support/controller_test_util.h"

namespace zor::controller {
namespace {

using test::readFile;
using test::TempDir;
using test::unusualState;
using test::writeFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAreArray;

// A state file with its warnings collected.
struct Collected {
  std::vector<std::string> warnings;
  StateFile file;
  explicit Collected(const std::filesystem::path& path, std::chrono::milliseconds lockWait = kLockWait)
      : file(
            path, [this](const std::string& text) { warnings.push_back(text); }, lockWait) {}
};

// saveStateAtomic and StateFile::update as a yes or no and the reason, for the checks below.
bool save(const std::filesystem::path& file, const ControllerState& state, std::string* error = nullptr) {
  const files::Result<SeenFile> saved = saveStateAtomic(file, state);
  if (error) *error = saved.why();
  return saved.ok();
}

bool update(StateFile& file, const std::function<ControllerState(const ControllerState&)>& change, std::string& why) {
  const files::Result<> updated = file.update(change);
  why = updated.why();
  return updated.ok();
}

ControllerState withLens(std::uint16_t lens) {
  ControllerState s;
  s.lens = lens;
  return s;
}

TEST(StateFile, SaveThenLoadLeavesOnlyTheStateFile) {
  TempDir dir;
  const auto file = dir.path() / "deeper" / "controller-state";  // folders are made as needed
  std::string error;
  ASSERT_TRUE(save(file, unusualState(), &error)) << error;
  ASSERT_TRUE(save(file, unusualState(), &error)) << error;  // replacing works too
  const files::Result<LoadedState> loaded = loadState(file);
  ASSERT_TRUE(loaded) << loaded.why();
  EXPECT_EQ(loaded->source, LoadSource::File);
  EXPECT_EQ(loaded->state, unusualState());
  EXPECT_EQ(loaded->corrupt, "");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
    names.push_back(entry.path().filename());
  EXPECT_THAT(names, ElementsAre("controller-state"));
}

// The folders hold the user's values: private whatever the umask.
TEST(StateFile, FoldersMadeForTheFileAreTheUsersAlone) {
  TempDir dir;
  const auto file = dir.path() / "state" / "zor-maintenance" / "controller-state";
  const mode_t before = ::umask(0);
  std::string error;
  const bool saved = save(file, ControllerState{}, &error);
  ::umask(before);
  ASSERT_TRUE(saved) << error;
  for (const auto& folder : {file.parent_path(), file.parent_path().parent_path()}) {
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u) << folder;
  }
  writeFile(dir.path() / "plain", "");
  EXPECT_FALSE(save(dir.path() / "plain" / "controller-state", ControllerState{}, &error));
  EXPECT_THAT(error, HasSubstr("cannot create " + (dir.path() / "plain").string()));
}

TEST(StateFile, MissingFileGivesDefaultsQuietly) {
  TempDir dir;
  Collected state(dir.path() / "controller-state");
  EXPECT_EQ(state.file.load(), ControllerState{});
  EXPECT_TRUE(state.file.usable());
  EXPECT_THAT(state.warnings, ElementsAre());
  EXPECT_THAT(dir.names(), ElementsAre("controller-state.lock"));
}

TEST(StateFile, CorruptFileIsMovedAsideWithOneWarning) {
  const char* corrupt[] = {"serial = abc\n",
                           "lens 163\n",
                           "ip_address = 300.1.1.1\n",
                           "model_name = NZ-SIM\n",
                           "min_current = -1\n",
                           "model_name = \"ABCDEFGHIJK\"\n",
                           "work_seconds = 4294967296\n",
                           "controller_model = 10abcdef0\n",
                           "center_offset = 32768,0\n",
                           "aim_top_left = 0,-32768\n",
                           "distortion_offset = 2147483647,2147483647\n",
                           "work_counted = 5:5\n",
                           "work_counted = 1000-2000\n",
                           "work_counted = 1:9223372036854775808\n"};
  for (const char* text : corrupt) {
    SCOPED_TRACE(text);
    TempDir dir;
    const auto file = dir.path() / "controller-state";
    writeFile(file, std::string("lens = 100\n") + text);
    const files::Result<LoadedState> loaded = loadState(file);
    ASSERT_TRUE(loaded) << loaded.why();
    EXPECT_EQ(loaded->source, LoadSource::CorruptMovedAside);
    EXPECT_EQ(loaded->state, ControllerState{});
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_THAT(loaded->movedTo.filename().string(), StartsWith("controller-state.corrupt-"));
    EXPECT_EQ(readFile(loaded->movedTo), std::string("lens = 100\n") + text) << "kept as it was";
    EXPECT_THAT(loaded->corrupt, HasSubstr("line 2"));

    writeFile(file, text);
    Collected state(file);
    EXPECT_EQ(state.file.load(), ControllerState{});
    ASSERT_EQ(state.warnings.size(), 1u);
    EXPECT_THAT(state.warnings[0], HasSubstr("corrupt"));
    EXPECT_TRUE(state.file.usable()) << "the file is out of the way: the next save makes a new one";
  }
}

TEST(StateFile, TwoCorruptFilesInOneSecondBothSurvive) {
  TempDir dir;
  const auto file = dir.path() / "controller-state";
  writeFile(file, "first\n");
  const auto first = loadState(file)->movedTo;
  writeFile(file, "second\n");
  const auto second = loadState(file)->movedTo;
  EXPECT_NE(first, second);
  EXPECT_EQ(readFile(first), "first\n");
  EXPECT_EQ(readFile(second), "second\n");
}

TEST(StateFile, FailedSaveReportsAndLeavesNoTemporaryFile) {
  TempDir dir;
  writeFile(dir.path() / "file", "x");
  const std::filesystem::path failing[] = {dir.path() / "file" / "controller-state",
                                           dir.path() / std::string(256, 'n')};
  for (const auto& path : failing) {
    std::string error;
    EXPECT_FALSE(save(path, ControllerState{}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_THAT(dir.names(), ElementsAre("file"));
  }
}

struct Unusable {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
};

// Whatever is at the path: its type, owner, size and content.
std::string describe(const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "nothing";
  std::string text = std::to_string(st.st_mode) + " " + std::to_string(st.st_uid) + " " + std::to_string(st.st_size);
  if (S_ISREG(st.st_mode) && st.st_size < 4096) text += " " + readFile(path);
  return text;
}

TEST(StateFile, AFileThatIsThereButUnusableIsNeverWritten) {
  const std::string good = "lens = 7\n";
  const Unusable cases[] = {
      {"FIFO", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"link to a good state",
       [&](const auto& p) {
         writeFile(p.string() + "-target", good);
         std::filesystem::create_symlink(p.string() + "-target", p);
       }},
  };
  for (const Unusable& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto path = dir.path() / "controller-state";
    c.make(path);
    const std::string before = describe(path);
    const files::Result<LoadedState> loaded = loadState(path);
    EXPECT_FALSE(loaded);
    Collected state(path);
    EXPECT_EQ(state.file.load(), ControllerState{});
    EXPECT_FALSE(state.file.usable());
    EXPECT_EQ(state.file.unusableWhy(), loaded.why()) << "the failure says why";
    ASSERT_EQ(state.warnings.size(), 1u);
    EXPECT_THAT(state.warnings[0], HasSubstr("running from defaults"));
    std::string why;
    EXPECT_FALSE(update(
        state.file, [](const ControllerState& s) { return s; }, why));
    EXPECT_THAT(why, HasSubstr("not written"));
    EXPECT_EQ(describe(path), before);
    EXPECT_EQ(state.warnings.size(), 1u) << "said once";
    for (const auto& name : dir.names()) EXPECT_THAT(name, StartsWith("controller-state")) << "nothing else made";
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".lock"));
  }
}

TEST(StateFile, UpdateReadsTheFileAsItIsNow) {
  TempDir dir;
  const auto path = dir.path() / "controller-state";
  Collected state(path);
  state.file.load();
  auto addOneToLens = [](ControllerState s) {
    ++s.lens;
    return s;
  };
  std::string why;
  writeFile(path, "lens = 41\n");  // another process saved
  ASSERT_TRUE(update(state.file, addOneToLens, why)) << why;
  EXPECT_EQ(loadState(path)->state.lens, 42);

  writeFile(path, "lens = forty\n");  // corrupt meanwhile: set aside, the change goes onto what was seen here
  ASSERT_TRUE(update(state.file, addOneToLens, why)) << why;
  EXPECT_EQ(loadState(path)->state.lens, 43);
  ASSERT_EQ(state.warnings.size(), 1u);
  EXPECT_THAT(state.warnings[0], HasSubstr("corrupt"));

  std::filesystem::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // unusable meanwhile: left alone
  EXPECT_FALSE(update(state.file, addOneToLens, why));
  EXPECT_THAT(why, HasSubstr("not a regular file"));
  struct stat st {};
  ASSERT_EQ(::lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

struct Meanwhile {
  const char* name;
  // What happens to the file after this process saved lens 42; gives a lock it holds, if any.
  std::function<files::UniqueFd(const std::filesystem::path&)> make;
  std::optional<std::uint16_t> takenUp;  // the lens read again, or nothing to go on from
  const char* warning;                   // part of the one warning; "" for none
  std::function<void(const std::filesystem::path&, StateFile&)> check;
};

TEST(StateFile, ReadingAgainTakesUpAnotherSaveAndNeverWritesOverWhatWentBad) {
  auto saved = [](std::uint16_t lens) {
    return [lens](const std::filesystem::path& p) {
      EXPECT_TRUE(save(p, withLens(lens)));
      return files::UniqueFd();
    };
  };
  auto lensIn = [](std::uint16_t lens) {
    return [lens](const std::filesystem::path& p, StateFile&) { EXPECT_EQ(loadState(p)->state.lens, lens); };
  };
  const Meanwhile cases[] = {
      {"another process saved", saved(7), 7, "", lensIn(7)},
      {"deleted: a fresh start",
       [](const auto& p) {
         std::filesystem::remove(p);
         return files::UniqueFd();
       },
       ControllerState{}.lens, "", [](const auto& p, StateFile&) { EXPECT_FALSE(std::filesystem::exists(p)); }},
      {"corrupt: moved aside, the version seen here takes its place",
       [](const auto& p) {
         writeFile(p, "lens = forty\n");
         return files::UniqueFd();
       },
       std::nullopt, "corrupt",
       [](const auto& p, StateFile&) {
         EXPECT_EQ(loadState(p)->state.lens, 42);
         int asides = 0;
         for (const auto& name : TempDir::namesIn(p.parent_path()))
           if (name.find(".corrupt-") != std::string::npos)
             asides += readFile(p.parent_path() / name) == "lens = forty\n";
         EXPECT_EQ(asides, 1);
       }},
      {"a FIFO: left as it is",
       [](const auto& p) {
         std::filesystem::remove(p);
         EXPECT_EQ(::mkfifo(p.c_str(), 0600), 0);
         return files::UniqueFd();
       },
       std::nullopt, "left as it is",
       [](const auto& p, StateFile& file) {
         struct stat st {};
         EXPECT_TRUE(::lstat(p.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
         std::string why;
         EXPECT_FALSE(update(
             file, [](const ControllerState& s) { return s; }, why));
         EXPECT_THAT(why, HasSubstr("not written"));
       }},
      {"saved by a process that keeps the lock",
       [&](const auto& p) {
         saved(7)(p);
         files::UniqueFd lock(::open((p.string() + ".lock").c_str(), O_RDONLY | O_CLOEXEC));
         EXPECT_EQ(::flock(lock.get(), LOCK_EX), 0);
         return lock;
       },
       std::nullopt, "held by another process",
       [](const auto& p, StateFile& file) {
         EXPECT_EQ(loadState(p)->state.lens, 7);
         std::string why;
         EXPECT_FALSE(update(
             file, [](const ControllerState& s) { return s; }, why))
             << "a save waits as long";
         EXPECT_THAT(why, HasSubstr("held by another process"));
       }},
  };
  for (const Meanwhile& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto path = dir.path() / "controller-state";
    Collected state(path, std::chrono::milliseconds(20));
    state.file.load();
    std::string why;
    ASSERT_TRUE(update(
        state.file, [](const ControllerState&) { return withLens(42); }, why))
        << why;
    EXPECT_FALSE(state.file.changed()) << "its own save";
    const files::UniqueFd lock = c.make(path);
    EXPECT_TRUE(state.file.changed());
    const auto again = state.file.reread();
    EXPECT_EQ(again ? std::optional<std::uint16_t>(again->lens) : std::nullopt, c.takenUp);
    ASSERT_EQ(state.warnings.size(), *c.warning ? 1u : 0u);
    if (*c.warning) {
      EXPECT_THAT(state.warnings[0], HasSubstr(c.warning));
    }
    EXPECT_FALSE(state.file.changed()) << "read again once per version";
    c.check(path, state.file);
  }
}

TEST(StateFile, StaleTemporariesOfOurOwnAreRemovedAtStart) {
  TempDir dir;
  const auto path = dir.path() / "controller-state";
  for (const char* name : {"controller-state.tmp-Ab12Z9", "controller-state.tmp-000000", "controller-state.tmp-Ab12Z",
                           "controller-state.tmp-Ab12Z9x", "controller-state.tmp-Ab_2Z9", "other.tmp-Ab12Z9",
                           "controller-state.corrupt-20240101T000000"})
    writeFile(dir.path() / name, "x");
  std::filesystem::create_symlink(dir.path() / "other.tmp-Ab12Z9", dir.path() / "controller-state.tmp-Link01");
  std::filesystem::create_directory(dir.path() / "controller-state.tmp-Dir001");
  const bool root = ::geteuid() == 0;
  if (root) {
    writeFile(dir.path() / "controller-state.tmp-Other1", "x");
    ASSERT_EQ(::chown((dir.path() / "controller-state.tmp-Other1").c_str(), 4321, 4321), 0);
  }
  Collected state(path);
  state.file.load();
  std::vector<std::string> expected = {
      "controller-state.lock",       "controller-state.tmp-Ab12Z", "controller-state.tmp-Ab12Z9x",
      "controller-state.tmp-Ab_2Z9", "other.tmp-Ab12Z9",           "controller-state.corrupt-20240101T000000",
      "controller-state.tmp-Link01", "controller-state.tmp-Dir001"};
  if (root) expected.push_back("controller-state.tmp-Other1");
  EXPECT_THAT(dir.names(), UnorderedElementsAreArray(expected));
}

TEST(StateFile, PathComesFromTheEnvironment) {
  using Env = std::map<std::string, std::string>;
  const std::pair<Env, std::string> cases[] = {
      {{{"ZORCOMM_STATE", "/x/s"}, {"XDG_STATE_HOME", "/xdg"}, {"HOME", "/h"}}, "/x/s"},
      {{{"ZORCOMM_STATE", ""}, {"XDG_STATE_HOME", "/xdg"}}, "/xdg/zor-maintenance/controller-state"},
      {{{"ZORCOMM_STATE", ""}, {"HOME", "relative"}}, ""},
  };
  for (const auto& [env, expected] : cases) {
    auto lookup = [&env = env](const char* name) -> const char* {
      auto it = env.find(name);
      return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(resolveStatePath(lookup).string(), expected);
  }
}

}  // namespace
}  // namespace zor::controller
