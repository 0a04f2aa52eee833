#include "units/window/window_navigation.h"

#include <algorithm>

#include "contract/common_properties.h"

namespace vx {

const WindowUnitView* UnitWithControl(const WindowUnitList& units, HWND control) {
  for (size_t i = 1; i < units.size(); ++i) {
    if (units[i].control && ControlOf(units[i]) == control) return &units[i];
  }
  return nullptr;
}

const WindowUnitView* UnitHolding(const WindowUnitList& units, HWND child) {
  for (HWND at = child; at; at = GetParent(at)) {
    if (const WindowUnitView* unit = UnitWithControl(units, at)) return unit;
    if (!(GetWindowLongW(at, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

std::vector<const WindowUnitView*> NavigationCandidates(const WindowUnitList& units) {
  std::vector<const WindowUnitView*> candidates;
  for (size_t i = 1; i < units.size(); ++i) {
    const WindowUnitView& unit = units[i];
    HWND control = ControlOf(unit);
    if (!control || !unit.type || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    if (HasTypeFlag(unit, unit_state::kNeverShown | unit_state::kNoNavigationFocus)) continue;
    if (!(unit.stateFlags & kUnitTakesFocus)) continue;
    candidates.push_back(&unit);
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const WindowUnitView* a, const WindowUnitView* b) { return a->tabOrder < b->tabOrder; });
  return candidates;
}

const WindowUnitView* NextInNavigation(const WindowUnitList& units, const WindowUnitView* from, bool forward) {
  std::vector<const WindowUnitView*> candidates = NavigationCandidates(units);
  if (candidates.empty()) return nullptr;
  auto at = std::find(candidates.begin(), candidates.end(), from);
  if (at != candidates.end()) {
    ptrdiff_t index = at - candidates.begin();
    ptrdiff_t count = static_cast<ptrdiff_t>(candidates.size());
    return candidates[static_cast<size_t>((index + (forward ? 1 : count - 1)) % count)];
  }
  if (!from) return forward ? candidates.front() : candidates.back();
  if (forward) {
    for (const WindowUnitView* candidate : candidates) {
      if (candidate->tabOrder > from->tabOrder) return candidate;
    }
    return candidates.front();
  }
  for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
    if ((*it)->tabOrder < from->tabOrder) return *it;
  }
  return candidates.back();
}

}  // namespace vx
