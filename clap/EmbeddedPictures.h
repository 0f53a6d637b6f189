#pragma once

#include <cstdint>

// The panel's eleven bitmap files, built into the plug-in's file (a .clap is
// one file): resource id, bytes, size; a null entry ends the list.
struct EmbeddedPicture {
  std::uint64_t id;
  const unsigned char* bytes;
  std::uint64_t size;
};
extern "C" const EmbeddedPicture sweepfilterPanelPictures[];
