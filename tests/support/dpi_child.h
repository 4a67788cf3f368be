// Tests that need a screen of another DPI run in a child process of their
// suite whose offscreen screen reports that DPI. The child's test exists only
// in the child, so that a normal run neither lists nor skips it.
//
//   const bool registered = registerDpiChildTest("Suite", "AtDpi144Child", 144, [] { ... });
//   TEST(Suite, AtDpi144) { runDpiChild("Suite", "AtDpi144Child", 144); }
#pragma once
#include <gtest/gtest.h>

#include <functional>

namespace kalvex::test {

// The test made by `make` (a fixture whose TestBody is the test), or a plain
// test running `body`; registered only in the child of that DPI.
bool registerDpiChildFixture(const char* suite, const char* name, int dpi,
                             std::function<::testing::Test*()> make);
bool registerDpiChildTest(const char* suite, const char* name, int dpi, std::function<void()> body);
void runDpiChild(const char* suite, const char* name, int dpi);
// In a child, before the application is made: the screen's DPI unscaled.
void useDpiChildScreen();

} // namespace kalvex::test
