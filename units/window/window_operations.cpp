// The window type's unit operations, reached through its GetInterface.
#include <cstring>
#include <type_traits>
#include <vector>

#include "runtime/gbk.h"
#include "runtime/heap.h"
#include "runtime/runtime_notify.h"
#include "runtime/texts.h"
#include "units/unit_base/all_property_data.h"
#include "units/unit_base/unit_creation.h"
#include "units/unit_base/value_clamps.h"
#include "units/window/window_interface.h"
#include "units/window/window_navigation.h"
#include "units/window/window_region.h"
#include "units/window/window_unit.h"

namespace vx {
namespace {

namespace wp = window_property;

// The loader passes the menu in the first reserved word and the embedded flag in
// the second.
UnitObject* CreateWindowUnit(const uint8_t* record, int32_t recordLength, uint32_t styleBits, void* owner,
                             uint32_t, uint32_t menu, int32_t x, int32_t y, int32_t width, int32_t height,
                             uint32_t windowId, uint32_t unitId, uint32_t embedded, int32_t designFlag) {
  auto unit = NewUnitFromRecord<WindowUnit>(record, recordLength, windowId, unitId, designFlag);
  if (!unit) return nullptr;
  auto* menuHandle = reinterpret_cast<HMENU>(static_cast<uintptr_t>(menu));
  if (!unit->Create(styleBits, static_cast<HWND>(owner), menuHandle, embedded != 0, x, y, width, height)) {
    return nullptr;
  }
  return unit.release();  // from here it lives as long as its window
}
static_assert(std::is_same_v<decltype(&CreateWindowUnit), CreateUnitFn>);

void SetBytes(std::vector<uint8_t>& out, const RawPropertyValue& value) {
  if (!value.bytes.data || value.bytes.length <= 0) {
    out.clear();
  } else {
    out.assign(value.bytes.data, value.bytes.data + value.bytes.length);
  }
}

std::string TextOf(const RawPropertyValue& value) { return value.text ? value.text : ""; }
int32_t Logical(const RawPropertyValue& value) { return value.integer != 0 ? 1 : 0; }

// Switching AlwaysOnTop off must not push down the other off-taskbar windows
// that asked to stay on top.
void RestoreOtherTopmostWindows(const WindowUnit& changed) {
  auto* table = reinterpret_cast<WindowTable*>(RuntimeNotify(notify::kWindowTable, 0, 0));
  for (size_t i = 0; table && i < table->size(); ++i) {
    WindowRecord& window = table->Window(i);
    auto* other = window.units.size() ? dynamic_cast<WindowUnit*>(static_cast<UnitObject*>(
                                            window.units.Item(0).object()))
                                      : nullptr;
    if (!other || other == &changed || !other->IsLive()) continue;
    if (other->data().alwaysOnTop && !other->data().showInTaskbar) other->ApplyAlwaysOnTop();
  }
}

int32_t WindowPropertyChanged(UnitObject* object, int32_t index, const RawPropertyValue* value, int32_t* outWord) {
  if (outWord) *outWord = 0;
  auto* unit = dynamic_cast<WindowUnit*>(object);
  if (!unit || !value) return 0;
  WindowPropertyData& data = unit->data();
  HWND window = unit->handle();
  switch (index) {
    case wp::kCaption:
      data.caption = TextOf(*value);
      SetWindowTextW(window, WideFromGbk(data.caption).c_str());
      unit->ApplyFrameStyles();
      break;
    case wp::kBorder:
      data.border = ClampPickList(value->integer, kBorderCount);
      unit->ApplyFrameStyles();
      break;
    case wp::kBackColour:
      data.backColour = value->word;
      InvalidateRect(window, nullptr, TRUE);
      break;
    case wp::kBackPicture:
      SetBytes(data.backPicture, *value);
      InvalidateRect(window, nullptr, TRUE);
      break;
    case wp::kPictureMode:
      data.pictureMode = ClampPickList(value->integer, kPictureModeCount);
      if (!data.backPicture.empty()) InvalidateRect(window, nullptr, TRUE);
      break;
    case wp::kBackgroundMusic: SetBytes(data.backgroundMusic, *value); break;
    case wp::kMusicPlayMode: data.musicPlayMode = ClampPickList(value->integer, kMusicPlayModeCount); break;
    case wp::kControlBox:
    case wp::kMaxButton:
    case wp::kMinButton:
      (index == wp::kControlBox ? data.controlBox : index == wp::kMaxButton ? data.maxButton : data.minButton) =
          Logical(*value);
      unit->ApplyFrameStyles();
      break;
    case wp::kStartPosition:
      data.startPosition = ClampPickList(value->integer, kStartPositionCount);
      unit->ApplyStartPosition();
      break;
    case wp::kMovable:
      data.movable = Logical(*value);
      unit->ApplyMovable();
      break;
    case wp::kIcon: SetBytes(data.icon, *value); break;
    case wp::kEnterMovesFocus: data.enterMovesFocus = Logical(*value); break;
    case wp::kEscCloses: data.escCloses = Logical(*value); break;
    case wp::kF1OpensHelp: data.f1OpensHelp = Logical(*value); break;
    case wp::kHelpFile: data.helpFile = TextOf(*value); break;
    case wp::kHelpTopic: data.helpTopic = value->integer; break;
    case wp::kShowInTaskbar: data.showInTaskbar = Logical(*value); break;
    case wp::kDragAnywhere: data.dragAnywhere = Logical(*value); break;
    case wp::kShape:
      data.shape = ClampPickList(value->integer, kShapeCount);
      ApplyShape(window, data.shape);
      break;
    case wp::kAlwaysOnTop:
      data.alwaysOnTop = Logical(*value);
      unit->ApplyAlwaysOnTop();
      if (!data.alwaysOnTop) RestoreOtherTopmostWindows(*unit);
      break;
    case wp::kWindowOption: data.windowOption = Logical(*value); break;
    case wp::kWindowClassName: data.windowClassName = TextOf(*value); break;
    default: break;
  }
  return 0;  // every window property is taken in place
}
static_assert(std::is_same_v<decltype(&WindowPropertyChanged), PropertyChangedFn>);

void Bytes(RawPropertyValue* result, const std::vector<uint8_t>& bytes) {
  result->bytes.data = bytes.empty() ? nullptr : bytes.data();
  result->bytes.length = static_cast<int32_t>(bytes.size());
}

int32_t ReadWindowProperty(UnitObject* object, int32_t index, RawPropertyValue* result) {
  auto* unit = dynamic_cast<WindowUnit*>(object);
  if (!unit || !result) return 0;
  const WindowPropertyData& data = unit->data();
  switch (index) {
    case wp::kCaption: result->text = data.caption.c_str(); return 1;
    case wp::kBorder: result->integer = data.border; return 1;
    case wp::kBackColour: result->word = data.backColour; return 1;
    case wp::kBackPicture: Bytes(result, data.backPicture); return 1;
    case wp::kPictureMode: result->integer = data.pictureMode; return 1;
    case wp::kBackgroundMusic: Bytes(result, data.backgroundMusic); return 1;
    case wp::kMusicPlayMode: result->integer = data.musicPlayMode; return 1;
    case wp::kControlBox: result->integer = data.controlBox; return 1;
    case wp::kMaxButton: result->integer = data.maxButton; return 1;
    case wp::kMinButton: result->integer = data.minButton; return 1;
    case wp::kStartPosition: result->integer = unit->CurrentStartPosition(); return 1;
    case wp::kMovable: result->integer = data.movable; return 1;
    case wp::kIcon: Bytes(result, data.icon); return 1;
    case wp::kEnterMovesFocus: result->integer = data.enterMovesFocus; return 1;
    case wp::kEscCloses: result->integer = data.escCloses; return 1;
    case wp::kF1OpensHelp: result->integer = data.f1OpensHelp; return 1;
    case wp::kHelpFile: result->text = data.helpFile.c_str(); return 1;
    case wp::kHelpTopic: result->integer = data.helpTopic; return 1;
    case wp::kShowInTaskbar: result->integer = data.showInTaskbar; return 1;
    case wp::kDragAnywhere: result->integer = data.dragAnywhere; return 1;
    case wp::kShape: result->integer = data.shape; return 1;
    case wp::kAlwaysOnTop: result->integer = data.alwaysOnTop; return 1;
    case wp::kWindowOption: result->integer = data.windowOption; return 1;
    case wp::kWindowClassName: result->text = data.windowClassName.c_str(); return 1;
    default: return 0;
  }
}
static_assert(std::is_same_v<decltype(&ReadWindowProperty), GetPropertyDataFn>);

// The callback gets a runtime heap text it may convert in place or replace with
// another heap text (freeing the one it was given).
void WalkText(std::string& text, TextCallback callback, intptr_t userValue) {
  char* heapText = CopyText(text.c_str());
  callback(&heapText, 0, userValue);
  text = heapText ? heapText : "";
  Free(heapText);
}

uint8_t* WalkWindowTexts(const uint8_t* record, int32_t* recordLength, TextCallback callback, intptr_t userValue) {
  if (!recordLength || !callback) return nullptr;
  WindowPropertyData data;
  if (!LoadPropertyData(data, record, *recordLength)) return nullptr;
  WalkText(data.caption, callback, userValue);
  WalkText(data.helpFile, callback, userValue);
  std::vector<uint8_t> stream = data.Stream();
  auto* result = static_cast<uint8_t*>(Allocate(static_cast<int32_t>(stream.size())));
  std::memcpy(result, stream.data(), stream.size());
  *recordLength = static_cast<int32_t>(stream.size());
  return result;
}
static_assert(std::is_same_v<decltype(&WalkWindowTexts), WalkTextsFn>);

}  // namespace

void* WindowUnitOperations(int32_t number) {
  switch (number) {
    case unit_interface::kCreateUnit: return reinterpret_cast<void*>(CreateWindowUnit);
    case unit_interface::kPropertyChanged: return reinterpret_cast<void*>(WindowPropertyChanged);
    case unit_interface::kGetAllPropertyData: return reinterpret_cast<void*>(GetAllPropertyData);
    case unit_interface::kGetPropertyData: return reinterpret_cast<void*>(ReadWindowProperty);
    case unit_interface::kWalkTexts: return reinterpret_cast<void*>(WalkWindowTexts);
    default: return nullptr;
  }
}

}  // namespace vx
