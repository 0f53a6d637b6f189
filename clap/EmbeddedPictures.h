#pragma once

#include <cstdint>

// The panel's eleven bitmap files and the doors' own at both scales, built into the plug-in's
// file (a .clap is one file): resource id, scale, bytes, size; a null entry
// ends the list.
struct EmbeddedPicture {
  std::uint64_t id;
  std::uint64_t scale;
  const unsigned char* bytes;
  std::uint64_t size;
};
extern "C" const EmbeddedPicture sweepfilterPanelPictures[];
