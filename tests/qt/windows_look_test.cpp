// Pictures of the real windows, checked at points inside each visible control, away from
// its text: the colour there must be the table's.
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "shell/qt/look.h"
#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

enum class Spot { kTopLeft, kTopRight, kBottomRight, kListBottom, kLeftMiddle };

struct Probe {
  const char* control;
  Spot spot;
  QColor colour;
};

QPoint PointIn(const QRect& rect, Spot spot) {
  switch (spot) {
    case Spot::kTopLeft:  // inside a button's bevel
      return rect.topLeft() + QPoint(3, 3);
    case Spot::kTopRight:  // above a large caption
      return rect.topRight() + QPoint(-2, 1);
    case Spot::kBottomRight:  // right of a left-aligned caption
      return rect.bottomRight() - QPoint(3, 3);
    case Spot::kListBottom:  // below the last item, clear of a scroll bar
      return rect.bottomRight() - QPoint(40, 4);
    case Spot::kLeftMiddle:  // a border of a line
      return QPoint(rect.left(), rect.center().y());
  }
  return rect.center();
}

const QColor kBlack(0, 0, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(64, 162, 66);
const QColor kLightRed(255, 128, 128);
const QColor kBrown(128, 64, 64);
const QColor kTeal(0, 192, 192);
const QColor kNavy(0, 0, 128);
const QColor kDarkGrey(64, 64, 64);

class WindowsLook : public RealGame {
 protected:
  void ExpectColours(std::string_view form, std::initializer_list<Probe> probes) {
    const QImage picture = Window(form)->grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    for (const Probe& probe : probes) {
      QWidget* widget = Widget(form, probe.control);
      ASSERT_TRUE(widget->isVisible()) << probe.control;
      const QRect rect(widget->mapTo(Window(form), QPoint(0, 0)), widget->size());
      const QPoint at = PointIn(rect, probe.spot) * scale;
      EXPECT_EQ(QColor(picture.pixel(at)).name(), probe.colour.name())
          << form << "." << probe.control << " at " << at.x() << "," << at.y();
    }
  }
  void ExpectBackground(std::string_view form, QPoint at, QColor colour) {
    const QImage picture = Window(form)->grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(at * picture.devicePixelRatio())).name(), colour.name())
        << form << " background";
  }
};

TEST_F(WindowsLook, WindowsHaveTheirClientSizeAndPositionAndDoNotResize) {
  Click("Form1", "Command1");
  Click("Form2", "Command5");
  Click("Form1", "Command3");
  for (const auto& [form, rect] : {std::pair{"Form1", QRect(164, 154, 624, 450)},
                                   {"Form2", QRect(123, 42, 720, 596)},
                                   {"Form3", QRect(117, 165, 759, 393)}}) {
    // A window that does not fit on the screen at its stored position is moved onto it.
    if (Window(form)->screen()->availableGeometry().contains(rect)) {
      EXPECT_EQ(Window(form)->geometry(), rect) << form;
    }
    EXPECT_EQ(Window(form)->size(), rect.size()) << form;
    EXPECT_EQ(Window(form)->minimumSize(), rect.size()) << form;
    EXPECT_EQ(Window(form)->maximumSize(), rect.size()) << form;
  }
}

TEST_F(WindowsLook, MainWindow) {
  ExpectColours("Form1", {{"Label3", Spot::kBottomRight, kBlack},
                          {"Label8", Spot::kBottomRight, kBlack},
                          {"Label9", Spot::kTopRight, kBlack},
                          {"Label2", Spot::kBottomRight, kBlack},
                          {"Label1", Spot::kTopRight, kBlack},
                          {"Command1", Spot::kTopLeft, kRed},
                          {"Command3", Spot::kTopLeft, kRed},
                          {"Command2", Spot::kTopLeft, kBlue},
                          {"Command7", Spot::kTopLeft, kLightYellow},
                          {"Label16", Spot::kBottomRight, kLightYellow},
                          {"Label17", Spot::kBottomRight, kLightYellow},
                          {"Text1", Spot::kBottomRight, kLightYellow},
                          {"Label15", Spot::kBottomRight, kLightYellow},
                          {"Line1", Spot::kLeftMiddle, QColor(192, 0, 0)},
                          {"Line2", Spot::kLeftMiddle, kRed}});
  ExpectBackground("Form1", {282, 330}, kGreen);  // inside the bank frame
}

