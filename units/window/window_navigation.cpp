#include "units/window/window_navigation.h"

#include <algorithm>

#include "runtime/runtime_notify.h"
#include "units/unit_object.h"

namespace vx {

WindowRecord* WindowRecordOf(uint32_t windowId) {
  auto* table = reinterpret_cast<WindowTable*>(RuntimeNotify(notify::kWindowTable, 0, 0));
  return table ? table->Find(windowId) : nullptr;
}

const UnitTypeInfo* UnitTypeOf(const UnitEntry& entry) {
  if (!entry.unit()) return nullptr;
  return reinterpret_cast<const UnitTypeInfo*>(RuntimeNotify(notify::kUnitTypeInfo, entry.unit()->typeCode, 0));
}

HWND ControlOf(const UnitEntry& entry) {
  auto* object = static_cast<UnitObject*>(entry.object());
  return object && object->IsLive() ? object->handle() : nullptr;
}

UnitEntry* UnitHolding(WindowRecord& window, HWND child) {
  for (HWND at = child; at; at = GetParent(at)) {
    for (size_t i = 1; i < window.units.size(); ++i) {
      UnitEntry& entry = window.units.Item(i);
      if (entry.unit() && ControlOf(entry) == at) return &entry;
    }
    if (!(GetWindowLongW(at, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

std::vector<UnitEntry*> NavigationCandidates(WindowRecord& window) {
  std::vector<UnitEntry*> candidates;
  for (size_t i = 1; i < window.units.size(); ++i) {
    UnitEntry& entry = window.units.Item(i);
    HWND control = ControlOf(entry);
    const UnitTypeInfo* type = UnitTypeOf(entry);
    if (!control || !type || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    if (type->stateFlags & (unit_state::kNeverShown | unit_state::kNoNavigationFocus)) continue;
    if (!(entry.unit()->stateFlags & kUnitTakesFocus)) continue;
    candidates.push_back(&entry);
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const UnitEntry* a, const UnitEntry* b) {
    return a->unit()->tabOrder < b->unit()->tabOrder;
  });
  return candidates;
}

UnitEntry* NextInNavigation(WindowRecord& window, const UnitEntry* from, bool forward) {
  std::vector<UnitEntry*> candidates = NavigationCandidates(window);
  if (candidates.empty()) return nullptr;
  auto at = std::find(candidates.begin(), candidates.end(), from);
  if (at != candidates.end()) {
    ptrdiff_t index = at - candidates.begin();
    ptrdiff_t count = static_cast<ptrdiff_t>(candidates.size());
    return candidates[static_cast<size_t>((index + (forward ? 1 : count - 1)) % count)];
  }
  if (!from || !from->unit()) return forward ? candidates.front() : candidates.back();
  int32_t tabIndex = from->unit()->tabOrder;
  if (forward) {
    for (UnitEntry* candidate : candidates) {
      if (candidate->unit()->tabOrder > tabIndex) return candidate;
    }
    return candidates.front();
  }
  for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
    if ((*it)->unit()->tabOrder < tabIndex) return *it;
  }
  return candidates.back();
}

}  // namespace vx
