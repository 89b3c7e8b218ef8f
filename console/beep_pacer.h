#pragma once
// Beeps that follow one another within one frame sound as one: a paste of
// refused characters rings the bell once, not once per character. A device
// backend asks the pacer before it sounds a beep.

namespace tarvana {

class BeepPacer {
 public:
  // One frame at 60 frames a second.
  static constexpr double kGapMs = 1000.0 / 60.0;

  // Whether a beep asked for at nowMs (a clock that never goes back) sounds:
  // the first one does, and so does each that comes at least one frame after
  // the beep asked for before it (sounded or not).
  bool Sounds(double nowMs) {
    const bool sounds = !asked_ || nowMs - lastMs_ >= kGapMs;
    asked_ = true;
    lastMs_ = nowMs;
    return sounds;
  }

 private:
  bool asked_ = false;
  double lastMs_ = 0;
};

}  // namespace tarvana
