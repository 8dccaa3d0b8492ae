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

// The fixed settings behind the formulas, as the help text states them.
// Balcony slab 130 mm thick: dead load per square metre of balcony, kN/m2.
constexpr double kBalconySlab = 3.25;
// Balcony parapet of 60 mm brick, 1.10 m high: per metre of balcony, kN/m.
constexpr double kBalconyParapet = 1.452;
// Balcony closed with steel windows: per metre of balcony, kN/m; one unit in the last place below
// 0.765.
constexpr double kBalconyWindows = 0x1.87ae147ae147ap-1;
// Live load of a balcony, kN/m2.
constexpr double kBalconyLiveLoad = 2.5;
// Partition walls are 120 mm thick, m.
constexpr double kPartitionThickness = 0.12;
// The partition walls of an interior axis stand on both sides: the axis carries half their weight.
constexpr int kPartitionSides = 2;
// The load factors of the design value: 1.2 for the dead load, 1.4 for the reduced live load.
constexpr double kDeadLoadFactor = 1.2;
constexpr double kLiveLoadFactor = 1.4;

// The loads of the wall type in double arithmetic, grouped exactly as the formulas are written;
// the roof live load per metre is rounded to a float. qcd must not be zero. A result may be
// infinite or NaN when the inputs are absurdly large.
Loads computeLoads(const Inputs& in, WallType wall);

}  // namespace quarnel
