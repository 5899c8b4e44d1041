#include "shell/qt/control_widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

#include "shell/input.h"
#include "shell/qt/pictures.h"
#include "shell/qt/qt_host.h"

namespace avtosalon::qt {
namespace {

std::optional<Key> KeyOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Space:
      return Key::kSpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::kEnter;
    case Qt::Key_Up:
      return Key::kUp;
    case Qt::Key_Down:
      return Key::kDown;
    case Qt::Key_Left:
      return Key::kLeft;
    case Qt::Key_Right:
      return Key::kRight;
    case Qt::Key_Home:
      return Key::kHome;
    case Qt::Key_End:
      return Key::kEnd;
    default:
      return std::nullopt;
  }
}

}  // namespace

void Site::Clicked() const { host->Input().Click(form, control); }

void Site::FocusArrived(const QFocusEvent* event) const {
  if (event->reason() == Qt::MouseFocusReason) host->Input().Focus(form, control);
}

bool Site::Pressed(const QKeyEvent* event) const {
  const auto key = KeyOf(*event);
  // A held Space or Enter presses once.
  if (!key || (event->isAutoRepeat() && (key == Key::kSpace || key == Key::kEnter))) return false;
  return host->Input().Press(form, control, *key);
}

FormWindow::FormWindow(Site site, QColor back, std::string picture)
    : site_(site), back_(back), picture_(std::move(picture)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  // Natural size from the top-left corner: what does not fit is clipped, never stretched.
  if (!picture_.empty()) painter.drawPixmap(0, 0, LoadPicture(picture_, devicePixelRatioF()));
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (closing_allowed_) {
    event->accept();
    return;
  }
  event->ignore();
  site_.host->Input().Close(site_.form);
  // The request may have ended the program, which closes every window, this one too.
  if (closing_allowed_) event->accept();
}

bool FormWindow::focusNextPrevChild(bool next) {
  site_.host->Input().Press(site_.form, -1, next ? Key::kTab : Key::kBackTab);
  return true;
}

LabelWidget::LabelWidget(Site site, QWidget* parent) : ControlWidget(site, parent) {
  setAutoFillBackground(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextFormat(Qt::PlainText);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) site_.Clicked();
}

void LabelWidget::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ButtonWidget::ButtonWidget(Site site, QWidget* parent) : ControlWidget(site, parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { site_.Clicked(); });
}

void ButtonWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  const QColor face = palette().color(QPalette::Button);
  painter.fillRect(rect(), face);
  const QColor light(0xFF, 0xFF, 0xFF);
  const QColor shadow(0x80, 0x80, 0x80);
  const QColor dark(0x00, 0x00, 0x00);
  const bool down = isDown();
  if (down) {
    painter.setPen(dark);
    painter.drawRect(r);
    painter.setPen(shadow);
    painter.drawRect(r.adjusted(1, 1, -1, -1));
  } else {
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(shadow);
    painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
  }
  const QRect text_rect = rect().adjusted(3, 3, -3, -3).translated(down ? 1 : 0, down ? 1 : 0);
  constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
  painter.setFont(font());
  if (isEnabled()) {
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(text_rect, kFlags, text());
  } else {
    painter.setPen(light);
    painter.drawText(text_rect.translated(1, 1), kFlags, text());
    painter.setPen(shadow);
    painter.drawText(text_rect, kFlags, text());
  }
  if (hasFocus()) {
    painter.setPen(QPen(dark, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
  }
}

TextBoxWidget::TextBoxWidget(Site site, QWidget* parent) : ControlWidget(site, parent) {
  setFrame(true);
  // A text box takes text of any length; Qt would stop at 32767 characters.
  setMaxLength(std::numeric_limits<int>::max());
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    // The caret in bytes of the UTF-8 text.
    const int caret = static_cast<int>(text.left(cursorPosition()).toUtf8().size());
    site_.host->Input().Edit(site_.form, site_.control, text.toStdString(), caret);
  });
}

ListWidget::ListWidget(Site site, QWidget* parent) : ControlWidget(site, parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::Box);
}

void ListWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  if (const QListWidgetItem* item = itemAt(event->position().toPoint())) {
    site_.host->Input().Select(site_.form, site_.control, row(item));
  }
}

void ListWidget::mouseMoveEvent(QMouseEvent*) {}

void ListWidget::keyPressEvent(QKeyEvent* event) {
  // Keys the runtime gives no meaning must not move Qt's own selection.
  if (!site_.Pressed(event)) event->ignore();
}

OptionWidget::OptionWidget(Site site, QWidget* parent) : ControlWidget(site, parent) {
  setAutoExclusive(false);
  connect(this, &QAbstractButton::clicked, this, [this] { site_.Clicked(); });
}

void FrameWidget::SetTitle(const QString& title) {
  title_ = title;
  update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  const QFontMetrics metrics(font());
  const int line = metrics.height() / 2;
  const QRect border = rect().adjusted(0, line, -2, -2);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(border);
  painter.setPen(Qt::white);
  painter.drawRect(border.translated(1, 1));
  if (title_.isEmpty()) return;
  const QRect caption(8, 0, metrics.horizontalAdvance(title_) + 4, metrics.height());
  painter.fillRect(caption, palette().color(QPalette::Window));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(caption.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title_);
}

PictureWidget::PictureWidget(Site site, QWidget* parent) : ControlWidget(site, parent) {}

void PictureWidget::SetPicture(std::string picture) {
  picture_ = std::move(picture);
  update();
}

void PictureWidget::SetBack(std::optional<QColor> back) {
  back_ = back;
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (back_) painter.fillRect(rect(), *back_);
  if (!picture_.empty()) painter.drawPixmap(0, 0, LoadPicture(picture_, devicePixelRatioF()));
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) site_.Clicked();
}

LineWidget::LineWidget(QWidget* parent, QPoint from, QPoint to, QColor colour)
    : QWidget(parent), colour_(colour) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
  setGeometry(box);
  from_ = from - box.topLeft();
  to_ = to - box.topLeft();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(colour_, 1));
  painter.drawLine(from_, to_);
}

}  // namespace avtosalon::qt
