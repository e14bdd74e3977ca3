#pragma once
// Numbers spoken as word clips queued on the announcement queue: a clip per
// digit, teen and multiple of ten, and "hundred", "thousand", "million".

#include <cstdint>
#include <string>

#include "sound/AnnouncementQueue.h"

namespace sound {

class SpokenNumbers {
 public:
  explicit SpokenNumbers(AnnouncementQueue& queue) : queue_(queue) {}

  // The number SpeakNumber speaks; the caller sets it first.
  int32_t NumberValue = 0;
  // Digits still to be spoken; the digit-group operations take them from
  // the front.
  std::string NumberText;

  // Clears the queue, then speaks NumberValue in words. A number of eight or
  // more digits, or a negative one, queues nothing.
  void SpeakNumber();

  // Each consumes its number of digits from the front of NumberText.
  void SpeakUnits();
  void SpeakTens();
  void SpeakHundreds();
  void SpeakThousands();
  void SpeakTenThousands();
  void SpeakHundredThousands();
  void SpeakMillions();

  // The readout of one coordinate: NumberValue and NumberText set to the
  // value, then units, tens or hundreds by the length of its text.
  void SpeakCoordinate(int16_t value);

 private:
  char TakeDigit();
  char PeekDigit(size_t index = 0) const;
  void Queue(const std::string& name) { queue_.QueueClip(name); }

  AnnouncementQueue& queue_;
};

}  // namespace sound
