#include "FaultyEditor.h"

#include <cstdlib>
#include <cstring>

#include "EffectBase.h"
#include "ModuleInstance.h"

namespace sweepfilter {

namespace {
constexpr const char* className = "PluginWindowClass";
int liveEditors = 0;
}  // namespace

FaultyEditor::FaultyEditor(EffectBase* effect, EditorFaults faults) : EditorBase(effect), faults(faults) {
  ++liveEditors;
  effect->attachEditor(this);
}

FaultyEditor::~FaultyEditor() {
  closePanel();
  if (--liveEditors == 0 && !faults.keepClass) UnregisterClassA(className, moduleInstance);
}

std::int32_t FaultyEditor::queryRect(EditorRect** place) {
  if (place) *place = &rect;
  return 1;
}

std::int32_t FaultyEditor::openPanel(void* parent) {
  closePanel();
  WNDCLASSA info{};
  if (!GetClassInfoA(moduleInstance, className, &info)) {
    info.lpfnWndProc = windowProcedure;
    info.hInstance = moduleInstance;
    info.lpszClassName = className;
    RegisterClassA(&info);
  }
  window = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0, rect.right, rect.bottom,
                           static_cast<HWND>(parent), nullptr, moduleInstance, nullptr);
  if (!window) return 0;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (faults.leakMemory) {
    void* volatile block = std::malloc(64 * 1024);
    std::memset(block, 1, 64 * 1024);
  }
  if (faults.leakBitmap) {
    HDC dc = GetDC(window);
    CreateCompatibleBitmap(dc, rect.right, rect.bottom);
    ReleaseDC(window, dc);
  }
  return 1;
}

void FaultyEditor::closePanel() {
  if (window) DestroyWindow(window);
}

LRESULT CALLBACK FaultyEditor::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* editor = reinterpret_cast<FaultyEditor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (editor && message == WM_LBUTTONDOWN)
    editor->effect->setParameterAndNotify(LOWORD(lParam) * 12 / 401, HIWORD(lParam) / 285.0f);
  if (editor && message == WM_DESTROY) editor->window = nullptr;  // also when the host destroys its window
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace sweepfilter
