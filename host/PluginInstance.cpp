#include "PluginInstance.h"

namespace sweepfilter {

PluginInstance& PluginInstance::operator=(PluginInstance&& other) noexcept {
  if (this != &other) {
    close();
    descriptor_ = std::exchange(other.descriptor_, nullptr);
  }
  return *this;
}

std::string PluginInstance::text(std::int32_t opcode, std::int32_t index) const {
  // Generous: the plug-in's texts have no length argument.
  char buffer[256] = {};
  dispatch(opcode, index, 0, buffer);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

std::int32_t PluginInstance::findParameter(const std::string& name) const {
  for (std::int32_t i = 0; i < descriptor_->parameterCount; ++i)
    if (parameterName(i) == name) return i;
  return -1;
}

HostWord PluginInstance::close() {
  if (!descriptor_) return 0;
  PluginDescriptor* closing = std::exchange(descriptor_, nullptr);
  return closing->dispatchEntry(closing, opClose, 0, 0, nullptr, 0.0f);
}

}  // namespace sweepfilter
