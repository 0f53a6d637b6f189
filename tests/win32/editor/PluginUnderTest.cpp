#include "PluginUnderTest.h"

#include <iomanip>

#include "HostProtocol.h"

namespace sweepfilter {

namespace {

PluginLibrary& library() {
  static PluginLibrary loaded("SweepFilter.dll");
  return loaded;
}

// Reports of every instance not yet taken by their own instance.
std::vector<ReportedChange>& waitingReports() {
  static std::vector<ReportedChange> waiting;
  return waiting;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Report& report) {
  return out << "{parameter " << report.index << ", " << std::setprecision(9) << report.value << "}";
}

PluginInstance::PluginInstance() : d(library().createInstance()) {}

PluginInstance::~PluginInstance() {
  if (d) close();
}

std::int32_t PluginInstance::editorRect(EditorRect** rect) const {
  return static_cast<std::int32_t>(pluginCalls::dispatch(d, opEditorGetRect, 0, 0, rect));
}

std::int32_t PluginInstance::openEditor(HWND parent) const {
  return static_cast<std::int32_t>(pluginCalls::dispatch(d, opEditorOpen, 0, 0, parent));
}

void PluginInstance::closeEditor() const { pluginCalls::dispatch(d, opEditorClose); }
void PluginInstance::idle() const { pluginCalls::dispatch(d, opEditorIdle); }
void PluginInstance::set(std::int32_t index, float value) const { d->setParameterEntry(d, index, value); }
float PluginInstance::get(std::int32_t index) const { return d->getParameterEntry(d, index); }
void PluginInstance::selectProgram(std::int32_t program) const { pluginCalls::selectProgram(d, program); }

ParameterValues PluginInstance::values() const {
  ParameterValues values{};
  for (std::int32_t i = 0; i < numParameters; ++i) values[i] = get(i);
  return values;
}

void PluginInstance::close() {
  takeReports();
  pluginCalls::close(d);
  d = nullptr;
}

std::vector<Report> PluginInstance::takeReports() const {
  std::vector<ReportedChange>& waiting = waitingReports();
  for (const ReportedChange& change : HostCallbackLog::takeChanges()) waiting.push_back(change);
  std::vector<Report> mine;
  std::erase_if(waiting, [&](const ReportedChange& change) {
    if (change.descriptor != d) return false;
    mine.push_back({change.index, change.value});
    return true;
  });
  return mine;
}

}  // namespace sweepfilter
