#include "UiHost.h"

#include <dlfcn.h>
#include <lv2/atom/atom.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

#include <cstring>
#include <stdexcept>
#include <thread>

#include "BundleFacts.h"

namespace sweepfilter {

UiHost::UiHost(const std::string& bundlePath) : bundle(bundlePath) {
  library = dlopen((bundle + "/" + sweepfilter::uiBinaryName).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) throw std::runtime_error(dlerror());
  auto entry = reinterpret_cast<const LV2UI_Descriptor* (*)(std::uint32_t)>(dlsym(library, "lv2ui_descriptor"));
  descriptor = entry ? entry(0) : nullptr;
  if (!descriptor) throw std::runtime_error("no lv2ui_descriptor");
  idleInterface = static_cast<const LV2UI_Idle_Interface*>(descriptor->extension_data(LV2_UI__idleInterface));
}

UiHost::~UiHost() {
  close();
  if (library) dlclose(library);
}

bool UiHost::open(std::optional<float> scaleFactor, bool offerTouch) {
  close();
  createParent();
  // Two URIs are all the panel asks to be mapped.
  LV2_URID_Map map{
      nullptr, [](LV2_URID_Map_Handle, const char* uri) -> LV2_URID {
        return std::strcmp(uri, LV2_UI__scaleFactor) == 0 ? 1 : std::strcmp(uri, LV2_ATOM__Float) == 0 ? 2 : 3;
      }};
  const float factor = scaleFactor.value_or(0.0f);
  const LV2_Options_Option options[] = {{LV2_OPTIONS_INSTANCE, 0, 1, sizeof(float), 2, &factor},
                                        {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
  LV2UI_Resize resizer{this, resize};
  LV2_Feature parentFeature{LV2_UI__parent, reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent))},
      resizeFeature{LV2_UI__resize, &resizer}, mapFeature{LV2_URID__map, &map}, touchFeature{LV2_UI__touch, &toucher},
      optionsFeature{LV2_OPTIONS__options, const_cast<LV2_Options_Option*>(options)};
  std::vector<const LV2_Feature*> features{&parentFeature, &resizeFeature, &mapFeature};
  if (offerTouch) features.push_back(&touchFeature);
  if (scaleFactor) features.push_back(&optionsFeature);
  features.push_back(nullptr);
  LV2UI_Widget widget = nullptr;
  ui = descriptor->instantiate(descriptor, sweepfilter::pluginUri, bundle.c_str(), write, this, &widget,
                               features.data());
  idle();
  return ui != nullptr && widget != nullptr;
}

void UiHost::close(bool destroyParentFirst) {
  if (destroyParentFirst) destroyParent();
  if (ui) descriptor->cleanup(ui);
  ui = nullptr;
  destroyParent();
}

void UiHost::portEvent(std::uint32_t port, float value) { descriptor->port_event(ui, port, sizeof value, 0, &value); }

void UiHost::idle(int times, std::chrono::milliseconds pause) {
  // The server delivers the UI's events on its own connection: sync ours, then let it read them.
  for (int i = 0; i < times; ++i) {
    XSync(connection, False);
    std::this_thread::sleep_for(pause);
    idleInterface->idle(ui);
  }
}

void UiHost::idleUntilWritten() {
  const std::size_t before = writes.size();
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (writes.size() == before && std::chrono::steady_clock::now() < end) idle(1, std::chrono::milliseconds(0));
}

void UiHost::moveTo(int x, int y) {
  movePointer(x, y);
  idle();
}

void UiHost::press() {
  pressButton();
  idle();
}

void UiHost::release() {
  releaseButton();
  idle();
}

int UiHost::resize(LV2UI_Feature_Handle host, int width, int height) {
  static_cast<UiHost*>(host)->resizeParent(width, height);
  return 0;
}

std::vector<std::pair<std::uint32_t, float>> UiHost::takeWrites() { return std::exchange(writes, {}); }

std::vector<UiHost::Touch> UiHost::takeTouches() { return std::exchange(touches, {}); }

void UiHost::touch(LV2UI_Feature_Handle host, std::uint32_t port, bool grabbed) {
  auto* self = static_cast<UiHost*>(host);
  self->touches.push_back({port, grabbed, self->writes.size()});
}

void UiHost::write(LV2UI_Controller controller, std::uint32_t port, std::uint32_t size, std::uint32_t format,
                   const void* buffer) {
  if (size != sizeof(float) || format != 0) return;
  float value;
  std::memcpy(&value, buffer, sizeof value);
  static_cast<UiHost*>(controller)->writes.emplace_back(port, value);
}

}  // namespace sweepfilter
