// Time and peak memory of the extended translation of a form whose image
// shows a picture with a header out of all proportion to its bytes: tiny
// JPEGs claiming 16384 x 4096 pixels and a sound grey PNG of 16384 x 3906
// that compresses to a few hundred kilobytes, each in a 200 x 150 image.
#include <benchmark/benchmark.h>

#include <string>

#include "memory_translation.h"
#include "peak_memory.h"
#include "support/large_pictures.h"

namespace vornic {
namespace {

struct PictureCase {
  const char* name;
  const char* options;  // of the image
  std::string (*property)();
};

const PictureCase kCases[] = {
    {"baseline JPEG", "    Stretch = True\n",
     [] {
       return PictureProperty("TJPEGImage", JpegClaimingSize(16384, 4096, JpegKind::kColour));
     }},
    {"CMYK JPEG", "    Stretch = True\n",
     [] { return PictureProperty("TJPEGImage", JpegClaimingSize(16384, 4096, JpegKind::kCmyk)); }},
    {"progressive JPEG", "    Stretch = True\n",
     [] {
       return PictureProperty("TJPEGImage", JpegClaimingSize(16384, 4096, JpegKind::kProgressive));
     }},
    {"PNG stretched", "    Stretch = True\n",
     [] { return PictureProperty("TPngImage", LargeGreyPng(16384, 3906)); }},
    {"PNG at its size", "    Center = True\n",
     [] { return PictureProperty("TPngImage", LargeGreyPng(16384, 3906)); }},
};

void BM_HugePicture(benchmark::State& state) {
  const PictureCase& picture = kCases[state.range(0)];
  const std::string property = picture.property();
  const std::string form = ImageForm(200, 150, picture.options, property);
  if (InPeakMeasurement()) {
    TranslateInMemory(form, Translation::kExtended);
    FinishPeakMeasurement();
  }
  for (auto _ : state) {
    TranslateInMemory(form, Translation::kExtended);
  }
  state.SetLabel(picture.name);
  state.counters["picture_bytes"] = static_cast<double>(property.size());
  state.counters["peak_rss_MB"] =
      PeakMegabytesOf("BM_HugePicture/" + std::to_string(state.range(0)));
}
BENCHMARK(BM_HugePicture)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornic
