// The application object: runs the main dialog modally and ends the program with it.
#pragma once

#include "platform/platform.h"

class CVarnelApp {
 public:
  explicit CVarnelApp(platform::Platform& platform) : platform_(platform) {}
  // Runs the whole program; returns false, so that no message loop of its own follows.
  bool InitInstance();

 private:
  platform::Platform& platform_;
};
