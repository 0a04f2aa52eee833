// In tests a fatal runtime error throws this instead of showing the box, so a test
// can check the exact message and code. Every test program's main installs it.
#pragma once

#include <string>

namespace vx::test {

struct RaisedError {
  std::string message;  // GBK
  int code;
};

}  // namespace vx::test
