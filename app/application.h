#pragma once

namespace zor::app {
// The application object: sets up the real seams and runs the main panel.

class Application {
 public:
  struct Options {
    // Report when the panel is first painted (monotonic time, resident
    // memory) on standard output and close it: for start-up measurements.
    bool startupProbe = false;
  };

  explicit Application(Options options) : options_(options) {}

  // Runs the main panel modally; false, so the process ends when it closes.
  bool InitInstance();

 private:
  Options options_;
};

}  // namespace zor::app
