// Puts back, after every test, the process-wide state a test may change:
// the dialog table and chooser, the current generator, the environment and
// any modal-window driver still waiting. A test that leaves something
// changed (a driver aside) is named on stderr, to be fixed at its source.
#pragma once
#include <gtest/gtest.h>

namespace kalvex::test {

// Appends the listener to GoogleTest's listeners (the test main does this).
void installGlobalStateGuard();

} // namespace kalvex::test
