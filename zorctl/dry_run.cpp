#include "zorctl/dry_run.h"

#include <cstdio>

namespace zor::zorctl {

namespace {

DryRun* g_recorder = nullptr;

void Record(PlanStep step) {
  if (g_recorder != nullptr) g_recorder->record(step);
}

}  // namespace

}  // namespace zor::zorctl

extern "C" {
static std::int32_t DrySendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t*) {
  if (packet == nullptr || length != 4) return 2;
  zor::zorctl::Record({zor::zorctl::PlanStep::Kind::Packet, 0, packet[2], packet[3]});
  return 0;
}
// Nothing is read in a dry run: every query reports that no reply came.
static std::int32_t DryGetStatus(std::int32_t code, std::int32_t, std::uint8_t*, std::int32_t length, const char16_t*) {
  zor::zorctl::Record({zor::zorctl::PlanStep::Kind::Query, 0, code, length});
  return 1;
}
static std::int32_t DryFindSystems(std::uint8_t*, std::int32_t* found) {
  zor::zorctl::Record({zor::zorctl::PlanStep::Kind::Find, 0});
  if (found != nullptr) *found = 1;
  return 1;
}
}

namespace zor::zorctl {

DryRun::DryRun() { g_recorder = this; }

DryRun::~DryRun() {
  if (g_recorder == this) g_recorder = nullptr;
}

zor::link::DeviceLink DryRun::link() const {
  zor::link::DeviceLink link;
  link.dwSendCommand = DrySendCommand;
  link.dwGetStatus = DryGetStatus;
  link.ZORFindSystems = DryFindSystems;
  return link;
}

void DryRun::sleep(int milliseconds) {
  record({PlanStep::Kind::Wait, 0, 0, milliseconds});
  nowMs_ += milliseconds;
}

void DryRun::record(PlanStep step) {
  step.atMs = nowMs_;
  steps_.push_back(step);
}

void DryRun::clear() {
  steps_.clear();
  nowMs_ = 0;
}

int DryRun::packets() const {
  int n = 0;
  for (const PlanStep& s : steps_) n += s.kind == PlanStep::Kind::Packet ? 1 : 0;
  return n;
}

std::string Describe(const PlanStep& step) {
  char text[64];
  switch (step.kind) {
    case PlanStep::Kind::Find:
      return "find system";
    case PlanStep::Kind::Packet:
      std::snprintf(text, sizeof text, "packet FF FF %02X %02X", step.code, step.value);
      break;
    case PlanStep::Kind::Query:
      std::snprintf(text, sizeof text, "query %d (%d bytes)", step.code, step.value);
      break;
    case PlanStep::Kind::Wait:
      std::snprintf(text, sizeof text, "wait %d ms", step.value);
      break;
  }
  return text;
}

}  // namespace zor::zorctl
