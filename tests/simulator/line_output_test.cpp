// The simulator's diagnostics on a pipe that nobody reads.

#include "simulator/line_output.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
#include <regex>
#include <sstream>

namespace zor::simulator {
namespace {

using ::testing::HasSubstr;

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
  return text;
}

TEST(LineOutput, APipeNobodyReadsNeverHoldsTheWriterAndTheLossIsSaidOnce) {
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
  const files::UniqueFd reader(ends[0]);
  const files::UniqueFd writer(ends[1]);
  ASSERT_EQ(::fcntl(reader.get(), F_SETFL, O_NONBLOCK), 0);
  LineOutput output(writer.get(), 4096);
  std::ostream out(&output);
  // Far more than the pipe and the buffer hold; a blocking write would hang here.
  constexpr int kLines = 5000;
  for (int i = 0; i < kLines; ++i) out << "zor-simulator: dropped client " << i << std::endl;
  const std::size_t lost = output.lost();
  EXPECT_GT(lost, 0u);
  EXPECT_EQ(::fcntl(writer.get(), F_GETFL) & O_NONBLOCK, 0) << "the shared descriptor keeps its flags";

  std::string text = readAll(reader.get());
  out << "zor-simulator: the next" << std::endl;  // the reader came back
  text += readAll(reader.get());
  EXPECT_THAT(text, HasSubstr("\nzor-simulator: " + std::to_string(lost) +
                              " lines of diagnostics lost: the error stream was not being read\n"
                              "zor-simulator: the next\n"));
  std::istringstream lines(text);
  std::size_t kept = 0;
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_match(line, std::regex("zor-simulator: dropped client [0-9]+")))
      ++kept;
    else
      EXPECT_THAT(line, ::testing::AnyOf(HasSubstr("lines of diagnostics lost"), "zor-simulator: the next"));
  }
  EXPECT_EQ(kept + lost, static_cast<std::size_t>(kLines)) << "every line whole, or counted as lost";
}

}  // namespace
}  // namespace zor::simulator
