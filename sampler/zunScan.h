#pragma once

#include "zunGrain.h"
#include "zunRegion.h"
#include "zunRelaxed.h"

// The start position moving by itself: `speed` times the sample's own rate
// (1 plays through the sample as a grain at pitch 0 reads it, negative
// values go backwards), wrapping at the ends of the region. The head runs from
// an anchor, the position it last took up, by a whole count of samples, so
// where it is does not depend on how the host cuts its vectors. At the end
// of each block it is published as the position messages set, unless a
// message set one meanwhile: then the head takes that one up at the next
// block. A new speed or sample length anchors the head where it is.
class zunScan {
 public:
  // Audio thread, before a block's grains are scheduled.
  void begin(zunRelaxed<double>& position, double speed, unsigned long sampleLength,
             const zunRegion& within) {
    running = speed != 0.0 && sampleLength > 0;
    if (!running) return;
    region = within;
    loaded = position;
    if (!(loaded == head) || overtaken || speed != anchorSpeed || sampleLength != anchorLength) {
      anchor = loaded;
      head = loaded;
      count = 0;
      anchorSpeed = speed;
      anchorLength = sampleLength;
      overtaken = false;
    }
    step = speed / static_cast<double>(sampleLength);
  }

  // The position `offset` samples into the block; `still` while at rest.
  double at(int offset, double still) const {
    if (!running) return still;
    return region.wrap(anchor + step * static_cast<double>(count + static_cast<unsigned>(offset)));
  }

  // Audio thread, after the block's n samples.
  void end(zunRelaxed<double>& position, int n) {
    if (!running) return;
    count += static_cast<unsigned>(n);
    const double next = at(0, 0.0);
    overtaken = !position.replace(loaded, next);
    if (!overtaken) head = next;
  }

 private:
  bool running = false;
  bool overtaken = false;
  double anchor = 0.0;
  double head = 0.0;
  double loaded = 0.0;
  double step = 0.0;
  double anchorSpeed = 0.0;
  unsigned long anchorLength = 0;
  unsigned long long count = 0;
  zunRegion region;
};
