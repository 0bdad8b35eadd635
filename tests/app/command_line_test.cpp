// The tool's command line: our options read without a window, and the built
// tool started with Qt's own options, with unknown ones, and without a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <string>
#include <vector>

namespace zor::app {

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsOurOptionsAndCollectsTheRest) {
  const struct {
    std::vector<const char*> args;
    Action action;
    bool probe;
    std::vector<std::string> unknown;
  } cases[] = {
      {{}, Action::Run, false, {}},
      {{"--startup-probe"}, Action::Run, true, {}},
      {{"--help"}, Action::Help, false, {}},
      {{"-h", "--version"}, Action::Help, false, {}},
      {{"-v", "--help"}, Action::Version, false, {}},
      {{"--frob", "--startup-probe", "x"}, Action::Run, true, {"--frob", "x"}},
      // What Qt would take out, seen before Qt has: ours still found.
      {{"-platform", "offscreen", "--version"}, Action::Version, false, {"-platform", "offscreen"}},
      {{"--HELP", "-help", "--help=1"}, Action::Run, false, {"--HELP", "-help", "--help=1"}},
  };
  for (const auto& c : cases) {
    std::vector<const char*> argv{"zor-maintenance"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const CommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
    const std::string where = ::testing::PrintToString(c.args);
    EXPECT_EQ(line.action, c.action) << where;
    EXPECT_EQ(line.startupProbe, c.probe) << where;
    EXPECT_EQ(line.unknown, c.unknown) << where;
  }
}

struct ToolRun {
  int status = -1;
  QString out;
  QString err;
};

// The built tool, on no controller and a state file of its own.
// A run that did not end normally keeps status -1, and its error output says
// why (a sanitizer's report, the signal), so a failure shows its cause.
ToolRun RunTool(const QStringList& args, const QProcessEnvironment& env) {
  QProcess tool;
  tool.setProcessEnvironment(env);
  tool.start(QStringLiteral(ZOR_TOOL), args);
  ToolRun run;
  const bool finished = tool.waitForFinished(120000);
  if (!finished) {
    tool.kill();
    tool.waitForFinished();
  }
  run.out = QString::fromLocal8Bit(tool.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(tool.readAllStandardError());
  if (finished && tool.exitStatus() == QProcess::NormalExit) {
    run.status = tool.exitCode();
  } else {
    run.err += QStringLiteral("\n[the tool did not end normally: %1, exit status %2, code %3]")
                   .arg(tool.errorString())
                   .arg(static_cast<int>(tool.exitStatus()))
                   .arg(tool.exitCode());
  }
  return run;
}

QProcessEnvironment ToolEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("ZORCOMM_LINK"), QStringLiteral("none"));
  env.insert(QStringLiteral("ZORCOMM_STATE"), QStringLiteral("/nonexistent/zor-command-line-test/state"));
  // In the sanitizer build the panel's leaks are checked in-process by its own
  // tests. This one ends the tool right after its first paint, while Qt's
  // paint threads wind down, where the leak checker's stop-the-world at exit
  // has now and then ended the run abnormally under load; these runs check the
  // command line, so they leave the leak check out.
  const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
  env.insert(QStringLiteral("ASAN_OPTIONS"), asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
  return env;
}

TEST(CommandLine, HelpAndVersionNeedNoDisplay) {
  QProcessEnvironment env = ToolEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  const ToolRun help = RunTool({QStringLiteral("--help")}, env);
  EXPECT_EQ(help.status, 0) << help.err.toStdString();
  EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: zor-maintenance"))) << help.out.toStdString();
  const ToolRun version =
      RunTool({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--version")}, env);
  EXPECT_EQ(version.status, 0) << version.err.toStdString();
  EXPECT_EQ(version.out, QStringLiteral("zor-maintenance %1\n").arg(QStringLiteral(ZOR_VERSION)));
}

TEST(CommandLine, QtTakesItsOptionsAndUnknownOnesAreReportedAndIgnored) {
  QProcessEnvironment env = ToolEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // only -platform says where to show the panel
  const ToolRun run = RunTool({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
                               QStringLiteral("fusion"), QStringLiteral("-session"), QStringLiteral("1a2b3c_42"),
                               QStringLiteral("--frobnicate"), QStringLiteral("--startup-probe")},
                              env);
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("panel-shown-monotonic-ns"))) << run.out.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("ignoring unknown argument '--frobnicate'"))) << run.err.toStdString();
  for (const char* qtOption : {"'-platform'", "'offscreen'", "'-style'", "'-session'"}) {
    EXPECT_FALSE(run.err.contains(QString::fromLatin1(qtOption))) << run.err.toStdString();
  }
}

}  // namespace

}  // namespace zor::app
