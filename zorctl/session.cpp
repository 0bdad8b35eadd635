#include "zorctl/session.h"

#include <unistd.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "link/found_systems.h"
#include "link/load_device_link.h"
#include "protocol/discovery.h"
#include "service/text.h"
#include "zorctl/interrupt.h"
#include "zorctl/people.h"

namespace zor::zorctl {

namespace {

// Says nothing: the plan's system is found, and reports nothing.
class SilentHost final : public zor::service::Host {
  void notConnected() override {}
  void identified(const zor::service::Identity&) override {}
};

}  // namespace

Plan MakePlan(const zor::service::Task& operation) {
  DryRun recorder;
  const zor::link::DeviceLink link = recorder.link();
  SilentHost silent;
  zor::service::Maintenance planned(link, recorder, silent);
  planned.connect();
  Plan plan;
  plan.outcome = operation ? operation(planned) : zor::service::Outcome::done();
  plan.steps = recorder.steps();
  plan.totalMs = recorder.totalMs();
  plan.packets = recorder.packets();
  return plan;
}

void ReportPlan(const Plan& plan, Output& out) {
  if (out.json()) {
    QJsonArray steps;
    for (const PlanStep& step : plan.steps) {
      QJsonObject s;
      s.insert(QStringLiteral("at_ms"), static_cast<double>(step.atMs));
      s.insert(QStringLiteral("step"), QString::fromStdString(Describe(step)));
      steps.append(s);
    }
    out.set(QStringLiteral("dry_run"), steps);
    out.set(QStringLiteral("total_ms"), static_cast<double>(plan.totalMs));
    return;
  }
  for (const PlanStep& step : plan.steps) {
    char at[32];
    std::snprintf(at, sizeof at, "%7lld ms  ", step.atMs);
    out.line(at + Describe(step));
  }
  char total[64];
  std::snprintf(total, sizeof total, "%d packets, %lld ms", plan.packets, plan.totalMs);
  out.line(total);
}

// Waits for real; shows how far a transfer of known length has come on a
// terminal's standard error.
class Session::ProgressPacer final : public zor::link::Pacer {
 public:
  explicit ProgressPacer(Output& out) : out_(out) {}
  void start(std::string_view what, long long totalMs) {
    what_ = what;
    totalMs_ = totalMs;
    doneMs_ = 0;
  }
  void sleep(int milliseconds) override {
    sleeper_.sleep(milliseconds);
    doneMs_ += milliseconds;
    if (totalMs_ > 500) {
      const auto seconds = [](long long ms) { return QString::number(static_cast<double>(ms) / 1000, 'f', 1); };
      out_.progress(Local(Args(Tr("zorctl::Session", "%1: %2 s of %3 s "),
                               QString::fromUtf8(what_.data(), static_cast<qsizetype>(what_.size())), seconds(doneMs_),
                               seconds(totalMs_))));
    }
  }
  void end() {
    out_.endProgress();
    totalMs_ = 0;
  }

