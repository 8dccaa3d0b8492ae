// The four line loads of one wall axis, in kN/m per metre of wall.
#pragma once

#include <cstdint>
#include <vector>

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

// Every working value of one calculation, as the formulas compute them: the line loads per metre
// that both wall types share (the roof live load per metre as the float it is rounded to), the
// partition walls and the wall's own weight per metre of wall and storey, and the four loads.
struct WorkingValues {
  double ytdh = 0, ythh = 0, lmdhx = 0, lmhhx = 0, wmdhx = 0;
  float wmhhx = 0;
  double gqzz = 0, qtzz = 0;
  Loads loads{};
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

// The partial factors of the basic combination of the current code: 1.3 for the dead load, 1.5
// for the reduced live load.
constexpr double kBasicDeadFactor = 1.3;
constexpr double kBasicLiveFactor = 1.5;

// A fixed setting of the formulas as the document states it: what it is, the words in which the
// help text states the setting behind it (nullptr where the help text is silent), and the
// constant with its unit ("" for a plain number).
struct FixedSetting {
  const char* what;
  const char* helpWords;
  double value;
  const char* unit;
};
// The fixed settings in the order of the formulas; the help text's sentence of settings joins the
// help words of those that have them.
const std::vector<FixedSetting>& fixedSettings();
// What the formulas take for granted, in the words of the help text: the partition walls and the
// balconies.
inline constexpr const char* kPartitionAssumption = "隔墙材料同外墙,其计算层数同墙体计算层数.";
inline constexpr const char* kBalconyAssumption = "阳台计算层数同楼面计算层数.";

// Every working value of the wall type in double arithmetic, grouped exactly as the formulas are
// written; the roof live load per metre is rounded to a float. The shared values are computed for
// either wall type (an interior wall does not use the balcony's). qcd must not be zero. A value
// may be infinite or NaN when the inputs are absurdly large.
WorkingValues computeWorkingValues(const Inputs& in, WallType wall);
// The four loads of computeWorkingValues.
Loads computeLoads(const Inputs& in, WallType wall);

// The two terms of the basic combination: the reduced live load times 1.5, the dead load times 1.3.
double basicLiveTerm(const Loads& l);
double basicDeadTerm(const Loads& l);
// The basic combination (zjhh × 1.5) + (dhz × 1.3): the design value of the current code.
double basicCombination(const Loads& l);
// The standard combination dhz + zjhh: the characteristic load, for the foundation.
double standardCombination(const Loads& l);

}  // namespace quarnel
