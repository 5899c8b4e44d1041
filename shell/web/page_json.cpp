// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/web/page_json.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "shell/runtime.h"

namespace avtosalon::web {
namespace {

class JsonObject {
 public:
  JsonObject& Add(std::string_view key, std::string_view value) {
    Key(key);
    text_ += '"';
    for (const char c : value) {
      if (c == '"' || c == '\\') {
        text_ += '\\';
        text_ += c;
      } else if (static_cast<unsigned char>(c) < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        text_ += escaped;
      } else {
        text_ += c;
      }
    }
    text_ += '"';
    return *this;
  }
  JsonObject& Add(std::string_view key, const char* value) {
    return Add(key, std::string_view(value));
  }
  JsonObject& Add(std::string_view key, int value) { return Raw(key, std::to_string(value)); }
  JsonObject& Add(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }
  JsonObject& Raw(std::string_view key, std::string_view json) {
    Key(key);
    text_ += json;
    return *this;
  }
  std::string Done() { return text_ + '}'; }

 private:
  void Key(std::string_view key) {
    text_ += text_.size() > 1 ? ",\"" : "\"";
    text_ += key;
    text_ += "\":";
  }
  std::string text_ = "{";
};

int Pixels(int units) { return static_cast<int>(std::lround(units / double{kUnitsPerPixel})); }

std::string Css(Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.Red(), colour.Green(), colour.Blue());
  return text;
}

std::string RectJson(const Rect& rect) {
  return "[" + std::to_string(Pixels(rect.left)) + "," + std::to_string(Pixels(rect.top)) + "," +
         std::to_string(Pixels(rect.width)) + "," + std::to_string(Pixels(rect.height)) + "]";
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kCommandButton:
      return "button";
    case ControlKind::kTextBox:
      return "text";
    case ControlKind::kListBox:
      return "list";
    case ControlKind::kOptionButton:
      return "option";
    case ControlKind::kFrame:
      return "frame";
    case ControlKind::kPictureBox:
      return "picturebox";
    case ControlKind::kImage:
      return "image";
    case ControlKind::kLine:
      return "line";
    case ControlKind::kTimer:
      return "timer";
  }
  return "";
}

std::string ControlJson(const Form& form, int index) {
  const Control& control = form.At(index);
  const ControlSpec& spec = *control.spec;
  JsonObject json;
  json.Add("kind", KindName(spec.kind))
      .Add("name", spec.name)
      .Add("container", control.container)
      .Add("tab", spec.tab_index)
      .Add("focusable", form.TakesFocus(index))
      .Add("accessible", spec.accessible_name)
      .Raw("font", FontJson(form.FontOf(index)));
  if (spec.back) json.Add("back", Css(*spec.back));
  if (spec.fore) json.Add("fore", Css(*spec.fore));
  if (spec.kind == ControlKind::kLine) {
    json.Raw("line", "[" + std::to_string(Pixels(spec.from.x)) + "," +
                         std::to_string(Pixels(spec.from.y)) + "," +
                         std::to_string(Pixels(spec.to.x)) + "," +
                         std::to_string(Pixels(spec.to.y)) + "]");
  }
  std::string items = "[";
  for (const std::string& item : control.items) {
    if (items.size() > 1) items += ',';
    items += JsonObject().Add("t", item).Done();
  }
  json.Raw("items", items + "]");
  json.Raw("state", ControlStateJson(form, index));
  return json.Done();
}

}  // namespace

std::string FontJson(const FontSpec& font) {
  return JsonObject()
      .Add("family", font.family)
      .Add("px", static_cast<int>(std::lround(font.points * 96.0 / 72.0)))
      .Add("weight", font.weight)
      .Add("italic", font.italic)
      .Done();
}

std::string ControlStateJson(const Form& form, int index) {
  const Control& control = form.At(index);
  return JsonObject()
      .Add("caption", control.caption)
      .Add("visible", control.visible)
      .Add("enabled", control.enabled)
      .Add("listIndex", control.list_index)
      .Add("value", control.value)
      .Add("picture", control.picture ? control.picture->resource : std::string())
      .Add("origin", control.picture ? control.picture->origin : std::string())
      .Add("interval", control.interval)
      .Raw("rect", RectJson(control.rect))
      .Raw("units",
           "[" + std::to_string(control.rect.left) + "," + std::to_string(control.rect.top) + "," +
               std::to_string(control.rect.width) + "," + std::to_string(control.rect.height) + "]")
      .Done();
}

std::string WindowJson(const Form& form) {
  const FormSpec& spec = form.Spec();
  std::string controls = "[";
  for (int i = 0; i < static_cast<int>(form.Controls().size()); ++i) {
    if (i > 0) controls += ',';
    controls += ControlJson(form, i);
  }
  return JsonObject()
      .Add("index", form.Index())
      .Add("name", spec.name)
      .Add("caption", spec.caption)
      .Raw("client", RectJson(spec.client))
      .Add("back", Css(spec.back))
      .Add("picture", spec.picture)
      .Raw("font", FontJson(spec.font))
      .Raw("controls", controls + "]")
      .Done();
}

}  // namespace avtosalon::web
