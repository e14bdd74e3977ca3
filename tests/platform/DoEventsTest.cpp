// Yielding to the window: pending events run at once; with nothing pending
// the wait blocks until a key, a tick or a wake-up from another thread.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/QtWindowHost.h"
#include "tests/platform/QtTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::duration;
using std::chrono::milliseconds;
using tarnwick_test::DrainEvents;
using tarnwick_test::RecordingForm;

class DoEventsTest : public tarnwick_test::ApplicationTest {
 protected:
  DoEventsTest() : host_("Tarnwick") {
    host_.Attach(form_);
    host_.ShowWindow();
    DrainEvents();
  }

  RecordingForm form_;
  platform::QtWindowHost host_;
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
