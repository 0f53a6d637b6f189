#include "UiHost.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <dlfcn.h>

#include <cstring>
#include <stdexcept>
#include <thread>

#include "BundleUris.h"

namespace sweepfilter {

UiHost::UiHost(const std::string& bundlePath) : bundle(bundlePath) {
  connection = XOpenDisplay(nullptr);
  if (!connection) throw std::runtime_error("no X display");
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
  if (connection) XCloseDisplay(connection);
}

bool UiHost::open() {
  close();
  parent = XCreateSimpleWindow(connection, DefaultRootWindow(connection), 0, 0, 400, 285, 0, 0, 0);
  XMapRaised(connection, parent);
  XSync(connection, False);
  LV2_Feature parentFeature{LV2_UI__parent, reinterpret_cast<void*>(static_cast<std::uintptr_t>(parent))};
  const LV2_Feature* features[] = {&parentFeature, nullptr};
  LV2UI_Widget widget = nullptr;
  ui = descriptor->instantiate(descriptor, sweepfilter::pluginUri, bundle.c_str(), write, this, &widget, features);
  idle();
  return ui != nullptr && widget != nullptr;
}

void UiHost::close(bool destroyParentFirst) {
  if (destroyParentFirst && parent) {
    XDestroyWindow(connection, parent);
    XSync(connection, False);
    parent = 0;
  }
  if (ui) descriptor->cleanup(ui);
  ui = nullptr;
  if (parent) XDestroyWindow(connection, parent);
  parent = 0;
  XSync(connection, False);
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

void UiHost::movePointer(int x, int y) {
  int rootX = 0, rootY = 0;
  Window child;
  XTranslateCoordinates(connection, parent, DefaultRootWindow(connection), x, y, &rootX, &rootY, &child);
  XTestFakeMotionEvent(connection, DefaultScreen(connection), rootX, rootY, CurrentTime);
}

void UiHost::press() {
  XTestFakeButtonEvent(connection, Button1, True, CurrentTime);
  idle();
}

void UiHost::release() {
  XTestFakeButtonEvent(connection, Button1, False, CurrentTime);
  idle();
}

sweepfilter::RgbImage UiHost::screen(const Rect& area) {
  XSync(connection, False);
  XImage* image = XGetImage(connection, parent, area.left, area.top, area.width(), area.height(), AllPlanes, ZPixmap);
  sweepfilter::RgbImage out{area.width(), area.height(), {}};
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
  XDestroyImage(image);
  return out;
}

std::vector<std::pair<std::uint32_t, float>> UiHost::takeWrites() { return std::exchange(writes, {}); }

void UiHost::write(LV2UI_Controller controller, std::uint32_t port, std::uint32_t size, std::uint32_t format,
                   const void* buffer) {
  if (size != sizeof(float) || format != 0) return;
  float value;
  std::memcpy(&value, buffer, sizeof value);
  static_cast<UiHost*>(controller)->writes.emplace_back(port, value);
}

}  // namespace sweepfilter
