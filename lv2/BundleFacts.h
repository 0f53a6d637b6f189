#pragma once

namespace sweepfilter {

// The plug-in's identity in LV2 hosts. Never changed once released: hosts
// store it in their sessions.
inline constexpr const char* pluginUri = "urn:sweepfilter:lv2";
inline constexpr const char* bundleFolder = "sweepfilter.lv2";
inline constexpr const char* binaryName = "sweepfilter.so";
// The panel: an X11 UI in a shared object of its own, its pictures beside it.
inline constexpr const char* uiUri = "urn:sweepfilter:lv2:ui";
inline constexpr const char* uiBinaryName = "sweepfilter_ui.so";

// Port indices: the twelve controls at their parameter indices, the audio,
// then "LFO sync" and the host's song (time:Position objects). Hosts store
// ports by symbol and index: new ports only ever come after these.
inline constexpr int audioInLeftPort = 12;
inline constexpr int audioInRightPort = 13;
inline constexpr int audioOutLeftPort = 14;
inline constexpr int audioOutRightPort = 15;
inline constexpr int lfoSyncPort = 16;
inline constexpr int songPort = 17;
inline constexpr const char* songPortSymbol = "song_position";
inline constexpr const char* songPortName = "Song position";
inline constexpr int portCount = 18;

// What the bundle's description says of each audio port.
struct AudioPort {
  int index;
  bool input;
  const char* symbol;
  const char* name;
};
inline constexpr AudioPort audioPorts[] = {
    {audioInLeftPort, true, "in_left", "Left in"},
    {audioInRightPort, true, "in_right", "Right in"},
    {audioOutLeftPort, false, "out_left", "Left out"},
    {audioOutRightPort, false, "out_right", "Right out"},
};

}  // namespace sweepfilter
