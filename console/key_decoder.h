#pragma once
// Turning the bytes a terminal sends into platform input records. Pure: the
// caller passes the time, so a lone Esc is told from Alt+key by elapsed time.

#include <string>
#include <string_view>
#include <vector>

#include "console/input_record.h"

namespace tarvana {

class KeyDecoder {
 public:
  // How long an Esc waits for a following byte before it counts as the Esc key.
  static constexpr double kEscTimeoutMs = 40;

  // Records completed by bytes that arrived at nowMs.
  std::vector<InputRecord> Feed(std::string_view bytes, double nowMs);
  // Records that the passing of time completes (a lone Esc after its timeout).
  std::vector<InputRecord> Expire(double nowMs);
  // When Expire will have something to give; negative when nothing waits.
  double Deadline() const;

 private:
  void DecodeAvailable(double nowMs, bool final, std::vector<InputRecord>& out);

  std::string pending_;      // bytes of an incomplete sequence
  double pendingSince_ = 0;  // arrival time of the first pending byte
  int buttons_ = 0;          // mouse buttons held, from press and release reports
  double lastPressMs_ = -1e9;
  int lastPressButton_ = 0;
  int lastPressRow_ = -1;
  int lastPressCol_ = -1;
};

}  // namespace tarvana
