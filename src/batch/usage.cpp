#include "batch/usage.h"

#include "batch/cells.h"
#include "batch/columns.h"
#include "calc/check_fields.h"
#include "calc/fields.h"
#include "report/report_path.h"

namespace quarnel {
namespace {

// A unit as engineers write it: kN, not kn.
std::string shownUnit(std::string unit) {
  if (unit.compare(0, 2, "kn") == 0) unit[1] = 'N';
  return unit;
}

// Each column: its names, then its unit.
std::string columnList() {
  std::string list;
  for (const FieldNames& f : fieldNames()) {
    list += "  ";
    for (const std::string& name : f.names) list += (name == f.field ? "" : " / ") + name;
    const std::string unit = shownUnit(field(f.field).unit);
    list += (unit.empty() ? "" : "  (" + unit + ")") + "\n";
  }
  list += "  " + std::string(kWallColumns[0]) + " / " + kWallColumns[1] +
          ": 外墙 / 内墙 / exterior / interior\n";
  list += "墙体验算的列 Columns of the wall check (optional):\n";
  for (const CheckField& f : checkFields()) {
    const std::string range = f.choices.empty() ? narrowerRange(asField(f)) : "";
    list += "  " + std::string(f.name) + " / " + f.words +
            (*f.unit ? "  (" + std::string(f.unit) + ")" : "") +
            (f.choices.empty() ? "" : ": " + choiceList(f)) + (range.empty() ? "" : "，" + range) +
            (f.defaultText ? "，空着为 " + std::string(f.defaultText) : "") +
            (f.defaultField ? "，空着为" + wordsOf(field(f.defaultField)) : "") + "\n";
  }
  return list;
}

// The inputs that must have a value, and the inputs that take a narrower range than "not
// negative", as the field table says.
std::string required() {
  std::string list;
  for (const Field* f : fieldsOf(FieldKind::Input))
    if (!f->table.emptyIsNone) list += (list.empty() ? "" : "、") + wordsOf(*f);
  return list;
}
std::string narrower() {
  std::string list;
  for (const Field* f : fieldsOf(FieldKind::Input)) {
    const std::string range = narrowerRange(*f);
    if (!range.empty()) list += "；" + wordsOf(*f) + range;
  }
  return list;
}

}  // namespace

std::string usageText() {
  return "用法 Usage: quarnel-batch [选项 options] 表格.csv\n"
         "\n"
         "按表格逐条计算墙轴线，把整张表的计算书一次追加到计算书文件，与在窗口中逐条输入、\n"
         "点“计  算”和“生成计算书”所得完全相同；任何一行有错则什么也不写入。\n"
         "Calculates every wall axis of a CSV table and appends the report of the whole table in\n"
         "one piece, exactly as typing the axes into the window would; nothing if any line fails.\n"
         "\n"
         "表格 Table: CSV（UTF-8、GBK 或 UTF-16），逗号、制表符或分号分隔，第一行为列名，\n"
         "以后每行一条轴线；quarnel-batch --template 输出带单位的全部列名。Excel 工作簿要先另存为 "
         "CSV。\n"
         "the first line names the columns, then one axis per line; --template prints them all.\n"
         "* 每个数值都来自表格：各墙类型用到的列都要有，缺少的列一起列出；加 --defaults "
         "则取窗口的\n"
         "  默认值，并逐项列出。例：表格中没有列「墙类型」「砖墙容重」\n"
         "  Every value comes from the table: a missing column is an error (--defaults: the\n"
         "  window's default, each listed).\n"
         "* 空单元格沿用上一行；第一条轴线的空单元格：阳台、门窗、隔墙、女儿墙为“没有”，\n"
         "  其他为错误：墙类型、" +
         required() +
         "\n"
         "  An empty cell keeps the line above; on the first axis it means none for balcony,\n"
         "  openings, partitions and parapet, and is an error for the others.\n"
         "* 数值单元格只能写数字（可有正负号、小数点和指数，如 1.2E+01）。\n"
         "  例：「65%」不是数字，写成小数，例如 0.65；「6.6m」不是数字，去掉单位\n"
         "  A number cell holds a plain number: 65%, 1,234.5, ３.６, 6.6m, #REF! are errors.\n"
         "* 数值不能为负数" +
         narrower() +
         "。\n  例：「4.5」应为 0 至 32767 的整数\n"
         "  No negative numbers, and the ranges above.\n"
         "* 门窗面积不能大于 墙长度×折算层高。例：「250」大于墙面积：墙长度「6.6」 × "
         "折算层高「2.9」\n"
         "  No more door and window area than the wall has.\n"
         "* 另一墙类型的列中有非零数值时给出提示（不计入）。\n"
         "  Non-zero cells of the other wall type's columns are warned of (left out).\n"
         "* 每行都要写轴线号（轴线号不沿用上一行），重复的轴线号给出提示；轴线号中不能有看不见的\n"
         "  字符或 GBK 中没有的字符；只有空白（含看不见的字符）的行跳过。\n"
         "  Every axis has its own label, printable in GBK; blank lines are skipped.\n"
         "* 列名可带单位，如 墙长度(m)、砖墙容重[kN/m³]；以 备注、说明 或 # 开头的列不读。\n"
         "  例：列「墙长度(mm)」的单位应为 m\n"
         "  A column name may carry its unit; notes columns (备注..., 说明..., #...) are not "
         "read.\n"
         "* 墙体验算（可选）：给出墙厚、块体强度等级、砂浆强度等级和计算高度（或层高与横墙间距）\n"
         "  的轴线验算底层墙底截面的受压承载力 N ≤ φγa f A 与高厚比 β ≤ μ1μ2[β]，N = (1.3G + "
         "1.5Qr) × 计算单元长度；\n"
         "  结果加列 N、Nu、Nu/N、β、μ2[β]、结论（满足 / 不满足）。只给出其中一部分则为错误。\n"
         "  等级写成 MU10、M7.5（不区分大小写）。例：「M5.0」不是砂浆强度等级，应为 M15、M10、"
         "M7.5、M5 或 M2.5\n"
         "  Optional wall check: compressive capacity and height-to-thickness ratio of the wall\n"
         "  at its base; a row that gives some of its inputs must give all it needs.\n"
         "* 某条轴线的基本数据（砖墙容重至女儿墙线荷载）与上一个表头不同时，计算书在它前面\n"
         "  再写一次表头。Where the basic data change, the report states them again.\n"
         "* -o、-r、-d 各只能给一次；-o 不能是表格本身；-d 不能是表格、计算书文件或结果文件；\n"
         "  表格不能是文件夹；结果无法输出时退出状态为 1。\n"
         "  例：quarnel-batch: 计算书文件 表格.csv 就是表格 表格.csv\n"
         "  -o, -r and -d once each; -o may not name the table, -d neither the table nor the\n"
         "  report or results file; a folder is no table; results that cannot be written make\n"
         "  the exit status 1.\n"
         "\n"
         "  -o 文件 FILE     计算书写入该文件 append the report to FILE (default " +
         reportPathShown() +
         ")\n"
         "  -n, --dry-run    只计算，不追加计算书（有 -d 时只写 HTML 计算书）calculate only, "
         "append\n"
         "                   nothing (with -d: the document only)\n"
         "  --csv            结果输出为 CSV print the results as CSV (UTF-8 with BOM)\n"
         "  -r, --results 文件 FILE\n"
         "                   结果写入该文件（UTF-8 带 BOM）write the results to FILE (UTF-8 with "
         "BOM)\n"
         "  -d, --document 文件 FILE\n"
         "                   另写 HTML 计算书：设计依据、各轴线逐项推导、荷载组合 1.3G+1.5Qr 与\n"
         "                   G+Qr、汇总表和图，在浏览器中打印为 PDF；整张表无错才写，整体替换\n"
         "                   also write the calculation document (HTML, to print to PDF)\n"
         "  --title 标题     HTML 计算书的标题（默认：表格文件名去掉扩展名）the document's title\n"
         "  --date YYYY-MM-DD\n"
         "                   HTML 计算书的日期（默认今天；设有 SOURCE_DATE_EPOCH 时取其 UTC "
         "日期）\n"
         "  --defaults       缺少的列取窗口的默认值 missing columns take the window's defaults\n"
         "  --fail-on-check  墙体验算有不满足的轴线时退出状态为 3 exit with status 3 when a wall\n"
         "                   fails its check (the files are written all the same)\n"
         "  --template       输出表头（全部列名和单位）print the header row of a table\n"
         "  -                从标准输入读表格 read the table from standard input\n"
         "  --               以后的参数都是表格 the argument after it is the table\n"
         "  --help, --version\n"
         "退出状态 Exit status: 0 成功 done（墙体验算不满足也是 0 also when a wall fails its "
         "check）,\n"
         "  1 表格有错或无法写入 failed, 2 用法错误 usage, 3 有 --fail-on-check 且验算不满足\n"
         "  a wall fails its check with --fail-on-check\n"
         "\n"
         "列名（单位）Columns (unit):\n" +
         columnList();
}

std::string headerRow() {
  std::string row = "\xEF\xBB\xBF" + wordsOf(field("zxh")) + "," + kWallColumns[1];
  for (const Field* f : fieldsOf(FieldKind::Input))
    row += "," + wordsOf(*f) + (*f->unit ? "(" + shownUnit(f->unit) + ")" : "");
  row += "," + std::string(kNoteColumns[0]);
  for (const CheckField& f : checkFields())
    row += "," + std::string(f.words) + (*f.unit ? "(" + std::string(f.unit) + ")" : "");
  return row + "\r\n";
}

}  // namespace quarnel
