#pragma once
// Listens to what the mixer sends to the output, to check where a clip is
// heard: the energy of the left and right channels since the last reset.

namespace tarnwick_test {

class OutputTap {
 public:
  // The mixer must be open.
  OutputTap();
  ~OutputTap();
  OutputTap(const OutputTap&) = delete;
  OutputTap& operator=(const OutputTap&) = delete;

  void Reset();
  double Left() const;
  double Right() const;
};

}  // namespace tarnwick_test
