#include "design/page_scale.h"

#include <algorithm>
#include <cmath>

int pageScale(double devicePixelRatio, PixelSize roomDevicePx, PixelSize designPx) {
  const int nearest = std::clamp(static_cast<int>(std::lround(devicePixelRatio)), 1, kMaxZoom);
  return std::min(nearest, largestZoomFitting(roomDevicePx, designPx));
}

int fullScreenPageScale(PixelSize screenDevicePx, PixelSize designPx) {
  return largestZoomFitting(screenDevicePx, designPx);
}
