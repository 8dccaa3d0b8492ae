// The report of the default window as the report's line tables and the print-zone rule give it
// (one column per GBK byte: a Chinese character or full-width sign takes two), in UTF-8.
#pragma once

#include <string>

#include "report_test_util.h"

namespace quarnel::test {

inline const std::string kRule(70, '-');

// Header of the default window. Columns before each ZONE: H5 10+2+7 = 19, H6 and H7 10+3+7 = 20.
inline const std::string kDefaultHeader = crlf({
    kRule,
    "                          ----Quarnel书----",
    kRule,
    "基本数据",
    "砖墙容重：22(kn/m3)" + B(9) + "门窗容重：0.45(kn/m3)",
    "楼面活荷：2.0(kn/m2)" + B(8) + "楼面恒荷：3.60(kn/m2)",
    "屋面活荷：0.7(kn/m2)" + B(8) + "屋面恒荷：7.0(kn/m2)",
    "女儿墙线荷载：6.858(kn/m)",
    kRule,
});

// Result block with every result field empty: R2 reaches column 13 before its ZONE.
inline const std::string kEmptyResults = crlf({
    "[计算结果]",
    "恒荷载=(kn/m)" + B(1) + "活荷载=(kn/m)",
    "折减后活荷载=(kn/m)",
    "设计值=恒荷载+活荷载（折减）=(kn/m)",
    kRule,
});

// Exterior section of the default window up to X4 (columns: X1 8, X2 20, X3 13, X4 18 then 41).
inline const std::string kDefaultExteriorTop = crlf({
    "轴线号:A" + B(6) + "计算类型：外墙",
    "阳台挑出宽度：1.2(m)" + B(8) + "阳台总长度：(m)",
    "折算层高：(m)" + B(1) + "  墙体计算层数：(层)   楼面计算层数：(层)",
    "活荷折减系数：0.65" + B(10) + "折算墙厚：(m)" + B(1) + "    墙长度：(m)",
});

// X5 begins with 14 columns: the ZONE writes a whole zone of blanks.
inline const std::string kX5 = "门窗面积：(m2)" + B(14) + "  楼面计算板跨：(m)";

inline const std::string kFirstExterior =
    kDefaultExteriorTop + crlf({kX5 + "    隔墙数量：0(道)"}) + kEmptyResults;
inline const std::string kLaterExterior =
    kDefaultExteriorTop + crlf({kX5 + "  隔墙数量：0道"}) + kEmptyResults;

}  // namespace quarnel::test
