// Keys as the programs see them: virtual-key codes, the modifier set, and a
// held key's repeats.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/KeyMap.h"
#include "platform/QtWindowHost.h"
#include "tests/platform/QtTestSupport.h"

namespace {

struct KeyCase {
  Qt::Key qtKey;
  int virtualKey;
};

TEST(KeyMap, QtKeysBecomeVirtualKeyCodes) {
  const KeyCase cases[] = {
      {Qt::Key_Left, 37},   {Qt::Key_Up, 38},    {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
      {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
      {Qt::Key_Home, 36},   {Qt::Key_End, 35},   {Qt::Key_Delete, 46}, {Qt::Key_A, 65},
      {Qt::Key_S, 83},      {Qt::Key_Z, 90},     {Qt::Key_0, 48},      {Qt::Key_9, 57},
      {Qt::Key_F1, 0},      {Qt::Key_Shift, 0},  {Qt::Key_Exclam, 0},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(platform::VirtualKeyFromQt(c.qtKey), c.virtualKey)
        << "Qt key 0x" << std::hex << c.qtKey;
  }
}

struct ModifierCase {
  Qt::KeyboardModifiers modifiers;
  int shift;
};

TEST(KeyMap, ModifiersBecomeTheShiftSet) {
  const ModifierCase cases[] = {
      {Qt::NoModifier, 0},
      {Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
      {Qt::ControlModifier, 2},
      {Qt::ControlModifier | Qt::AltModifier, 6},
      {Qt::KeypadModifier | Qt::ShiftModifier, 1},
      {Qt::MetaModifier, 0},
  };
  for (const ModifierCase& c : cases) {
    EXPECT_EQ(platform::ShiftStateFromQt(c.modifiers), c.shift)
        << "modifiers 0x" << std::hex << c.modifiers.toInt();
  }
}

class WindowKeys : public tarnwick_test::HostTest {
 protected:
  void Send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(&host_.Window(), &event);
  }
  // A key as the window system reports it: the character's key code, the
  // key's own code, the character typed.
  void SendNative(QEvent::Type type, char32_t character, quint32 scanCode,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QString text = QString::fromUcs4(&character, 1);
    const int key = text.toUpper().toUcs4().front();
    QKeyEvent event(type, key, modifiers, scanCode, 0, 0, text);
    QCoreApplication::sendEvent(&host_.Window(), &event);
  }
};

struct LayoutCase {
  const char* layout;
  char32_t character;  // what the layout types on the key
  quint32 scanCode;    // the key's code on X11 and Wayland
  int virtualKey;
};

// A letter is the key's, not the character's: on a non-Latin layout the
// editor's S and the game's W are where they are on a US keyboard; on a Latin
// layout the letter printed on the key counts, wherever the key sits.
TEST_F(WindowKeys, LetterKeysOnEveryLayoutCarryTheirLatinLetter) {
  const LayoutCase cases[] = {
      {"Russian", U'\u044b', 39, 'S'},
      {"Russian", U'\u0446', 25, 'W'},
      {"Russian", U'\u0432', 40, 'D'},
      {"Russian", U'\u043b', 45, 'K'},
      {"Russian", U'\u0430', 41, 'F'},
      {"Russian", U'\u0448', 31, 'I'},
      {"Russian", U'\u0441', 54, 'C'},
      {"Ukrainian", U'\u0456', 39, 'S'},
      {"Greek", U'\u03c3', 39, 'S'},
      {"Greek", U'\u03c2', 25, 'W'},
      {"Hebrew", U'\u05d3', 39, 'S'},
      {"Hebrew", U'\u05e6', 58, 'M'},
      {"French AZERTY", U'a', 24, 'A'},
      {"French AZERTY", U'w', 52, 'W'},
      {"German QWERTZ", U'z', 29, 'Z'},
      {"German QWERTZ", U'\u00f6', 47, 0},
      {"Russian, not a letter key", U'\u0451', 49, 0},
  };
  for (const LayoutCase& c : cases) {
    form_.log.clear();
    SendNative(QEvent::KeyPress, c.character, c.scanCode);
    SendNative(QEvent::KeyRelease, c.character, c.scanCode);
    const std::string code = std::to_string(c.virtualKey);
    EXPECT_EQ(form_.log, (std::vector<std::string>{"down " + code + " 0", "up " + code + " 0"}))
        << c.layout << " U+" << std::hex << static_cast<uint32_t>(c.character);
  }
  // Ctrl+S jumps to the start on a Cyrillic layout too.
  form_.log.clear();
  SendNative(QEvent::KeyPress, U'\u044b', 39, Qt::ControlModifier);
  EXPECT_EQ(form_.log, std::vector<std::string>{"down 83 2"});
}

TEST_F(WindowKeys, KeyDownsAndKeyUpsCarryTheCodeAndTheShiftSet) {
  Send(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier, false);
  Send(QEvent::KeyRelease, Qt::Key_S, Qt::ControlModifier, false);
  Send(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, false);
  Send(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier | Qt::AltModifier, false);
  // Tab reaches the program instead of moving the focus.
  Send(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, false);
  EXPECT_EQ(form_.log, (std::vector<std::string>{"down 83 2", "up 83 2", "down 13 0", "down 39 5",
                                                 "down 0 0"}));
}

TEST_F(WindowKeys, HeldKeyRepeatsItsKeyDownAndReleasesOnce) {
  Send(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, false);
  // The window system reports each repeat as a release and a press.
  for (int repeat = 0; repeat < 3; ++repeat) {
    Send(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, true);
    Send(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, true);
  }
  Send(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, false);
  EXPECT_EQ(form_.log, (std::vector<std::string>{"down 39 0", "down 39 0", "down 39 0", "down 39 0",
                                                 "up 39 0"}));
}

}  // namespace
