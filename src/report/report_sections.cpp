#include "report/report_sections.h"

#include "calc/number.h"

namespace quarnel {

namespace {

constexpr const char* kRule =
    "----------------------------------------------------------------------";  // 70 hyphens

// "轴线号:" label ZONE "计算类型：" type.
void axisLine(ReportText& out, const FieldText& field, const char* type) {
  out.add("轴线号:").add(field("zxh")).zone().add("计算类型：").add(type).end();
}

// Storey height, storeys counted for the wall and for the floors.
void storeyLine(ReportText& out, const FieldText& field) {
  out.add("折算层高：").add(field("zscg")).add("(m)").zone();
  out.add("  墙体计算层数：").add(field("qcs")).add("(层)");
  out.add("   楼面计算层数：").add(field("hhjscs")).add("(层)").end();
}

// Reduction factor, equivalent wall thickness, wall length.
void wallLine(ReportText& out, const FieldText& field) {
  out.add("活荷折减系数：").add(field("zjxs")).zone();
  out.add("折算墙厚：").add(field("zsqh")).add("(m)").zone();
  out.add("    墙长度：").add(field("qcd")).add("(m)").end();
}

// Door and window area and floor span; the line stays open for the exterior wall's partitions.
void openingLine(ReportText& out, const FieldText& field) {
  out.add("门窗面积：").add(field("mcmj")).add("(m2)").zone();
  out.add("  楼面计算板跨：").add(field("lmjscd")).add("(m)");
}

// The four results as the calculation last showed them, and the closing rule.
void resultBlock(ReportText& out, const FieldText& field) {
  out.add("[计算结果]").end();
  out.add("恒荷载=").add(field("dhz")).add("(kn/m)").zone();
  out.add("活荷载=").add(field("hhz")).add("(kn/m)").end();
  out.add("折减后活荷载=").add(field("zjhh")).add("(kn/m)").end();
  out.add("设计值=恒荷载+活荷载（折减）=").add(field("hzsjz")).add("(kn/m)").end();
  out.add(kRule).end();
}

// Two loads of one line, each with its unit, the second in the next print zone.
void pairLine(ReportText& out, const FieldText& field, const char* label1, const char* field1,
              const char* unit1, const char* label2, const char* field2, const char* unit2) {
  out.add(label1).add(field(field1)).add(unit1).zone();
  out.add(label2).add(field(field2)).add(unit2).end();
}

}  // namespace

void writeHeader(ReportText& out, const FieldText& field) {
  out.add(kRule).end();
  out.add("                          ----Quarnel书----").end();
  out.add(kRule).end();
  out.add("基本数据").end();
  // Doors and windows weigh per square metre of opening: their unit is kn/m2.
  pairLine(out, field, "砖墙容重：", "zrz", "(kn/m3)", "门窗容重：", "crz", "(kn/m2)");
  pairLine(out, field, "楼面活荷：", "lmhh", "(kn/m2)", "楼面恒荷：", "lmdh", "(kn/m2)");
  pairLine(out, field, "屋面活荷：", "wmhh", "(kn/m2)", "屋面恒荷：", "wmdh", "(kn/m2)");
  out.add("女儿墙线荷载：").add(field("nrq")).add("(kn/m)").end();
  out.add(kRule).end();
}

void writeExterior(ReportText& out, const FieldText& field, bool firstForm) {
  axisLine(out, field, "外墙");
  pairLine(out, field, "阳台挑出宽度：", "yttccd", "(m)", "阳台总长度：", "ytzcd", "(m)");
  storeyLine(out, field);
  wallLine(out, field);
  openingLine(out, field);
  if (firstForm)
    out.add("    隔墙数量：").add(field("gqsl")).add("(道)").end();
  else
    out.add("  隔墙数量：").add(field("gqsl")).add("道").end();
  resultBlock(out, field);
}

void writeInterior(ReportText& out, const FieldText& field) {
  axisLine(out, field, "内墙");
  storeyLine(out, field);
  wallLine(out, field);
  openingLine(out, field);
  out.end();
  out.add("隔墙数量：").end();
  out.add("轴线一侧：")
      .add("  隔墙长：")
      .add(field("gqc1"))
      .add("  数量：")
      .add(field("gqds1"))
      .end();
  out.add("轴线另侧：")
      .add("  隔墙长：")
      .add(field("gqc2"))
      .add("  数量：")
      .add(field("gqds2"))
      .end();
  resultBlock(out, field);
}

bool headerWritten(std::string_view counter) {
  LeadingNumber n = parseLeadingNumber(counter);
  if (!n.inRange) return false;
  std::optional<std::int16_t> state = toInt16(n.value);
  return state && *state == 2;
}

std::string reportBytes(const FieldText& text, bool headerDue, bool exterior, bool interior) {
  ReportText report;
  if (headerDue) writeHeader(report, text);
  if (exterior) writeExterior(report, text, headerDue);
  if (interior) writeInterior(report, text);
  return report.bytes();
}

}  // namespace quarnel
