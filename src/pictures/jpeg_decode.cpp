// Drives libjpeg over a picture held in memory. The library reports fatal
// errors by calling a function that must not return; ours jumps back to the
// decoder, so corrupt data never ends the process.
#include "pictures/jpeg_decode.h"

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

// After <cstdio>: jpeglib.h uses FILE and size_t without declaring them.
#include <jerror.h>
#include <jpeglib.h>

#include "pictures/raster_builder.h"

namespace vornic {
namespace {

// A file in several scans (progressive ones) is held whole as coefficients,
// two bytes a sample, whatever it is shrunk to: allowed up to what a picture
// of the budget's cap in the usual 4:2:0 sampling takes (three bytes a pixel).
constexpr uint64_t kMaxCoefficientBytes = kBudgetCapPixels * 3;
constexpr long kMaxLibraryMemory = kMaxCoefficientBytes + (16 << 20);  // and a few rows
constexpr int kMaxScans = 100;  // real files have a dozen; crafted ones cost time per scan

struct ErrorJump {
  jpeg_error_mgr manager;  // first, so the library's pointer to it is a pointer to this
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX] = "";
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorJump*>(info->err);
  info->err->format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// The library goes on after warnings. Running out of data is one of them, and
// so is meeting a marker inside the compressed data, which is how a file with
// a header claiming more rows than its data holds ends; the rows it would
// still deliver are grey filler: treat both as fatal.
void EmitMessage(j_common_ptr info, int level) {
  const int code = info->err->msg_code;
  if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) JumpBack(info);
}

void OutputNothing(j_common_ptr) {}

// Called between passes over the data; a progressive file may repeat scans
// without limit, each one a pass over the whole picture.
void LimitScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) {
    std::snprintf(reinterpret_cast<ErrorJump*>(info->err)->message, JMSG_LENGTH_MAX,
                  "more than %d scans", kMaxScans);
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
  }
}

// CMYK rows come in place of RGBA rows; Adobe's files store the inks inverted.
void CmykToRgba(uint8_t* row, size_t width, bool inverted) {
  for (size_t x = 0; x < width; ++x, row += 4) {
    const unsigned black = inverted ? row[3] : 255 - row[3];
    for (int channel = 0; channel < 3; ++channel) {
      const unsigned ink = inverted ? row[channel] : 255 - row[channel];
      row[channel] = static_cast<uint8_t>((ink * black + 127) / 255);
    }
    row[3] = 255;
  }
}

// All the library's state, outside the function that jumps back, so that
// none of it is a local the jump could leave stale; freed on destruction.
struct JpegRead {
  JpegRead() {
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.emit_message = EmitMessage;
    errors.manager.output_message = OutputNothing;
    progress.progress_monitor = LimitScans;
  }
  ~JpegRead() { jpeg_destroy_decompress(&info); }
  JpegRead(const JpegRead&) = delete;
  JpegRead& operator=(const JpegRead&) = delete;

  jpeg_decompress_struct info{};
  ErrorJump errors;
  jpeg_progress_mgr progress{};
  std::vector<uint8_t> row;  // the row being decoded
  std::optional<RasterBuilder> builder;
};

// The memory of the coefficients of a file in several scans.
uint64_t CoefficientBytes(const jpeg_decompress_struct& info) {
  uint64_t bytes = 0;
  for (int index = 0; index < info.num_components; ++index) {
    const jpeg_component_info& component = info.comp_info[index];
    const uint64_t columns = (component.width_in_blocks + component.h_samp_factor - 1) /
                             component.h_samp_factor * component.h_samp_factor;
    const uint64_t rows = (component.height_in_blocks + component.v_samp_factor - 1) /
                          component.v_samp_factor * component.v_samp_factor;
    bytes += columns * rows * DCTSIZE2 * sizeof(JCOEF);
  }
  return bytes;
}

uint64_t EighthsOf(uint64_t size, unsigned eighths) { return (size * eighths + 7) / 8; }

// A plan that shrinks the whole picture is met first by the library's scaled
// inverse DCT, the cheapest place to drop pixels: the fewest eighths whose
// output still covers the plan's size. The rest is left to the builder.
void ChooseScale(const DecodePlan& plan, jpeg_decompress_struct* info) {
  info->scale_num = 8;
  info->scale_denom = 8;
  const PixelWindow& window = plan.window;
  if (!plan.shrinks() || window.width != plan.picture_width ||
      window.height != plan.picture_height) {
    return;
  }
  for (unsigned eighths = 1; eighths < 8; ++eighths) {
    if (EighthsOf(plan.picture_width, eighths) >= static_cast<uint64_t>(plan.width) &&
        EighthsOf(plan.picture_height, eighths) >= static_cast<uint64_t>(plan.height)) {
      info->scale_num = eighths;
      return;
    }
  }
}

// Holds no object with a destructor: the library may jump back to the start.
bool ReadJpeg(std::string_view data, const PicturePlanner& planner, JpegRead* read,
              PlannedRaster* out, std::string* error) {
  jpeg_decompress_struct& info = read->info;
  if (setjmp(read->errors.jump)) {
    *error = std::string("JPEG data is corrupt: ") + read->errors.message;
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kMaxLibraryMemory;
  info.progress = &read->progress;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()), data.size());
  jpeg_read_header(&info, TRUE);
  if (!PictureSizeAllowed(info.image_width, info.image_height)) {
    *error = "JPEG picture of " + std::to_string(info.image_width) + " x " +
             std::to_string(info.image_height) + " pixels";
    return false;
  }
  // Checked before the library allocates the coefficients, which it does in
  // one piece for the whole picture.
  if (jpeg_has_multiple_scans(&info) && CoefficientBytes(info) > kMaxCoefficientBytes) {
    *error = "JPEG picture of " + std::to_string(info.image_width) + " x " +
             std::to_string(info.image_height) + " pixels in several scans needs " +
             std::to_string(CoefficientBytes(info) >> 20) + " MB to decode";
    out->refused = true;
    return false;
  }
  if (!planner.Plan(info.image_width, info.image_height, &out->plan, error)) {
    out->refused = true;
    return false;
  }
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  ChooseScale(out->plan, &info);
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  // A scaled picture is shrunk whole; one at its own size may be cut.
  const PixelWindow window =
      info.scale_num == info.scale_denom ? out->plan.window : PixelWindow{0, 0, width, height};
  read->builder.emplace(width, height, window, out->plan.width, out->plan.height);
  read->row.resize(static_cast<size_t>(width) * 4);
  // Rows below the window are never decoded.
  while (!read->builder->done()) {
    JSAMPROW row = read->row.data();
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykToRgba(row, info.output_width, info.saw_Adobe_marker);
    read->builder->AddRow(static_cast<int>(info.output_scanline) - 1, row);
  }
  out->raster = read->builder->Finish();
  // Whatever follows the last row (the end marker, trailing bytes) is not needed.
  return true;
}

}  // namespace

bool DecodeJpeg(std::string_view data, const PicturePlanner& planner, PlannedRaster* out,
                std::string* error) {
  JpegRead read;
  return ReadJpeg(data, planner, &read, out, error);
}

}  // namespace vornic
