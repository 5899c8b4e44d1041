// What a screen reader sees and does, asked of Qt's accessibility interfaces in-process: the
// same interfaces the accessibility bus reads, without the bus.
#include <QAccessible>

#include "tests/qt/real_game.h"

namespace avtosalon::qt {
namespace {

class Accessible : public RealGame {
 protected:
  QAccessibleInterface* Of(std::string_view form, std::string_view control) {
    return QAccessible::queryAccessibleInterface(Widget(form, control));
  }
  QString Name(std::string_view form, std::string_view control) {
    return Of(form, control)->text(QAccessible::Name);
  }
  static void Do(QAccessibleInterface* target, const QString& action) {
    ASSERT_NE(target->actionInterface(), nullptr);
    ASSERT_TRUE(target->actionInterface()->actionNames().contains(action));
    target->actionInterface()->doAction(action);
    Settle();
  }
  const Control& Get(std::string_view form, std::string_view control) {
    const Form& f = *runtime_.Find(form);
    return f.At(f.Find(control).value());
  }
  static QStringList Names(QAccessibleInterface* parent) {
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i)
      names << parent->child(i)->text(QAccessible::Name);
    return names;
  }
};

TEST_F(Accessible, NumbersAreNamedWithWhatTheyCount) {
  EXPECT_EQ(Name("Form1", "Label11"), "YAMAHA: 0");
  EXPECT_EQ(Name("Form1", "Label1"), "Ваша сумма: 1000000");
  EXPECT_EQ(Of("Form1", "Label1")->textInterface()->text(0, -1), "1000000");
  EXPECT_EQ(Name("Form1", "Label15"), "Процент");  // nothing shown yet
  Click("Form1", "Command3");
  EXPECT_EQ(Name("Form3", "Command3"), "Продать Yamaha");
  EXPECT_EQ(Name("Form3", "Label3"), "Yamaha, цена");
}

TEST_F(Accessible, WindowsReadEachCounterAfterItsModelAndHideTheirLines) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Window("Form1"));
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Form1");
  const QStringList names = Names(window);
  EXPECT_EQ(names.mid(0, 4),
            (QStringList{"SHEVROLET", "SHEVROLET: 0", "DODGE RAM", "DODGE RAM: 0"}));
  for (int i = 0; i < window->childCount(); ++i) {
    EXPECT_EQ(window->indexOfChild(window->child(i)), i);
    // No filler: the lines are left out, not shown as nameless objects.
    EXPECT_NE(window->child(i)->role(), QAccessible::Client) << names[i].toStdString();
    EXPECT_NE(window->child(i)->role(), QAccessible::NoRole) << names[i].toStdString();
  }
}

TEST_F(Accessible, ActionsAreThePlayersOwnInput) {
  Click("Form1", "Command1");
  Do(Of("Form2", "List1")->child(2), QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(Get("Form2", "List1").list_index, 2);
  EXPECT_TRUE(Get("Form2", "Command2").visible);
  EXPECT_EQ(Name("Form2", "Image1"), "Фотография модели: Квадроцикл YAMAHA");
  Do(Of("Form2", "Command2"), QAccessibleActionInterface::pressAction());
  QAccessibleInterface* option = Of("Form2", "Option5");
  EXPECT_EQ(option->role(), QAccessible::RadioButton);
  Do(option, QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(option->state().checked);
  EXPECT_EQ(Name("Form2", "Label1"), "Цена: 7900 $");
  Do(Of("Form2", "Label1"), QAccessibleActionInterface::pressAction());
  Do(Of("Form2", "Command3"), QAccessibleActionInterface::pressAction());
  QAccessibleInterface* box = Of("Form2", "Text1");
  box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), "5");
  Settle();
  EXPECT_EQ(Get("Form2", "Label3").caption, "39500");
  box->editableTextInterface()->insertText(1, "0");
  Settle();
  EXPECT_EQ(Get("Form2", "Label3").caption, "395000");
  box->editableTextInterface()->deleteText(0, 1);
  Settle();
  EXPECT_EQ(Get("Form2", "Text1").caption, "0");
  EXPECT_EQ(Get("Form2", "Label3").caption, "0");
}

TEST_F(Accessible, HiddenAndDisabledControlsRefuse) {
  Click("Form1", "Command3");
  Do(Of("Form3", "List1")->child(0), QAccessibleActionInterface::toggleAction());
  Do(Of("Form3", "Command1"), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Get("Form3", "List1").list_index, -1);
  EXPECT_EQ(Get("Form1", "Label1").caption, "1000000");
  QAccessibleInterface* box = Of("Form1", "Text1");  // its window is hidden
  box->editableTextInterface()->insertText(0, "5");
  Settle();
  EXPECT_EQ(Get("Form1", "Text1").caption, "");
}

TEST_F(Accessible, WhileAMessageBoxIsOpenOnlyItTakesInput) {
  // The second request arrives while the first one's box is open, and is dropped.
  Of("Form1", "Command7")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  Of("Form1", "Command2")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  Settle();
  Settle();
  ASSERT_EQ(boxes_.size(), 3);
  EXPECT_EQ(boxes_.back(), "Да вы чо!!! | За эти гроши???");
  EXPECT_FALSE(runtime_.Ended());
}

}  // namespace
}  // namespace avtosalon::qt
