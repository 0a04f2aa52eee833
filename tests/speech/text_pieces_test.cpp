#include "speech/platform/espeak/text_pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

std::vector<std::wstring> Pieces(const std::wstring& text, size_t pieceLength, size_t longest) {
  std::vector<std::wstring> out;
  size_t covered = 0;
  for (const TextPiece& piece : SplitIntoPieces(text, pieceLength, longest)) {
    EXPECT_EQ(piece.begin, covered) << "pieces follow each other without gaps";
    covered += piece.length;
    out.push_back(text.substr(piece.begin, piece.length));
  }
  EXPECT_EQ(covered, text.size());
  return out;
}

struct Case {
  const wchar_t* text;
  size_t pieceLength, longest;
  std::vector<std::wstring> pieces;
};

TEST(TextPiecesTest, PiecesEndWhereClausesEnd) {
  const Case cases[] = {
      {L"", 1, 400, {}},
      {L"你好", 1, 400, {L"你好"}},
      // Full-width clause ends, with closing quotes and blanks after them.
      {L"你好，世界。“走吧！”他说：好。", 1, 400, {L"你好，", L"世界。", L"“走吧！”", L"他说：", L"好。"}},
      {L"一、二……三", 1, 400, {L"一、", L"二……", L"三"}},
      // ASCII marks end a clause only before a blank, a closer or the end, and a dot
      // not before a lower-case word: 3.14 and e.g. stay.
      {L"Pi is 3.14, e.g. a number. Yes!", 1, 400, {L"Pi is 3.14, ", L"e.g. a number. ", L"Yes!"}},
      {L"(Hello.) World", 1, 400, {L"(Hello.) ", L"World"}},
      // A Latin word inside a clause stays in it, so the clause is one utterance.
      {L"我们用 Python 写程序。他喝 coffee。", 1, 400, {L"我们用 Python 写程序。", L"他喝 coffee。"}},
      // Whole clauses are gathered up to the piece length.
      {L"一，二，三，四。五。", 4, 400, {L"一，二，", L"三，四。", L"五。"}},
      // An over-long clause is cut after its last blank before the limit, else at it.
      {L"aaaa bbbb cccc", 1, 7, {L"aaaa ", L"bbbb ", L"cccc"}},
      {L"一二三四五六七八", 1, 3, {L"一二三", L"四五六", L"七八"}},
      // A clause that would make a piece too long starts the next piece.
      {L"一，二三四五六。", 10, 5, {L"一，", L"二三四五六", L"。"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Pieces(c.text, c.pieceLength, c.longest), c.pieces) << c.text;
}

TEST(TextPiecesTest, ACutNeverSplitsASurrogatePair) {
  std::wstring text =
      L"ab\xD83D\xDE00"
      L"cd";  // a b, one emoji, c d
  if (sizeof(wchar_t) != 2) GTEST_SKIP() << "wchar_t holds whole code points here";
  EXPECT_EQ(Pieces(text, 1, 3), (std::vector<std::wstring>{L"ab",
                                                           L"\xD83D\xDE00"
                                                           L"c",
                                                           L"d"}));
}

}  // namespace
}  // namespace vx
