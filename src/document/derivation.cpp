#include "document/derivation.h"

#include <cmath>

#include "calc/fields.h"
#include "calc/pattern.h"

namespace quarnel {
namespace {

void parenthesize(Terms& terms) {
  terms.front().insert(0, "(");
  terms.back() += ")";
}

Expr operation(Expr a, const char* op, Expr b) {
  if (a.compound) parenthesize(a.symbols), parenthesize(a.numbers);
  if (b.compound) parenthesize(b.symbols), parenthesize(b.numbers);
  b.symbols.front().insert(0, std::string(op) + " ");
  b.numbers.front().insert(0, std::string(op) + " ");
  a.symbols.insert(a.symbols.end(), b.symbols.begin(), b.symbols.end());
  a.numbers.insert(a.numbers.end(), b.numbers.begin(), b.numbers.end());
  a.compound = true;
  return a;
}

}  // namespace

Expr operator+(Expr a, Expr b) {
  return operation(std::move(a), "+", std::move(b));
}
Expr operator-(Expr a, Expr b) {
  return operation(std::move(a), "−", std::move(b));
}
Expr operator*(Expr a, Expr b) {
  return operation(std::move(a), "×", std::move(b));
}
Expr operator/(Expr a, Expr b) {
  return operation(std::move(a), "/", std::move(b));
}

Expr product(const std::vector<Expr>& factors) {
  Expr p = factors.front();
  for (std::size_t k = 1; k < factors.size(); ++k) {
    Expr f = factors[k];
    if (f.compound) parenthesize(f.symbols), parenthesize(f.numbers);
    f.symbols.front().insert(0, "× "), f.numbers.front().insert(0, "× ");
    p.symbols.insert(p.symbols.end(), f.symbols.begin(), f.symbols.end());
    p.numbers.insert(p.numbers.end(), f.numbers.begin(), f.numbers.end());
  }
  p.compound = factors.size() > 1;
  return p;
}

namespace {

// The derivation of one axis, line by line.
class Derivation {
 public:
  explicit Derivation(const CalculatedAxis& axis) : a_(axis) {}

  // An input of the axis: its symbol, and its text as the table gave it (an empty text, which
  // means none, as 0).
  Expr in(const char* name) const {
    const std::vector<const Field*>& inputs = fieldsOf(FieldKind::Input);
    std::size_t k = 0;
    while (inputs[k]->name != std::string_view(name)) ++k;
    const std::string& text = a_.inputs[k];
    return {{name}, {text.empty() ? "0" : text}};
  }
  static Expr constant(double value) { return {{constantText(value)}, {constantText(value)}}; }

  // A working value: its line, and the value as it stands in the later lines.
  Expr line(const char* name, const char* symbol, const Expr& formula, double value,
            const char* unit = "kN/m") {
    check(value, symbol);
    return line(name, symbol, formula, shownValue(value), unit);
  }
  Expr line(const char* name, const char* symbol, const Expr& formula, const std::string& value,
            const char* unit = "kN/m") {
    Terms shown = formula.symbols;
    std::string joined;
    for (const std::string& term : shown) joined += (joined.empty() ? "" : " ") + term;
    if (joined == symbol) shown.clear();
    lines_.push_back({name, symbol, shown, formula.numbers, value, unit, ""});
    return {{symbol}, {value}};
  }
  void check(double value, const char* what) {
    if (!std::isfinite(value) && problem_.empty())
      problem_ = std::string(what) + " 的计算结果超出范围，无法写入 HTML 计算书";
  }

  std::vector<DerivationLine> take() { return std::move(lines_); }
  std::string problem() const { return problem_; }

