#include "SwitchPositions.h"

#include <span>

#include "Parameters.h"

namespace sweepfilter {

namespace {

// Upper bounds (inclusive) of each position but the last, as fractions of the
// picture's width and as values, and the value the pointer gives each position.
// Two and three positions bound where the effect's settings do, and a
// three-way switch sends the thresholds themselves, which fall in their own
// setting.
struct Positions {
  std::span<const float> bounds;
  std::span<const float> values;
};

constexpr float twoBounds[] = {twoWayThreshold};
constexpr float twoValues[] = {0.0f, 1.0f};
constexpr float threeBounds[] = {threeWayLowThreshold, threeWayHighThreshold};
constexpr float threeValues[] = {threeWayLowThreshold, threeWayHighThreshold, 1.0f};
constexpr float fourBounds[] = {0.25f, 0.5f, 0.75f};
constexpr float fourValues[] = {0.25f, 0.5f, 0.75f, 1.0f};
constexpr float fiveBounds[] = {0.2f, 0.4f, 0.6f, 0.8f};
constexpr float fiveValues[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f};

const Positions* positionsFor(std::int32_t count) {
  static const Positions table[] = {
      {twoBounds, twoValues}, {threeBounds, threeValues}, {fourBounds, fourValues}, {fiveBounds, fiveValues}};
  return hasSwitchPositions(count) ? &table[count - 2] : nullptr;
}

}  // namespace

bool hasSwitchPositions(std::int32_t positionCount) { return positionCount >= 2 && positionCount <= 5; }

std::int32_t switchFrame(float value, std::int32_t positionCount) {
  std::int32_t frame = 0;
  if (const Positions* positions = positionsFor(positionCount))
    for (float bound : positions->bounds) frame += value > bound ? 1 : 0;
  return frame;
}

float switchValueAt(std::int32_t dx, std::int32_t pictureWidth, std::int32_t positionCount) {
  const Positions* positions = positionsFor(positionCount);
  if (!positions) return 0.0f;
  const auto width = static_cast<float>(pictureWidth);
  std::size_t position = 0;
  while (position < positions->bounds.size() && dx > static_cast<std::int32_t>(width * positions->bounds[position]))
    ++position;
  return positions->values[position];
}

}  // namespace sweepfilter
