// The Qt window host: the close request, the dialogs, the window's place
// in the program's life, and yielding to the window: pending events run at
// once; with nothing pending the wait blocks until a key, a tick or a
// wake-up from another thread.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/QtWindowHost.h"
#include "tests/platform/QtTestSupport.h"

namespace {

using tarnwick_test::AnswerNextDialog;
using tarnwick_test::ClickButton;
using tarnwick_test::DrainEvents;
using tarnwick_test::ShownDialog;
using Clock = std::chrono::steady_clock;
using std::chrono::duration;
using std::chrono::milliseconds;

using WindowHostTest = tarnwick_test::HostTest;

TEST_F(WindowHostTest, WindowHasTheFixedClientAreaAndTheCaptionSet) {
  host_.SetCaption("Loomsel 12, 34");
  Show();
  EXPECT_EQ(host_.Window().size(), QSize(312, 213));
  EXPECT_EQ(host_.Window().windowTitle(), "Loomsel 12, 34");
  EXPECT_TRUE(host_.Window().isActiveWindow());
}

TEST_F(WindowHostTest, CancelledCloseRequestKeepsTheWindowOpen) {
  form_.cancelClose = true;
  host_.SetOnEnd([] { std::abort(); });  // ending would otherwise look like a pass
  Show();
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
  host_.ShowWindow();
  auto pressKey = [&] {
    tarnwick_test::ReportNextDialog();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&host_.Window(), &press);
  };
  EXPECT_EXIT(pressKey(), ::testing::ExitedWithCode(1),
              "Loomsel: unexpected error: the maze file broke\n.*"
              "box \"Loomsel\": the maze file broke");
}

TEST_F(WindowHostTest, MessageAndYesNoBoxesAreTitledWithTheProgramNameUnlessGivenATitle) {
  host_.ShowWindow();
  struct Case {
    bool yesNo;
    std::string title;
    QMessageBox::StandardButton click;
    QString shownTitle;
    size_t buttons;
    bool answer;
  };
  const Case cases[] = {{false, "", QMessageBox::Ok, "Loomsel", 1, false},
                        {false, "Maze 7", QMessageBox::Ok, "Maze 7", 1, false},
                        {true, "", QMessageBox::Yes, "Loomsel", 2, true},
                        {true, "", QMessageBox::No, "Loomsel", 2, false}};
  for (const Case& c : cases) {
    ShownDialog shown;
    AnswerNextDialog(shown, [&c](QWidget& dialog) { ClickButton(dialog, c.click); });
    bool answer = false;
    if (c.yesNo) {
      answer = host_.AskYesNo("Save the maze?", c.title);
    } else {
      host_.ShowMessage("Save the maze?", c.title);
    }
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(shown.title, c.shownTitle);
    EXPECT_EQ(shown.text, "Save the maze?");
    EXPECT_EQ(shown.buttons.size(), c.buttons);
    DrainEvents();
    EXPECT_TRUE(host_.Window().isActiveWindow()) << "the keyboard is back with the window";
  }
}

// A question is answered by Yes or No alone: Escape and a close request
// leave it open (a stray second Escape must not answer No). A message has
// one answer, so Escape may give it.
TEST_F(WindowHostTest, OnlyYesOrNoAnswersAQuestionWhileEscapeDismissesAMessage) {
  host_.ShowWindow();
  auto press = [](QWidget& dialog, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &event);
  };
  struct Case {
    Qt::Key answerKey;
    bool answer;
  };
  for (const Case c : {Case{Qt::Key_Y, true}, Case{Qt::Key_N, false}}) {
    ShownDialog shown;
    bool stayedOpen = false;
    AnswerNextDialog(shown, [&](QWidget& dialog) {
      press(dialog, Qt::Key_Escape);
      press(dialog, Qt::Key_Escape);
      const bool closed = dialog.close();
      DrainEvents();
      stayedOpen = !closed && dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
      if (!stayedOpen) static_cast<QDialog&>(dialog).done(QMessageBox::Yes);
      press(dialog, c.answerKey);
    });
    EXPECT_EQ(host_.AskYesNo("Save changes to maze?", ""), c.answer);
    EXPECT_TRUE(stayedOpen) << "Escape or the close request answered the question";
    EXPECT_EQ(shown.text, "Save changes to maze?");
  }
  ShownDialog shown;
  AnswerNextDialog(shown, [&](QWidget& dialog) {
    press(dialog, Qt::Key_Escape);
    if (!dialog.isVisible()) return;
    ADD_FAILURE() << "Escape left the message open";
    static_cast<QDialog&>(dialog).accept();
  });
  host_.ShowMessage("You did not set a starting position.", "");
  EXPECT_EQ(shown.text, "You did not set a starting position.");
}

TEST_F(WindowHostTest, InputBoxReturnsTheTextOrEmptyOnCancel) {
  host_.ShowWindow();
  struct Case {
    QString typed;
    bool accept;
    std::string expected;
  };
  const Case cases[] = {{"17", true, "17"}, {"17", false, ""}, {"", true, ""}};
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

class DoEventsTest : public tarnwick_test::HostTest {
 protected:
  DoEventsTest() : HostTest("Tarnwick") { Show(); }
};

TEST_F(DoEventsTest, PendingKeysRunInsideOneYield) {
  QCoreApplication::postEvent(&host_.Window(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
  QCoreApplication::postEvent(&host_.Window(),
                              new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier));
  host_.DoEvents();
  EXPECT_EQ(form_.log, (std::vector<std::string>{"down 39 0", "up 39 0"}));
}

TEST_F(DoEventsTest, TimerTicksEndTheWait) {
  host_.StartTimer(20);
  int yields = 0;
  const auto start = Clock::now();
  while (form_.ticks < 5 && yields < 1000) {
    host_.DoEvents();
    ++yields;
  }
  const double elapsedMs = duration<double, std::milli>(Clock::now() - start).count();
  EXPECT_EQ(form_.ticks, 5);
  EXPECT_GE(elapsedMs, 80.0) << "five ticks of 20 ms";
  // Each yield waits for the next tick instead of returning empty-handed.
  EXPECT_LE(yields, 3 * form_.ticks + 2);
}

TEST_F(DoEventsTest, BlocksUntilWokenFromAnotherThread) {
  constexpr int kRounds = 10;
  std::vector<double> latenciesMs;
  for (int round = 0; round < kRounds; ++round) {
    std::atomic<bool> posted{false};
    Clock::time_point postedAt;
    std::thread waker([&] {
      std::this_thread::sleep_for(milliseconds(50));
      postedAt = Clock::now();
      posted.store(true);
      host_.PostWakeUp();
    });
    int yields = 0;
    do {
      host_.DoEvents();
      ++yields;
    } while (!posted.load());
    const auto returnedAt = Clock::now();
    waker.join();
    latenciesMs.push_back(duration<double, std::milli>(returnedAt - postedAt).count());
    // Blocked for the whole 50 ms rather than spinning through it.
    EXPECT_LE(yields, 3) << "round " << round;
  }
  std::sort(latenciesMs.begin(), latenciesMs.end());
  std::printf("DoEvents wake-up latency over %d rounds: median %.3f ms, max %.3f ms\n", kRounds,
              latenciesMs[kRounds / 2], latenciesMs.back());
  EXPECT_LT(latenciesMs.back(), 50.0);
}

}  // namespace
