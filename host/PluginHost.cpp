#include "PluginHost.h"

#include <cstring>
#include <utility>

namespace {
std::mutex changesMutex;
std::vector<ReportedChange> changes;

// Opcodes as the plug-in's dispatcher knows them.
constexpr std::int32_t opClose = 1;
constexpr std::int32_t opSelectProgram = 2;
constexpr std::int32_t opGetProgramName = 5;
constexpr std::int32_t opGetParameterLabel = 6;
constexpr std::int32_t opGetParameterText = 7;
constexpr std::int32_t opGetParameterName = 8;
}  // namespace

std::int32_t HostCallbackLog::versionAnswer = 2400;

HostWord HostCallbackLog::callback(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord, void*,
                                   float opt) {
  if (opcode == hostVersion) return versionAnswer;
  if (opcode == hostParameterChanged) {
    std::lock_guard lock(changesMutex);
    changes.push_back({d, index, opt});
  }
  return 0;
}

std::vector<ReportedChange> HostCallbackLog::takeChanges() {
  std::lock_guard lock(changesMutex);
  return std::exchange(changes, {});
}

PluginLibrary::PluginLibrary(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    error_ = "cannot load '" + path + "' (Windows error " + std::to_string(GetLastError()) + ")";
    return;
  }
  main_ = reinterpret_cast<MainFunction>(reinterpret_cast<void*>(GetProcAddress(module_, "main")));
  if (!main_) error_ = "'" + path + "' is not a plug-in: it exports no function \"main\"";
}

PluginLibrary::~PluginLibrary() {
  if (module_) FreeLibrary(module_);
}

PluginDescriptor* PluginLibrary::createInstance() {
  if (!main_) return nullptr;
  PluginDescriptor* d = main_(HostCallbackLog::callback);
  if (!d)
    error_ = "the plug-in's main returned no descriptor";
  else if (d->magic != descriptorMagic)
    error_ = "the plug-in's main returned a record without the plug-in magic number", d = nullptr;
  return d;
}

namespace plugin {
HostWord dispatch(PluginDescriptor* d, std::int32_t opcode, std::int32_t index, HostWord value, void* ptr,
                  float opt) {
  return d->dispatchEntry(d, opcode, index, value, ptr, opt);
}

std::string text(PluginDescriptor* d, std::int32_t opcode, std::int32_t index) {
  // Generous: the plug-in's texts have no length argument.
  char buffer[256] = {};
  dispatch(d, opcode, index, 0, buffer);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

std::string parameterName(PluginDescriptor* d, std::int32_t index) { return text(d, opGetParameterName, index); }
std::string parameterLabel(PluginDescriptor* d, std::int32_t index) { return text(d, opGetParameterLabel, index); }
std::string parameterText(PluginDescriptor* d, std::int32_t index) { return text(d, opGetParameterText, index); }
std::string programName(PluginDescriptor* d) { return text(d, opGetProgramName); }
void selectProgram(PluginDescriptor* d, std::int32_t program) { dispatch(d, opSelectProgram, 0, program); }
void close(PluginDescriptor* d) { dispatch(d, opClose); }

std::int32_t findParameter(PluginDescriptor* d, const std::string& name) {
  for (std::int32_t i = 0; i < d->parameterCount; ++i)
    if (parameterName(d, i) == name) return i;
  return -1;
}
}  // namespace plugin
