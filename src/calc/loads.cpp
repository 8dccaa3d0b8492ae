#include "calc/loads.h"

#include <cmath>
#include <limits>

#include "calc/number.h"

namespace quarnel {
namespace {

// Loads per metre of wall that both wall types share.
struct Common {
  double ytdh, ythh, lmdhx, lmhhx, wmdhx;
  float wmhhx;
};

float narrowed(double value) {
  if (auto f = toFloat(value)) return *f;
  return std::copysign(std::numeric_limits<float>::infinity(), value);
}

Common common(const Inputs& in) {
  Common c;
  c.ytdh = ((in.yttccd * kBalconySlab) + kBalconyParapet) + kBalconyWindows;
  c.ythh = in.yttccd * kBalconyLiveLoad;
  c.lmdhx = in.lmjscd * in.lmdh;
  c.lmhhx = in.lmjscd * in.lmhh;
  c.wmdhx = in.lmjscd * static_cast<double>(in.wmdh);
  c.wmhhx = narrowed(in.lmjscd * in.wmhh);
  return c;
}

// The wall's own weight with its doors and windows, per metre of wall and storey.
double ownWeight(const Inputs& in) {
  return (((((in.qcd * in.zscg) - in.mcmj) * in.zsqh) * in.zrz) + (in.crz * in.mcmj)) / in.qcd;
}

Loads exterior(const Inputs& in, const Common& c) {
  const double gqzz = ((((in.zrz * in.gqsl) * in.zscg) * kPartitionThickness) * in.lmjscd) / in.qcd;
  const double qtzz = ownWeight(in);
  const double floors = static_cast<double>(in.hhjscs);
  Loads r;
  r.dhz = ((((qtzz + gqzz) * in.qcs) + ((c.lmdhx + ((c.ytdh * in.ytzcd) / in.qcd)) * floors)) +
           c.wmdhx) +
          static_cast<double>(in.nrq);
  r.hhz = ((c.lmhhx + ((c.ythh * in.ytzcd) / in.qcd)) * floors) + static_cast<double>(c.wmhhx);
  r.zjhh = r.hhz * static_cast<double>(in.zjxs);
  r.hzsjz = (r.zjhh * kLiveLoadFactor) + (r.dhz * kDeadLoadFactor);
  return r;
}

Loads interior(const Inputs& in, const Common& c) {
  const double sides = (in.gqc1 * in.gqds1) + (in.gqc2 * in.gqds2);
  const double gqzz =
      (((((sides * in.zrz) * in.zscg) * kPartitionThickness) / kPartitionSides) / in.qcd);
  const double qtzz = ownWeight(in);
  const double floors = static_cast<double>(in.hhjscs);
  Loads r;
  r.dhz = (((qtzz + gqzz) * in.qcs) + (c.lmdhx * floors)) + c.wmdhx;
  r.hhz = (c.lmhhx * floors) + static_cast<double>(c.wmhhx);
  r.zjhh = r.hhz * static_cast<double>(in.zjxs);
  r.hzsjz = (r.zjhh * kLiveLoadFactor) + (r.dhz * kDeadLoadFactor);
  return r;
}

}  // namespace

Loads computeLoads(const Inputs& in, WallType wall) {
  const Common c = common(in);
  return wall == WallType::Exterior ? exterior(in, c) : interior(in, c);
}

}  // namespace quarnel
