#pragma once

#include <cstdint>
#include <string>

namespace sweepfilter {

// The process's GDI objects and committed private memory.
struct ResourceUse {
  std::int64_t gdiObjects;
  std::int64_t privateBytes;

  static ResourceUse now();
  // "GDI objects a -> b, private memory x KB -> y KB"
  static std::string change(const ResourceUse& before, const ResourceUse& after);
};

}  // namespace sweepfilter
