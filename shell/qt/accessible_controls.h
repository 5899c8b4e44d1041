#pragma once

#include <QAccessibleWidget>
#include <QListWidget>
#include <vector>

#include "shell/qt/control_widgets.h"

// What the accessibility bus sees of each control: roles, names, texts and states as a screen
// reader expects them, and actions that reach the game as the player's own input.
namespace avtosalon::qt {

// A read-only text: its characters, no caret, no selection.
class ReadOnlyText : public QAccessibleTextInterface {
 public:
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override;
  int characterCount() const override { return static_cast<int>(Characters().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override;

 protected:
  virtual QString Characters() const = 0;
};

// A window, a frame or a picture box: its controls in the order of the window's control table,
// without its lines, which only decorate.
class ContainerAccessible : public QAccessibleWidget {
 public:
  ContainerAccessible(QWidget* widget, QAccessible::Role role);
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessible::Role role() const override;

 private:
  std::vector<QWidget*> Children() const;
  QAccessible::Role role_;
};

// A label: its name carries the number it shows, its text is the caption; one the game
// answers can be pressed.
class LabelAccessible : public QAccessibleWidget, public ReadOnlyText {
 public:
  LabelAccessible(LabelWidget* label, Site site);
  void* interface_cast(QAccessible::InterfaceType type) override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 protected:
  QString Characters() const override;

 private:
  Site site_;
};

class ButtonAccessible : public QAccessibleWidget {
 public:
  ButtonAccessible(ButtonWidget* button, Site site);
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 private:
  Site site_;
};

// A country option: a radio button, chosen only by the game.
class OptionAccessible : public QAccessibleWidget {
 public:
  OptionAccessible(OptionWidget* option, Site site);
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 private:
  Site site_;
};

// A text box: every edit through the bus is typing.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
 public:
  TextBoxAccessible(TextBoxWidget* box, Site site);
  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text t, const QString& text) override;
  QAccessible::State state() const override;

  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int start, int end) override;
  void removeSelection(int index) override;
  void setSelection(int index, int start, int end) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int start, int end) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override;

  void deleteText(int start, int end) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int start, int end, const QString& text) override;

 private:
  QLineEdit* Box() const;
  Site site_;
};

// A list and its items: toggling an item chooses it, as a click on it does.
class ListAccessible : public QAccessibleWidget {
 public:
  ListAccessible(ListWidget* list, Site site);
  ~ListAccessible() override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QListWidget* List() const;
  const Site& Where() const { return site_; }

 private:
  Site site_;
  mutable std::vector<QAccessible::Id> items_;  // 0 until asked for; Qt's cache holds them
};

}  // namespace avtosalon::qt
