// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/web/web_host.h"

#include <emscripten.h>

#include <algorithm>
#include <string>

#include "game/failure.h"
#include "shell/web/page_json.h"

namespace avtosalon::web {
namespace {

// Each hands one step to the page's script (Module.page, set up by page.js).
EM_JS(void, PageCreateWindow, (const char* json),
      { Module.page.createWindow(JSON.parse(UTF8ToString(json))); });
EM_JS(void, PageShowWindow, (int form, bool visible), { Module.page.showWindow(form, visible); });
EM_JS(void, PageUpdateControl, (int form, int control, const char* json),
      { Module.page.updateControl(form, control, JSON.parse(UTF8ToString(json))); });
EM_JS(void, PageFocus, (int form, int control), { Module.page.focus(form, control); });
EM_JS(void, PageEnded, (), { Module.page.ended(); });
EM_JS(void, PageScheduleTick, (int milliseconds), { Module.page.scheduleTick(milliseconds); });
EM_JS(double, PageNow, (), { return performance.now(); });
EM_JS(int, PageMeasureText, (const char* font_json, const char* text, bool height), {
  return Module.page.measureText(JSON.parse(UTF8ToString(font_json)), UTF8ToString(text), height);
});
// Resolves when the player closes the box: the handler that asked for it waits here.
// failure: the kind of failure that the box reports, empty for the game's own boxes.
EM_ASYNC_JS(void, PageMessageBox,
            (int style, const char* title, const char* prompt, const char* failure), {
              await Module.page.messageBox(style, UTF8ToString(title), UTF8ToString(prompt),
                                           UTF8ToString(failure));
            });

}  // namespace

WebHost::WebHost() : start_ms_(PageNow()) {}

void WebHost::FormCreated(const Form& form) { PageCreateWindow(WindowJson(form).c_str()); }

void WebHost::FormVisibilityChanged(const Form& form) {
  PageShowWindow(form.Index(), form.Visible());
}

void WebHost::ControlChanged(const Form& form, int control, Property) {
  PageUpdateControl(form.Index(), control, ControlStateJson(form, control).c_str());
}

void WebHost::FocusChanged(const Form& form) {
  if (form.Visible()) PageFocus(form.Index(), form.Focus());
}

// Once the program has failed, the only box left to show is its report.
void WebHost::ShowMessage(const MessageBox& box) {
  const auto fatal = state_ ? state_->Fatal() : std::nullopt;
  const std::string failure(fatal ? FailureKindName(*fatal) : "");
  PageMessageBox(box.style, box.title.c_str(), box.prompt.c_str(), failure.c_str());
}

void WebHost::ProgramEnded() { PageEnded(); }

std::optional<std::int64_t> WebHost::Now() const {
  return static_cast<std::int64_t>(PageNow() - start_ms_);
}

void WebHost::TimersChanged(std::optional<std::int64_t> next_due) {
  if (!state_ || state_->Ended()) return;
  // The runtime tells of a timer's Enabled only through here; the page keeps it for
  // anyone who inspects the window.
  for (int f = 0; f < state_->FormCount(); ++f) {
    const Form* form = state_->FormAt(f);
    for (int c = 0; form && c < static_cast<int>(form->Controls().size()); ++c) {
      if (form->At(c).Kind() == ControlKind::kTimer) ControlChanged(*form, c, Property::kEnabled);
    }
  }
  PageScheduleTick(
      next_due ? static_cast<int>(std::clamp<std::int64_t>(*next_due - *Now(), 0, 1 << 30)) : -1);
}

Size WebHost::MeasureText(const FontSpec& font, std::string_view text) const {
  const std::string font_json = FontJson(font);
  const std::string line(text);
  return Size{PageMeasureText(font_json.c_str(), line.c_str(), false) * kUnitsPerPixel,
              PageMeasureText(font_json.c_str(), line.c_str(), true) * kUnitsPerPixel};
}

}  // namespace avtosalon::web
