#include "zorctl/commands_common.h"

#include "service/messages.h"
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
  return checked.ok() ? kDone : Refuse(out, Told(checked));
}

int Refuse(Output& out, const PeopleText& message) { return out.finish(kRefused, message, "refused"); }

int Usage(Output& out, const PeopleText& message) {
  return out.finish(kUsage, Tr("zorctl::Common", "%1 (zorctl help for the commands)").arg(message), "usage");
}

int Finish(Context& c, const Outcome& outcome, const std::string& what) {
  if (outcome.status == svc::Status::Refused) {
    // The device link says nothing of a wrong password; zorctl says it.
    const PeopleText why = outcome.message.empty() ? svc::WrongPasswordText() : Told(outcome);
    return Refuse(c.out, Tr("zorctl::Common", "%1: %2").arg(Value(what)).arg(why));
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
  if (StopRequested()) return Interrupted(c, what, Told(outcome));
  return Finish(c, outcome, what);
}

int Interrupted(Context& c, const std::string& what, const PeopleText& sofar) {
  const PeopleText done = sofar.isEmpty() ? Tr("zorctl::Common", "what was under way was sent in full") : sofar;
  const PeopleText message = Tr("zorctl::Common", "%1: interrupted by %2; %3")
                                 .arg(Value(what))
                                 .arg(QString::fromLatin1(StopSignalName()))
                                 .arg(done);
  return c.out.finish(InterruptedStatus(), message, "interrupted");
}

// A dry run of a read prints its plan.
int DryRead(Context& c, const svc::Task& operation) {
  ReportPlan(MakePlan(operation), c.out);
  return c.out.finish(kDone);
}

}  // namespace zor::zorctl
