#include "zorctl/session.h"

#include <unistd.h>

#include <QJsonArray>
#include <QJsonObject>
#include <chrono>
#include <cstdio>
#include <thread>

#include "link/load_device_link.h"

namespace zorctl {

namespace {

// Says nothing: what a plan made ahead of a real run needs.
class SilentHost final : public zor::service::Host {
  void notConnected() override {}
  void identified(const zor::service::Identity&) override {}
};

}  // namespace

// Waits for real; with a plan whose total is known, shows how far the
// transfer has come on a terminal's standard error.
class Session::ProgressPacer final : public zor::Pacer {
 public:
  void start(std::string_view what, long long totalMs) {
    what_ = what;
    totalMs_ = totalMs;
    doneMs_ = 0;
    shown_ = false;
  }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  void sleep(int milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    doneMs_ += milliseconds;
    if (enabled_ && totalMs_ > 500) {
      std::fprintf(stderr, "\rzorctl: %.*s: %.1f s of %.1f s ", static_cast<int>(what_.size()), what_.data(),
                   static_cast<double>(doneMs_) / 1000, static_cast<double>(totalMs_) / 1000);
      shown_ = true;
    }
  }
  void end() {
    if (shown_) std::fputs("\r\033[K", stderr);
    shown_ = false;
    totalMs_ = 0;
  }

 private:
  std::string_view what_;
  long long totalMs_ = 0;
  long long doneMs_ = 0;
  bool enabled_ = false;
  bool shown_ = false;
};

Session::Session(Output& out, bool dryRun) : out_(out), pacer_(std::make_unique<ProgressPacer>()) {
  if (dryRun) dry_ = std::make_unique<DryRun>();
  pacer_->setEnabled(!out.quiet() && isatty(STDERR_FILENO) != 0);
}

Session::~Session() = default;

int Session::open(std::string& kind, std::string& problem) {
  if (dry_) {
    link_ = dry_->link();
  } else if (!zor::LoadDeviceLink(link_, zor::SystemLibraryLoader(ZOR_BIN_TO_LIB))) {
    kind = "no-device-link";
    problem = "No ZORComm.DLL found: libZorComm.so is not in LD_LIBRARY_PATH, beside zorctl, in the installed "
              "library folder or in the system library folders";
    return kNoSystem;
  }
  service_ = std::make_unique<zor::service::Maintenance>(link_, dry_ ? static_cast<zor::Pacer&>(*dry_) : *pacer_,
                                                         *this);
  opening_ = true;
  service_->connect();
  opening_ = false;
  if (!service_->isConnected()) {
    kind = "not-connected";
    problem = "no marking system answered";
    return kNoSystem;
  }
  return kDone;
}

zor::service::Outcome Session::send(std::string_view what, const Operation& operation) {
  if (dry_) return operation(*service_);
  // The same operation on the recording link first: its waits are the
  // length of the transfer.
  long long totalMs = 0;
  {
    DryRun plan;
    const zor::DeviceLink planLink = plan.link();
    SilentHost silent;
    zor::service::Maintenance planned(planLink, plan, silent);
    planned.connect();
    plan.clear();
    operation(planned);
    totalMs = plan.totalMs();
  }
  pacer_->start(what, totalMs);
  zor::service::Outcome outcome = operation(*service_);
  pacer_->end();
  return outcome;
}

void Session::reportPlan() {
  if (!dry_) return;
  if (out_.json()) {
    QJsonArray steps;
    for (const PlanStep& step : dry_->steps()) {
      QJsonObject s;
      s.insert(QStringLiteral("at_ms"), static_cast<double>(step.atMs));
      s.insert(QStringLiteral("step"), QString::fromStdString(Describe(step)));
      steps.append(s);
    }
    out_.set(QStringLiteral("dry_run"), steps);
    out_.set(QStringLiteral("total_ms"), static_cast<double>(dry_->totalMs()));
    return;
  }
  for (const PlanStep& step : dry_->steps()) {
    char at[32];
    std::snprintf(at, sizeof at, "%7lld ms  ", step.atMs);
    out_.line(at + Describe(step));
  }
  char total[64];
  std::snprintf(total, sizeof total, "%d packets, %lld ms", dry_->packets(), dry_->totalMs());
  out_.line(total);
}

void Session::notConnected() { out_.error(Utf8(zor::kNotConnectedMessage)); }

void Session::identified(const zor::service::Identity& identity) {
  if (identity.readable || dry_) return;
  out_.error(opening_ ? "a marking system was found, but its identity could not be read"
                      : "the marking system was found again, but its identity could not be read");
}

}  // namespace zorctl
