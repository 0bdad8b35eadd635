// zorctl's parts: the command line, the values it takes, the password file,
// and the plan a dry run prints.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <variant>

#include "service/format.h"
#include "service/text.h"
#include "zorctl/arguments.h"
#include "zorctl/password_input.h"
#include "zorctl/people.h"
#include "zorctl/session.h"
#include "zorctl/values.h"

namespace {

using namespace zor::zorctl;

std::variant<Invocation, UsageError> Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "zorctl");
  return ParseArguments(static_cast<int>(args.size()), args.data());
}

TEST(Arguments, OptionsStandAnywhereAndNegativeNumbersAreValues) {
  const auto parsed = Parse({"--json", "set", "min-current", "-1", "--password-file=/p", "--quiet"});
  ASSERT_TRUE(std::holds_alternative<Invocation>(parsed));
  const auto& inv = std::get<Invocation>(parsed);
  EXPECT_EQ(inv.command, "set");
  EXPECT_EQ(inv.values, (std::vector<std::string>{"min-current", "-1"}));
  EXPECT_TRUE(inv.options.json);
  EXPECT_TRUE(inv.options.quiet);
  EXPECT_EQ(inv.options.passwordFile, "/p");
  const auto ended = std::get<Invocation>(Parse({"set", "lens", "--", "--json"}));
  EXPECT_EQ(ended.values.back(), "--json");
  EXPECT_FALSE(ended.options.json);
}

TEST(Arguments, RefusesWhatItDoesNotKnow) {
  for (const auto& args : std::vector<std::vector<const char*>>{
           {"info", "--bogus"}, {"set", "serial", "1", "--password", "x"}, {"--password-file"}, {"--json=yes"}}) {
    EXPECT_TRUE(std::holds_alternative<UsageError>(Parse(args))) << args.back();
  }
}

TEST(Arguments, SystemTakesADecimalSerialNumber) {
  const struct {
    std::vector<const char*> args;
    std::optional<std::int32_t> serial;  // nothing: a usage error
  } cases[] = {{{"--system", "100002", "info"}, 100002}, {{"info", "--system=7"}, 7},
               {{"--system", "-3", "info"}, -3},         {{"--system", "1e5", "info"}, std::nullopt},
               {{"--system", "", "info"}, std::nullopt}, {{"--system", "2147483648"}, std::nullopt},
               {{"info", "--system"}, std::nullopt},     {{"--system", " 7"}, std::nullopt}};
  for (const auto& c : cases) {
    const auto parsed = Parse(c.args);
    if (!c.serial) {
      EXPECT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.args[1];
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed)) << c.args[1];
    EXPECT_EQ(std::get<Invocation>(parsed).options.system, c.serial);
  }
}

TEST(Values, Addresses) {
  const struct {
    const char* text;
    bool ok;
  } cases[] = {{"192.168.1.10", true}, {"0.0.0.0", true},    {"255.255.255.255", true}, {"256.1.1.1", false},
               {"1.2.3", false},       {"1.2.3.4.5", false}, {"1..3.4", false},         {"1.2.3.4 ", false},
               {"a.b.c.d", false},     {"-1.2.3.4", false},  {"0001.2.3.4", false},     {"", false}};
  for (const auto& c : cases)
    EXPECT_EQ(zor::service::ParseDotted(zor::service::FromUtf8(c.text)).has_value(), c.ok) << c.text;
  EXPECT_EQ(*zor::service::ParseDotted(u"192.168.1.10"), (zor::service::Ipv4{192, 168, 1, 10}));
}

TEST(Values, WholeNumbersAndMoves) {
  EXPECT_EQ(ParseWhole("65535", 0, 65535), 65535);
  EXPECT_EQ(ParseWhole("+7", 0, 10), 7);
  for (const char* text : {"65536", "-1", "1.0", "", "1x", " 1"}) EXPECT_FALSE(ParseWhole(text, 0, 65535)) << text;
  EXPECT_EQ(ParseMoves("uDlR")->size(), 4u);
  EXPECT_TRUE(ParseMoves("")->empty());
  EXPECT_FALSE(ParseMoves("UX"));
}

class PasswordFile : public ::testing::Test {
 protected:
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("zorctl-test-" + std::to_string(getpid()));
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return (dir / name).string();
  }
};

