#include "units/common_dialog/common_dialogs.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "runtime/framework/gbk.h"
#include "units/common_dialog/common_dialog_filter.h"

namespace vx {
namespace {

// Room for any path the system can give back.
constexpr size_t kFileNameUnits = 32768;

// Only the stored value 1 turns an option on.
DWORD FileDialogFlags(const CommonDialogData& data) {
  DWORD flags = OFN_HIDEREADONLY;
  if (data.promptCreate == 1) flags |= OFN_CREATEPROMPT;
  if (data.fileMustExist == 1) flags |= OFN_FILEMUSTEXIST;
  if (data.promptOverwrite == 1) flags |= OFN_OVERWRITEPROMPT;
  if (data.pathMustExist == 1) flags |= OFN_PATHMUSTEXIST;
  if (data.keepCurrentDirectory == 1) flags |= OFN_NOCHANGEDIR;
  return flags;
}

const wchar_t* UnlessEmpty(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Windows 2000 and later (and Wine) open the folder of an initial name that has one
// in preference to lpstrInitialDir. Once a dialog was confirmed, FileName holds a
// full path, so with an initial directory given the name goes without its folder.
std::wstring InitialName(const std::wstring& fileName, const std::wstring& folder) {
  size_t lastSeparator = fileName.find_last_of(L"\\/");
  if (folder.empty() || lastSeparator == std::wstring::npos) return fileName;
  return fileName.substr(lastSeparator + 1);
}

}  // namespace

bool RunFileDialog(CommonDialogData& data, bool save) {
  std::wstring filter = DialogFilter(WideFromGbk(data.filter));
  std::wstring title = WideFromGbk(data.title);
  std::wstring folder = WideFromGbk(data.initialDirectory);
  std::wstring extension = WideFromGbk(data.defaultExtension);
  std::wstring initialName = InitialName(WideFromGbk(data.fileName), folder);
  std::vector<wchar_t> name(kFileNameUnits, L'\0');
  initialName.copy(name.data(), name.size() - 1);

  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = UnlessEmpty(filter);
  dialog.nFilterIndex = InitialFilterIndex(data.filterIndex, !filter.empty());
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = UnlessEmpty(folder);
  dialog.lpstrTitle = UnlessEmpty(title);
  dialog.lpstrDefExt = UnlessEmpty(extension);
  dialog.Flags = FileDialogFlags(data);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return false;
  data.fileName = GbkFromWide(name.data());
  return true;
}

}  // namespace vx
