#include "app/reader_template.h"

#include "app/reader_window.h"
#include "runtime/template/template_writer.h"

namespace voxlet {

const std::vector<uint8_t>& ReaderTemplate() {
  static const std::vector<uint8_t> bytes = vx::WriteWindowTemplate({ReaderWindow()});
  return bytes;
}

}  // namespace voxlet
