#include "ui/window_table.h"

#include <algorithm>
#include <stdexcept>

#include "report/report_path.h"

namespace quarnel {
namespace {

// A rectangle in twips: left, top, width, height.
struct Box {
  int left, top, width, height;
};

Control placed(Kind kind, const char* name, const char* container, std::string caption, Box at,
               int tab = -1) {
  Control c;
  c.name = name, c.kind = kind, c.container = container, c.caption = std::move(caption);
  c.left = at.left, c.top = at.top, c.width = at.width, c.height = at.height;
  c.tabIndex = tab;
  return c;
}

// A frame, shown for both wall types or for one.
Control frame(const char* name, const char* container, const char* caption, Box at,
              std::optional<WallType> wall = std::nullopt) {
  Control c = placed(Kind::Frame, name, container, caption, at);
  c.wall = wall, c.visible = wall != WallType::Interior;
  return c;
}

Control line(const char* name, const char* container, int x1, int y1, int x2, int y2) {
  return placed(Kind::Line, name, container, "", {x1, y1, x2 - x1, y2 - y1});
}

// Where a field stands on the main window: its box with its tab index (a combo box where it has a
// list), its caption label, and the label of its unit where one stands beside it (a unit label
// between two fields belongs to the first), all in one container.
struct FieldPlace {
  const char* field;
  const char* container;
  Box box;
  int tab;
  const char* label;
  Box labelAt;
  const char* unitLabel = nullptr;
  Box unitAt = {};
  std::vector<std::string> list = {};
  bool labelAlwaysShown = false;  // the caption stays as a heading when the field is hidden
};

// clang-format off
const FieldPlace kPlaces[] = {
    {"zxh", "Frame1", {240, 435, 660, 270}, 1, "Label16", {300, 225, 555, 210}},
    {"zrz", "Frame2", {885, 225, 780, 270}, 4, "Label1", {120, 255, 735, 255},
     "Label2", {1680, 240, 645, 270}},
    {"crz", "Frame2", {885, 540, 780, 270}, 5, "Label3", {120, 570, 765, 225},
     "Label5", {1695, 570, 600, 225}},
    {"lmhh", "Frame2", {885, 855, 780, 270}, 6, "Label6", {90, 885, 735, 210},
     "Label7", {1680, 1005, 660, 255}},
    {"lmdh", "Frame2", {885, 1155, 780, 270}, 7, "Label8", {90, 1185, 720, 195}},
    {"wmhh", "Frame2", {885, 1455, 780, 270}, 8, "Label10", {90, 1485, 735, 195},
     "Label11", {1665, 1665, 645, 180}},
    {"wmdh", "Frame2", {885, 1740, 780, 270}, 9, "Label12", {105, 1770, 735, 240}},
    {"gqsl", "Frame2", {3540, 225, 840, 240}, 10, "Label9", {2415, 240, 1110, 195},
     "Label35", {4470, 240, 450, 240}, {}, true},
    {"nrq", "Frame2", {3555, 530, 810, 270}, 11, "Label4", {2415, 570, 1080, 225},
     "Label13", {4410, 540, 510, 240}},
    {"yttccd", "Frame3", {1110, 180, 705, 270}, 12, "Label14", {180, 285, 750, 195}},
    {"ytzcd", "Frame3", {1095, 480, 705, 270}, 13, "Label15", {180, 540, 720, 180}},
    {"gqc1", "Frame7", {690, 240, 500, 270}, 14, "Label34", {90, 280, 540, 180},
     "Label36", {1170, 270, 270, 180}},
    {"gqds1", "Frame7", {1950, 240, 450, 270}, 15, "Label37", {1530, 280, 360, 180}},
    {"gqc2", "Frame8", {690, 240, 500, 270}, 16, "Label33", {90, 280, 540, 180},
     "Label32", {1170, 270, 270, 180}},
    {"gqds2", "Frame8", {1950, 240, 450, 270}, 17, "Label38", {1530, 280, 360, 180}},
    {"zscg", "Frame4", {1140, 150, 690, 270}, 18, "Label17", {195, 240, 720, 210},
     "Label20", {1890, 195, 315, 210}},
    {"qcs", "Frame4", {1140, 435, 690, 270}, 19, "Label18", {45, 480, 1095, 210},
     "Label21", {1860, 630, 420, 210}},
    {"hhjscs", "Frame4", {1140, 705, 690, 270}, 20, "Label19", {45, 750, 1080, 240}},
    {"zjxs", "Frame4", {1140, 982, 975, 300}, 21, "Label26", {30, 1035, 1095, 195},
     nullptr, {}, {"1.00", "0.90", "0.85", "0.70", "0.65", "0.60", "0.55"}},
    {"zsqh", "Frame4", {3495, 165, 975, 270}, 22, "Label22", {2505, 225, 750, 195}},
    {"qcd", "Frame4", {3495, 450, 975, 270}, 23, "Label24", {2490, 480, 720, 210},
     "Label23", {4515, 615, 300, 195}},
    {"mcmj", "Frame4", {3495, 735, 975, 270}, 24, "Label25", {2505, 765, 750, 210}},
    {"lmjscd", "Frame4", {3495, 1014, 975, 270}, 25, "Label27", {2340, 1050, 1095, 210}},
    {"dhz", "Frame5", {1005, 285, 1020, 270}, 60, "Label28", {195, 315, 555, 210}},
    {"hhz", "Frame5", {1005, 600, 1020, 270}, 62, "Label29", {180, 645, 555, 210}},
    {"zjhh", "Frame5", {1005, 900, 1020, 270}, 64, "Label30", {30, 930, 960, 210}},
    {"hzsjz", "Frame6", {900, 420, 1005, 270}, 67, "Label31", {105, 225, 1710, 180}},
};
// clang-format on

// The controls the wall type shows and hides, in the order in which the interior-wall option sets
// them; the exterior-wall option sets them in the same order but for kMoved, which it sets right
// after kMovedAfter.
constexpr const char* kSwitchOrder[] = {
    "nrq",     "Frame3",  "Frame7",  "Frame8",  "Label4",  "Label14", "yttccd",  "ytzcd",
    "Label13", "Label15", "Label32", "Label33", "Label34", "Label35", "Label36", "Label37",
    "Label38", "gqsl",    "gqc1",    "gqc2",    "gqds1",   "gqds2"};
constexpr const char *kMoved = "gqsl", *kMovedAfter = "ytzcd";

// A control of a field, shown with the field.
Control ofField(Kind kind, const char* name, const Field& f, const char* container,
                std::string caption, Box at, int tab = -1) {
  Control c = placed(kind, name, container, std::move(caption), at, tab);
  c.field = f.name;
  c.wall = f.shownFor, c.visible = f.shownFor != WallType::Interior;
  return c;
}

std::vector<Control> mainControls() {
  const WallType X = WallType::Exterior, N = WallType::Interior;
  std::vector<Control> v = {
      frame("Frame1", "", "计算部位", {105, 45, 1125, 1365}),
      frame("Frame4", "", "计算数据", {1305, 60, 4890, 1335}),
      frame("Frame2", "", "基本数据", {75, 1470, 5010, 2055}),
      frame("Frame3", "Frame2", "阳台(m)", {2610, 940, 2040, 900}, X),
      frame("Frame7", "Frame2", "轴线一侧", {2420, 510, 2500, 650}, N),
      frame("Frame8", "Frame2", "轴线另侧", {2420, 1250, 2500, 650}, N),
      frame("Frame5", "", "计算结果[kn/m]", {5175, 1470, 2220, 2055}),
      frame("Frame6", "Frame5", "荷载设计值", {105, 1230, 2010, 770}),
  };
  std::vector<Control> labels;
  for (const FieldPlace& p : kPlaces) {
    const Field& f = field(p.field);
    Control box = ofField(p.list.empty() ? Kind::TextBox : Kind::ComboBox, p.field, f, p.container,
                          f.text, p.box, p.tab);
    box.readOnly = f.kind == FieldKind::Result;
    box.items = p.list;
    v.push_back(box);
    Control caption = ofField(Kind::Label, p.label, f, p.container, f.caption, p.labelAt);
    if (p.labelAlwaysShown) caption.wall = std::nullopt, caption.visible = true;
    labels.push_back(caption);
    if (p.unitLabel) {
      labels.push_back(ofField(Kind::Label, p.unitLabel, f, p.container,
                               "[" + std::string(f.unit) + "]", p.unitAt));
      labels.back().unitLabel = true;
    }
  }
  // The header flag of the report: never shown, never typed into.
  Control counter = placed(Kind::TextBox, "counter", "Frame6", "1", {225, 435, 285, 270}, 69);
  counter.visible = false, counter.readOnly = true;
  Control exterior = placed(Kind::Option, "optwq", "Frame1", "外墙", {240, 750, 735, 255}, 2);
  Control interior = placed(Kind::Option, "Optnq", "Frame1", "内墙", {240, 1050, 735, 255}, 3);
  exterior.wall = X, interior.wall = N;
  Control report = placed(Kind::Button, "Cmdjss", "", "生成计算书", {6310, 600, 1035, 330}, 27);
  // The tooltip names the file the report goes to on this system.
  report.tooltip = "生成(" + reportPathShown() + ")文件";
  v.insert(v.end(),
           {counter, exterior, interior,
            placed(Kind::Button, "cmdjs", "", "计  算", {6310, 200, 1035, 330}, 26), report,
            placed(Kind::Button, "cmdhelp", "", "使用说明", {6310, 1020, 1035, 330}, 78),
            line("Line1", "Frame2", 2340, 180, 2340, 1965),
            line("Line2", "Frame4", 2295, 150, 2295, 1260)});
  v.insert(v.end(), labels.begin(), labels.end());
  return v;
}

std::vector<Control> helpControls() {
  Control text = placed(Kind::TextBox, "txthelp", "", "", {45, 30, 4590, 2760}, 0);
  text.readOnly = text.multiLine = true;
  return {text, placed(Kind::Button, "cmdoff", "", "关  闭", {3315, 2835, 1050, 330}, 1)};
}

// The switched controls in the order of the option of a wall type, once it is checked that they
// are exactly the controls that one wall type shows.
std::vector<const Control*> switchOrderOf(WallType wall) {
  std::vector<const Control*> order;
  for (const char* name : kSwitchOrder) {
    if (wall == WallType::Exterior && name == std::string_view(kMoved)) continue;
    order.push_back(findControl(mainWindow(), name));
    if (wall == WallType::Exterior && name == std::string_view(kMovedAfter))
      order.push_back(findControl(mainWindow(), kMoved));
  }
  std::size_t switched = 0;
  for (const Control& c : mainWindow().controls) switched += c.wall && c.kind != Kind::Option;
  for (const Control* c : order)
    if (!c || !c->wall || c->kind == Kind::Option || switched != order.size())
      throw std::logic_error("the order of the wall-type switch is not that of the window");
  return order;
}

}  // namespace

const WindowDesc& mainWindow() {
  static const WindowDesc desc{"frmmain", "砖混Quarnel器", 7455, 3555, false, mainControls()};
  return desc;
}

const WindowDesc& helpWindow() {
  static const WindowDesc desc{"frmhelp", "使用说明", 4680, 3195, true, helpControls()};
  return desc;
}

const Control* findControl(const WindowDesc& window, std::string_view name) {
  for (const Control& c : window.controls)
    if (c.name == name) return &c;
  return nullptr;
}

std::string accessibleName(const Field& f) {
  return *f.unit ? wordsOf(f) + " (" + f.unit + ")" : wordsOf(f);
}

std::string accessibleName(const WindowDesc& window, const Control& c) {
  if (c.multiLine) return window.caption;
  return !c.field.empty() && c.kind != Kind::Label ? accessibleName(field(c.field)) : "";
}

const Control* captionLabel(const WindowDesc& window, const Control& box) {
  if (box.field.empty() || box.kind == Kind::Label) return nullptr;
  for (const Control& c : window.controls)
    if (c.kind == Kind::Label && c.field == box.field && !c.unitLabel) return &c;
  return nullptr;
}

bool takesFocus(const Control& c) {
  return c.tabIndex >= 0 && c.kind != Kind::Frame && c.kind != Kind::Label && c.kind != Kind::Line;
}

std::vector<const Control*> keyboardOrder(const WindowDesc& window) {
  std::vector<const Control*> order;
  for (const Control& c : window.controls)
    if (takesFocus(c)) order.push_back(&c);
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  return order;
}

const Control* firstFocus(const WindowDesc& window) {
  for (const Control* c : keyboardOrder(window))
    if (c->visible) return c;
  return nullptr;
}

bool startsSelected(const WindowDesc& window, const Control& option) {
  for (const Control& c : window.controls)
    if (c.kind == Kind::Option && c.container == option.container) return &c == &option;
  return false;
}

std::int16_t keyAscii(char16_t c) {
  if (c < 0x80) return static_cast<std::int16_t>(c);
  return static_cast<std::int16_t>(0x8000 | (c & 0x7FFF));
}

bool applies(Operation operation, Kind kind) {
  switch (operation) {
    case Operation::GetText:
    case Operation::SetText:
    case Operation::SetFocus:
      return kind == Kind::TextBox || kind == Kind::ComboBox;
    case Operation::IsSelected:
      return kind == Kind::Option;
    case Operation::SetVisible:
      return kind == Kind::Frame || kind == Kind::Label || kind == Kind::Line ||
             kind == Kind::TextBox;
  }
  return false;
}

const Control& controlFor(const WindowDesc& window, std::string_view name, Operation operation) {
  const Control* c = findControl(window, name);
  if (!c) throw std::invalid_argument("no control " + std::string(name));
  if (!applies(operation, c->kind))
    throw std::invalid_argument("the operation does not apply to " + std::string(name));
  return *c;
}

const std::vector<const Control*>& switchOrder(WallType wall) {
  static const std::vector<const Control*> exterior = switchOrderOf(WallType::Exterior),
                                           interior = switchOrderOf(WallType::Interior);
  return wall == WallType::Exterior ? exterior : interior;
}

const Control& optionFor(WallType wall) {
  for (const Control& c : mainWindow().controls)
    if (c.kind == Kind::Option && c.wall == wall) return c;
  throw std::logic_error("no option for the wall type");
}

}  // namespace quarnel
