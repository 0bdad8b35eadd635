#pragma once
// What every zorctl command has at hand, and the ways a command ends.

#include <optional>
#include <string>

#include "service/families.h"
#include "service/maintenance.h"
#include "zorctl/arguments.h"
#include "zorctl/output.h"
#include "zorctl/people.h"
#include "zorctl/session.h"

namespace zor::zorctl {

struct Context {
  const Invocation& inv;
  Output& out;
  Session& session;

  // Loads the device link and finds the system, once every value has been
  // checked. kDone, or the exit status after saying why.
  int open();
  // After open(): refuses, with nothing sent, what the system's family does
  // not have (nullopt: every family has it). kDone, or kRefused.
  int checkFamily(std::optional<zor::service::Feature> feature, const std::string& what);
};

// A refusal of zorctl's own, before anything is sent: it names the argument.
int Refuse(Output& out, const PeopleText& message);
int Usage(Output& out, const PeopleText& message);
// Ends a command with its outcome; a refusal names the command's argument first.
int Finish(Context& c, const zor::service::Outcome& outcome, const std::string& what);
// Plans the operation (every check, nothing touched); a refusal ends it there,
// a dry run prints the plan, a real run finds the system and, if its family
// has the feature, follows the plan.
int Send(Context& c, const std::string& what, const zor::service::Task& operation,
         std::optional<zor::service::Feature> feature);
// Ends a run that SIGINT or SIGTERM stopped, saying how far it got (sofar:
// the operation's own word, when it has one): exit status 128 + the signal.
int Interrupted(Context& c, const std::string& what, const PeopleText& sofar);
// A dry run of a read prints its plan.
int DryRead(Context& c, const zor::service::Task& operation);

// The commands, each run with its values counted and its options checked
// (the table: zorctl/command_table.cpp).
int Info(Context& c);
int Get(Context& c);
int Set(Context& c);
int Move(Context& c);
int Mark(Context& c);
int Shutter(Context& c);
int Aiming(Context& c);
int TestPower(Context& c);
int InitPowerBoard(Context& c);
int ShowVersion(Context& c);
int Adjust(Context& c);
int Log(Context& c);

// Every system a discovery finds (zorctl/list.cpp).
int List(Context& c);

// zorctl/calibrate.cpp
int Calibrate(Context& c);

// The snapshot commands.
int Backup(Context& c);
int Diff(Context& c);
int RestoreCommand(Context& c);

// The service report (zorctl/report.cpp).
int Report(Context& c);

}  // namespace zor::zorctl
