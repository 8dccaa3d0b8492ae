#include "calc/loads.h"

#include <cmath>
#include <limits>

#include "calc/number.h"

namespace quarnel {
namespace {

float narrowed(double value) {
  if (auto f = toFloat(value)) return *f;
  return std::copysign(std::numeric_limits<float>::infinity(), value);
}

// The loads per metre of wall that both wall types share.
void common(const Inputs& in, WorkingValues& c) {
  c.ytdh = ((in.yttccd * kBalconySlab) + kBalconyParapet) + kBalconyWindows;
  c.ythh = in.yttccd * kBalconyLiveLoad;
  c.lmdhx = in.lmjscd * in.lmdh;
  c.lmhhx = in.lmjscd * in.lmhh;
  c.wmdhx = in.lmjscd * static_cast<double>(in.wmdh);
  c.wmhhx = narrowed(in.lmjscd * in.wmhh);
}

// The wall's own weight with its doors and windows, per metre of wall and storey.
double ownWeight(const Inputs& in) {
  return (((((in.qcd * in.zscg) - in.mcmj) * in.zsqh) * in.zrz) + (in.crz * in.mcmj)) / in.qcd;
}

void exterior(const Inputs& in, WorkingValues& c) {
  c.gqzz = ((((in.zrz * in.gqsl) * in.zscg) * kPartitionThickness) * in.lmjscd) / in.qcd;
  c.qtzz = ownWeight(in);
  const double floors = static_cast<double>(in.hhjscs);
  Loads& r = c.loads;
  r.dhz = ((((c.qtzz + c.gqzz) * in.qcs) + ((c.lmdhx + ((c.ytdh * in.ytzcd) / in.qcd)) * floors)) +
           c.wmdhx) +
          static_cast<double>(in.nrq);
  r.hhz = ((c.lmhhx + ((c.ythh * in.ytzcd) / in.qcd)) * floors) + static_cast<double>(c.wmhhx);
  r.zjhh = r.hhz * static_cast<double>(in.zjxs);
  r.hzsjz = (r.zjhh * kLiveLoadFactor) + (r.dhz * kDeadLoadFactor);
}

void interior(const Inputs& in, WorkingValues& c) {
  const double sides = (in.gqc1 * in.gqds1) + (in.gqc2 * in.gqds2);
  c.gqzz = (((((sides * in.zrz) * in.zscg) * kPartitionThickness) / kPartitionSides) / in.qcd);
  c.qtzz = ownWeight(in);
  const double floors = static_cast<double>(in.hhjscs);
  Loads& r = c.loads;
  r.dhz = (((c.qtzz + c.gqzz) * in.qcs) + (c.lmdhx * floors)) + c.wmdhx;
  r.hhz = (c.lmhhx * floors) + static_cast<double>(c.wmhhx);
  r.zjhh = r.hhz * static_cast<double>(in.zjxs);
  r.hzsjz = (r.zjhh * kLiveLoadFactor) + (r.dhz * kDeadLoadFactor);
}

}  // namespace

const std::vector<FixedSetting>& fixedSettings() {
  // The blanks in the parapet's words are those of the help text, which breaks the line there.
  static const std::vector<FixedSetting> settings = {
      {"阳台板自重（每平方米阳台）", "阳台板厚130mm", kBalconySlab, "kN/m²"},
      {"阳台栏板自重（每米阳台）", "阳台栏板为60厚砖砌     1.10m高", kBalconyParapet, "kN/m"},
      {"阳台封窗自重（每米阳台）", "阳台为钢窗封闭", kBalconyWindows, "kN/m"},
      {"阳台活荷载", nullptr, kBalconyLiveLoad, "kN/m²"},
      {"隔墙厚度", "隔墙为120厚", kPartitionThickness, "m"},
      {"内墙轴线两侧隔墙的自重除以", nullptr, kPartitionSides, ""}};
  return settings;
}

WorkingValues computeWorkingValues(const Inputs& in, WallType wall) {
  WorkingValues c;
  common(in, c);
  wall == WallType::Exterior ? exterior(in, c) : interior(in, c);
  return c;
}

Loads computeLoads(const Inputs& in, WallType wall) {
  return computeWorkingValues(in, wall).loads;
}

double basicLiveTerm(const Loads& l) {
  return l.zjhh * kBasicLiveFactor;
}

double basicDeadTerm(const Loads& l) {
  return l.dhz * kBasicDeadFactor;
}

double basicCombination(const Loads& l) {
  return basicLiveTerm(l) + basicDeadTerm(l);
}

double standardCombination(const Loads& l) {
  return l.dhz + l.zjhh;
}

}  // namespace quarnel
