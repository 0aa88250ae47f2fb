#include "progress.h"

#include <string>

namespace zun::tools {

void ProgressBar::update(long long done, long long total) {
  if (!enabled_ || total <= 0) return;
  const Clock::time_point now = Clock::now();
  if (now - start_ < std::chrono::seconds(1)) return;
  if (shown_ && now - lastDraw_ < std::chrono::milliseconds(100) && done < total) return;
  lastDraw_ = now;
  shown_ = true;
  constexpr int width = 40;
  const double fraction = static_cast<double>(done) / static_cast<double>(total);
  const int filled = static_cast<int>(fraction * width);
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  const double left = fraction > 0.0 ? elapsed * (1.0 - fraction) / fraction : 0.0;
  std::fprintf(out_, "\r[%s%s] %3d%%  %.0f s left ",
               std::string(static_cast<size_t>(filled), '#').c_str(),
               std::string(static_cast<size_t>(width - filled), '.').c_str(),
               static_cast<int>(fraction * 100.0), left);
  std::fflush(out_);
}

void ProgressBar::clear() {
  if (!shown_) return;
  std::fprintf(out_, "\r\033[K");
  std::fflush(out_);
  shown_ = false;
}

}  // namespace zun::tools