 private:
  zor::link::SleepingPacer sleeper_;
  Output& out_;
  std::string_view what_;
  long long totalMs_ = 0;
  long long doneMs_ = 0;
};

Session::Session(Output& out, std::optional<std::int32_t> system)
    : out_(out), system_(system), pacer_(std::make_unique<ProgressPacer>(out)) {}

Session::~Session() = default;

zor::service::Outcome Session::load() {
  using zor::service::Outcome;
  using zor::service::Status;
  // Before the library is loaded: it may read its environment only once.
  if (system_ && !zor::link::AddressSystem(*system_))
    return Outcome::failed(Status::NotConnected,
                           Tr("zorctl::Session", "the system to address could not be set in the environment"));
  if (!zor::link::LoadDeviceLink(link_, zor::link::SystemLibraryLoader(ZOR_BIN_TO_LIB))) {
    return Outcome::failed(Status::NoDeviceLink,
                           Tr("zorctl::Session",
                              "No ZORComm.DLL found: libZorComm.so is not in LD_LIBRARY_PATH, beside zorctl, in the "
                              "installed library folder or in the system library folders"));
  }
  service_ = std::make_unique<zor::service::Maintenance>(link_, *pacer_, *this);
  return Outcome::done();
}

zor::service::Outcome Session::checkAddressed(const std::vector<zor::link::FoundSystem>& systems) const {
  using zor::service::Outcome;
  // --system has set it too; with nothing found there is no serial to tell apart.
  const char* named = std::getenv(zor::protocol::discovery::kSystemVariable);
  if (systems.empty() || named == nullptr || *named == '\0') return Outcome::done();
  const std::optional<std::int32_t> serial = zor::protocol::discovery::ParseSerial(named);
  if (serial &&
      std::any_of(systems.begin(), systems.end(), [&](const zor::link::FoundSystem& s) { return s.serial == *serial; }))
    return Outcome::done();
  const QString variable = QString::fromLatin1(zor::protocol::discovery::kSystemVariable);
  QString found;
  for (const zor::link::FoundSystem& s : systems) found += (found.isEmpty() ? "" : ", ") + QString::number(s.serial);
  const PeopleText message =
      !serial   ? Args(Tr("zorctl::Session", "%1 names no serial number: \"%2\" (found: %3)"), variable,
                       zor::service::OneLine(QString::fromLocal8Bit(named)), found)
      : system_ ? Tr("zorctl::Session", "no marking system with serial number %1 answered (found: %2)")
                      .arg(*serial)
                      .arg(found)
                : Tr("zorctl::Session", "no marking system has serial number %1, which %2 names (found: %3)")
                      .arg(*serial)
                      .arg(variable)
                      .arg(found);
  return Outcome::failed(zor::service::Status::NotConnected, message);
}

zor::service::Outcome Session::open() {
  using zor::service::Outcome;
  using zor::service::Status;
  if (Outcome loaded = load(); !loaded.ok()) return loaded;
  log_ = std::make_unique<zor::service::ServiceLog>(
      "zorctl", *service_, zor::service::ServiceLogPath(), [this](const zor::service::Outcome& why) {
        out_.error(
            Local(Tr("zorctl::Session", "the service log could not be written (%1); the operation goes on without it")
                      .arg(Told(why))));
      });
  service_->setObserver(log_.get());
  opening_ = true;
  service_->connect();
  opening_ = false;
  // A device link that lists no systems is held to the identity below.
  if (Outcome addressed = checkAddressed(service_->systems()); !addressed.ok()) return addressed;
  if (!service_->isConnected())
    return Outcome::failed(Status::NotConnected, Tr("zorctl::Session", "no marking system answered"));
  // A device link that does not address systems by serial answers with whichever it has.
  const auto& identity = service_->identity();
  if (system_ && identity && identity->readable && identity->info.serial != *system_) {
    return Outcome::failed(Status::NotConnected,
                           Tr("zorctl::Session",
                              "the device link answered with the system of serial number %1, not %2: it does "
                              "not address systems by serial number")
                               .arg(identity->info.serial)
                               .arg(*system_));
  }
  return Outcome::done();
}

zor::service::Reading<std::vector<zor::link::FoundSystem>> Session::list() {
  using zor::service::Outcome;
  if (Outcome loaded = load(); !loaded.ok()) return loaded;
  const bool answered = service_->findSystems();
  std::vector<zor::link::FoundSystem> systems = service_->systems();
  if (systems.empty()) {
    return Outcome::failed(
        zor::service::Status::NotConnected,
        answered
            ? Tr("zorctl::Session", "a marking system answered, but the device link does not list the systems it found")
            : Tr("zorctl::Session", "no marking system answered"));
  }
  // A serial ZORCOMM_SYSTEM alone names does not hide what answered.
  if (!system_) return systems;
  if (Outcome addressed = checkAddressed(systems); !addressed.ok()) return addressed;
  return systems;
}

zor::service::Outcome Session::send(std::string_view what, const zor::service::Task& operation, const Plan& plan) {
  const StopOnSignal stop(Local(Tr("zorctl::Session", "stopping after this value")).c_str());
  pacer_->start(what, plan.totalMs);
  zor::service::Outcome outcome = operation(*service_);
  pacer_->end();
  return outcome;
}

void Session::notConnected() { out_.error(ToUtf8(zor::link::kNotConnectedMessage)); }

void Session::identified(const zor::service::Identity& identity) {
  if (identity.readable) return;
  out_.error(Local(
      opening_ ? Tr("zorctl::Session", "a marking system was found, but its identity could not be read")
               : Tr("zorctl::Session", "the marking system was found again, but its identity could not be read")));
}

}  // namespace zor::zorctl
