#pragma once
// flock() waits without a bound; a program that holds a lock far longer than
// its work needs is stuck, and nothing of ours waits for it forever.

#include <chrono>
#include <filesystem>

#include "files/result.h"

namespace zor::files {

// Takes the flock operation (LOCK_EX or LOCK_SH) on fd, asking again with
// growing pauses (1 ms up to 50 ms) while another process holds it, for at
// most wait (zero: asks once). True: taken; false: still held when the wait
// ran out; a failure ("cannot lock <path>: ...") when flock refuses.
Result<bool> lockWithin(int fd, int operation, std::chrono::milliseconds wait, const std::filesystem::path& path);

}  // namespace zor::files