TEST_F(PasswordFile, TakesTheFirstLineWithoutItsEnding) {
  EXPECT_EQ(ReadPasswordFile(write("a", "KPLVoxen\r\nmore\n")).value, "KPLVoxen");
  EXPECT_EQ(ReadPasswordFile(write("b", "KPLVoxen")).value, "KPLVoxen");
  const auto empty = ReadPasswordFile(write("c", ""));
  EXPECT_TRUE(empty.ok());
  EXPECT_EQ(empty.value, "");
}

TEST_F(PasswordFile, RefusesFoldersMissingFilesAndEndlessLines) {
  const auto folder = ReadPasswordFile(dir.string());
  EXPECT_EQ(folder.status, zor::service::Status::Refused);
  EXPECT_NE(ToUtf8(folder.message).find("not a regular file"), std::string::npos);
  EXPECT_FALSE(ReadPasswordFile((dir / "missing").string()).ok());
  EXPECT_FALSE(ReadPasswordFile(write("long", std::string(100000, 'x'))).ok());
}

TEST_F(PasswordFile, ReadsAPipe) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(::write(fds[1], "secret\n", 7), 7);
  close(fds[1]);
  EXPECT_EQ(ReadPasswordFile("/proc/self/fd/" + std::to_string(fds[0])).value, "secret");
  close(fds[0]);
}

// A FIFO is opened without blocking and read within the bound, whether its
// writer is there already, comes later, or never comes.
TEST_F(PasswordFile, AFifoGetsItsLineWithinTheBound) {
  const std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto unwritten = ReadPasswordFile(fifo, std::chrono::milliseconds(50));
  EXPECT_FALSE(unwritten.ok());
  EXPECT_EQ(ToUtf8(unwritten.message), "no program wrote a password line to the pipe " + fifo + " within 50 ms");

  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::write(fd, "late\nrest", 9), 9);
    ::close(fd);
  });
  EXPECT_EQ(ReadPasswordFile(fifo, std::chrono::seconds(30)).value, "late");
  writer.join();
}

// The plan is the service layer's own transcript, timed by its waits.
// Tables line up on a terminal in every language: a wide character takes two columns.
TEST(People, PadsToTheColumnsATerminalShows) {
  const struct {
    const char16_t* text;
    qsizetype width;
    qsizetype columns;
    const char* padded;
  } cases[] = {
      {u"FILE", 6, 4, "FILE  "},
      {u"EINSTELLUNG", 6, 11, "EINSTELLUNG"},  // never cut
      {u"(nicht lesbar)", 16, 14, "(nicht lesbar)  "},
      {u"设置", 6, 4, "设置  "},
      {u"（无法读取）", 13, 12, "（无法读取） "},
      {u"Gr\u00f6\u00dfe", 6, 5,
       "Gr\xc3\xb6\xc3\x9f"
       "e "},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(Columns(text), c.columns) << text.toStdString();
    EXPECT_EQ(Padded(text, c.width), c.padded) << text.toStdString();
  }
}

// A value that holds "%1" (a path, a name typed) is put in as it is, in both forms.
TEST(People, ValuesHoldingPlaceholdersStayAsTheyAre) {
  const PeopleText text = Args(PeopleText(QStringLiteral("cannot run %1: %2"), QStringLiteral("kann %1 nicht: %2")),
                               QStringLiteral("/tmp/%2x"), QStringLiteral("gone"));
  EXPECT_EQ(text.source(), QStringLiteral("cannot run /tmp/%2x: gone"));
  EXPECT_EQ(text.local(), QStringLiteral("kann /tmp/%2x nicht: gone"));
}

TEST(Plan, RecordsPacketsAndWaitsWithTheirTiming) {
  const Plan plan = MakePlan([](zor::service::Maintenance& m) { return m.setScale(u"1", u""); });
  std::vector<std::string> steps;
  for (const PlanStep& step : plan.steps) steps.push_back(std::to_string(step.atMs) + " " + Describe(step));
  EXPECT_EQ(steps, (std::vector<std::string>{"0 find system", "0 query 142 (38 bytes)", "0 packet FF FF 42 31",
                                             "0 wait 100 ms", "100 packet FF FF 42 00", "100 wait 100 ms",
                                             "200 packet FF FF 1A 00", "200 wait 100 ms", "300 packet FF FF 42 00",
                                             "300 wait 100 ms", "400 packet FF FF 1B 00"}));
  EXPECT_EQ(plan.totalMs, 400);
  EXPECT_EQ(plan.packets, 5);
  EXPECT_TRUE(plan.outcome.ok());
}

}  // namespace
