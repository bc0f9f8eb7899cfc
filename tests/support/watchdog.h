// Test helper: ends the test program if a test waits far longer than it
// should, so that a read that blocks fails the run instead of hanging it.
#ifndef QUOVADRIN_TESTS_WATCHDOG_H
#define QUOVADRIN_TESTS_WATCHDOG_H

#include <unistd.h>

class Watchdog {
public:
  explicit Watchdog(unsigned Seconds = 20) { alarm(Seconds); }
  ~Watchdog() { alarm(0); }
  Watchdog(const Watchdog &) = delete;
  Watchdog &operator=(const Watchdog &) = delete;
};

#endif
