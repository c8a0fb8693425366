// Carriage returns move back to the start of the line: the bar is drawn
// over itself and cleared with blanks, so no terminal control sequence is
// needed.
#include "driver/progress_bar.h"

namespace vornic {

namespace {

constexpr size_t kBarWidth = 40;
constexpr auto kQuietTime = std::chrono::seconds(1);

}  // namespace

std::string ProgressText(size_t done, size_t total) {
  const size_t filled = total == 0 ? kBarWidth : done * kBarWidth / total;
  return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " +
         std::to_string(done) + "/" + std::to_string(total) + " forms";
}

ProgressBar::ProgressBar(std::ostream& terminal, bool enabled)
    : terminal_(terminal), enabled_(enabled) {}

void ProgressBar::Show(size_t done, size_t total) {
  if (!enabled_ || std::chrono::steady_clock::now() - start_ < kQuietTime) return;
  const std::string text = ProgressText(done, total);
  // Blanks cover what a longer bar left.
  const size_t pad = shown_ > text.size() ? shown_ - text.size() : 0;
  terminal_ << '\r' << text << std::string(pad, ' ') << std::flush;
  shown_ = text.size();
}

void ProgressBar::Clear() {
  if (shown_ == 0) return;
  terminal_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
  shown_ = 0;
}

}  // namespace vornic
