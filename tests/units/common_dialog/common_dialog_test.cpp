// The common dialog on a window loaded by the runtime: Open shows the system's
// dialog, which a user works from a thread of its own while the test's thread
// runs it, as the program's thread would.
#include "units/common_dialog/common_dialog_methods.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "runtime/framework/gbk.h"
#include "tests/support/program_fixture.h"
#include "tests/support/user_input.h"
#include "units/common_dialog/common_dialog_data.h"
#include "units/unit_types/core_unit_types.h"
#include "units/window/window_data.h"

namespace vx {
namespace {

using test::TakeText;

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kOwnUnit = 0x06010000;
constexpr uint32_t kDialog = 0x16010001;
using namespace common_dialog_property;
constexpr int kFileTypes = 0x470, kFolders = 0x471;  // the file dialog's lists of filters and folders

// What a user saw of a dialog and did with it.
struct DialogSeen {
  bool shown = false;
  std::wstring title;
  std::wstring folder;  // the folder it opened in, as its list shows it
  std::vector<std::wstring> filters;
  int chosenFilter = -1;
  bool overwritePrompt = false;
};

// A visible dialog of the thread, owned by `owner`, within timeoutMs.
HWND WaitForDialog(DWORD thread, HWND owner, DWORD timeoutMs) {
  HWND found = nullptr;
  auto look = [&] {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
      if (GetWindowThreadProcessId(w, nullptr) == thread && IsWindowVisible(w) && GetWindow(w, GW_OWNER) == owner)
        found = w;
    }
    return found != nullptr;
  };
  test::PumpUntil(look, timeoutMs);
  return found;
}

// A user at the dialog the test's thread is about to run: types `name` and Enter
// (answering Yes when asked to overwrite), or presses Enter or Escape alone.
class DialogUser {
 public:
  enum class Action { kTypeName, kConfirm, kCancel };

  explicit DialogUser(Action action, std::string name = {})
      : thread_([this, action, name, program = GetCurrentThreadId()] { Act(program, action, name); }) {}
  DialogSeen Finish() {
    thread_.join();
    return seen_;
  }

 private:
  void Act(DWORD program, Action action, const std::string& name) {
    HWND dialog = WaitForDialog(program, nullptr, 10000);  // no owner
    if (!dialog) return;
    test::PumpFor(300);  // the dialog fills its lists
    seen_.shown = true;
    wchar_t text[128] = {};
    GetWindowTextW(dialog, text, 128);
    seen_.title = text;
    GetWindowTextW(GetDlgItem(dialog, kFolders), text, 128);
    seen_.folder = text;
    HWND types = GetDlgItem(dialog, kFileTypes);
    for (LRESULT i = 0; i < SendMessageW(types, CB_GETCOUNT, 0, 0); ++i) {
      SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      seen_.filters.push_back(text);
    }
    seen_.chosenFilter = static_cast<int>(SendMessageW(types, CB_GETCURSEL, 0, 0));
    test::BringToFront(dialog);
    if (action == Action::kTypeName) test::TypeText(name);
    test::PressKey(action == Action::kCancel ? VK_ESCAPE : VK_RETURN);
    if (HWND prompt = WaitForDialog(program, dialog, 1000)) {
      seen_.overwritePrompt = true;
      PostMessageW(GetDlgItem(prompt, IDYES), BM_CLICK, 0, 0);
    }
    // Still up after all that: closed, so that a failing test cannot hang.
    if (!test::PumpUntil([&] { return !IsWindow(dialog); }, 3000)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }

  DialogSeen seen_;
  std::thread thread_;
};

std::wstring TempFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  return temp;
}

class CommonDialogTest : public test::ProgramFixture {
 protected:
  void Start(const CommonDialogData& data) {
    UnitDescription own = test::Unit(kOwnUnit, core_unit_type::kWindow, {0, 0, 240, 120}, kUnitVisible,
                                     StoreProperties(WindowData{.caption = "对话框"}));
    WindowDescription window;
    window.id = kWindow;
    window.items = {own,
                    test::Unit(kDialog, core_unit_type::kCommonDialog, {10, 10, 42, 42}, 0, StoreProperties(data))};
    StartProgram({window}, nullptr, true, &CoreLibrary());
  }
  static bool Open() {
    MDATA unit = {};
    unit.words[0] = kWindow;
    unit.words[1] = kDialog;
    unit.type = core_unit_type::kCommonDialog;
    MDATA result = {};
    CommonDialogOpen(&result, 1, &unit);
    EXPECT_EQ(result.type, type::kBool);
    return result.intValue == 1;
  }
  static int32_t Read(int index) { return static_cast<int32_t>(ProgramFixture::Read(kWindow, kDialog, index)); }
  static std::string ReadText(int index) { return TakeText(ProgramFixture::Read(kWindow, kDialog, index)); }

