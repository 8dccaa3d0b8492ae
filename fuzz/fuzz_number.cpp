// The leading-number parse on arbitrary bytes against strtod on the text without its blanks.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string s;  // without blanks, tabs and line feeds
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  // strtod also reads hexadecimal, "inf", "nan" and white space: compared only after a digit.
  const std::size_t k = !s.empty() && (s[0] == '+' || s[0] == '-');
  const bool number =
      k < s.size() && (std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '.');
  if (number && (s.compare(k, 2, "0x") == 0 || s.compare(k, 2, "0X") == 0)) s.resize(k + 1);
  errno = 0;
  const double want = number ? std::strtod(s.c_str(), nullptr) : 0.0;
  const quarnel::LeadingNumber got = quarnel::parseLeadingNumber(text);
  if (got.inRange == (errno == ERANGE && std::isinf(want))) std::abort();
  if (got.inRange && std::memcmp(&got.value, &want, sizeof want)) std::abort();
  return 0;
}
