#include "sound/SpokenNumbers.h"

#include "sound/ClipNames.h"

namespace sound {
namespace {

// The clip of one digit.
std::string DigitClip(char digit) { return std::string(1, digit) + kWavSuffix; }

}  // namespace

// A digit group is only ever called with enough digits; should the text run
// short anyway, a missing digit counts as a silent zero.
char SpokenNumbers::TakeDigit() {
  if (NumberText.empty()) return '0';
  char digit = NumberText.front();
  NumberText.erase(0, 1);
  return digit;
}

char SpokenNumbers::PeekDigit(size_t index) const {
  return index < NumberText.size() ? NumberText[index] : '0';
}

void SpokenNumbers::SpeakUnits() {
  char digit = TakeDigit();
  if (digit != '0') Queue(DigitClip(digit));
}

void SpokenNumbers::SpeakTens() {
  char tens = TakeDigit();
  char units = PeekDigit();
  if (tens == '1') {
    Queue(std::string("1") + units + kWavSuffix);
    TakeDigit();
    return;
  }
  if (tens != '0') Queue(std::string(1, tens) + "0" + kWavSuffix);
  SpeakUnits();
}

void SpokenNumbers::SpeakHundreds() {
  if (PeekDigit() == '0') {
    TakeDigit();
  } else {
    SpeakUnits();
    Queue(kHundredClip);
  }
  SpeakTens();
}

void SpokenNumbers::SpeakThousands() {
  if (PeekDigit() == '0') {
    TakeDigit();
  } else {
    SpeakUnits();
    Queue(kThousandClip);
  }
  SpeakHundreds();
}

void SpokenNumbers::SpeakTenThousands() {
  if (PeekDigit(0) == '0' && PeekDigit(1) == '0') {
    TakeDigit();
    TakeDigit();
  } else {
    SpeakTens();
    Queue(kThousandClip);
  }
  SpeakHundreds();
}

void SpokenNumbers::SpeakHundredThousands() {
  if (PeekDigit(0) == '0' && PeekDigit(1) == '0' && PeekDigit(2) == '0') {
    TakeDigit();
    TakeDigit();
    TakeDigit();
  } else {
    SpeakHundreds();
    Queue(kThousandClip);
  }
  SpeakHundreds();
}

void SpokenNumbers::SpeakMillions() {
  if (PeekDigit() == '0') {
    TakeDigit();
  } else {
    SpeakUnits();
    Queue(kMillionClip);
  }
  SpeakHundredThousands();
}

void SpokenNumbers::SpeakNumber() {
  queue_.ClearAnnouncements();
  // A negative number has no spoken form.
  if (NumberValue < 0) return;
  NumberText = std::to_string(NumberValue);
  if (NumberText == "0") {
    Queue(kZeroClip);
    Queue(kSayPointsClip);
    return;
  }
  switch (NumberText.size()) {
    case 1:
      SpeakUnits();
      break;
    case 2:
      SpeakTens();
      break;
    case 3:
      SpeakHundreds();
      break;
    case 4:
      SpeakThousands();
      break;
    case 5:
      SpeakTenThousands();
      break;
    case 6:
      SpeakHundredThousands();
      break;
    case 7:
      SpeakMillions();
      break;
    default:
      break;  // eight or more digits are not spoken
  }
}

void SpokenNumbers::SpeakCoordinate(int16_t value) {
  NumberValue = value;
  NumberText = value < 0 ? std::string() : std::to_string(value);
  if (NumberText.empty()) return;
  if (NumberText.size() == 1) {
    SpeakUnits();
  } else if (NumberText.size() == 2) {
    SpeakTens();
  } else {
    SpeakHundreds();
  }
}

}  // namespace sound
