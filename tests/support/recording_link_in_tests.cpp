// In a test process, a misused recording link fails the running test.
#include <gtest/gtest.h>

#include "tests/support/recording_link.h"

namespace zortest {

void RecordingLinkMisused(const std::string& what) { ADD_FAILURE() << what; }

}  // namespace zortest