  // A folder with a Chinese name for the files the dialogs choose.
  void SetUp() override { CreateDirectoryW(folder_.c_str(), nullptr); }
  void TearDown() override {
    for (const wchar_t* name : {L"speech.wav", L"notes.txt", L"a.txt", L"old.wav", L"上次.wav"}) {
      DeleteFileW(File(name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
    ProgramFixture::TearDown();
  }
  std::wstring File(const std::wstring& name) const { return folder_ + L"\\" + name; }

  std::wstring folderName_ = L"语音测试_" + std::to_wstring(GetCurrentProcessId());
  std::wstring folder_ = TempFolder() + folderName_;
};

struct SaveCase {
  const char* name;
  const char* filter;
  int32_t filterIndex;
  std::vector<std::wstring> filtersShown;
  int chosenFilter;
  const char* typed;
  std::wstring saved;
};

void PrintTo(const SaveCase& save, std::ostream* out) { *out << save.name; }

class CommonDialogSaveTest : public CommonDialogTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(CommonDialogSaveTest, OpensWithTitleAndFiltersAndGivesTheChosenFullPath) {
  const SaveCase& save = GetParam();
  Start({.dialogType = 1,
         .title = "保存语音",
         .filter = save.filter,
         .filterIndex = save.filterIndex,
         .initialDirectory = GbkFromWide(folder_),
         .defaultExtension = "wav"});
  DialogUser user(DialogUser::Action::kTypeName, save.typed);
  bool saved = Open();
  DialogSeen seen = user.Finish();
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.title, L"保存语音");
  EXPECT_EQ(seen.filters, save.filtersShown);
  EXPECT_EQ(seen.chosenFilter, save.chosenFilter);
  EXPECT_FALSE(seen.overwritePrompt);
  EXPECT_TRUE(saved);
  EXPECT_EQ(ReadText(kFileName), GbkFromWide(File(save.saved)));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, CommonDialogSaveTest,
    ::testing::Values(
        SaveCase{
            "EndingInSpaces", "声音文件格式(*.wav)|*.wav   ", 0, {L"声音文件格式(*.wav)"}, 0, "speech", L"speech.wav"},
        SaveCase{"EndingInBars",
                 "文本(*.txt)|*.txt|声音(*.wav)|*.wav||",
                 1,
                 {L"文本(*.txt)", L"声音(*.wav)"},
                 1,
                 "notes.txt",
                 L"notes.txt"},
        SaveCase{"NegativeIndex",
                 "文本(*.txt)|*.txt|声音(*.wav)|*.wav",
                 -3,
                 {L"文本(*.txt)", L"声音(*.wav)"},
                 0,
                 "a.txt",
                 L"a.txt"}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return info.param.name; });

TEST_F(CommonDialogTest, CancellingKeepsThePreviousName) {
  Start({.dialogType = 1, .fileName = "旧名.wav", .filter = "声音文件格式(*.wav)|*.wav"});
  DialogUser user(DialogUser::Action::kCancel);
  EXPECT_FALSE(Open());
  EXPECT_TRUE(user.Finish().shown);
  EXPECT_EQ(ReadText(kFileName), "旧名.wav");
}

// FileName holds the full path of the last confirmed dialog; the next one still
// opens in InitialDirectory, offering the name alone.
TEST_F(CommonDialogTest, TheInitialDirectoryWinsOverTheFolderOfTheLastName) {
  Start({.dialogType = 1,
         .fileName = GbkFromWide(TempFolder() + L"上次.wav"),
         .initialDirectory = GbkFromWide(folder_),
         .promptOverwrite = 0});
  DialogUser user(DialogUser::Action::kConfirm);
  EXPECT_TRUE(Open());
  EXPECT_EQ(user.Finish().folder, folderName_);
  EXPECT_EQ(ReadText(kFileName), GbkFromWide(File(L"上次.wav")));
}

TEST_F(CommonDialogTest, SavingOverAnExistingFileAsksFirstOnlyWhenToldTo) {
  std::wstring existing = File(L"old.wav");
  CloseHandle(CreateFileW(existing.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  for (int32_t prompt : {1, 0}) {
    Start({.dialogType = 1, .initialDirectory = GbkFromWide(folder_), .promptOverwrite = prompt});
    DialogUser user(DialogUser::Action::kTypeName, "old.wav");
    EXPECT_TRUE(Open()) << prompt;
    EXPECT_EQ(user.Finish().overwritePrompt, prompt == 1);
    EXPECT_EQ(ReadText(kFileName), GbkFromWide(existing)) << prompt;
    program_.Stop();
  }
}

TEST_F(CommonDialogTest, TheFontDialogGivesBackTheFaceStyleSizeAndColourItStartedWith) {
  Start({.dialogType = 2,
         .fontColour = 0x000080,
         .bold = 1,
         .italic = 1,
         .underline = 1,
         .fontName = "宋体",
         .fontSize = 12});
  DialogUser user(DialogUser::Action::kConfirm);
  EXPECT_TRUE(Open());
  EXPECT_TRUE(user.Finish().shown);
  EXPECT_EQ(ReadText(kFontName), "宋体");
  EXPECT_EQ(Read(kFontSize), 12);
  EXPECT_EQ(Read(kBold), 1);
  EXPECT_EQ(Read(kItalic), 1);
  EXPECT_EQ(Read(kUnderline), 1);
  EXPECT_EQ(static_cast<uint32_t>(Read(kFontColour)), 0x000080u);
}

TEST_F(CommonDialogTest, HelpWithoutItsFileGivesFalse) {
  for (const char* file : {"", "C:\\没有\\帮助.hlp"}) {
    Start({.dialogType = 3, .helpFile = file});
    EXPECT_FALSE(Open()) << file;
    program_.Stop();
  }
}

}  // namespace
}  // namespace vx
