// The main of every test program: fatal runtime errors throw RaisedError.
#include <gtest/gtest.h>

#include "runtime/runtime_error.h"
#include "tests/support/raised_error.h"

namespace {

[[noreturn]] void ThrowRaisedError(const char* message, int code) {
  throw vx::test::RaisedError{message ? message : "", code};
}

}  // namespace

int main(int argc, char** argv) {
  vx::InstallRuntimeErrorReport(ThrowRaisedError);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
