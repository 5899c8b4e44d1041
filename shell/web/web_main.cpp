// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Avtosalon in a web page: the page's script calls these for the player's input.
#include <emscripten.h>

#include <memory>

#include "forms/project.h"
#include "shell/input.h"
#include "shell/runtime.h"
#include "shell/web/web_host.h"

namespace {

struct Game {
  avtosalon::web::WebHost host;
  std::unique_ptr<avtosalon::Runtime> runtime;
};

Game& TheGame() {
  static Game game;
  return game;
}

// Where the input goes; none before the start.
avtosalon::PlayerInput* Input() { return TheGame().runtime.get(); }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void avtosalon_start() {
  Game& game = TheGame();
  game.runtime = std::make_unique<avtosalon::Runtime>(avtosalon::GameProject(), game.host);
  game.host.Attach(*game.runtime);
  game.runtime->Start();
}

EMSCRIPTEN_KEEPALIVE void avtosalon_tick() {
  if (Input()) Input()->AdvanceClockTo(*TheGame().host.Now());
}

EMSCRIPTEN_KEEPALIVE int avtosalon_click(int form, int control) {
  return Input() && Input()->Click(form, control);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_select(int form, int list, int item) {
  return Input() && Input()->Select(form, list, item);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_edit(int form, int box, const char* text, int caret) {
  return Input() && Input()->Edit(form, box, text, caret);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_focus(int form, int control) {
  return Input() && Input()->Focus(form, control);
}

// key: a Key's value, in the order page.js lists them.
EMSCRIPTEN_KEEPALIVE int avtosalon_press(int form, int control, int key) {
  if (key < 0 || key > static_cast<int>(avtosalon::Key::kBackTab)) return 0;
  return Input() && Input()->Press(form, control, static_cast<avtosalon::Key>(key));
}

EMSCRIPTEN_KEEPALIVE int avtosalon_close(int form) { return Input() && Input()->Close(form); }

}  // extern "C"
