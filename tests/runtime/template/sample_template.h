// A two-window template exercising every kind of record field, shared by the
// template tests and the fuzzer's seed corpus.
#pragma once

#include <vector>

#include "runtime/template/template_writer.h"

namespace vx::test {

constexpr uint32_t kMainWindow = 0x52010001;
constexpr uint32_t kSecondWindow = 0x52010002;
constexpr uint32_t kMainOwnUnit = 0x06010000;
constexpr uint32_t kGroupBox = 0x16010020;
constexpr uint32_t kSlider = 0x16010021;
constexpr uint32_t kLabel = 0x16010038;
constexpr uint32_t kComboBox = 0x16010002;
constexpr uint32_t kFileMenu = 0x26010001;
constexpr uint32_t kQuitMenu = 0x26010002;

std::vector<WindowDescription> SampleWindows();

}  // namespace vx::test
