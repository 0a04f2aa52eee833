#include "speech/platform/espeak/latin_runs.h"

namespace vx {
namespace {

bool IsLatinLetter(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) return true;
  // Latin-1 Supplement and Latin Extended-A/B letters (not the signs × and ÷).
  return c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7;
}

// ASCII that may sit between the letters of one English run.
bool JoinsLatin(wchar_t c) { return c == L'\t' || (c >= 0x20 && c < 0x7F); }

}  // namespace

std::vector<TextRun> SplitLatinRuns(std::wstring_view text) {
  std::vector<TextRun> runs;
  auto add = [&runs](size_t begin, size_t end, RunLanguage language) {
    if (end > begin) runs.push_back({begin, end - begin, language});
  };
  size_t mandarinBegin = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (!IsLatinLetter(text[i])) {
      ++i;
      continue;
    }
    size_t begin = i;
    size_t lastLetter = i;
    for (++i; i < text.size() && (IsLatinLetter(text[i]) || JoinsLatin(text[i])); ++i) {
      if (IsLatinLetter(text[i])) lastLetter = i;
    }
    add(mandarinBegin, begin, RunLanguage::kMandarin);
    add(begin, lastLetter + 1, RunLanguage::kEnglish);
    mandarinBegin = i = lastLetter + 1;
  }
  add(mandarinBegin, text.size(), RunLanguage::kMandarin);
  return runs;
}

}  // namespace vx
