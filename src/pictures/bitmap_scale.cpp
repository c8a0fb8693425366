// Resampling in two passes per output row: the source rows that row covers
// are summed with their vertical weights, then each output pixel sums that
// row's pixels with its horizontal weights. Memory stays at one row each.
#include "pictures/bitmap_scale.h"

#include <algorithm>
#include <vector>

namespace vornic {
namespace {

// The source samples one output sample is made of, with their weights.
struct Taps {
  int first = 0;
  std::vector<float> weights;  // for samples first, first + 1, ...; they sum to 1
};

// Shrinking averages the source samples an output sample covers (a box);
// growing interpolates between the two nearest sample centres.
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

uint8_t ToByte(float value) { return static_cast<uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f)); }

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

PlacedRect PictureRect(int picture_width, int picture_height, const ImageDisplay& display) {
  int width = picture_width;
  int height = picture_height;
  const int control_width = display.width;
  const int control_height = display.height;
  if (display.stretch ||
      (display.proportional && (width > control_width || height > control_height))) {
    if (display.proportional && width > 0 && height > 0) {
      // Fit the longer side first; if the other side still overflows, fit that one.
      const double aspect = static_cast<double>(width) / height;
      if (width > height) {
        width = control_width;
        height = static_cast<int>(control_width / aspect);
        if (height > control_height) {
          height = control_height;
          width = static_cast<int>(control_height * aspect);
        }
      } else {
        height = control_height;
        width = static_cast<int>(control_height * aspect);
        if (width > control_width) {
          width = control_width;
          height = static_cast<int>(control_width / aspect);
        }
      }
    } else {
      width = control_width;
      height = control_height;
    }
  }
  PlacedRect rect{0, 0, width, height};
  if (display.center) {
    rect.left = (control_width - width) / 2;
    rect.top = (control_height - height) / 2;
  }
  return rect;
}

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
        *pixel++ = alpha > 0 ? ToByte(value[channel] / alpha) : 0;
      }
      *pixel++ = ToByte(alpha);
    }
  }
  return out;
}

bool RenderImage(const Raster& picture, const ImageDisplay& display, Rgb background, Raster* out,
                 std::string* error) {
  const std::string size = std::to_string(display.width) + " x " + std::to_string(display.height);
  if (picture.width <= 0 || picture.height <= 0 || display.width <= 0 || display.height <= 0) {
    *error = "image of " + size + " pixels shows nothing";
    return false;
  }
  if (!PictureSizeAllowed(display.width, display.height)) {
    *error = "image of " + size + " pixels is too large for a bitmap";
    return false;
  }
  PlacedRect rect = PictureRect(picture.width, picture.height, display);
  // A picture scaled to less than a pixel across still shows as a line.
  rect.width = std::max(rect.width, 1);
  rect.height = std::max(rect.height, 1);
  const int canvas_width = display.center ? display.width : std::min(rect.width, display.width);
  const int canvas_height = display.center ? display.height : std::min(rect.height, display.height);
  *out = Filled(canvas_width, canvas_height, background);
  if (rect.width == picture.width && rect.height == picture.height) {
    Blend(picture, rect.left, rect.top, out);
  } else {
    Blend(ScaleRaster(picture, rect.width, rect.height), rect.left, rect.top, out);
  }
  return true;
}

}  // namespace vornic
