#include "tests/runtime/template/sample_template.h"

#include <string_view>

#include "runtime/framework/archive_writer.h"

namespace vx::test {
namespace {

StoredUnit Unit(uint32_t typeCode, const char* name, int32_t left, int32_t top, int32_t width, int32_t height,
                uint32_t parent = 0) {
  StoredUnit unit;
  unit.typeCode = typeCode;
  unit.name = name;
  unit.left = left;
  unit.top = top;
  unit.width = width;
  unit.height = height;
  unit.parent = parent;
  unit.mousePointer = {0, 0, 0, 0};
  unit.stateFlags = kUnitVisible | kUnitTakesFocus;
  return unit;
}

}  // namespace

std::vector<WindowDescription> SampleWindows() {
  WindowDescription main;
  main.id = kMainWindow;
  main.slotValue = 0x11223344;
  main.secondValue = 0x19010008;

  StoredUnit own = Unit(0x00010001, "窗口1", 50, 50, 321, 398);
  own.bindings = {{0, 0}};  // offset 0: the code base itself
  own.stateFlags = kUnitVisible;
  main.items.push_back(UnitDescription{kMainOwnUnit, own, ArchiveWriter().U32(6).U32(1).Text("窗口标题").Take()});

  StoredUnit group = Unit(0x00010009, "分组框1", 8, 218, 184, 134);
  group.children = {kSlider, kLabel};
  group.stateFlags = kUnitVisible;
  main.items.push_back(UnitDescription{
      kGroupBox, group, ArchiveWriter().U32(1).U32(0).U32(0).U32(0xFF000000).Block({}).Text("设置").Take()});

  StoredUnit slider = Unit(0x00010014, "滑块条_设置声音大小", 8, 36, 168, 34, kGroupBox);
  slider.bindings = {{0, 0x1234}, {-7, kNoHandler}, {-8, 0x20}};
  slider.tabOrder = 3;
  main.items.push_back(UnitDescription{kSlider, slider, ArchiveWriter().U32(1).U32(0).U32(0).I16(-2).Take()});

  StoredUnit label = Unit(0x0001000A, "标签2", 72, 20, 56, 15, kGroupBox);
  label.tag = "音量标签";
  label.stateFlags = kUnitVisible | kUnitDisabled;
  const std::string_view items[] = {"甲", "", "乙丙"};
  main.items.push_back(UnitDescription{kLabel, label, ArchiveWriter().U32(2).TextList(items).Take()});

  StoredUnit combo = Unit(0x0001000E, "组合框1", 64, 16, 208, 20);
  combo.bindings = {{0, 0x40}};
  main.items.push_back(UnitDescription{kComboBox, combo, {}});  // no stored block

  StoredMenuItem file;
  file.typeCode = 0x00010003;
  file.name = "菜单_文件";
  file.menuFlags = kMenuChecked;
  file.caption = "文件(&F)";
  file.handlerOffset = 0x80;
  main.items.push_back(MenuItemDescription{kFileMenu, file});
  StoredMenuItem quit = file;
  quit.name = "菜单_退出";
  quit.secondName = "退出";
  quit.firstValue = 7;
  quit.secondValue = 9;
  quit.menuFlags = kMenuHidden | kMenuDisabled;
  quit.caption = "退出";
  quit.handlerOffset = kNoHandler;
  main.items.push_back(MenuItemDescription{kQuitMenu, quit});

  WindowDescription second;
  second.id = kSecondWindow;
  second.firstText = "第二";
  second.secondText = "窗口";
  StoredUnit secondOwn = Unit(0x00010001, "", 0, 0, 200, 100);
  second.items.push_back(UnitDescription{0x06010000, secondOwn, {}});
  StoredUnit button = Unit(0x0001000B, "按钮1", 1, 2, 3, 4);
  button.sharedHandlerUnit = 0x16010099;
  button.secondName = "别名";
  button.mousePointer = {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8};
  button.bindings = {{0, 0}, {1, 0x7FFFFFFF}};
  second.items.push_back(UnitDescription{0x16010001, button, ArchiveWriter().U32(1).Block({}).Take()});

  return {main, second};
}

}  // namespace vx::test
