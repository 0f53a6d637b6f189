#include "ResourceUse.h"

#include <windows.h>

#include <psapi.h>

#include "CheckRunner.h"

namespace sweepfilter {

namespace {
// Committed private pages, added up from the address space: what the
// process's private-usage counter reports on systems that keep one.
std::int64_t committedPrivateBytes() {
  std::int64_t total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (auto* address = static_cast<std::uint8_t*>(nullptr);
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<std::uint8_t*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    if (static_cast<std::uint8_t*>(region.BaseAddress) + region.RegionSize < address) break;
  }
  return total;
}

std::int64_t systemGdiCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// Live GDI objects found by asking about every handle index: for systems
// whose GetGuiResources answers 0 whatever exists (wine), and which accept a
// handle given by its index alone.
std::int64_t probedGdiCount() {
  std::int64_t live = 0;
  for (std::uintptr_t index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  return live;
}

using GdiCounter = std::int64_t (*)();

// The way of counting that sees a brush made for the question.
GdiCounter gdiCounter() {
  const std::int64_t before = systemGdiCount();
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  const bool systemCounts = systemGdiCount() > before;
  DeleteObject(probe);
  return systemCounts ? systemGdiCount : probedGdiCount;
}
}  // namespace

ResourceUse ResourceUse::now() {
  static const auto countGdiObjects = gdiCounter();
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  const std::int64_t privateUsage = static_cast<std::int64_t>(memory.PrivateUsage);
  return {countGdiObjects(), privateUsage > 0 ? privateUsage : committedPrivateBytes()};
}

std::string ResourceUse::change(const ResourceUse& before, const ResourceUse& after) {
  return formatText("GDI objects %lld -> %lld, private memory %lld KB -> %lld KB",
                    static_cast<long long>(before.gdiObjects), static_cast<long long>(after.gdiObjects),
                    static_cast<long long>(before.privateBytes / 1024),
                    static_cast<long long>(after.privateBytes / 1024));
}

}  // namespace sweepfilter
