// The four line loads of one wall axis, in kN/m per metre of wall.
#pragma once

#include <cstdint>

namespace quarnel {

enum class WallType { Exterior, Interior };

// The working values of one calculation, typed as the results depend on them: four inputs are
// 32-bit floats and the floor count is a 16-bit integer.
struct Inputs {
  double zrz = 0, crz = 0, lmhh = 0, lmdh = 0, wmhh = 0;
  float wmdh = 0;
  double gqsl = 0, gqc1 = 0, gqc2 = 0, gqds1 = 0, gqds2 = 0;
  float nrq = 0;
  double yttccd = 0;
  float ytzcd = 0;
  double zscg = 0, qcs = 0;
  std::int16_t hhjscs = 0;
  float zjxs = 0;
  double zsqh = 0, qcd = 0, mcmj = 0, lmjscd = 0;
};

// Dead load, live load, reduced live load and design value 1.2 D + 1.4 L.
struct Loads {
  double dhz, hhz, zjhh, hzsjz;
};

// Balcony window enclosure per metre of balcony: one unit in the last place below 0.765.
constexpr double kBalconyWindowLoad = 0x1.87ae147ae147ap-1;

// The loads of the wall type in double arithmetic, grouped exactly as the formulas are written;
// the roof live load per metre is rounded to a float. qcd must not be zero. A result may be
// infinite or NaN when the inputs are absurdly large.
Loads computeLoads(const Inputs& in, WallType wall);

}  // namespace quarnel
