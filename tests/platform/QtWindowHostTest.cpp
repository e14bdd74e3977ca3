// The Qt window host: the close request, the dialogs, and the window's
// place in the program's life.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>
#include <stdexcept>

#include "platform/QtWindowHost.h"
#include "tests/platform/QtTestSupport.h"

namespace {

using tarnwick_test::AnswerNextDialog;
using tarnwick_test::ClickButton;
using tarnwick_test::DrainEvents;
using tarnwick_test::RecordingForm;
using tarnwick_test::ShownDialog;

class WindowHostTest : public tarnwick_test::ApplicationTest {
 protected:
  WindowHostTest() : host_("Loomsel") { host_.Attach(form_); }

  RecordingForm form_;
  platform::QtWindowHost host_;
};

TEST_F(WindowHostTest, WindowHasTheFixedClientAreaAndTheCaptionSet) {
  host_.SetCaption("Loomsel 12, 34");
  host_.ShowWindow();
  DrainEvents();
  EXPECT_EQ(host_.Window().size(), QSize(312, 213));
  EXPECT_EQ(host_.Window().windowTitle(), "Loomsel 12, 34");
  EXPECT_TRUE(host_.Window().isActiveWindow());
}

TEST_F(WindowHostTest, CancelledCloseRequestKeepsTheWindowOpen) {
  form_.cancelClose = true;
  host_.ShowWindow();
  DrainEvents();
  EXPECT_FALSE(host_.Window().close());
  EXPECT_TRUE(host_.Window().isVisible());
  EXPECT_EQ(form_.log, std::vector<std::string>{"unload"});
}

using WindowHostDeathTest = WindowHostTest;

TEST_F(WindowHostDeathTest, AcceptedCloseRequestEndsTheProgramAfterTheEndHook) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  host_.SetOnEnd([this] { std::fprintf(stderr, "end hook after %s\n", form_.log.at(0).c_str()); });
  host_.ShowWindow();
  EXPECT_EXIT(host_.Window().close(), ::testing::ExitedWithCode(0), "end hook after unload");
}

TEST_F(WindowHostDeathTest, LoadRunsOnceTheLoopRunsAndEndProgramLeavesWithItsStatus) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  form_.onLoad = [this] {
    std::fprintf(stderr, "loaded with the window %s\n",
                 host_.Window().isVisible() ? "shown" : "hidden");
    host_.EndProgram(3);
  };
  EXPECT_EXIT(host_.Run(form_), ::testing::ExitedWithCode(3), "loaded with the window hidden");
}

TEST_F(WindowHostDeathTest, ErrorEscapingAHandlerIsShownAndEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  form_.onKeyDown = [](int) { throw std::runtime_error("the maze file broke"); };
  ShownDialog shown;
  host_.ShowWindow();
  auto pressKey = [&] {
    AnswerNextDialog(shown, [&shown](QWidget& dialog) {
      std::fprintf(stderr, "box \"%s\": %s\n", qPrintable(shown.title), qPrintable(shown.text));
      static_cast<QDialog&>(dialog).accept();
    });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&host_.Window(), &press);
  };
  EXPECT_EXIT(pressKey(), ::testing::ExitedWithCode(1),
              "Loomsel: unexpected error: the maze file broke\n.*"
              "box \"Loomsel\": the maze file broke");
}

TEST_F(WindowHostTest, MessageBoxTitledWithTheProgramNameUnlessGivenATitle) {
  host_.ShowWindow();
  struct Case {
    std::string title;
    QString shownTitle;
  };
  for (const Case& c : {Case{"", "Loomsel"}, Case{"Maze 7", "Maze 7"}}) {
    ShownDialog shown;
    AnswerNextDialog(shown, [](QWidget& dialog) { ClickButton(dialog, QMessageBox::Ok); });
    host_.ShowMessage("There is no start.", c.title);
    EXPECT_EQ(shown.title, c.shownTitle);
    EXPECT_EQ(shown.text, "There is no start.");
    EXPECT_EQ(shown.buttons.size(), 1u);
    DrainEvents();
    EXPECT_TRUE(host_.Window().isActiveWindow()) << "the keyboard is back with the window";
  }
}

TEST_F(WindowHostTest, YesNoBoxReturnsTheChoice) {
  host_.ShowWindow();
  struct Case {
    QMessageBox::StandardButton click;
    bool expected;
  };
  for (const Case& c : {Case{QMessageBox::Yes, true}, Case{QMessageBox::No, false}}) {
    ShownDialog shown;
    AnswerNextDialog(shown, [&c](QWidget& dialog) { ClickButton(dialog, c.click); });
    EXPECT_EQ(host_.AskYesNo("Save the maze?", ""), c.expected);
    EXPECT_EQ(shown.title, "Loomsel");
    EXPECT_EQ(shown.text, "Save the maze?");
    EXPECT_EQ(shown.buttons.size(), 2u);
    DrainEvents();
    EXPECT_TRUE(host_.Window().isActiveWindow());
  }
}

TEST_F(WindowHostTest, InputBoxReturnsTheTextOrEmptyOnCancel) {
  host_.ShowWindow();
  struct Case {
    QString typed;
    bool accept;
    std::string expected;
  };
  const Case cases[] = {
      {"17", true, "17"}, {"17", false, ""}, {"", true, ""}, {" 3 ", true, " 3 "}};
  for (const Case& c : cases) {
    ShownDialog shown;
    QString initialText = "not looked at";
    AnswerNextDialog(shown, [&c, &initialText](QWidget& dialog) {
      auto* input = qobject_cast<QInputDialog*>(&dialog);
      if (input == nullptr) {
        ADD_FAILURE() << "an input box was expected";
        static_cast<QDialog&>(dialog).reject();
        return;
      }
      initialText = input->textValue();
      input->setTextValue(c.typed);
      if (c.accept) {
        input->accept();
      } else {
        input->reject();
      }
    });
    EXPECT_EQ(host_.AskText("Maze number?", "Open maze"), c.expected) << qPrintable(c.typed);
    EXPECT_EQ(shown.title, "Open maze");
    EXPECT_EQ(shown.text, "Maze number?");
    EXPECT_EQ(initialText, "") << "the box starts empty";
    DrainEvents();
    EXPECT_TRUE(host_.Window().isActiveWindow());
  }
}

}  // namespace
