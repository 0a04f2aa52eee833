#include "runtime/file_search.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "runtime/framework/gbk.h"
#include "runtime/heap.h"

namespace vx {
namespace {

class FileSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vx_find_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (const char* name : {"a.txt", "b.dat", "语音.txt"}) Touch(name);
    CreateDirectoryW((folder_ + L"\\" + WideFromGbk("子目录")).c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"a.txt", "b.dat", "语音.txt"}) DeleteFileW(Path(name).c_str());
    RemoveDirectoryW(Path("子目录").c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring Path(const char* name) { return folder_ + L"\\" + WideFromGbk(name); }
  void Touch(const char* name) {
    CloseHandle(CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  // Every name the search yields, continuing with empty patterns until null.
  std::set<std::string> All(const char* pattern, uint32_t mask, bool nonDirectories) {
    std::set<std::string> names;
    void* handle = nullptr;
    std::string full = GbkFromWide(folder_.c_str()) + "\\" + pattern;
    for (char* name = FindFile(full.c_str(), mask, nonDirectories, &handle); name;
         name = FindFile("", mask, nonDirectories, &handle)) {
      names.insert(name);
      Free(name);
    }
    EXPECT_EQ(handle, nullptr) << "an exhausted search closes and clears its handle";
    return names;
  }
  std::wstring folder_;
};

TEST_F(FileSearchTest, NonDirectoryFlagYieldsFilesOnly) {
  EXPECT_EQ(All("*", 0, true), (std::set<std::string>{"a.txt", "b.dat", "语音.txt"}));
  EXPECT_EQ(All("*.txt", 0, true), (std::set<std::string>{"a.txt", "语音.txt"}));
}

TEST_F(FileSearchTest, AttributeMaskSelectsDirectories) {
  std::set<std::string> directories = All("*", FILE_ATTRIBUTE_DIRECTORY, false);
  EXPECT_TRUE(directories.count("子目录"));
  EXPECT_FALSE(directories.count("a.txt"));
}

TEST_F(FileSearchTest, NoMatchGivesNullAndNoHandle) {
  EXPECT_TRUE(All("*.none", 0, true).empty());
  void* handle = nullptr;
  EXPECT_EQ(FindFile("", 0, true, &handle), nullptr);
  CloseFileSearch(nullptr);
}

TEST_F(FileSearchTest, NewPatternRestartsTheSearch) {
  void* handle = nullptr;
  std::string pattern = GbkFromWide(folder_.c_str()) + "\\a.*";
  char* first = FindFile(pattern.c_str(), 0, true, &handle);
  ASSERT_NE(first, nullptr);
  char* again = FindFile(pattern.c_str(), 0, true, &handle);
  ASSERT_NE(again, nullptr);
  EXPECT_STREQ(first, again);
  Free(first);
  Free(again);
  CloseFileSearch(handle);
}

}  // namespace
}  // namespace vx
