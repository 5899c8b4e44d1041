#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <optional>
#include <string>

namespace avtosalon::qt {

class QtHost;

// Where a widget sends the player's input: the host, and the control it stands for.
struct Site {
  QtHost* host = nullptr;
  int form = 0;
  int control = 0;

  void Clicked() const;
  // Only the pointer chooses where the focus goes; the rest comes from the runtime.
  void FocusArrived(const QFocusEvent* event) const;
  // Whether the runtime took the key; if not, Qt may handle it.
  bool Pressed(const QKeyEvent* event) const;
};

// A widget that stands for a control: it reports the focus the pointer gives it and the
// keys the runtime gives a meaning to.
template <typename Base>
class ControlWidget : public Base {
 public:
  ControlWidget(Site site, QWidget* parent) : Base(parent), site_(site) {}
  const Site& Where() const { return site_; }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    Base::focusInEvent(event);
    site_.FocusArrived(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (site_.Pressed(event)) {
      event->accept();
      return;
    }
    Base::keyPressEvent(event);
  }
  // Qt hands the focus on by itself when the widget that has it is hidden or disabled; where
  // it goes is the game's to say, once the handler that did so has run.
  bool focusNextPrevChild(bool next) override {
    if (!this->isVisible() || !this->isEnabled()) return true;
    return Base::focusNextPrevChild(next);
  }

  Site site_;
};

// The top-level window of one form: its background colour and picture, and a close
// box that asks the game what to do.
class FormWindow : public QWidget {
 public:
  FormWindow(Site site, QColor back, std::string picture);
  void AllowClose() { closing_allowed_ = true; }
  const Site& Where() const { return site_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Tab and Shift+Tab, from whichever control has the focus.
  bool focusNextPrevChild(bool next) override;

 private:
  Site site_;
  QColor back_;
  std::string picture_;  // decoded when first drawn, so a window is quick to create
  bool closing_allowed_ = false;
};

class LabelWidget : public ControlWidget<QLabel> {
 public:
  LabelWidget(Site site, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// A button that shows its own face colour, with its caption centred and wrapped onto
// as many lines as it needs.
class ButtonWidget : public ControlWidget<QPushButton> {
 public:
  ButtonWidget(Site site, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class TextBoxWidget : public ControlWidget<QLineEdit> {
 public:
  TextBoxWidget(Site site, QWidget* parent);
};

// A list whose selection only the game changes: the pointer asks for an item, and every
// such request is a Click, also for the item already selected.
class ListWidget : public ControlWidget<QListWidget> {
 public:
  ListWidget(Site site, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// An option whose chosen state only the game changes.
class OptionWidget : public ControlWidget<QRadioButton> {
 public:
  OptionWidget(Site site, QWidget* parent);

 protected:
  void nextCheckState() override {}
  // The whole control answers the pointer, not just its circle and caption.
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A framed group: an etched border, its caption at the top left in the frame's own font,
// and its background colour inside, exactly.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(QWidget* parent) : QWidget(parent) {}
  void SetTitle(const QString& title);
  QString Title() const { return title_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

// A picture box or an image: its picture at natural size from the top-left corner.
class PictureWidget : public ControlWidget<QWidget> {
 public:
  PictureWidget(Site site, QWidget* parent);
  // The name of a picture resource, decoded when first drawn; empty for none.
  void SetPicture(std::string picture);
  const std::string& Picture() const { return picture_; }
  void SetBack(std::optional<QColor> back);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::string picture_;
  std::optional<QColor> back_;
};

class LineWidget : public QWidget {
 public:
  LineWidget(QWidget* parent, QPoint from, QPoint to, QColor colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
  QColor colour_;
};

}  // namespace avtosalon::qt
