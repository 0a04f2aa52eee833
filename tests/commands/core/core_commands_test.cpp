// The reader's core commands called as compiled code calls them.
#include <gtest/gtest.h>

#include <string>

#include "commands/core/core_commands.h"
#include "runtime/framework/gbk.h"
#include "runtime/framework/module_path.h"
#include "runtime/heap.h"
#include "tests/support/arguments.h"
#include "tests/support/program_fixture.h"

namespace vx {
namespace {

using test::Call;
using test::Text;

std::string Take(MDATA result) {
  EXPECT_EQ(result.type, type::kText);
  std::string text = result.text ? result.text : "";
  Free(result.text);
  return text;
}

class CoreCommandsTest : public test::ProgramFixture {
 protected:
  void SetUp() override { StartProgram({}, nullptr, false); }
};

TEST_F(CoreCommandsTest, RemoveAllSpacesGivesANewTextAndTheNullTextForNothing) {
  EXPECT_EQ(Take(Call(RemoveAllSpacesCommand, {Text("\xA1\xA1 a\xA1\xA1"
                                                    "b ")})),
            "ab");
  MDATA empty = Call(RemoveAllSpacesCommand, {Text(" \xA1\xA1")});
  EXPECT_EQ(empty.text, nullptr);
  EXPECT_EQ(Call(RemoveAllSpacesCommand, {}).text, nullptr);
}

TEST_F(CoreCommandsTest, ProgramDirectoryIsTheExesFolderWithoutItsBackslash) {
  std::wstring folder = ModuleFolder();
  EXPECT_EQ(Take(Call(ProgramDirectoryCommand, {})), GbkFromWide(folder.substr(0, folder.size() - 1)));
}

}  // namespace
}  // namespace vx
