#include "render/ZoomStep.h"

#include <algorithm>

float DragZoomFactor(int fromY, int toY) { return std::max(1.0f + 0.01f * float(fromY - toY), kLeastZoomFactor); }

float ZoomedScale(float scale, float factor) { return std::max(scale * factor, kLeastModelScale); }
