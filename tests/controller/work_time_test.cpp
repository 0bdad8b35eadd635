#include "controller/work_time.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "controller/controller_model.h"

namespace zor::controller {
namespace {

struct CountCase {
  const char* name;
  std::vector<Span> counted;
  std::int64_t since, now;
  std::uint32_t seconds;
  std::int64_t until;
};

TEST(WorkTime, AProcessCountsTheWholeSecondsNoSpanHolds) {
  const CountCase cases[] = {
      {"alone: the part of a second waits", {}, 0, 2'999, 2, 2'000},
      {"less than a second", {}, 0, 999, 0, 0},
      {"another counted the middle", {{1'000, 2'500}}, 0, 3'000, 1, 1'000},
      {"the whole seconds end beyond a counted span", {{500, 1'200}}, 0, 2'500, 1, 1'700},
      {"all counted already", {{-5'000, 10'000}}, 0, 3'000, 0, 0},
      {"spans before and after are no matter", {{-3'000, -1'000}, {5'000, 6'000}}, 0, 3'000, 3, 3'000},
      {"since still ahead", {}, 5'000, 3'000, 0, 5'000},
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Count count = countSince(c.counted, c.since, c.now);
    EXPECT_EQ(count.seconds, c.seconds);
    EXPECT_EQ(count.until, c.until);
  }
}

TEST(WorkTime, SpansMergeAndTheLatestAreKept) {
  const std::tuple<std::vector<Span>, Span, std::vector<Span>> cases[] = {
      {{}, {0, 10}, {{0, 10}}},
      {{{0, 10}}, {10, 20}, {{0, 20}}},
      {{{0, 10}, {20, 30}}, {5, 25}, {{0, 30}}},
      {{{20, 30}}, {0, 10}, {{0, 10}, {20, 30}}},
      {{{0, 10}}, {5, 5}, {{0, 10}}},
  };
  for (const auto& [counted, span, expected] : cases) EXPECT_EQ(withSpan(counted, span), expected);

  std::vector<Span> many;
  for (std::int64_t i = 0; i <= static_cast<std::int64_t>(kMaxCountedSpans); ++i)
    many = withSpan(many, {10 * i, 10 * i + 5});
  ASSERT_EQ(many.size(), kMaxCountedSpans);
  EXPECT_EQ(many.front(), (Span{10, 15})) << "the earliest goes";
}

// Processes holding the library on one clock, each from start to end,
// saving every `every` ms (0: only when it lets go) onto one state file.
struct Holder {
  std::int64_t start, end, every;
};

struct HoldCase {
  const char* name;
  std::vector<Holder> holders;
  std::uint32_t seconds;           // on the counter at the end
  std::string boot = "this boot";  // of the clock they share
};

TEST(WorkTime, EachMomentCountsOnceWhateverTheProcessesHoldingTheLibrary) {
  const HoldCase cases[] = {
      {"two at once for 10 s", {{0, 10'000, 0}, {0, 10'000, 0}}, 10},
      {"a script within the panel's time, saving first", {{0, 200'000, 0}, {100'000, 101'500, 0}}, 200},
      {"overlapping", {{0, 15'000, 0}, {5'000, 20'000, 0}}, 20},
      {"apart: each part of a second left at the end goes", {{0, 5'500, 0}, {10'000, 12'500, 0}}, 7},
      {"saves every 0.7 s lose nothing to rounding", {{0, 10'000, 700}, {300, 10'000, 0}}, 10},
      {"three, saving at their own pace", {{0, 30'000, 4'100}, {1'000, 12'000, 2'300}, {9'000, 31'000, 0}}, 31},
      {"without the boot's name each counts its own time", {{0, 10'000, 0}, {0, 10'000, 0}}, 20, ""},
  };
  for (const HoldCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Events in time order; at one moment, starts go first.
    std::multimap<std::pair<std::int64_t, int>, std::function<void()>> events;
    std::int64_t now = 0;
    ControllerState onDisk;
    std::vector<std::unique_ptr<ControllerModel>> models(c.holders.size());
    auto save = [&](std::size_t i) {
      const ControllerModel::Save made = models[i]->changesOnto(onDisk);
      onDisk = made.state;
      models[i]->saved(made);
    };
    for (std::size_t i = 0; i < c.holders.size(); ++i) {
      const Holder& h = c.holders[i];
      events.insert({{h.start, 0}, [&, i] {
                       models[i] = std::make_unique<ControllerModel>(
                           onDisk, [&now] { return now; }, c.boot);
                     }});
      for (std::int64_t at = h.start + h.every; h.every && at < h.end; at += h.every)
        events.insert({{at, 1}, [&, i] { save(i); }});
      events.insert({{h.end, 1}, [&, i] {
                       save(i);
                       models[i].reset();
                     }});
    }
    for (const auto& [when, run] : events) {
      now = when.first;
      run();
    }
    EXPECT_EQ(onDisk.workSeconds, c.seconds);
  }
}

TEST(WorkTime, ProcessesReadOneCounterOnceEachSavedSinceTheOtherStarted) {
  std::int64_t now = 0;
  ControllerState onDisk;
  ControllerModel a(
      onDisk, [&now] { return now; }, "boot");
  now = 2'000;
  ControllerModel b(
      onDisk, [&now] { return now; }, "boot");
  auto save = [&](ControllerModel& m) {
    const ControllerModel::Save made = m.changesOnto(onDisk);
    onDisk = made.state;
    m.saved(made);
  };
  now = 3'500;
  save(b);
  now = 4'000;
  a.takeUp(onDisk);
  EXPECT_EQ(a.workSeconds(), 4u);
  EXPECT_EQ(b.workSeconds(), 2u) << "b does not know of a's time before b started";
  now = 5'200;
  save(a);
  for (std::int64_t at : {5'200, 5'999, 6'000, 7'900}) {
    now = at;
    b.takeUp(onDisk);
    EXPECT_EQ(a.workSeconds(), b.workSeconds()) << at;
  }
}

}  // namespace
}  // namespace zor::controller
