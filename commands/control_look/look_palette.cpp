#include "commands/control_look/look_palette.h"

namespace vx::look {
namespace {

// Rims every style shares.
constexpr Corners kHotRimSet = Vertical({255, 240, 207}, {229, 151, 0});
constexpr Corners kCheckedRimSet = {{214, 203, 189}, {214, 207, 198}, {247, 243, 239}, {247, 243, 239}};
constexpr Corners kNormalRimSet = Vertical({255, 255, 255}, {226, 223, 214});

constexpr ArrowFace kDisabledArrow = {Flat({244, 243, 238}), Flat({244, 243, 238})};
// A hot arrow button is edged like a hot check box.
constexpr Corners kHotArrowEdge = Vertical({255, 240, 207}, {248, 179, 48});

// Style 1: blue.
constexpr LookPalette kStyle1 = {
    .frame = {123, 158, 189},
    .buttonFrame = {0, 60, 115},
    .button = {Flat({226, 223, 214}),                        // pressed rim
               kHotRimSet,                                   // hot rim
               kCheckedRimSet,                               // checked rim
               Vertical({206, 231, 255}, {105, 130, 238}),   // focused rim
               kNormalRimSet,                                // normal rim
               Vertical({214, 211, 200}, {250, 250, 248}),   // pressed centre
               Vertical({255, 255, 255}, {214, 225, 240})},  // normal centre
    .checkBox = {Vertical({176, 176, 167}, {255, 255, 255}), Vertical({255, 240, 207}, {248, 179, 48}),
                 Vertical({214, 225, 240}, {255, 255, 255})},
    .radioButton = {Vertical({176, 176, 167}, {255, 255, 255}), Vertical({255, 240, 207}, {248, 179, 48}),
                    Vertical({214, 225, 240}, {255, 255, 255})},
    .arrowButton = {kDisabledArrow,
                    {Vertical({110, 142, 241}, {210, 222, 250}), Vertical({150, 180, 240}, {226, 234, 252})},
                    {kHotArrowEdge, Vertical({253, 255, 255}, {196, 222, 252})},
                    {Vertical({255, 255, 255}, {186, 205, 232}), Vertical({240, 245, 253}, {205, 220, 242})}},
    .glyph = {123, 158, 189},
};

// Style 2: olive green; the focused rim is the hot rim.
constexpr LookPalette kStyle2 = {
    .frame = {164, 185, 127},
    .buttonFrame = {55, 98, 6},
    .button = {Flat({232, 236, 218}),                        // pressed rim
               kHotRimSet,                                   // hot rim
               kCheckedRimSet,                               // checked rim
               kHotRimSet,                                   // focused rim
               kNormalRimSet,                                // normal rim
               Vertical({205, 214, 178}, {250, 251, 246}),   // pressed centre
               Vertical({252, 252, 251}, {214, 222, 190})},  // normal centre
    .checkBox = {Vertical({176, 176, 167}, {255, 255, 255}), Vertical({255, 240, 207}, {248, 179, 48}),
                 Vertical({222, 230, 200}, {255, 255, 255})},
    .radioButton = {Vertical({176, 176, 167}, {255, 255, 255}), Vertical({255, 240, 207}, {248, 179, 48}),
                    Vertical({222, 230, 200}, {255, 255, 255})},
    .arrowButton = {kDisabledArrow,
                    {Vertical({112, 136, 62}, {160, 182, 112}), Vertical({122, 146, 72}, {170, 192, 122})},
                    {kHotArrowEdge, Vertical({188, 208, 142}, {146, 170, 92})},
                    {Vertical({182, 201, 140}, {120, 145, 70}), Vertical({172, 193, 128}, {130, 155, 78})}},
    .glyph = {255, 255, 255},
};

// Style 3: silver and lavender, the reader's.
constexpr LookPalette kStyle3 = {
    .frame = {198, 197, 215},
    .buttonFrame = {0, 60, 116},
    .button = {Flat({239, 227, 206}),                        // pressed rim
               kHotRimSet,                                   // hot rim
               kCheckedRimSet,                               // checked rim
               Vertical({206, 231, 255}, {105, 130, 238}),   // focused rim
               kNormalRimSet,                                // normal rim
               Vertical({179, 178, 197}, {252, 252, 251}),   // pressed centre
               Vertical({252, 252, 251}, {198, 197, 215})},  // normal centre
    .checkBox = {Vertical({176, 176, 167}, {255, 255, 255}), Vertical({255, 240, 207}, {248, 179, 48}),
                 Vertical({220, 220, 228}, {255, 255, 255})},
    .radioButton = {Vertical({176, 176, 167}, {255, 255, 255}), Vertical({255, 240, 207}, {248, 179, 48}),
                    Vertical({220, 220, 228}, {255, 255, 255})},
    .arrowButton = {kDisabledArrow,
                    {Vertical({187, 186, 206}, {240, 240, 245}), Vertical({198, 197, 215}, {246, 246, 249})},
                    {kHotArrowEdge, Vertical({255, 255, 255}, {224, 223, 238})},
                    {Vertical({255, 255, 255}, {198, 197, 215}), Vertical({246, 246, 249}, {210, 209, 225})}},
    .glyph = {0, 0, 0},
};

}  // namespace

const LookPalette& PaletteOf(int style) {
  switch (style) {
    case 1:
      return kStyle1;
    case 2:
      return kStyle2;
    default:
      return kStyle3;
  }
}

}  // namespace vx::look
