// Box and linear weights along one axis.
#include "pictures/resample_taps.h"

#include <algorithm>

namespace vornic {

std::vector<Taps> AxisTaps(int source, int target) {
  std::vector<Taps> taps(target);
  const double scale = static_cast<double>(source) / target;
  for (int out = 0; out < target; ++out) {
    Taps& tap = taps[out];
    if (scale > 1) {
      const double start = out * scale;
      const double end = std::min<double>(source, (out + 1) * scale);
      tap.first = static_cast<int>(start);
      for (int in = tap.first; in < end; ++in) {
        const double covered = std::min<double>(in + 1, end) - std::max<double>(in, start);
        tap.weights.push_back(static_cast<float>(covered / scale));
      }
    } else {
      const double centre = std::clamp((out + 0.5) * scale - 0.5, 0.0, source - 1.0);
      tap.first = static_cast<int>(centre);
      const float fraction = static_cast<float>(centre - tap.first);
      tap.weights.push_back(1 - fraction);
      if (tap.first + 1 < source) tap.weights.push_back(fraction);
    }
  }
  return taps;
}

uint8_t ChannelByte(float value) {
  return static_cast<uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

}  // namespace vornic
