// The entry of quarnel-batch.exe, a console program: wide arguments (so that file names with
// Chinese characters work), standard input read as bytes, and the output shown as characters in a
// console whatever its code page, and redirected or piped in the console's code page, as cmd's
// type and PowerShell read it. Started from Explorer (a table dropped on its icon, or a double
// click), the console is the program's own and closes with it: the program then waits for a key
// before it ends, and without a table it says how it is used.
#include <windows.h>
// After windows.h:
#include <conio.h>
#include <fcntl.h>
#include <io.h>

#include <iostream>
#include <sstream>

#include "batch/batch.h"
#include "calc/utf16.h"
#include "report/gbk.h"
#include "report/report_path.h"
#include "ui/running.h"

namespace {

// Text as a program's redirected or piped output is read (cmd's type, PowerShell's decoding of a
// native program, Excel): lines ended by CR LF, in the console's output code page, or the ANSI code
// page without a console; "?" for a character the code page lacks. A UTF-8 document (it starts
// with a byte-order mark: the CSV) keeps its bytes.
std::string redirected(const std::string& text) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) return text;
  std::string lines;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '\n' && (k == 0 || text[k - 1] != '\r')) lines += '\r';
    lines += text[k];
  }
  UINT codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetACP();
  return codePage == CP_UTF8 ? lines : quarnel::toCodePage(lines, codePage);
}

// UTF-8 text to a standard handle: to a console as characters, to a file or a pipe as redirected()
// gives it. False when not all of it could be written (a full disk, a closed pipe).
bool write(DWORD handle, const std::string& text) {
  HANDLE h = GetStdHandle(handle);
  DWORD mode = 0, done = 0;
  if (!GetConsoleMode(h, &mode)) {
    const std::string bytes = redirected(text);
    for (std::size_t k = 0; k < bytes.size(); k += done)
      if (!WriteFile(h, bytes.data() + k, DWORD(std::min<std::size_t>(bytes.size() - k, 1u << 30)),
                     &done, nullptr) ||
          done == 0)
        return false;
    return true;
  }
  const std::wstring wide = quarnel::wide(text);
  for (std::size_t k = 0; k < wide.size(); k += done ? done : 1)  // consoles take limited pieces
    if (!WriteConsoleW(h, wide.data() + k, DWORD(std::min<std::size_t>(wide.size() - k, 8192)),
                       &done, nullptr))
      return false;
  return true;
}

// What is written to a standard stream, handed to its handle at each flush; a flush fails when the
// handle does not take it all.
class HandleBuffer : public std::stringbuf {
 public:
  explicit HandleBuffer(DWORD handle) : handle_(handle) {}

 protected:
  int sync() override {
    const bool written = write(handle_, str());
    str("");
    return written ? 0 : -1;
  }

 private:
  DWORD handle_;
};

// Whether Explorer started the program: no other program shares its console, and its input is
// that console (never so for a pipe or a file, which the program must not wait on).
bool startedFromExplorer() {
  DWORD ids[2], mode = 0;
  return GetConsoleProcessList(ids, 2) == 1 &&
         GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
}

// What a double click without a table shows.
std::string howTo() {
  return "quarnel-batch：按表格一次生成整栋楼各条墙轴线的计算书。\n"
         "\n"
         "使用方法：把表格文件（在电子表格中“另存为” CSV）拖到 quarnel-batch.exe 的图标上，\n"
         "或在命令提示符中运行：quarnel-batch 表格.csv\n"
         "计算结果显示在这里，计算书追加到 " +
         quarnel::reportPath() +
         "（系统不允许写入 C 盘根目录时，\n"
         "追加到“文档”文件夹中的 " +
         quarnel::kReportFileName +
         "）。\n"
         "表格的写法见 README.txt，或运行 quarnel-batch --help。\n";
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  quarnel::markRunning();  // the installer does not replace a program that runs
  std::vector<std::string> args;
  for (int k = 1; k < argc; ++k) args.push_back(quarnel::utf8(argv[k]));
  _setmode(_fileno(stdin), _O_BINARY);
  const bool explorer = startedFromExplorer();
  HandleBuffer outBuffer(STD_OUTPUT_HANDLE), errBuffer(STD_ERROR_HANDLE);
  std::ostream out(&outBuffer), err(&errBuffer);
  int status = quarnel::kBatchUsage;
  if (explorer && args.empty())
    out << howTo();
  else
    status = quarnel::runBatch(args, std::cin, out, err);
  out.flush();
  err.flush();
  if (explorer) {
    write(STD_OUTPUT_HANDLE, "\n按任意键关闭窗口……");
    _getwch();
  }
  return status;
}