 private:
  const CalculatedAxis& a_;
  std::vector<DerivationLine> lines_;
  std::string problem_;
};

}  // namespace

std::string shownValue(double value) {
  return std::isfinite(value) ? formatNumber(value, Pattern::OneToThreeDecimals) : "—";
}

std::string constantText(double value) {
  std::string text = formatNumber(value, Pattern::UpToThreeDecimals);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string documentUnit(const std::string& unit) {
  std::string out;
  for (char c : unit) {
    if (c == '2' || c == '3')
      out += c == '2' ? "²" : "³";
    else
      out += c;
  }
  return out.compare(0, 2, "kn") == 0 ? "kN" + out.substr(2) : out;
}

AxisFigures figuresOf(const CalculatedAxis& axis) {
  Derivation d(axis);
  const WorkingValues& w = axis.working;
  const bool exterior = axis.wall == WallType::Exterior;
  const Expr yttccd = d.in("yttccd"), lmjscd = d.in("lmjscd"), qcd = d.in("qcd"), zrz = d.in("zrz"),
             zscg = d.in("zscg"), hhjscs = d.in("hhjscs");
  Expr ytdh, ythh;
  if (exterior) {
    ytdh = d.line("阳台恒荷载（每米阳台）", "ytdh",
                  ((yttccd * d.constant(kBalconySlab)) + d.constant(kBalconyParapet)) +
                      d.constant(kBalconyWindows),
                  w.ytdh);
    ythh = d.line("阳台活荷载（每米阳台）", "ythh", yttccd * d.constant(kBalconyLiveLoad), w.ythh);
  }
  const Expr lmdhx = d.line("楼面恒荷载（每米墙）", "lmdhx", lmjscd * d.in("lmdh"), w.lmdhx);
  const Expr lmhhx = d.line("楼面活荷载（每米墙）", "lmhhx", lmjscd * d.in("lmhh"), w.lmhhx);
  const Expr wmdhx = d.line("屋面恒荷载（每米墙）", "wmdhx", lmjscd * d.in("wmdh"), w.wmdhx);
  const Expr wmhhx =
      d.line("屋面活荷载（每米墙）", "wmhhx", lmjscd * d.in("wmhh"), static_cast<double>(w.wmhhx));
  const Expr partitions =
      exterior
          ? ((((zrz * d.in("gqsl")) * zscg) * d.constant(kPartitionThickness)) * lmjscd) / qcd
          : (((((((d.in("gqc1") * d.in("gqds1")) + (d.in("gqc2") * d.in("gqds2"))) * zrz) * zscg) *
               d.constant(kPartitionThickness)) /
              d.constant(kPartitionSides)) /
             qcd);
  const Expr gqzz = d.line("隔墙自重（每米墙每层）", "gqzz", partitions, w.gqzz);
  const Expr mcmj = d.in("mcmj");
  const Expr qtzz =
      d.line("墙体自重（含门窗，每米墙每层）", "qtzz",
             (((((qcd * zscg) - mcmj) * d.in("zsqh")) * zrz) + (d.in("crz") * mcmj)) / qcd, w.qtzz);
  const Expr walls = (qtzz + gqzz) * d.in("qcs");
  const Expr G = d.line(
      "恒荷载", "G",
      exterior
          ? (((walls + ((lmdhx + ((ytdh * d.in("ytzcd")) / qcd)) * hhjscs)) + wmdhx) + d.in("nrq"))
          : ((walls + (lmdhx * hhjscs)) + wmdhx),
      axis.results[0]);
  const Expr Q = d.line("活荷载", "Q",
                        exterior ? (((lmhhx + ((ythh * d.in("ytzcd")) / qcd)) * hhjscs) + wmhhx)
                                 : ((lmhhx * hhjscs) + wmhhx),
                        axis.results[1]);
  const Expr Qr = d.line("折减后活荷载", "Qr", Q * d.in("zjxs"), axis.results[2]);

  AxisFigures f;
  f.lines = d.take();
  const Loads& l = w.loads;
  f.basicLive = basicLiveTerm(l), f.basicDead = basicDeadTerm(l);
  f.basic = basicCombination(l), f.standard = standardCombination(l);
  d.line("基本组合", "1.3G + 1.5Qr",
         (Qr * d.constant(kBasicLiveFactor)) + (G * d.constant(kBasicDeadFactor)), f.basic);
  d.line("标准组合", "G + Qr", G + Qr, f.standard);
  d.line("窗口和文本计算书的设计值", "1.2G + 1.4Qr",
         (Qr * d.constant(kLiveLoadFactor)) + (G * d.constant(kDeadLoadFactor)), axis.results[3]);
  f.combinations = d.take();
  const auto factors = [](double dead, double live) {
    return "γG = " + constantText(dead) + "、γQ = " + constantText(live);
  };
  f.combinations[0].note = std::string("荷载设计值：") + kBasicClause + "；" +
                           factors(kBasicDeadFactor, kBasicLiveFactor) + "（" + kFactorClause +
                           "），γL = 1.0（" + kWorkingLifeClause + "）。";
  f.combinations[1].note = std::string("用于地基基础：") + kStandardClause + "。";
  f.combinations[2].note = std::string("窗口和文本计算书显示的值（") + kFormerClause + "，" +
                           factors(kDeadLoadFactor, kLiveLoadFactor) + "），仅供对照。";
  for (double v : {f.basicLive, f.basicDead}) d.check(v, "1.3G + 1.5Qr");
  f.problem = d.problem();
  return f;
}

}  // namespace quarnel
