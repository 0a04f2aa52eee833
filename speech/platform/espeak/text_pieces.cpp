#include "speech/platform/espeak/text_pieces.h"

namespace vx {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0x3000; }

bool EndsClauseAlone(wchar_t c) {
  switch (c) {
    case 0x3002:
    case 0xFF01:
    case 0xFF1F:
    case 0xFF0C:
    case 0xFF1B:
    case 0xFF1A:
    case 0x3001:
    case 0x2026:
      return true;
    default:
      return false;
  }
}

bool EndsClauseBeforeBlank(wchar_t c) {
  return c == L'.' || c == L'!' || c == L'?' || c == L',' || c == L';' || c == L':';
}

bool IsClosing(wchar_t c) {
  switch (c) {
    case L'"':
    case L'\'':
    case L')':
    case L']':
    case 0x201D:
    case 0x2019:
    case 0x300D:
    case 0x300F:
    case 0xFF09:
    case 0x3011:
    case 0x300B:
      return true;
    default:
      return false;
  }
}

// Where the clause that starts at begin ends (one past its last code unit).
size_t ClauseEnd(std::wstring_view text, size_t begin) {
  size_t i = begin;
  while (i < text.size()) {
    wchar_t c = text[i++];
    bool ends = EndsClauseAlone(c) ||
                (EndsClauseBeforeBlank(c) && (i == text.size() || IsBlank(text[i]) || IsClosing(text[i])));
    if (!ends) continue;
    size_t end = i;
    while (end < text.size() && (EndsClauseAlone(text[end]) || IsClosing(text[end]))) ++end;
    while (end < text.size() && IsBlank(text[end])) ++end;
    // Like eSpeak, a dot that a lower-case word follows ends no clause ("e.g. this").
    if (c == L'.' && end < text.size() && text[end] >= L'a' && text[end] <= L'z') continue;
    return end;
  }
  return i;
}

// A cut inside an over-long stretch: after its last blank, else at the limit, never
// between the halves of a surrogate pair.
size_t CutLongStretch(std::wstring_view text, size_t begin, size_t longest) {
  size_t limit = begin + longest;
  for (size_t i = limit; i > begin + 1; --i) {
    if (IsBlank(text[i - 1])) return i;
  }
  if (text[limit] >= 0xDC00 && text[limit] <= 0xDFFF) --limit;
  return limit;
}

}  // namespace

std::vector<TextPiece> SplitIntoPieces(std::wstring_view text, size_t pieceLength, size_t longestPiece) {
  std::vector<TextPiece> pieces;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = begin;
    while (end < text.size() && end - begin < pieceLength) {
      size_t next = ClauseEnd(text, end);
      if (next - begin > longestPiece && end > begin) break;  // the clause starts a piece of its own
      end = next;
    }
    if (end - begin > longestPiece) end = CutLongStretch(text, begin, longestPiece);
    pieces.push_back({begin, end - begin});
    begin = end;
  }
  return pieces;
}

}  // namespace vx
