#include "MultiPositionSwitch.h"

#include <span>

namespace {

// Upper bounds (inclusive) of each position but the last, as fractions of the
// picture's width and as values, and the value the mouse gives each position.
struct Positions {
  std::span<const float> bounds;
  std::span<const float> values;
};

constexpr float twoBounds[] = {0.5f};
constexpr float twoValues[] = {0.0f, 1.0f};
constexpr float threeBounds[] = {0.33f, 0.66f};
constexpr float threeValues[] = {0.33f, 0.66f, 1.0f};
constexpr float fourBounds[] = {0.25f, 0.5f, 0.75f};
constexpr float fourValues[] = {0.25f, 0.5f, 0.75f, 1.0f};
constexpr float fiveBounds[] = {0.2f, 0.4f, 0.6f, 0.8f};
constexpr float fiveValues[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f};

const Positions* positionsFor(std::int32_t count) {
  static const Positions table[] = {
      {twoBounds, twoValues}, {threeBounds, threeValues}, {fourBounds, fourValues}, {fiveBounds, fiveValues}};
  return count >= 2 && count <= 5 ? &table[count - 2] : nullptr;
}

}  // namespace

MultiPositionSwitch::MultiPositionSwitch(const Rect& rect, ControlListener* listener, std::int32_t tag,
                                         std::int32_t frameCount, std::int32_t frameHeight, std::int32_t positionCount,
                                         PanelBitmap* bitmap, const Point& backgroundOffset)
    : Control(rect, listener, tag),
      bitmap(bitmap),
      backgroundOffset(backgroundOffset),
      frameCount(frameCount),
      frameHeight(frameHeight),
      positionCount(positionCount) {}

void MultiPositionSwitch::draw(DrawContext& context) {
  std::int32_t frame = 0;
  if (const Positions* positions = positionsFor(positionCount)) {
    // Counting the bounds the value lies above: not-a-number lies above none.
    for (float bound : positions->bounds) frame += value > bound ? 1 : 0;
  }
  bitmap->draw(context, rect, Point(0, frame * frameHeight));
  oldValue = value;
}

void MultiPositionSwitch::mouse(DrawContext& context, const Point& point) {
  const Positions* positions = positionsFor(positionCount);
  if (!positions) return;
  // The picture's width, not the rectangle's; the pointer may leave the
  // rectangle and then counts as the first or last position.
  const auto width = static_cast<float>(bitmap->getWidth());
  dragWhileHeld(context, point, [&](const Point& at) {
    const std::int32_t dx = at.x - rect.left;
    size_t position = 0;
    while (position < positions->bounds.size() && dx > static_cast<std::int32_t>(width * positions->bounds[position]))
      ++position;
    return positions->values[position];
  });
}
