#pragma once

#include <any>
#include <optional>
#include <string>
#include <vector>

#include "shell/types.h"

namespace avtosalon {

class Program;
class Resolver;

// A control as the window's control table draws it when the window is created.
struct ControlSpec {
  ControlKind kind = ControlKind::kLabel;
  std::string name;
  std::string container;  // empty: the window itself
  Rect rect;              // relative to the container
  Point from, to;         // lines only
  std::string caption;    // a label's, button's, option's or frame's Caption; a text box's Text
  std::vector<std::string> items;
  std::optional<Colour> back;  // none: the platform's default
  std::optional<Colour> fore;
  std::optional<FontSpec> font;  // none: the container's font
  int tab_index = -1;            // -1: not in the tab order
  bool visible = true;
  bool enabled = true;
  bool auto_size = false;  // labels that size themselves to their caption
  std::string picture;     // name of a picture resource
  int interval = 0;        // timers, in milliseconds
  // What a screen reader calls the control; empty: its caption.
  std::string accessible_name;
};

struct FormSpec {
  std::string name;
  std::string caption;
  Rect client;  // position and size of the client area
  Colour back;
  std::optional<Colour> fore;
  FontSpec font;
  std::string picture;  // background picture, drawn at natural size from the top-left corner
  std::vector<ControlSpec> controls;
};

using Handler = void (*)(Program&);
// Finds the window's named control handles once, when the window is created.
using HandleFinder = std::any (*)(const Resolver&);

struct Binding {
  std::string control;  // empty: the window's own event (Load)
  Event event = Event::kClick;
  Handler handler = nullptr;
};

struct FormDescription {
  FormSpec spec;
  std::vector<Binding> bindings;
  // The close box does what a click on this control does; empty: it ends the program.
  std::string close_as;
  HandleFinder handles = nullptr;
};

// Everything the runtime needs to run the game: windows in order, the first is the start-up window.
struct Project {
  std::vector<FormDescription> forms;
};

}  // namespace avtosalon
