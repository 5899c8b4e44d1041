// Avtosalon in a web page: the page's script calls these for the player's input.
#include <emscripten.h>

#include <memory>

#include "forms/project.h"
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

// The window that takes input: it exists and the program runs.
avtosalon::Form* Target(int form) {
  Game& game = TheGame();
  if (!game.runtime || game.runtime->Ended() || form < 0 || form >= game.runtime->FormCount()) {
    return nullptr;
  }
  game.host.SyncClock();
  return game.runtime->FormAt(form);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void avtosalon_start() {
  Game& game = TheGame();
  game.runtime = std::make_unique<avtosalon::Runtime>(avtosalon::GameProject(), game.host);
  game.host.Attach(*game.runtime);
  game.host.SyncClock();
  game.runtime->Start();
}

EMSCRIPTEN_KEEPALIVE void avtosalon_tick() {
  if (TheGame().runtime && !TheGame().runtime->Ended()) TheGame().host.SyncClock();
}

EMSCRIPTEN_KEEPALIVE int avtosalon_click(int form, int control) {
  avtosalon::Form* target = Target(form);
  return target && TheGame().runtime->Click(*target, control);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_select(int form, int list, int item) {
  avtosalon::Form* target = Target(form);
  return target && TheGame().runtime->Select(*target, list, item);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_edit(int form, int box, const char* text, int caret) {
  avtosalon::Form* target = Target(form);
  return target && TheGame().runtime->Edit(*target, box, text, caret);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_focus(int form, int control) {
  avtosalon::Form* target = Target(form);
  return target && TheGame().runtime->MoveFocus(*target, control);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_tab(int form, int backwards) {
  avtosalon::Form* target = Target(form);
  return target && TheGame().runtime->Tab(*target, backwards != 0);
}

EMSCRIPTEN_KEEPALIVE int avtosalon_close(int form) {
  avtosalon::Form* target = Target(form);
  return target && TheGame().runtime->Close(*target);
}

}  // extern "C"
