#include "report/report_sections.h"

#include "calc/number.h"

namespace quarnel {

namespace {

// The basic data of the header, two to a line, each after its label. Doors and windows weigh per
// square metre of opening: their unit is kn/m2.
struct BasicDatum {
  const char* label;
  const char* field;
};
constexpr BasicDatum kBasicData[][2] = {{{"砖墙容重：", "zrz"}, {"门窗容重：", "crz"}},
                                        {{"楼面活荷：", "lmhh"}, {"楼面恒荷：", "lmdh"}},
                                        {{"屋面活荷：", "wmhh"}, {"屋面恒荷：", "wmdh"}},
                                        {{"女儿墙线荷载：", "nrq"}, {nullptr, nullptr}}};

// A field's text, then its unit in parentheses.
ReportText& measured(ReportText& out, const FieldText& field, const char* name) {
  return out.add(field(name)).add("(" + std::string(quarnel::field(name).unit) + ")");
}

// "轴线号:" label ZONE "计算类型：" type.
void axisLine(ReportText& out, const FieldText& field, const char* type) {
  out.add("轴线号:").add(field("zxh")).zone().add("计算类型：").add(type).end();
}

// Storey height, storeys counted for the wall and for the floors.
void storeyLine(ReportText& out, const FieldText& field) {
  measured(out.add("折算层高："), field, "zscg").zone();
  measured(out.add("  墙体计算层数："), field, "qcs");
  measured(out.add("   楼面计算层数："), field, "hhjscs").end();
}

// Reduction factor, equivalent wall thickness, wall length.
void wallLine(ReportText& out, const FieldText& field) {
  out.add("活荷折减系数：").add(field("zjxs")).zone();
  measured(out.add("折算墙厚："), field, "zsqh").zone();
  measured(out.add("    墙长度："), field, "qcd").end();
}

// Door and window area and floor span; the line stays open for the exterior wall's partitions.
void openingLine(ReportText& out, const FieldText& field) {
  measured(out.add("门窗面积："), field, "mcmj").zone();
  measured(out.add("  楼面计算板跨："), field, "lmjscd");
}

// The four results as the calculation last showed them, and the closing rule.
void resultBlock(ReportText& out, const FieldText& field) {
  out.add("[计算结果]").end();
  measured(out.add("恒荷载="), field, "dhz").zone();
  measured(out.add("活荷载="), field, "hhz").end();
  measured(out.add("折减后活荷载="), field, "zjhh").end();
  measured(out.add("设计值=恒荷载+活荷载（折减）="), field, "hzsjz").end();
  out.add(kRule).end();
}

// Two values of one line, each with its unit, the second in the next print zone.
void pairLine(ReportText& out, const FieldText& field, const char* label1, const char* field1,
              const char* label2, const char* field2) {
  measured(out.add(label1), field, field1).zone();
  measured(out.add(label2), field, field2).end();
}

}  // namespace

void writeHeader(ReportText& out, const FieldText& field) {
  out.add(kRule).end();
  out.add("                          ----Quarnel书----").end();
  out.add(kRule).end();
  out.add("基本数据").end();
  for (const auto& line : kBasicData) {
    measured(out.add(line[0].label), field, line[0].field);
    if (line[1].field) measured(out.zone().add(line[1].label), field, line[1].field);
    out.end();
  }
  out.add(kRule).end();
}

void writeExterior(ReportText& out, const FieldText& field, bool firstForm) {
  axisLine(out, field, "外墙");
  pairLine(out, field, "阳台挑出宽度：", "yttccd", "阳台总长度：", "ytzcd");
  storeyLine(out, field);
  wallLine(out, field);
  openingLine(out, field);
  if (firstForm)
    measured(out.add("    隔墙数量："), field, "gqsl").end();
  else
    out.add("  隔墙数量：").add(field("gqsl")).add(quarnel::field("gqsl").unit).end();
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

std::vector<StatedDatum> headerData(const FieldText& text) {
  std::vector<StatedDatum> data;
  for (const auto& line : kBasicData)
    for (const BasicDatum& datum : line) {
      if (!datum.field) continue;
      const std::string t = text(datum.field);
      const WorkingValue v = workingValue(field(datum.field), t);
      data.push_back(v.value ? StatedDatum(*v.value) : StatedDatum(t));
    }
  return data;
}

bool headerWritten(std::string_view counter) {
  LeadingNumber n = parseLeadingNumber(counter);
  if (!n.inRange) return false;
  std::optional<std::int16_t> state = toInt16(n.value);
  return state && *state == 2;
}

std::string reportBytes(const FieldText& text, bool headerDue, std::optional<WallType> wall) {
  ReportText report;
  if (headerDue) writeHeader(report, text);
  if (wall == WallType::Exterior) writeExterior(report, text, headerDue);
  if (wall == WallType::Interior) writeInterior(report, text);
  return report.bytes();
}

}  // namespace quarnel
