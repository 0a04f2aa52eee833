// The core library's text commands.
#include <cstring>
#include <string>

#include "commands/core/core_commands.h"
#include "commands/core/remove_spaces.h"
#include "commands/core/to_text.h"
#include "runtime/framework/runtime_link.h"

namespace vx {
namespace {

void SetText(MDATA* result, char* text) {
  result->raw = 0;
  result->text = text;
  result->type = type::kText;
}

}  // namespace

void ToTextCommand(MDATA* result, int count, MDATA* args) {
  std::string text = count > 0 ? ValueText(args[0]) : std::string();
  SetText(result, CoreLibraryLink().MakeText(text.data(), text.size()));
}

void RemoveAllSpacesCommand(MDATA* result, int count, MDATA* args) {
  const char* text = HasArgument(count, args, 0) ? args[0].text : nullptr;
  std::string kept = WithoutSpaces(text ? text : "");
  SetText(result, CoreLibraryLink().MakeText(kept.data(), kept.size()));
}

// The runtime recorded it at start-up, cut at the last backslash of the wide path.
void ProgramDirectoryCommand(MDATA* result, int, MDATA*) { SetText(result, CoreLibraryLink().ProgramDirectory()); }

}  // namespace vx
