// The engine synthesises a text piece by piece, holding eSpeak only for a turn of
// one or a few pieces, so other speech objects get their turn and no lock is held
// while audio waits for the device. Pieces end where eSpeak ends a clause anyway, so a piece is
// spoken as it would be inside the whole text: each clause stays one utterance, and
// the Mandarin voice reads the Latin words in it as English within that utterance.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vx {

struct TextPiece {
  size_t begin;  // code units into the text
  size_t length;
};

// A piece gathers whole clauses until it holds at least this many code units.
constexpr size_t kPieceLength = 60;
// A clause longer than this is cut at its last blank before the limit, else at it.
constexpr size_t kLongestPiece = 400;

// Pieces covering the whole text in order. A clause ends after a full-width 。！？，；：、
// or an ellipsis, or after an ASCII . ! ? , ; : that a blank, a closing bracket or
// quote, or the end follows (a dot not before a lower-case word); the closing
// quotes and brackets and the blanks after it belong to it.
std::vector<TextPiece> SplitIntoPieces(std::wstring_view text, size_t pieceLength = kPieceLength,
                                       size_t longestPiece = kLongestPiece);

}  // namespace vx
