// The panel as an LV2 X11 UI: embedded in the host's window (ui:parent),
// driven by the host's idle calls (ui:idleInterface), told every control
// port's value (port_event), and telling the host each move of the user
// (write_function) in the port's own units, and when the user grabs and
// releases a control (ui:touch, if the host offers it). It draws itself at
// the host's scale factor (an option at instantiation) or the screen's.
#include <lv2/atom/atom.h>
#include <lv2/options/options.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "BundleFacts.h"
#include "LfoSync.h"
#include "MoveEcho.h"
#include "PanelScale.h"
#include "PanelView.h"
#include "Parameters.h"
#include "PortValues.h"
#include "X11PanelWindow.h"

namespace sweepfilter {
namespace {

// The port of a parameter the panel reports, "LFO sync" included.
std::uint32_t portOf(ParameterIndex parameter) {
  return static_cast<std::uint32_t>(parameter == lfoSyncId ? lfoSyncPort : parameter);
}

struct PanelUi {
  PanelView view;
  X11PanelWindow window;
  LV2UI_Write_Function write = nullptr;
  LV2UI_Controller controller = nullptr;
  const LV2UI_Touch* touch = nullptr;     // null when the host offers none
  std::optional<ParameterIndex> grabbed;  // the control the user holds

  // The host hears of the grab before the control's first value; a move of
  // another control releases the one held before.
  void report(ParameterIndex parameter, float normalised) {
    if (grabbed != parameter) {
      release();
      tell(parameter, true);
      grabbed = parameter;
    }
    const float value = parameter == lfoSyncId ? normalised : portValueForMove(parameter, normalised);
    write(controller, portOf(parameter), sizeof value, 0, &value);
  }
  // After the events of an idle call that ended the drag, so after its last value.
  void release() {
    if (!grabbed) return;
    tell(*grabbed, false);
    grabbed.reset();
  }
  void tell(ParameterIndex parameter, bool held) const {
    if (touch && touch->touch) touch->touch(touch->handle, portOf(parameter), held);
  }
};

const void* feature(const LV2_Feature* const* features, const char* uri) {
  for (; features && *features; ++features)
    if (std::strcmp((*features)->URI, uri) == 0) return (*features)->data;
  return nullptr;
}

// The host's ui:scaleFactor, if it passes one that can size a panel.
std::optional<double> hostScale(const LV2_Feature* const* features) {
  const auto* options = static_cast<const LV2_Options_Option*>(feature(features, LV2_OPTIONS__options));
  const auto* map = static_cast<const LV2_URID_Map*>(feature(features, LV2_URID__map));
  if (!options || !map) return std::nullopt;
  const LV2_URID key = map->map(map->handle, LV2_UI__scaleFactor);
  const LV2_URID floatType = map->map(map->handle, LV2_ATOM__Float);
  const LV2_URID doubleType = map->map(map->handle, LV2_ATOM__Double);
  for (; options->key != 0 || options->value; ++options) {
    if (options->key != key || !options->value) continue;
    if (options->type == floatType && options->size == sizeof(float))
      return usableScale(*static_cast<const float*>(options->value));
    if (options->type == doubleType && options->size == sizeof(double))
      return usableScale(*static_cast<const double*>(options->value));
  }
  return std::nullopt;
}

LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char* pluginUri, const char* bundlePath,
                         LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                         const LV2_Feature* const* features) {
  const void* parent = feature(features, LV2_UI__parent);
  if (std::strcmp(pluginUri, sweepfilter::pluginUri) != 0 || !parent || !write || !bundlePath) {
    std::fprintf(stderr, "SweepFilter panel: needs its plug-in, a parent window and a write function\n");
    return nullptr;
  }
  auto* ui = new (std::nothrow) PanelUi;
  if (!ui) return nullptr;
  ui->write = write;
  ui->controller = controller;
  ui->touch = static_cast<const LV2UI_Touch*>(feature(features, LV2_UI__touch));
  const std::optional<double> given = hostScale(features);
  const std::int32_t scale = pictureScale(given ? *given : screenScale());
  std::string error = ui->view.load(std::string(bundlePath) + "/pictures", scale, true);
  if (error.empty())
    error = ui->window.open(static_cast<Window>(reinterpret_cast<std::uintptr_t>(parent)), &ui->view,
                            [ui](ParameterIndex parameter, float value) { ui->report(parameter, value); });
  if (!error.empty()) {
    std::fprintf(stderr, "SweepFilter panel: %s\n", error.c_str());
    delete ui;
    return nullptr;
  }
  *widget = reinterpret_cast<LV2UI_Widget>(static_cast<std::uintptr_t>(ui->window.window()));
  if (auto* resize = static_cast<const LV2UI_Resize*>(feature(features, LV2_UI__resize)))
    resize->ui_resize(resize->handle, ui->view.pixels().width, ui->view.pixels().height);
  return ui;
}

// A host that closes the panel in the middle of a drag hears of the release.
void cleanup(LV2UI_Handle handle) {
  auto* ui = static_cast<PanelUi*>(handle);
  ui->release();
  delete ui;
}

void portEvent(LV2UI_Handle handle, std::uint32_t port, std::uint32_t size, std::uint32_t format, const void* buffer) {
  if (format != 0 || size != sizeof(float) || !buffer) return;
  float value;
  std::memcpy(&value, buffer, sizeof value);
  PanelView& view = static_cast<PanelUi*>(handle)->view;
  // "LFO sync"'s port holds the setting's number.
  if (port == static_cast<std::uint32_t>(lfoSyncPort)) view.setLfoSync(lfoSyncSettingOf(value));
  if (port >= static_cast<std::uint32_t>(numParameters)) return;
  const auto parameter = static_cast<ParameterIndex>(port);
  if (isEchoOfMove(parameter, view.value(parameter), value)) return;
  view.setValue(parameter, normalisedOf(parameter, value));
}

int idle(LV2UI_Handle handle) {
  PanelUi& ui = *static_cast<PanelUi*>(handle);
  const bool open = ui.window.idle();
  if (!ui.view.dragging()) ui.release();
  return open ? 0 : 1;
}

const void* extensionData(const char* uri) {
  static const LV2UI_Idle_Interface idleInterface{idle};
  return std::strcmp(uri, LV2_UI__idleInterface) == 0 ? &idleInterface : nullptr;
}

}  // namespace
}  // namespace sweepfilter

extern "C" LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(std::uint32_t index) {
  static const LV2UI_Descriptor descriptor{sweepfilter::uiUri, sweepfilter::instantiate, sweepfilter::cleanup,
                                           sweepfilter::portEvent, sweepfilter::extensionData};
  return index == 0 ? &descriptor : nullptr;
}
