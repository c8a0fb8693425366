// The weights that resample one axis of a picture, shared by the scaler of
// whole rasters and the one that shrinks rows as a decoder delivers them.
#pragma once

#include <cstdint>
#include <vector>

namespace vornic {

/// The source samples one output sample is made of, with their weights.
struct Taps {
  int first = 0;
  std::vector<float> weights;  // for samples first, first + 1, ...; they sum to 1
};

/// The taps of each of `target` samples made from `source` samples: a box
/// (the average of the source samples an output sample covers) where the
/// axis shrinks, the two nearest sample centres interpolated where it grows
/// or keeps its size.
std::vector<Taps> AxisTaps(int source, int target);

/// A resampled channel value rounded back into a byte.
uint8_t ChannelByte(float value);

}  // namespace vornic
