// Resampling in two passes per output row: the source rows that row covers
// are summed with their vertical weights, then each output pixel sums that
// row's pixels with its horizontal weights. Memory stays at one row each.
#include "pictures/bitmap_scale.h"

#include <algorithm>
#include <vector>

#include "pictures/resample_taps.h"

namespace vornic {
namespace {

Raster Filled(int width, int height, Rgb colour) {
  Raster raster;
  raster.width = width;
  raster.height = height;
  raster.rgba.resize(static_cast<size_t>(width) * height * 4);
  for (size_t at = 0; at < raster.rgba.size(); at += 4) {
    raster.rgba[at] = colour.red;
    raster.rgba[at + 1] = colour.green;
    raster.rgba[at + 2] = colour.blue;
    raster.rgba[at + 3] = 255;
  }
  return raster;
}

// Lays `picture` over the opaque `canvas` with its top left at (left, top),
// cut at the edges; only the pixels that show are touched.
void Blend(const Raster& picture, int left, int top, Raster* canvas) {
  const int x0 = std::max(0, left), x1 = std::min(canvas->width, left + picture.width);
  const int y0 = std::max(0, top), y1 = std::min(canvas->height, top + picture.height);
  for (int y = y0; y < y1; ++y) {
    const uint8_t* from =
        picture.rgba.data() + (static_cast<size_t>(y - top) * picture.width + (x0 - left)) * 4;
    uint8_t* to = canvas->rgba.data() + (static_cast<size_t>(y) * canvas->width + x0) * 4;
    for (int x = x0; x < x1; ++x, from += 4, to += 4) {
      const unsigned alpha = from[3];
      for (int channel = 0; channel < 3; ++channel) {
        to[channel] =
            static_cast<uint8_t>((from[channel] * alpha + to[channel] * (255 - alpha) + 127) / 255);
      }
    }
  }
}

}  // namespace

Raster ScaleRaster(const Raster& source, int width, int height) {
  const std::vector<Taps> columns = AxisTaps(source.width, width);
  const std::vector<Taps> rows = AxisTaps(source.height, height);
  Raster out;
  out.width = width;
  out.height = height;
  out.rgba.resize(static_cast<size_t>(width) * height * 4);
  const size_t source_row = static_cast<size_t>(source.width) * 4;
  // Colours are summed weighted by their alpha, so that a transparent
  // pixel's colour (often black) does not darken its neighbours.
  std::vector<float> sum(source_row);
  uint8_t* pixel = out.rgba.data();
  for (const Taps& row : rows) {
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (size_t tap = 0; tap < row.weights.size(); ++tap) {
      const uint8_t* in = source.rgba.data() + (row.first + tap) * source_row;
      for (size_t at = 0; at < source_row; at += 4) {
        const float weight = row.weights[tap];
        const float covered = weight * in[at + 3];
        sum[at] += covered * in[at];
        sum[at + 1] += covered * in[at + 1];
        sum[at + 2] += covered * in[at + 2];
        sum[at + 3] += covered;
      }
    }
    for (const Taps& column : columns) {
      float value[4] = {};
      for (size_t tap = 0; tap < column.weights.size(); ++tap) {
        const float* in = sum.data() + (column.first + tap) * 4;
        for (int channel = 0; channel < 4; ++channel) {
          value[channel] += column.weights[tap] * in[channel];
        }
      }
      const float alpha = value[3];
      for (int channel = 0; channel < 3; ++channel) {
        *pixel++ = alpha > 0 ? ChannelByte(value[channel] / alpha) : 0;
      }
      *pixel++ = ChannelByte(alpha);
    }
  }
  return out;
}

bool RenderImage(const Raster& picture, const DecodePlan& plan, const ImageDisplay& display,
                 Rgb background, Raster* out, std::string* error) {
  if (picture.width <= 0 || picture.height <= 0) {
    *error = "image of " + std::to_string(display.width) + " x " + std::to_string(display.height) +
             " pixels shows nothing";
    return false;
  }
  if (!ImageCanShow(plan.picture_width, plan.picture_height, display, error)) return false;
  // The rectangle of the whole picture, as its header gave its size.
  const PlacedRect rect = ShownRect(plan.picture_width, plan.picture_height, display);
  const PlacedRect canvas = CanvasRect(rect, display);
  *out = Filled(canvas.width, canvas.height, background);
  if (rect.width == plan.picture_width && rect.height == plan.picture_height) {
    // At its own size: the plan's window, where it lies in the picture.
    Blend(picture, rect.left + plan.window.left, rect.top + plan.window.top, out);
  } else if (rect.width == picture.width && rect.height == picture.height) {
    Blend(picture, rect.left, rect.top, out);
  } else {
    Blend(ScaleRaster(picture, rect.width, rect.height), rect.left, rect.top, out);
  }
  return true;
}

bool RenderImage(const Raster& picture, const ImageDisplay& display, Rgb background, Raster* out,
                 std::string* error) {
  const DecodePlan whole{
      picture.width, picture.height, PixelWindow{0, 0, picture.width, picture.height},
      picture.width, picture.height, kBudgetCapPixels};
  return RenderImage(picture, whole, display, background, out, error);
}

}  // namespace vornic
