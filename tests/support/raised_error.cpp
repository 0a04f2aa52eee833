#include "tests/support/raised_error.h"

#include "runtime/runtime_error.h"

namespace vx {

void RaiseRuntimeError(const char* message, int code) {
  throw test::RaisedError{message ? message : "", code};
}

void ReportRuntimeError(int code) { RaiseRuntimeError(NumberedErrorMessage(code), code); }

}  // namespace vx
