// The panel as an LV2 X11 UI: embedded in the host's window (ui:parent),
// driven by the host's idle calls (ui:idleInterface), told every control
// port's value (port_event), and telling the host each move of the user
// (write_function) in the port's own units.
#include <lv2/ui/ui.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "BundleUris.h"
#include "PanelView.h"
#include "Parameters.h"
#include "PortValues.h"
#include "X11PanelWindow.h"

namespace sweepfilter {
namespace {

struct PanelUi {
  PanelView view;
  X11PanelWindow window;
  LV2UI_Write_Function write = nullptr;
  LV2UI_Controller controller = nullptr;

  void report(ParameterIndex parameter, float normalised) {
    const float value = portValueForMove(parameter, normalised);
    write(controller, static_cast<std::uint32_t>(parameter), sizeof value, 0, &value);
  }
};

const void* feature(const LV2_Feature* const* features, const char* uri) {
  for (; features && *features; ++features)
    if (std::strcmp((*features)->URI, uri) == 0) return (*features)->data;
  return nullptr;
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
  std::string error = ui->view.load(std::string(bundlePath) + "/pictures");
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

void cleanup(LV2UI_Handle handle) { delete static_cast<PanelUi*>(handle); }

void portEvent(LV2UI_Handle handle, std::uint32_t port, std::uint32_t size, std::uint32_t format, const void* buffer) {
  if (format != 0 || size != sizeof(float) || port >= static_cast<std::uint32_t>(numParameters) || !buffer) return;
  float value;
  std::memcpy(&value, buffer, sizeof value);
  const auto parameter = static_cast<ParameterIndex>(port);
  PanelView& view = static_cast<PanelUi*>(handle)->view;
  // The host's echo of a move reads back a float's rounding away from the
  // panel's value, enough to show the slider's next row: a value the panel's
  // own would send leaves it where the user put it.
  if (portValueForMove(parameter, view.value(parameter)) == value) return;
  view.setValue(parameter, normalisedOf(parameter, value));
}

int idle(LV2UI_Handle handle) { return static_cast<PanelUi*>(handle)->window.idle() ? 0 : 1; }

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
