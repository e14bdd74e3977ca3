#include "sound/ClipNames.h"

namespace sound {

std::vector<std::string> NumberClipNames() {
  std::vector<std::string> names;
  for (int n = 0; n <= 19; ++n) names.push_back(NumberWordClip(n));
  for (int tens = 20; tens <= 90; tens += 10) names.push_back(NumberWordClip(tens));
  for (const char* word : {kHundredClip, kThousandClip, kMillionClip, kSayPointsClip}) {
    names.push_back(word);
  }
  return names;
}

}  // namespace sound
