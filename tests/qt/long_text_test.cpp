// Text boxes take text of any length, as the headless host does.
#include <QClipboard>
#include <QLineEdit>

#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class LongText : public RealGame {
 protected:
  void Paste(std::string_view form, std::string_view box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QWidget* widget = Widget(form, box);
    for (const int key : {Qt::Key_A, Qt::Key_V}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
      QApplication::sendEvent(widget, &press);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
      QApplication::sendEvent(widget, &release);
    }
    Settle();
  }
  std::string Caption(std::string_view form, std::string_view control) {
    const Form& f = *runtime_.Find(form);
    return f.At(f.Find(control).value()).caption;
  }
};

TEST_F(LongText, APastedDepositLongerThanQtsDefaultLimitIsReadWhole) {
  struct Case {
    QString text;
    std::string interest;
  };
  for (const Case& c :
       {Case{QString(40000, u'0') + "250", "2"}, Case{QString(99999, u' ') + "7", "0"},
        Case{QString(50000, u'0') + "149", "1"}}) {
    Paste("Form1", "Text1", c.text);
    // Compared by length first: a failure would print the whole text.
    EXPECT_EQ(static_cast<QLineEdit*>(Widget("Form1", "Text1"))->text().size(), c.text.size());
    EXPECT_EQ(Caption("Form1", "Text1").size(), c.text.toStdString().size());
    EXPECT_TRUE(Caption("Form1", "Text1") == c.text.toStdString());
    EXPECT_EQ(Caption("Form1", "Label15"), c.interest);
    ASSERT_FALSE(runtime_.Ended());
  }
  Paste("Form1", "Text1", QString(40000, u'0') + "250");
  Click("Form1", "Command4");
  EXPECT_EQ(Caption("Form1", "Label1"), "999750");
}

}  // namespace
}  // namespace avtosalon::qt
