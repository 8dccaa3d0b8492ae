#include "ui/help_text.h"

#include <vector>

#include "calc/loads.h"

namespace quarnel {
namespace {

struct Piece {
  const char* breaks;  // the CR and LF characters that stand before the piece
  std::string text;
};

// The settings behind the constants of the formulas, as the formulas' table words them.
std::string settings() {
  std::string text = "6. 几点设定: ";
  for (const FixedSetting& s : fixedSettings())
    if (s.helpWords) text.append(text.back() == ' ' ? "" : ";").append(s.helpWords);
  return text + ".";
}

// The pieces of the instructions text; all punctuation is ASCII and the blanks inside the pieces
// are part of them. The signature and the address name the team, not a person.
const std::vector<Piece>& pieces() {
  static const std::vector<Piece> all = {
      {"\r\n", "(一) 软件说明:"},
      {"\r\n\r\r\n\r", std::string("1. ") + kPartitionAssumption},
      {"\r\n\r", std::string("2. ") + kBalconyAssumption},
      {"\r\n\r", "3. 计算结果中三项数值均为荷载标准值."},
      {"\r\n\r",
       "4. 折算墙厚=(墙厚1*墙厚1层数+墙厚2*墙厚2层数)/                (墙厚1层数+墙厚2层数)"},
      {"\r\n\r",
       "5. 折算层高=(层高1*层高1层数+层高2*层高2层数)/                (层高1层数+层高2层数)"},
      {"\r\n\r", settings()},
      {"\r\n\r\r\n", "(二) 用户须知: "},
      {"\r\n\r\r\n\r",
       "1. "
       "本软件为方便同行,达到计算快速.准确之目的而设计,但作者出于对该程序运行环境的考虑仅建议应用"
       "于校核验算或上级同意的情况之下."},
      {"\r\n\r", "2. 使用者填入数据时应确认该计算程序与计算模型一致,以免计算结果与实际偏差过大."},
      {"\r\n\r\r\n\r", "(三) 关于程序:"},
      {"\r\n\r\r\n\r", "1. 本软件为免费软件,友情使用."},
      {"\r\n\r", "2. 使用过程中如有问题或建议欢迎联系!"},
      {"\r\n\r", "3. 祝工作顺利!(北京)Quarnel开发组 2026.12 "},
      {"\r\n\r", "               Email:quarnel@example.com"},
  };
  return all;
}

}  // namespace

std::string helpText() {
  std::string text;
  for (const Piece& p : pieces()) text.append(p.breaks).append(p.text);
  return text;
}

std::string displayText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      shown += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '\n') {
      shown += '\n';
      ++i;
    }
  }
  return shown;
}

std::string MultiLineTexts::set(std::string_view box, std::string_view text) {
  texts_[std::string(box)] = std::string(text);
  return displayText(text);
}

std::string MultiLineTexts::get(std::string_view box) const {
  auto it = texts_.find(box);
  return it == texts_.end() ? std::string() : it->second;
}

}  // namespace quarnel
