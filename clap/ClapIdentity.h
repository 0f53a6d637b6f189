#pragma once

namespace sweepfilter {

// The plug-in's identity in hosts. The id is never changed once released:
// hosts store it in their sessions, and parameter ids (the DLL's indices) with it.
inline constexpr const char* clapPluginId = "urn:sweepfilter:clap";
inline constexpr const char* clapPluginName = "SweepFilter";
inline constexpr const char* clapVendor = "SweepFilter";

}  // namespace sweepfilter
