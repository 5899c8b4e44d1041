// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/bus_input.h"

#include <QApplication>
#include <QTimer>

#include "shell/qt/qt_host.h"

namespace avtosalon::qt {
namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// Clang 14 does not deduce an aggregate's arguments by itself.
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

void FromBus(QWidget* widget, const Site& site, BusInput input) {
  QTimer::singleShot(0, widget, [widget, site, input = std::move(input)] {
    if (const QWidget* modal = QApplication::activeModalWidget();
        modal && modal != widget->window()) {
      return;
    }
    PlayerInput& game = site.host->Input();
    std::visit(
        Overloaded{
            [&](const BusClick&) { game.Click(site.form, site.control); },
            [&](const BusSelect& select) { game.Select(site.form, site.control, select.item); },
            [&](const BusEdit& edit) {
              // The runtime counts the caret in bytes of UTF-8.
              const auto caret = static_cast<int>(edit.text.left(edit.cursor).toUtf8().size());
              game.Edit(site.form, site.control, edit.text.toStdString(), caret);
            },
        },
        input);
  });
}

}  // namespace avtosalon::qt
