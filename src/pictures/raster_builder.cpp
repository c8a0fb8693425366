// Shrinking in the order rows arrive: each source row is resampled across
// first, then added with its vertical weight to the (at most two) result
// rows it covers; a result row is finished once its last source row came.
#include "pictures/raster_builder.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace vornic {

RasterBuilder::RasterBuilder(const DecodePlan& plan)
    : RasterBuilder(plan.picture_width, plan.picture_height, plan.window, plan.width, plan.height) {
}

RasterBuilder::RasterBuilder(int source_width, int source_height, const PixelWindow& window,
                             int width, int height)
    : window_(window), width_(width), height_(height) {
  assert(window.left >= 0 && window.top >= 0 && window.left + window.width <= source_width &&
         window.top + window.height <= source_height);
  assert(width > 0 && height > 0 && width <= window.width && height <= window.height);
  (void)source_width;
  (void)source_height;
  out_.width = width;
  out_.height = 0;
  // The result is within the plan's budget: its room is taken at once rather
  // than grown by copying.
  out_.rgba.reserve(static_cast<size_t>(width) * height * 4);
  if (Shrinks()) {
    column_taps_ = AxisTaps(window.width, width);
    row_taps_ = AxisTaps(window.height, height);
    columns_.resize(static_cast<size_t>(width) * 4);
  }
}

void RasterBuilder::AddRow(int y, const uint8_t* rgba) {
  assert(y == next_row_ && !done());
  ++next_row_;
  if (y < window_.top) return;
  const uint8_t* from = rgba + static_cast<size_t>(window_.left) * 4;
  if (!Shrinks()) {
    out_.rgba.insert(out_.rgba.end(), from, from + static_cast<size_t>(width_) * 4);
    ++out_.height;
    return;
  }
  AddShrunk(y - window_.top, from);
}

void RasterBuilder::AddShrunk(int y, const uint8_t* rgba) {
  for (int x = 0; x < width_; ++x) {
    const Taps& tap = column_taps_[x];
    float sum[4] = {};
    for (size_t index = 0; index < tap.weights.size(); ++index) {
      const uint8_t* pixel = rgba + static_cast<size_t>(tap.first + index) * 4;
      // Colours weighted by alpha, so that a transparent pixel's colour
      // (often black) does not darken its neighbours.
      const float covered = tap.weights[index] * pixel[3];
      sum[0] += covered * pixel[0];
      sum[1] += covered * pixel[1];
      sum[2] += covered * pixel[2];
      sum[3] += covered;
    }
    std::copy(sum, sum + 4, columns_.begin() + x * 4);
  }
  // Result rows from out_.height on whose taps begin by this row take it.
  for (int row = out_.height; row < height_ && row_taps_[row].first <= y; ++row) {
    const Taps& tap = row_taps_[row];
    const size_t index = static_cast<size_t>(y - tap.first);
    if (index >= tap.weights.size()) continue;
    const size_t pending = static_cast<size_t>(row - out_.height);
    if (sums_.size() <= pending) sums_.resize(pending + 1, std::vector<float>(columns_.size()));
    std::vector<float>& sum = sums_[pending];
    for (size_t at = 0; at < sum.size(); ++at) sum[at] += tap.weights[index] * columns_[at];
  }
  FinishRowsEndingAt(y);
}

void RasterBuilder::FinishRowsEndingAt(int y) {
  while (out_.height < height_ &&
         row_taps_[out_.height].first + static_cast<int>(row_taps_[out_.height].weights.size()) <=
             y + 1) {
    std::vector<float> sum(columns_.size());
    if (!sums_.empty()) {
      sum = std::move(sums_.front());
      sums_.pop_front();
    }
    for (size_t at = 0; at < sum.size(); at += 4) {
      const float alpha = sum[at + 3];
      for (int channel = 0; channel < 3; ++channel) {
        out_.rgba.push_back(alpha > 0 ? ChannelByte(sum[at + channel] / alpha) : 0);
      }
      out_.rgba.push_back(ChannelByte(alpha));
    }
    ++out_.height;
  }
}

Raster RasterBuilder::Finish() {
  assert(done() && out_.height == height_);
  return std::move(out_);
}

}  // namespace vornic