TEST_F(WindowsLook, MainWindowBankButtons) {
  runtime_.Edit(FormIndex("Form1"), runtime_.Handles<form1::Main>()->bank.deposit.Index(),
                "2000000", 7);
  Settle();
  ExpectColours("Form1", {{"Command4", Spot::kTopLeft, kGreen},
                          {"Command6", Spot::kTopLeft, kGreen},
                          {"Command5", Spot::kTopLeft, QColor(255, 128, 0)}});
}

TEST_F(WindowsLook, PurchaseWindowStepByStep) {
  Click("Form1", "Command1");
  ExpectColours("Form2", {{"List1", Spot::kListBottom, kGreen},
                          {"Command5", Spot::kTopLeft, kLightRed},
                          {"Label7", Spot::kBottomRight, kGreen},
                          {"Label6", Spot::kTopRight, kLightYellow}});
  ExpectBackground("Form2", {5, 590}, kBrown);
  Select("Form2", "List1", 0);
  ExpectColours("Form2", {{"Command2", Spot::kTopLeft, kLightRed}});
  Click("Form2", "Command2");
  Click("Form2", "Option1");
  Click("Form2", "Label1");
  ExpectColours("Form2", {{"Label1", Spot::kBottomRight, kGreen},
                          {"Option1", Spot::kBottomRight, kGreen},
                          {"Option5", Spot::kBottomRight, kGreen},
                          {"Command3", Spot::kTopLeft, kLightRed}});
  Click("Form2", "Command3");
  ExpectColours("Form2", {{"Label5", Spot::kBottomRight, kGreen},
                          {"Text1", Spot::kBottomRight, kGreen},
                          {"Label4", Spot::kBottomRight, kGreen},
                          {"Label3", Spot::kBottomRight, kGreen},
                          {"Command1", Spot::kTopLeft, kLightYellow}});
  runtime_.Edit(FormIndex("Form2"), runtime_.Handles<form2::Purchase>()->quantity.Index(), "100",
                3);
  Settle();
  ExpectColours("Form2", {{"Command4", Spot::kTopLeft, kLightRed}});
}

TEST_F(WindowsLook, SalesWindowClosedAndOnOffer) {
  Click("Form1", "Command3");
  ExpectColours("Form3", {{"Command7", Spot::kTopLeft, kTeal},
                          {"Command12", Spot::kTopLeft, kTeal},
                          {"List1", Spot::kBottomRight, kNavy},
                          {"Label1", Spot::kBottomRight, kNavy},
                          {"Label7", Spot::kBottomRight, kNavy},
                          {"Command1", Spot::kTopLeft, kTeal},
                          {"Label14", Spot::kBottomRight, kDarkGrey},
                          {"Label13", Spot::kTopRight, kDarkGrey},
                          {"Command13", Spot::kTopLeft, QColor(255, 255, 192)}});
  ExpectBackground("Form3", {750, 320}, QColor(128, 128, 128));
  Click("Form3", "Command9");
  Select("Form3", "List3", 1);
  ExpectColours("Form3", {{"List3", Spot::kBottomRight, kNavy},
                          {"Label3", Spot::kBottomRight, kNavy},
                          {"Label9", Spot::kBottomRight, kNavy}});
}

