#include "ui/window_table.h"

#include <algorithm>
#include <stdexcept>

#include "report/report_path.h"

namespace quarnel {
namespace {

Control frame(const char* name, const char* container, const char* caption, bool visible, int l,
              int t, int w, int h) {
  Control c;
  c.name = name, c.kind = Kind::Frame, c.container = container, c.caption = caption;
  c.visible = visible;
  c.left = l, c.top = t, c.width = w, c.height = h;
  return c;
}

Control textBox(const char* name, const char* container, const char* text, bool visible, int l,
                int t, int w, int h, int tab, bool readOnly = false) {
  Control c;
  c.name = name, c.kind = Kind::TextBox, c.container = container, c.caption = text;
  c.visible = visible;
  c.readOnly = readOnly;
  c.left = l, c.top = t, c.width = w, c.height = h;
  c.tabIndex = tab;
  return c;
}

Control label(const char* name, const char* container, const char* caption, bool visible, int l,
              int t, int w, int h) {
  Control c;
  c.name = name, c.kind = Kind::Label, c.container = container, c.caption = caption;
  c.visible = visible;
  c.left = l, c.top = t, c.width = w, c.height = h;
  return c;
}

Control placed(Kind kind, const char* name, const char* container, const char* caption, int l,
               int t, int w, int h, int tab) {
  Control c;
  c.name = name, c.kind = kind, c.container = container, c.caption = caption;
  c.left = l, c.top = t, c.width = w, c.height = h;
  c.tabIndex = tab;
  return c;
}

Control line(const char* name, const char* container, int x1, int y1, int x2, int y2) {
  Control c;
  c.name = name, c.kind = Kind::Line, c.container = container, c.caption = "";
  c.left = x1, c.top = y1, c.width = x2 - x1, c.height = y2 - y1;
  return c;
}

std::vector<Control> mainControls() {
  const bool in = false;  // shown only for an interior wall
  std::vector<Control> v = {
      frame("Frame1", "", "计算部位", true, 105, 45, 1125, 1365),
      frame("Frame4", "", "计算数据", true, 1305, 60, 4890, 1335),
      frame("Frame2", "", "基本数据", true, 75, 1470, 5010, 2055),
      frame("Frame3", "Frame2", "阳台(m)", true, 2610, 940, 2040, 900),
      frame("Frame7", "Frame2", "轴线一侧", in, 2420, 510, 2500, 650),
      frame("Frame8", "Frame2", "轴线另侧", in, 2420, 1250, 2500, 650),
      frame("Frame5", "", "计算结果[kn/m]", true, 5175, 1470, 2220, 2055),
      frame("Frame6", "Frame5", "荷载设计值", true, 105, 1230, 2010, 770),

      textBox("zxh", "Frame1", "A", true, 240, 435, 660, 270, 1),
      textBox("zrz", "Frame2", "22", true, 885, 225, 780, 270, 4),
      textBox("crz", "Frame2", "0.45", true, 885, 540, 780, 270, 5),
      textBox("lmhh", "Frame2", "2.0", true, 885, 855, 780, 270, 6),
      textBox("lmdh", "Frame2", "3.60", true, 885, 1155, 780, 270, 7),
      textBox("wmhh", "Frame2", "0.7", true, 885, 1455, 780, 270, 8),
      textBox("wmdh", "Frame2", "7.0", true, 885, 1740, 780, 270, 9),
      textBox("gqsl", "Frame2", "0", true, 3540, 225, 840, 240, 10),
      textBox("nrq", "Frame2", "6.858", true, 3555, 530, 810, 270, 11),
      textBox("yttccd", "Frame3", "1.2", true, 1110, 180, 705, 270, 12),
      textBox("ytzcd", "Frame3", "", true, 1095, 480, 705, 270, 13),
      textBox("gqc1", "Frame7", "", in, 690, 240, 500, 270, 14),
      textBox("gqds1", "Frame7", "", in, 1950, 240, 450, 270, 15),
      textBox("gqc2", "Frame8", "", in, 690, 240, 500, 270, 16),
      textBox("gqds2", "Frame8", "", in, 1950, 240, 450, 270, 17),
      textBox("zscg", "Frame4", "", true, 1140, 150, 690, 270, 18),
      textBox("qcs", "Frame4", "", true, 1140, 435, 690, 270, 19),
      textBox("hhjscs", "Frame4", "", true, 1140, 705, 690, 270, 20),
      placed(Kind::ComboBox, "zjxs", "Frame4", "0.65", 1140, 982, 975, 300, 21),
      textBox("zsqh", "Frame4", "", true, 3495, 165, 975, 270, 22),
      textBox("qcd", "Frame4", "", true, 3495, 450, 975, 270, 23),
      textBox("mcmj", "Frame4", "", true, 3495, 735, 975, 270, 24),
      textBox("lmjscd", "Frame4", "", true, 3495, 1014, 975, 270, 25),
      textBox("dhz", "Frame5", "", true, 1005, 285, 1020, 270, 60, true),
      textBox("hhz", "Frame5", "", true, 1005, 600, 1020, 270, 62, true),
      textBox("zjhh", "Frame5", "", true, 1005, 900, 1020, 270, 64, true),
      textBox("hzsjz", "Frame6", "", true, 900, 420, 1005, 270, 67, true),
      textBox("counter", "Frame6", "1", false, 225, 435, 285, 270, 69, true),

      placed(Kind::Option, "optwq", "Frame1", "外墙", 240, 750, 735, 255, 2),
      placed(Kind::Option, "Optnq", "Frame1", "内墙", 240, 1050, 735, 255, 3),
      placed(Kind::Button, "cmdjs", "", "计  算", 6310, 200, 1035, 330, 26),
      placed(Kind::Button, "Cmdjss", "", "生成计算书", 6310, 600, 1035, 330, 27),
      placed(Kind::Button, "cmdhelp", "", "使用说明", 6310, 1020, 1035, 330, 78),

      line("Line1", "Frame2", 2340, 180, 2340, 1965),
      line("Line2", "Frame4", 2295, 150, 2295, 1260),

      label("Label1", "Frame2", "砖墙容重", true, 120, 255, 735, 255),
      label("Label2", "Frame2", "[kn/m3]", true, 1680, 240, 645, 270),
      label("Label3", "Frame2", "门窗容重", true, 120, 570, 765, 225),
      label("Label4", "Frame2", "女儿墙线荷载", true, 2415, 570, 1080, 225),
      label("Label5", "Frame2", "[kn/m2]", true, 1695, 570, 600, 225),
      label("Label6", "Frame2", "楼面活荷", true, 90, 885, 735, 210),
      label("Label7", "Frame2", "[kn/m2]", true, 1680, 1005, 660, 255),
      label("Label8", "Frame2", "楼面恒荷", true, 90, 1185, 720, 195),
      label("Label9", "Frame2", "每层隔墙数量", true, 2415, 240, 1110, 195),
      label("Label10", "Frame2", "屋面活荷", true, 90, 1485, 735, 195),
      label("Label11", "Frame2", "[kn/m2]", true, 1665, 1665, 645, 180),
      label("Label12", "Frame2", "屋面恒荷", true, 105, 1770, 735, 240),
      label("Label13", "Frame2", "[kn/m]", true, 4410, 540, 510, 240),
      label("Label14", "Frame3", "挑出宽度", true, 180, 285, 750, 195),
      label("Label15", "Frame3", "总长  度", true, 180, 540, 720, 180),
      label("Label16", "Frame1", "轴线号", true, 300, 225, 555, 210),
      label("Label17", "Frame4", "折算层高", true, 195, 240, 720, 210),
      label("Label18", "Frame4", "墙体计算层数", true, 45, 480, 1095, 210),
      label("Label19", "Frame4", "楼面计算层数", true, 45, 750, 1080, 240),
      label("Label20", "Frame4", "[m]", true, 1890, 195, 315, 210),
      label("Label21", "Frame4", "[层]", true, 1860, 630, 420, 210),
      label("Label22", "Frame4", "折算墙厚", true, 2505, 225, 750, 195),
      label("Label23", "Frame4", "[m]", true, 4515, 615, 300, 195),
      label("Label24", "Frame4", "墙  长度", true, 2490, 480, 720, 210),
      label("Label25", "Frame4", "门窗面积", true, 2505, 765, 750, 210),
      label("Label26", "Frame4", "活荷折减系数", true, 30, 1035, 1095, 195),
      label("Label27", "Frame4", "楼面计算板跨", true, 2340, 1050, 1095, 210),
      label("Label28", "Frame5", "恒荷载", true, 195, 315, 555, 210),
      label("Label29", "Frame5", "活荷载", true, 180, 645, 555, 210),
      label("Label30", "Frame5", "折减后活荷", true, 30, 930, 960, 210),
      label("Label31", "Frame6", "1.2*恒+1.4*活(折减)", true, 105, 225, 1710, 180),
      label("Label32", "Frame8", "[m]", in, 1170, 270, 270, 180),
      label("Label33", "Frame8", "隔墙长", in, 90, 280, 540, 180),
      label("Label34", "Frame7", "隔墙长", in, 90, 280, 540, 180),
      label("Label35", "Frame2", "[道]", true, 4470, 240, 450, 240),
      label("Label36", "Frame7", "[m]", in, 1170, 270, 270, 180),
      label("Label37", "Frame7", "数量", in, 1530, 280, 360, 180),
      label("Label38", "Frame8", "数量", in, 1530, 280, 360, 180),
  };
  for (Control& c : v) {
    if (c.name == "zjxs") c.items = {"1.00", "0.90", "0.85", "0.70", "0.65", "0.60", "0.55"};
    // The tooltip names the file the report goes to on this system.
    if (c.name == "Cmdjss") c.tooltip = "生成(" + reportPathShown() + ")文件";
  }
  return v;
}

std::vector<Control> helpControls() {
  Control text = textBox("txthelp", "", "", true, 45, 30, 4590, 2760, 0, true);
  text.multiLine = true;
  return {text, placed(Kind::Button, "cmdoff", "", "关  闭", 3315, 2835, 1050, 330, 1)};
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

const Control& controlFor(const WindowDesc& window, std::string_view name, Operation operation) {
  const Control* c = findControl(window, name);
  if (!c) throw std::invalid_argument("no control " + std::string(name));
  const bool text = c->kind == Kind::TextBox || c->kind == Kind::ComboBox;
  const bool applies[] = {
      text, text, c->kind == Kind::Option,
      c->kind != Kind::Option && c->kind != Kind::Button && c->kind != Kind::ComboBox, text};
  if (!applies[int(operation)])
    throw std::invalid_argument("the operation does not apply to " + std::string(name));
  return *c;
}

}  // namespace quarnel
