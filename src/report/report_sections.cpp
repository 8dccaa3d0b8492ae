#include "report/report_sections.h"

namespace quarnel {

namespace {

constexpr const char* kRule =
    "----------------------------------------------------------------------";  // 70 hyphens

// "轴线号:" label ZONE "计算类型：" type.
void axisLine(ReportText& out, const Window& w, const char* type) {
  out.add("轴线号:").add(w.text("zxh")).zone().add("计算类型：").add(type).end();
}

// Storey height, storeys counted for the wall and for the floors.
void storeyLine(ReportText& out, const Window& w) {
  out.add("折算层高：").add(w.text("zscg")).add("(m)").zone();
  out.add("  墙体计算层数：").add(w.text("qcs")).add("(层)");
  out.add("   楼面计算层数：").add(w.text("hhjscs")).add("(层)").end();
}

// Reduction factor, equivalent wall thickness, wall length.
void wallLine(ReportText& out, const Window& w) {
  out.add("活荷折减系数：").add(w.text("zjxs")).zone();
  out.add("折算墙厚：").add(w.text("zsqh")).add("(m)").zone();
  out.add("    墙长度：").add(w.text("qcd")).add("(m)").end();
}

// Door and window area and floor span; the line stays open for the exterior wall's partitions.
void openingLine(ReportText& out, const Window& w) {
  out.add("门窗面积：").add(w.text("mcmj")).add("(m2)").zone();
  out.add("  楼面计算板跨：").add(w.text("lmjscd")).add("(m)");
}

// The four results as the calculation last showed them, and the closing rule.
void resultBlock(ReportText& out, const Window& w) {
  out.add("[计算结果]").end();
  out.add("恒荷载=").add(w.text("dhz")).add("(kn/m)").zone();
  out.add("活荷载=").add(w.text("hhz")).add("(kn/m)").end();
  out.add("折减后活荷载=").add(w.text("zjhh")).add("(kn/m)").end();
  out.add("设计值=恒荷载+活荷载（折减）=").add(w.text("hzsjz")).add("(kn/m)").end();
  out.add(kRule).end();
}

// Two loads of one line, each with its unit, the second in the next print zone.
void pairLine(ReportText& out, const Window& w, const char* label1, const char* field1,
              const char* unit1, const char* label2, const char* field2, const char* unit2) {
  out.add(label1).add(w.text(field1)).add(unit1).zone();
  out.add(label2).add(w.text(field2)).add(unit2).end();
}

}  // namespace

void writeHeader(ReportText& out, const Window& w) {
  out.add(kRule).end();
  out.add("                          ----Quarnel书----").end();
  out.add(kRule).end();
  out.add("基本数据").end();
  // The report writes (kn/m3) after the door and window weight too, though the window says kn/m2.
  pairLine(out, w, "砖墙容重：", "zrz", "(kn/m3)", "门窗容重：", "crz", "(kn/m3)");
  pairLine(out, w, "楼面活荷：", "lmhh", "(kn/m2)", "楼面恒荷：", "lmdh", "(kn/m2)");
  pairLine(out, w, "屋面活荷：", "wmhh", "(kn/m2)", "屋面恒荷：", "wmdh", "(kn/m2)");
  out.add("女儿墙线荷载：").add(w.text("nrq")).add("(kn/m)").end();
  out.add(kRule).end();
}

void writeExterior(ReportText& out, const Window& w, bool firstForm) {
  axisLine(out, w, "外墙");
  pairLine(out, w, "阳台挑出宽度：", "yttccd", "(m)", "阳台总长度：", "ytzcd", "(m)");
  storeyLine(out, w);
  wallLine(out, w);
  openingLine(out, w);
  if (firstForm)
    out.add("    隔墙数量：").add(w.text("gqsl")).add("(道)").end();
  else
    out.add("  隔墙数量：").add(w.text("gqsl")).add("道").end();
  resultBlock(out, w);
}

void writeInterior(ReportText& out, const Window& w) {
  axisLine(out, w, "内墙");
  storeyLine(out, w);
  wallLine(out, w);
  openingLine(out, w);
  out.end();
  out.add("隔墙数量：").end();
  out.add("轴线一侧：")
      .add("  隔墙长：")
      .add(w.text("gqc1"))
      .add("  数量：")
      .add(w.text("gqds1"))
      .end();
  out.add("轴线另侧：")
      .add("  隔墙长：")
      .add(w.text("gqc2"))
      .add("  数量：")
      .add(w.text("gqds2"))
      .end();
  resultBlock(out, w);
}

}  // namespace quarnel
