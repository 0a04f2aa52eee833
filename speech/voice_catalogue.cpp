#include "speech/voice_catalogue.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "runtime/framework/gbk.h"
#include "speech/speech_library.h"
#include "speech/voice_text_rules.h"

namespace vx {
namespace {

// A language id written in hexadecimal in a registry value.
LANGID ReadRegistryLanguage(const char* key, const char* value, DWORD bufferBytes) {
  HKEY opened;
  if (RegOpenKeyExA(HKEY_USERS, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return 0;
  char buffer[64] = {};
  DWORD size = bufferBytes;
  LONG status = RegQueryValueExA(opened, value, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(opened);
  if (status != ERROR_SUCCESS) return 0;
  buffer[sizeof(buffer) - 1] = 0;
  return static_cast<LANGID>(std::strtoul(buffer, nullptr, 16));
}

int32_t* EmptyVoiceList() {
  auto* list = static_cast<int32_t*>(SpeechLibraryLink().Allocate(3 * sizeof(int32_t)));
  list[0] = 1;
  list[1] = 0;
  list[2] = 0;
  return list;
}

// Steps 1 to 4 of every catalogue operation: the enumerator of all voices, or
// null when the category cannot be opened or enumerated in full.
std::unique_ptr<VoiceTokenEnum> EnumerateVoices(SpeechPlatform& platform) {
  std::unique_ptr<VoiceCategory> category;
  if (FAILED(platform.GetCategoryFromId(kVoiceCategoryId, false, &category)) || !category) return nullptr;
  std::unique_ptr<VoiceTokenEnum> tokens;
  HRESULT result = category->EnumTokens(L"", L"", &tokens);
  category.reset();
  if (result != S_OK) return nullptr;
  return tokens;
}

}  // namespace

uint16_t UiLanguageId() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
  LANGID id = 0;
  if (GetVersionExA(&version)) {
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5) {
      using GetLanguageFn = LANGID(WINAPI*)();
      auto getLanguage = reinterpret_cast<GetLanguageFn>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetUserDefaultUILanguage")));
      if (getLanguage) id = getLanguage();
    } else if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
      id = ReadRegistryLanguage(".DEFAULT\\Control Panel\\International", "Locale", 64);
      // SAPI has no voices described in these languages; their users get English.
      if (id == 0x0401 || id == 0x040D || id == 0x041E) id = 0x0409;
    } else {
      id = ReadRegistryLanguage(".Default\\Control Panel\\desktop\\ResourceLocale", nullptr, 32);
    }
  }
  return id ? id : GetUserDefaultLangID();
}

bool ReadVoiceDescription(VoiceToken& token, uint16_t languageId, std::string* description) {
  std::wstring text;
  HRESULT result = token.GetStringValue(LanguageValueName(languageId).c_str(), &text);
  if (result == kSpeechNotFound) result = token.GetStringValue(nullptr, &text);
  if (FAILED(result)) return false;
  *description = GbkFromWide(text);
  return true;
}

int32_t* ListVoices(SpeechPlatform* platform) {
  if (!platform) return EmptyVoiceList();
  std::unique_ptr<VoiceTokenEnum> tokens = EnumerateVoices(*platform);
  ULONG count = 0;
  if (!tokens || FAILED(tokens->GetCount(&count)) || count == 0) return EmptyVoiceList();

  auto* list = static_cast<int32_t*>(SpeechLibraryLink().Allocate(2 * sizeof(int32_t) + count * sizeof(char*)));
  list[0] = 1;
  list[1] = static_cast<int32_t>(count);
  auto** elements = reinterpret_cast<char**>(ArrayElements(list));
  std::memset(elements, 0, count * sizeof(char*));

  ULONG stored = 0;
  std::shared_ptr<VoiceToken> token;
  // The enumerator may yield fewer tokens than it counted, never more slots.
  while (stored < count && tokens->Next(&token) == S_OK && token) {
    std::string description;
    if (ReadVoiceDescription(*token, UiLanguageId(), &description) && !description.empty()) {
      elements[stored] = SpeechLibraryLink().CopyText(description.c_str());
    }
    ++stored;
    token.reset();
  }
  return list;
}

bool SelectVoice(SpeechPlatform& platform, SpeechVoice& voice, const char* wanted) {
  std::unique_ptr<VoiceTokenEnum> tokens = EnumerateVoices(platform);
  if (!tokens) return false;
  std::shared_ptr<VoiceToken> token;
  while (tokens->Next(&token) == S_OK && token) {
    std::string description;
    if (ReadVoiceDescription(*token, UiLanguageId(), &description)) {
      bool matches = wanted ? description == wanted : DescribesChineseVoice(description);
      if (matches) return SUCCEEDED(voice.SetVoice(token));
    }
    token.reset();
  }
  return false;
}

}  // namespace vx
