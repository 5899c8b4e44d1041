#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace avtosalon {

// Positions and sizes are in layout units: 1/1440 inch, 15 to a pixel at 96 dpi.
inline constexpr int kUnitsPerPixel = 15;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

// 0x00BBGGRR, as the control tables give it.
struct Colour {
  std::uint32_t bgr = 0;
  constexpr int Red() const { return static_cast<int>(bgr & 0xFF); }
  constexpr int Green() const { return static_cast<int>((bgr >> 8) & 0xFF); }
  constexpr int Blue() const { return static_cast<int>((bgr >> 16) & 0xFF); }
  friend bool operator==(const Colour&, const Colour&) = default;
};

struct FontSpec {
  std::string family;
  double points = 8.25;
  int weight = 400;  // 700 is bold
  bool italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class ControlKind {
  kLabel,
  kCommandButton,
  kTextBox,
  kListBox,
  kOptionButton,
  kFrame,
  kPictureBox,
  kImage,
  kLine,
  kTimer,
};

enum class Event { kClick, kChange, kTimer, kLoad };

enum class Property {
  kCaption,
  kText,
  kVisible,
  kEnabled,
  kListIndex,
  kPicture,
  kWidth,
  kValue,  // an option button's chosen state
};

struct MessageBox {
  int style = 0;  // 64: information icon, 16: error icon; OK button only
  std::string title;
  std::string prompt;
  friend bool operator==(const MessageBox&, const MessageBox&) = default;
};

inline constexpr int kInformationStyle = 64;
inline constexpr int kErrorStyle = 16;

// Controls that take the keyboard focus.
constexpr bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kCommandButton || kind == ControlKind::kTextBox ||
         kind == ControlKind::kListBox || kind == ControlKind::kOptionButton;
}

}  // namespace avtosalon
