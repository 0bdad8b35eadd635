#include "zorctl/commands_common.h"

#include "zorctl/interrupt.h"

namespace zor::zorctl {

namespace svc = zor::service;
using svc::Outcome;

int Context::open() {
  const Outcome opened = session.open();
  return opened.ok() ? kDone : out.finish(opened);
}

int Context::checkFamily(std::optional<svc::Feature> feature, const std::string& what) {
  if (!feature) return kDone;
  const Outcome checked = svc::CheckFamily(svc::KnownFamily(session.service().identity()), *feature, FromUtf8(what));
  return checked.ok() ? kDone : Refuse(out, ToUtf8(checked.message));
}

int Refuse(Output& out, const std::string& message) { return out.finish(kRefused, message, "refused"); }

int Usage(Output& out, const std::string& message) {
  return out.finish(kUsage, message + " (zorctl help for the commands)", "usage");
}

int Finish(Context& c, const Outcome& outcome, const std::string& what) {
  if (outcome.status == svc::Status::Refused) {
    const std::string why = ToUtf8(outcome.message.empty() ? svc::kWrongPasswordMessage : outcome.message);
    return Refuse(c.out, what + ": " + why);
  }
  // Done, with a word for the user beside it.
  if (outcome.ok() && !outcome.message.empty()) {
    c.out.info(ToUtf8(outcome.message));
    return c.out.finish(kDone);
  }
  return c.out.finish(outcome);
}

int Send(Context& c, const std::string& what, const svc::Task& operation, std::optional<svc::Feature> feature) {
  const Plan plan = MakePlan(operation);
  if (plan.outcome.status == svc::Status::Refused) return Finish(c, plan.outcome, what);
  if (c.inv.options.dryRun) {
    ReportPlan(plan, c.out);
    return c.out.finish(kDone);
  }
  if (const int status = c.open(); status != kDone) return status;
  if (const int status = c.checkFamily(feature, what); status != kDone) return status;
  const Outcome outcome = c.session.send(what, operation, plan);
  if (outcome.notKept) c.out.warning(ToUtf8(svc::kNotKeptMessage));
  if (StopRequested()) return Interrupted(c, what, ToUtf8(outcome.message));
  return Finish(c, outcome, what);
}

int Interrupted(Context& c, const std::string& what, const std::string& sofar) {
  std::string message = what + ": interrupted by " + StopSignalName();
  message += "; " + (sofar.empty() ? std::string("what was under way was sent in full") : sofar);
  return c.out.finish(InterruptedStatus(), message, "interrupted");
}

// A dry run of a read prints its plan.
int DryRead(Context& c, const svc::Task& operation) {
  ReportPlan(MakePlan(operation), c.out);
  return c.out.finish(kDone);
}

}  // namespace zor::zorctl
