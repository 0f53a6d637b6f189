#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "EditorBase.h"
#include "Parameters.h"
#include "PluginHost.h"

namespace sweepfilter {

// The factory program whose mode is stereo: the panel's lamp is lit.
inline constexpr std::int32_t stereoProgram = 4;

// A parameter change an instance reported to the host (callback opcode 0).
struct Report {
  std::int32_t index;
  float value;
  bool operator==(const Report&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Report& report);

// One instance of the DLL's effect, made through its main and driven through
// its descriptor only, as a host does.
class PluginInstance {
 public:
  PluginInstance();
  // Closes the effect, unless the test already did.
  ~PluginInstance();
  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  PluginDescriptor* descriptor() const { return d; }
  // Opcode 13: the answer, and the rectangle it pointed at (or null).
  std::int32_t editorRect(EditorRect** rect) const;
  std::int32_t openEditor(HWND parent) const;
  void closeEditor() const;
  void idle() const;
  void set(std::int32_t index, float value) const;
  float get(std::int32_t index) const;
  ParameterValues values() const;
  void selectProgram(std::int32_t program) const;
  // Opcode 1, now: the effect and its descriptor are gone afterwards.
  void close();
  // The changes this instance reported since the last call, in order.
  std::vector<Report> takeReports() const;

 private:
  PluginDescriptor* d = nullptr;
};

}  // namespace sweepfilter