TEST_F(WindowsLook, NumberLabelsWidenToTheRightAndKeepTheirLeftEdge) {
  const form1::Main& main = *runtime_.Handles<form1::Main>();
  for (const Label& number : {main.cash, main.fleet[0]}) {
    QWidget* label = host_.Widget(number.FormIndex(), number.Index());
    const std::string name = number.State().Name();
    const QRect before = label->geometry();
    number.SetCaption("123456789012");
    Settle();
    const QRect after = label->geometry();
    EXPECT_EQ(after.topLeft(), before.topLeft()) << name;
    EXPECT_EQ(after.height(), before.height()) << name;
    EXPECT_GT(after.width(), before.width()) << name;
    const QFontMetrics metrics(label->font());
    EXPECT_GE(after.width(), metrics.horizontalAdvance("123456789012")) << name << " shows it all";
  }
}

TEST_F(WindowsLook, PicturesAtNaturalSize) {
  Click("Form1", "Command1");
  Select("Form2", "List1", 0);
  EXPECT_EQ(Widget("Form2", "Image1")->geometry(), QRect(136, 56, 410, 308));
  Select("Form2", "List1", 5);
  EXPECT_EQ(Widget("Form2", "Image1")->geometry(), QRect(136, 56, 360, 268));
  Click("Form2", "Command5");
  Click("Form1", "Command3");
  EXPECT_EQ(Widget("Form3", "Image1")->size(), QSize(58, 37));
  EXPECT_EQ(Widget("Form3", "Image4")->size(), QSize(104, 46));
}

// Qt names a family that more than one foundry ships with the foundry: "Z003 [urw]".
QString WithoutFoundry(QString family) { return family.remove(QRegularExpression(" \\[.*\\]$")); }

TEST_F(WindowsLook, EveryDesignFontHasACyrillicStandIn) {
  QStringList cyrillic;
  for (const QString& family : QFontDatabase::families(QFontDatabase::Cyrillic)) {
    cyrillic.push_back(WithoutFoundry(family));
  }
  for (const char* family :
       {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "MS Reference Sans Serif",
        "Times New Roman", "Bookman Old Style", "Monotype Corsiva", "Garamond", "Small Fonts"}) {
    const QString standin = SubstituteFamily(family);
    EXPECT_TRUE(cyrillic.contains(standin)) << family << " -> " << standin.toStdString();
    const QFontInfo info(ToQFont(FontSpec{family, 13.5, 700, false}));
    EXPECT_EQ(WithoutFoundry(info.family()), standin) << family;
    EXPECT_EQ(info.pixelSize(), 18) << family;
  }
}

TEST_F(WindowsLook, EveryControlHasAnAccessibleName) {
  Click("Form1", "Command1");
  Click("Form2", "Command5");
  Click("Form1", "Command3");
  for (int f = 0; f < runtime_.FormCount(); ++f) {
    const Form& form = *runtime_.FormAt(f);
    for (int c = 0; c < static_cast<int>(form.Controls().size()); ++c) {
      const ControlKind kind = form.At(c).Kind();
      if (kind == ControlKind::kTimer || kind == ControlKind::kLine) continue;
      EXPECT_FALSE(host_.Widget(f, c)->accessibleName().isEmpty())
          << form.Name() << "." << form.At(c).Name();
    }
  }
  EXPECT_EQ(Widget("Form1", "Label1")->accessibleName(), "Ваша сумма: 1000000");
  EXPECT_EQ(Widget("Form1", "Text1")->accessibleName(), "Вклад");
  EXPECT_EQ(Widget("Form1", "Label15")->accessibleName(), "Процент");
  EXPECT_EQ(Widget("Form2", "Text1")->accessibleName(), "Количество");
}

TEST_F(WindowsLook, MessageBoxesHaveOneButtonInRussian) {
  ASSERT_EQ(buttons_.size(), 2);
  for (const QString& button : buttons_) {
    EXPECT_NE(button, "?");
    EXPECT_NE(button, "&OK") << "Qt's Russian translation is installed by the set-up";
  }
}

}  // namespace
}  // namespace avtosalon::qt
