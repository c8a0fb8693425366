// Drives libjpeg over a picture held in memory. The library reports fatal
// errors by calling a function that must not return; ours jumps back to the
// decoder, so corrupt data never ends the process.
#include "pictures/jpeg_decode.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

// After <cstdio>: jpeglib.h uses FILE and size_t without declaring them.
#include <jerror.h>
#include <jpeglib.h>

namespace vornic {
namespace {

constexpr long kMaxLibraryMemory = 512L << 20;  // whole-image buffers of progressive files
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

// The library goes on after warnings. Running out of data is one of them,
// but the rows it would still deliver are grey filler: treat it as fatal.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) JumpBack(info);
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
};

// Holds no object with a destructor: the library may jump back to the start.
bool ReadJpeg(std::string_view data, JpegRead* read, Raster* out, std::string* error) {
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
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  jpeg_start_decompress(&info);
  const size_t row_bytes = static_cast<size_t>(info.output_width) * 4;
  out->rgba.clear();
  // Grown row by row, so data that ends early never costs the whole picture.
  while (info.output_scanline < info.output_height) {
    const size_t at = out->rgba.size();
    out->rgba.resize(at + row_bytes);
    JSAMPROW row = out->rgba.data() + at;
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykToRgba(row, info.output_width, info.saw_Adobe_marker);
  }
  out->width = static_cast<int>(info.output_width);
  out->height = static_cast<int>(info.output_height);
  // Whatever follows the last row (the end marker, trailing bytes) is not needed.
  return true;
}

}  // namespace

bool DecodeJpeg(std::string_view data, Raster* out, std::string* error) {
  JpegRead read;
  return ReadJpeg(data, &read, out, error);
}

}  // namespace vornic
