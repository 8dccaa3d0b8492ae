// In a file of its own: a program that never asks for the shortest text (the window) then links
// none of the standard library's tables for it, some 170 KB of its start-up memory under Wine.
#include <charconv>

#include "calc/number.h"

namespace quarnel {

std::string shortestText(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace quarnel
