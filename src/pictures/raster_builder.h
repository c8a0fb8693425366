// Building the raster a decode plan asks for from a picture's rows as its
// decoder delivers them, top to bottom: rows and columns outside the plan's
// window are dropped, and a window shrunk on the way is box-filtered row by
// row, so that only the result and a few rows of sums are ever held.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "pictures/picture_budget.h"
#include "pictures/raster.h"
#include "pictures/resample_taps.h"

namespace vornic {

class RasterBuilder {
 public:
  /// Rows of the picture `plan` was made for, delivered whole.
  explicit RasterBuilder(const DecodePlan& plan);
  /// Rows of `source_width` x `source_height` pixels (a picture, or what its
  /// decoder already scaled it to) of which `window` is kept at `width` x
  /// `height`. REQUIRES: the window inside the source, the size no larger.
  RasterBuilder(int source_width, int source_height, const PixelWindow& window, int width,
                int height);
  RasterBuilder(const RasterBuilder&) = delete;
  RasterBuilder& operator=(const RasterBuilder&) = delete;

  /// True once the window's last row has come: the rest need not be decoded.
  bool done() const { return next_row_ >= window_.top + window_.height; }
  /// Takes source row `y` (`source_width` pixels, four bytes each, as in
  /// Raster). REQUIRES: rows in order from 0, and !done().
  void AddRow(int y, const uint8_t* rgba);
  /// The raster built. REQUIRES: done().
  Raster Finish();

 private:
  bool Shrinks() const { return width_ != window_.width || height_ != window_.height; }
  /// Adds row `y` of the window to the sums of the result rows it covers.
  void AddShrunk(int y, const uint8_t* rgba);
  /// Turns the sums of the result rows whose last source row is `y` into pixels.
  void FinishRowsEndingAt(int y);

  PixelWindow window_;
  int width_;  // of the result
  int height_;
  int next_row_ = 0;  // the source row expected next
  Raster out_;        // grows by a row at a time
  // For shrinking only:
  std::vector<Taps> column_taps_;
  std::vector<Taps> row_taps_;
  std::vector<float> columns_;           // a source row resampled across, colours weighted by alpha
  std::deque<std::vector<float>> sums_;  // of the result's rows from out_.height on
};

}  // namespace vornic
