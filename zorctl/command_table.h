#pragma once
// zorctl's commands, one row each: its name, its lines in the whole help's
// list of commands, its own help, the values and options it takes and the
// function that runs it. The help and the command line both read this table.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace zor::zorctl {

struct Context;

// A line of the whole help's list of commands: the command as typed, and
// what it does, broken where the list breaks it.
struct CommandUse {
  std::string_view synopsis;  // "move X Y"
  std::string_view summary;   // "move to a point (0 to 255 each)"
};

struct Command {
  std::string_view name;
  // Its lines in the whole help's list; a second for a command listed twice
  // ("test-power on PULSE", "test-power off").
  std::array<CommandUse, 2> uses{};
  std::string_view help;  // "zorctl help NAME", whole
  std::size_t minValues = 0;
  std::size_t maxValues = 0;
  std::initializer_list<std::string_view> options{};  // its own, besides the common ones
  int (*run)(Context&) = nullptr;                     // nullptr: help, which main answers itself
};

// Every command, in the order the whole help lists them.
std::span<const Command> Commands();
// The command of that name, or nullptr.
const Command* FindCommand(std::string_view name);

}  // namespace zor::zorctl
