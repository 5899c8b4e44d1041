#include "shell/headless_host.h"

#include <cmath>

namespace avtosalon {

Size HeadlessHost::MeasureText(const FontSpec& font, std::string_view text) const {
  // Points to layout units: 20 to a point.
  const double em = font.points * 20.0;
  std::size_t characters = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;  // UTF-8 lead bytes
  }
  return Size{static_cast<int>(std::lround(0.56 * em * static_cast<double>(characters))),
              static_cast<int>(std::lround(1.2 * em))};
}

}  // namespace avtosalon
