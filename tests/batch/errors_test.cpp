// quarnel-batch on tables that break its rules: every error of a table, with its message, its exit
// status and the report file unchanged.
#include <gtest/gtest.h>

#include "../common/test_support.h"
#include "run_support.h"

namespace quarnel::test {
namespace {

// Each table (read from standard input unless the arguments name another) with the exit status
// and what standard error says (a leading "\n" and a trailing "表格有错" make it all that is said);
// the report file keeps its bytes, and a failed run prints no result. "@" stands for the scratch
// folder of the report file r.txt, given with -o unless the row gives -o. h names every column of
// both wall types, g is a good exterior axis (the six inputs without a default first, then qcd);
// a row "B,..." sets the cells of its columns over g's.
TEST(Batch, ErrorsListTheirLinesAndAppendNothing) {
  const std::string c = "zxh,zscg,qcs,hhjscs,zsqh,lmjscd", v = "A,2.9,6,5,0.37,3.3",
                    o = ",zjxs,zrz,mcmj,wall,crz,lmhh,lmdh,wmhh,wmdh,gqsl,nrq,yttccd,ytzcd,gqc1,"
                        "gqds1,gqc2,gqds2",
                    ov = ",0.65,22,3.78,外墙,0.45,2.0,3.60,0.7,7.0,1,6.858,1.2,3.6,,,,",
                    h = c + ",qcd" + o + "\n", g = v + ",6.6" + ov + "\n", hg = h + g,
                    hk = c + ",qcd" + o + ",qh,ktdj,sjdj,jsgd,cg,hqjj,jsdy,dkkd\n",
                    k = std::string(24, ','), fw = "\u3000", nbsp = "\u00A0", end = "\n表格有错";
  auto spreadsheetError = [](int line, const std::string& cell) {
    return "-:" + std::to_string(line) + ": zrz: 「" + cell +
           "」不是数字，这是电子表格的错误值，请检查该单元格的公式\n";
  };
  const struct {
    std::vector<std::string> args;
    std::string table;
    int status;
    std::string err;
  } rows[] = {
      {{"-"},
       hg + "B,,,,,,0\nC\nD,,,,,,5\n",
       1,
       "-:3: qcd: 墙长度输入错!\n-:4: qcd: 墙长度输入错!\n"},
      {{"-"},
       " 墙  长度 ," + c + o + "\n6.6," + v + ov + "\n\"0\",B\n",
       1,
       "-:3: 墙  长度: 墙长度输入错!\n"},
      {{"-"},
       h + "\"A\r\nB\",2.9,6,5,0.37,3.3,6.6" + ov + "\r\nC,,,,,,0\r\n",
       1,
       "\n-:4: qcd: 墙长度输入错!" + end},
      {{"-"},
       h + "\"A\n\nB\"," + g.substr(2) + "C,,,1e6\n",
       1,
       "\n-:5: hhjscs: 「1e6」应为 0 至 32767 的整数" + end},
      {{"-"},
       hg + "B" + std::string(23, ',') + "\nC" + std::string(24, ',') + "x\n",
       1,
       "\n-:4: 单元格比表头多" + end},
      {{"-"}, hg + "B,6.6\n\"C,6.6\nD,6.6\n", 1, "\n-:4: 引号没有闭合\n"},
      {{"-"}, "zxh,qcdd,\n" + g, 1, "-:1: 未知的列名「qcdd」\n"},
      {{"-"}, "qcd, 墙长度,wall\n", 1, "-:1: 列「墙长度」与列「qcd」重复\n"},
      {{"-"},
       hg + "B,,,,,,,,,,exteriors\n",
       1,
       "\n-:3: wall: 「exteriors」不是墙类型，应为 外墙、内墙、exterior 或 interior" + end},
      {{"-"}, h + "\x81 ,6.6\n", 1, "-: 既不是 UTF-8 也不是 GBK"},
      {{"-"}, "\xFF\xFEx", 1, "-: 不是有效的 UTF-16 文本\n"},
      {{"-"}, "\xEF\xBB\xBF\r\n,,\r\n", 1, "-: 表格是空的\n"},
      {{"-"}, h + ",,\n\n", 0, "表格中没有轴线"},
      {{"-n", "-"}, hg, 0, "试算：1 条轴线"},
      // Blank means blank: invisible characters alone on a line, at the ends of a cell.
      {{"-n", "-"},
       hg + "\x1a\n\xC2\xA0\n\xE2\x80\x8B\n\xEF\xBB\xBF\n\v\n\f\n\x7f\n\x1b[0m\n\x1b" +
           "c\n\xC2\x85\n" + std::string("\0\n", 2),
       0,
       "\n试算：1 条轴线"},
      {{"-"},
       "\xEF\xBB\xBF\xEF\xBB\xBF" + hg,
       1,
       "\n-:1: 文件开头有第二个字节顺序标记（U+FEFF），请用文本编辑器删去它后重新保存" + end},
      {{"-"},
       hg + "B\xE2\x80\x8B"
            "1\nC\x1b[0m\n",
       1,
       "\n-:3: zxh: 「B(U+200B 零宽空格)1」含看不见的字符，请删去\n"
       "-:4: zxh: 「C(U+001B 转义符)[0m」含看不见的字符，请删去" +
           end},
      {{"-"},
       hg + "B,,,,,,6" + nbsp + "6\nC,,,,,,6\x1a" + "6\n",
       1,
       "\n-:3: qcd: 「6(U+00A0 不间断空格)6」不是数字\n-:4: qcd: 「6(U+001A "
       "文件结束符)6」不是数字" +
           end},
      {{"-"}, "zxh,墙" + nbsp + "长度\n", 1, "-:1: 未知的列名「墙(U+00A0 不间断空格)长度」\n"},
      {{"-"},
       hg + "B,,,,,,,,," + std::string(200000, '9') + "x\nC,,,,,,,,," + std::string(60, '9') +
           "x\nⒶ?Ⓐ\n",
       1,
       "-:3: mcmj: 「" + std::string(60, '9') + "…(共 200001 个字符)」不是数字\n-:4: mcmj: 「" +
           std::string(60, '9') + "…(共 61 个字符)」不是数字\n" +
           "-:5: zxh: 「Ⓐ?Ⓐ」中的「Ⓐ」(U+24B6)不能写入计算书（GBK 编码中没有这些字符）\n"},
      // Cells: a number as a spreadsheet writes it, or the cell quoted with a hint.
      {{"-"},
       hg + "B,,,,,,,,#REF!\nC,,,,,,,,#NAME?\nD,,,,,,,,#SPILL!\nE,,,,,,,,Err:504\n",
       1,
       spreadsheetError(3, "#REF!") + spreadsheetError(4, "#NAME?") +
           spreadsheetError(5, "#SPILL!") + spreadsheetError(6, "Err:504")},
      {{"-"},
       hg + "B,,,,,,###\nC,,,,,,6.6%\nD,,,,,,,65%\nE,,,,,,\"6,6\"\nF,,,,,,,,22kN/m³\n",
       1,
       "\n-:3: qcd: 「###」不是数字，列宽不够，单元格显示不全，请加宽该列后重新保存\n"
       "-:4: qcd: 「6.6%」不是数字\n-:5: zjxs: 「65%」不是数字，写成小数，例如 0.65\n"
       "-:6: qcd: 「6,6」不是数字，小数点请用「.」\n-:7: zrz: 「22kN/m³」不是数字，去掉单位" +
           end},
      {{"-"},
       hg + "B,,,,,,３.６\nC,,,,,,,,,3．78\nD,,,,,,3" + fw + "6\nE,,,,,,\"6,600\"\n",
       1,
       "\n-:3: qcd: 「３.６」不是数字，请用半角数字\n-:4: mcmj: 「3．78」不是数字，请用半角数字\n"
       "-:5: qcd: 「3(U+3000 全角空格)6」不是数字，请用半角数字\n-:6: qcd: "
       "「6,600」不是数字，去掉千位"},
      {{"-"},
       hg + "B,,,,,,-\nC,,,,,,/\nD,,,,,,约3.78\nE,,,,,, \n",
       1,
       "\n-:5: qcd: 「约3.78」不是数字" + end},
      {{"-"},
       hg + "B,,,,,,,0\nC,,,,,,,1.5\nD,,,,,,,1e-40\nE,,,,,,,,1e-400\nF,,,,,,,,,,,,,,,1e39\nG,,,4.5,"
            ",,-3.6\n",
       1,
       "\n-:3: zjxs: 「0」应大于 0 且不大于 1\n-:4: zjxs: 「1.5」应大于 0 且不大于 1\n"
       "-:5: zjxs: 「1e-40」太小，应不小于 1.1754944e-38\n"
       "-:6: zrz: 「1e-400」太小，应为 0 或不小于 2.2250738585072014e-308\n"
       "-:7: wmdh: 「1e39」应不大于 3.4028235e+38\n-:8: hhjscs: 「4.5」应为 0 至 32767 的整数\n"
       "-:8: qcd: 「-3.6」不能为负数" +
           end},
      {{"-n", "-"},
       hg + "B, 2.9 ,+6,5.,.37,3.3e0,1.2E+01" + nbsp + ",1\xE2\x80\x8B,-0\n",
       0,
       "试算：2 条轴线"},
      // Every value from the table: the columns the wall types use, a value on the first axis.
      {{"-"},
       c + ",qcd\n" + v + ",6.6\n",
       1,
       "\n-:1: 表格中没有列「墙类型」「砖墙容重」「门窗容重」「楼面活荷」「楼面恒荷」「屋面活荷」"
       "「屋面恒荷」「每层隔墙数量」「女儿墙线荷载」「阳台挑出宽度」「阳台总长度」「活荷折减系数」"
       "「门窗面积」（加选项 --defaults 则取窗口的默认值）" +
           end},
      {{"-"},
       "zxh,qcd,lmjscd,hhjscs,zsqh\n",
       1,
       "「阳台总长度」「活荷折减系数」「门窗面积」取窗口的默认值）" + end},
      {{"--defaults", "-"},
       "zxh,qcd,lmjscd,hhjscs,zsqh\n",
       1,
       "\n-:1: 表格中没有列「折算层高」「墙体计算层数」" + end},
      {{"-"},
       h + "A,,6,5,0.37,3.3,6.6" + ov + "\n",
       1,
       "\n-:2: zscg: 没有数值（这一列在本行和上面各行都是空的）" + end},
      {{"-"},
       h + v + ",6.6,,22,3.78,外墙,0.45,2.0,3.60,0.7,7.0,1,,1.2,3.6,,,,\n",
       1,
       "\n-:2: zjxs: 没有数值（这一列在本行和上面各行都是空的）" + end},
      {{"-"}, h + v + ",6.6,0.65,22,3.78," + ov.substr(20) + "\n", 1, "\n-:2: wall: 没有墙类型"},
      {{"-"}, h + "A,abc" + g.substr(5) + "B\n", 1, "\n-:2: zscg: 「abc」不是数字" + end},
      {{"-"}, c + ",墙长度(mm)" + o + "\n", 1, "\n-:1: 列「墙长度(mm)」的单位应为 m" + end},
      // The wall check: grades by name, numbers and ranges, all or none of what a row must give.
      {{"-"},
       hk + v + ",6.6" + ov + ",240,mu10,M5.0,3\nB" + k + "240mm,,,0\nC" + k + ",,,1e400\nD" + k +
           "240,,M15,3\n",
       1,
       "\n-:2: sjdj: 「M5.0」不是砂浆强度等级，应为 M2.5、M5、M7.5、M10 或 M15\n-:3: qh: 「240mm」"
       "不是数字，去掉单位\n-:3: jsgd: 「0」应大于 0\n-:4: jsgd: 「1e400」应不大于 "
       "1.7976931348623157e+308\n-:5: sjdj: MU10 与 M15 在砌体抗压强度设计值表中没有数值" +
           end},
      {{"-"},
       hk + v + ",6.6" + ov + ",240\nB" + k + "240,MU10,M5,,3,,,6.6\n",
       1,
       "\n-:2: "
       "墙体验算缺少「ktdj」「sjdj」「jsgd」（或「cg」与「hqjj」）（这一列在本行和上面各行都是"
       "空的）\n-:3: 墙体验算缺少「hqjj」（或「jsgd」）（这一列"},
      {{"-"},
       hk + v + ",6.6" + ov + ",240,MU10,M5,3,,,,6.6\n",
       1,
       "\n-:2: dkkd: 计算单元长度减去洞口宽度应大于 0：jsdy「6.6」，dkkd「6.6」" + end},
      {{"-"},
       h.substr(0, h.size() - 1) + ",墙厚,砂浆种类,层高(m)\n",
       1,
       "\n-:1: 表格中有墙体验算的列，但没有列「块体强度等级」「砂浆强度等级」「横墙间距」（或"
       "「计算高度」）" +
           end},
      {{"-"}, "墙厚(m),洞口宽度\n", 1, "-:1: 列「墙厚(m)」的单位应为 mm\n"},
      {{"-"},
       h.substr(0, h.size() - 1) + ",洞口宽度\n",
       1,
       "没有列「墙厚」「块体强度等级」「砂浆强度等级」「计算高度」（或「层高」与「横墙间距」）"},
      // Walls that exist; the other wall type's cells.
      {{"-"},
       hg + "B,,,,,,,,,250\nC,,,,,,,,,25\n",
       1,
       "\n-:3: mcmj: 「250」大于墙面积：墙长度「6.6」 × 折算层高「2.9」\n-:4: mcmj: 「25」大于"},
      {{"-n", "-"},
       hg + "B,,,,,,,,,,内墙,,,,,,2,,,0\nC,,,,,,,,,,,,,,,,,,1.5\nD,,,,,,,,,,外墙,,,,,,,,,,,,2.1\n",
       0,
       "\n-:3: 这一行是内墙，外墙的列「gqsl」中的数值没有计入\n"
       "-:4: 这一行是内墙（墙类型沿用第 3 行），外墙的列「yttccd」中的数值没有计入\n"
       "-:5: 这一行是外墙，内墙的列「gqc2」中的数值没有计入\n试算：4 条轴线"},
      // Rows: blank ones are skipped, and so is one of notes only; the axis label is never kept.
      {{"-n", "-"}, hg + ",,, ,,\n" + fw + ",\t\n", 0, "试算：1 条轴线"},
      {{"-"},
       hg + ",2.9\n" + fw + ",3.0\n",
       1,
       "-:3: zxh: 没有轴线号（轴线号不沿用上一行）\n-:4: zxh"},
      {{"-n", "-"}, hg + "A \n", 0, "-:3: zxh: 「A」与第 2 行的轴线号相同"},
      // Columns: notes, units as the window shows them, line breaks and case, blanks around.
      {{"-n", "-"},
       "备注1,#楼层,\"" + fw + "墙长度\n(m)" + fw +
           "\",轴线号,\"折算\n层高\",qcs,hhjscs,zsqh,lmjscd" +
           ",活荷折减系数,砖墙容重(kN/m³),门窗面积（m²）,WALL,门窗容重[kn/m2],楼面 "
           "活荷,lmdh,wmhh,wmdh,"
           "gqsl,nrq,yttccd,ytzcd,gqc1,gqds1,gqc2,gqds2\n"
           "二层,x\n楼梯间,,6.6," +
           v + ",0.65,22,3.78,Exterior,0.45,2.0,3.60,0.7,7.0,1,6.858,1.2,3.6,,,,\n",
       0,
       "\n试算：1 条轴线"},
      {{"-"},
       "墙长度(mm),活荷折减系数(m)\n",
       1,
       "-:1: 列「墙长度(mm)」的单位应为 m\n-:1: 列「活荷折减系数(m)」的数值没有单位\n"},
      // Files, streams and options.
      {{"no-such-table.csv"}, "", 1, kNoSuchTable},
      {{"@"}, "", 1, ": 是文件夹，不是表格文件\n"},
      {{"-o", "@t.csv", "@sub/../t.csv"}, "", 2, "就是表格"},
      {{"-o", "no-such-folder/r.txt", "-"}, hg, 1, "计算书文件写入失败"},
      {{"-o", "@", "-"}, hg, 1, "计算书没有写入，排除原因后可再次运行 quarnel-batch。\n"},
      {{"-r", "@no-such-folder/x.txt", "-"}, hg, 1, "结果文件写入失败"},
      {{"-o", "@no-such-folder/r.txt", "-r", "@x.txt", "-"}, hg, 1, "计算书文件写入失败"},
      {{"-r", "@./r.txt", "-"}, hg, 2, "就是计算书文件"},
      {{"-r", "@sub/../t.csv", "@t.csv"}, "", 2, "就是表格"},
      {{"-r"}, "", 2, "-r 后面缺少文件名"},
      {{"-o", "@a.txt", "-o", "@b.txt", "-"}, hg, 2, "选项 -o 只能给出一次"},
      {{"-r", "@x.txt", "--results", "@y.txt", "-"}, hg, 2, "选项 --results 只能给出一次"},
      {{"-n", "--", "-"}, hg, 0, "试算：1 条轴线"},
      {{"--", "--"}, "", 1, "\n--: 无法读取"},
      {{}, "", 2, "没有给出表格"},
      {{"-", "-"}, "", 2, "只能给出一个表格"},
      {{"-x", "-"}, "", 2, "未知的选项 -x"},
      {{"-o"}, "", 2, "-o 后面缺少文件名"}};
  for (const auto& row : rows) {
    ScratchDir dir;
    writeBytes(dir.file("r.txt"), "earlier\r\n");
    const bool output = std::count(row.args.begin(), row.args.end(), "-o") > 0;
    std::vector<std::string> args = {"-o", dir.file("r.txt")};
    if (output) args.clear();
    for (const std::string& a : row.args) args.push_back(a[0] == '@' ? dir.file(a.substr(1)) : a);
    const Ran r = batch(args, row.table);
    EXPECT_EQ(r.status, row.status) << row.table << r.err;
    EXPECT_TRUE(r.status == 0 || r.out.empty()) << r.out;
    EXPECT_NE(("\n" + r.err).find(row.err), std::string::npos) << r.err << "\n---\n" << row.err;
    EXPECT_EQ(readBytes(dir.file("r.txt")), "earlier\r\n") << row.table;
    EXPECT_FALSE(fs::exists(fs::u8path(dir.file("x.txt"))));  // no results file is left
  }
}

}  // namespace
}  // namespace quarnel::test
