// SHA-256 (FIPS 180-4), so that a document names the very bytes of the table it came from.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// The SHA-256 digest of the bytes, as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace quarnel
