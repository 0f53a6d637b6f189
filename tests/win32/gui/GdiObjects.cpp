#include "GdiObjects.h"

#include <windows.h>

#include <set>

#include "ImportRedirect.h"

namespace sweepfilter {

namespace {

std::set<HGDIOBJ> made;
// Surfaces objects can be selected into: memory surfaces and window surfaces in use.
std::set<HDC> surfaces;
std::int64_t selectedAtDeletion = 0;

template <typename Handle>
Handle remember(Handle handle) {
  if (handle) made.insert(handle);
  return handle;
}

HDC rememberSurface(HDC surface) {
  if (surface) surfaces.insert(surface);
  return surface;
}

#define REAL(function) decltype(&::function) real##function = nullptr

REAL(CreateCompatibleDC);
REAL(DeleteDC);
REAL(CreateBitmap);
REAL(CreateCompatibleBitmap);
REAL(CreateDIBSection);
REAL(CreatePenIndirect);
REAL(CreateBrushIndirect);
REAL(CreateSolidBrush);
REAL(CreateFontIndirectA);
REAL(DeleteObject);
REAL(LoadBitmapA);
REAL(GetDC);
REAL(ReleaseDC);
REAL(BeginPaint);
REAL(EndPaint);

HDC WINAPI countCreateCompatibleDC(HDC dc) { return rememberSurface(remember(realCreateCompatibleDC(dc))); }

BOOL WINAPI countDeleteDC(HDC dc) {
  surfaces.erase(dc);
  const BOOL deleted = realDeleteDC(dc);
  if (deleted) made.erase(dc);
  return deleted;
}

HBITMAP WINAPI countCreateBitmap(int width, int height, UINT planes, UINT bits, const void* pixels) {
  return remember(realCreateBitmap(width, height, planes, bits, pixels));
}

HBITMAP WINAPI countCreateCompatibleBitmap(HDC dc, int width, int height) {
  return remember(realCreateCompatibleBitmap(dc, width, height));
}

HBITMAP WINAPI countCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                     DWORD offset) {
  return remember(realCreateDIBSection(dc, info, usage, bits, section, offset));
}

HPEN WINAPI countCreatePenIndirect(const LOGPEN* description) { return remember(realCreatePenIndirect(description)); }

HBRUSH WINAPI countCreateBrushIndirect(const LOGBRUSH* description) {
  return remember(realCreateBrushIndirect(description));
}

HBRUSH WINAPI countCreateSolidBrush(COLORREF colour) { return remember(realCreateSolidBrush(colour)); }

HFONT WINAPI countCreateFontIndirectA(const LOGFONTA* description) {
  return remember(realCreateFontIndirectA(description));
}

HBITMAP WINAPI countLoadBitmapA(HINSTANCE instance, LPCSTR name) { return remember(realLoadBitmapA(instance, name)); }

BOOL WINAPI countDeleteObject(HGDIOBJ object) {
  const DWORD type = GetObjectType(object);
  for (HDC surface : surfaces) {
    if (type != 0 && GetCurrentObject(surface, type) == object) ++selectedAtDeletion;
  }
  const BOOL deleted = realDeleteObject(object);
  if (deleted) made.erase(object);
  return deleted;
}

HDC WINAPI countGetDC(HWND window) { return rememberSurface(realGetDC(window)); }

int WINAPI countReleaseDC(HWND window, HDC dc) {
  surfaces.erase(dc);
  return realReleaseDC(window, dc);
}

HDC WINAPI countBeginPaint(HWND window, PAINTSTRUCT* paint) { return rememberSurface(realBeginPaint(window, paint)); }

BOOL WINAPI countEndPaint(HWND window, const PAINTSTRUCT* paint) {
  surfaces.erase(paint->hdc);
  return realEndPaint(window, paint);
}

// Keeps the real function the first module that imports it points at; a
// module whose import already points here leaves it as it is.
template <typename Function>
void redirect(HMODULE module, const char* library, const char* name, Function replacement, Function& real) {
  void* previous = redirectImport(library, name, reinterpret_cast<void*>(replacement), module);
  if (previous && previous != reinterpret_cast<void*>(replacement)) real = reinterpret_cast<Function>(previous);
}

#define REDIRECT(library, function) redirect(module, library, #function, count##function, real##function)

bool install(HMODULE module) {
  REDIRECT("gdi32.dll", CreateCompatibleDC);
  REDIRECT("gdi32.dll", DeleteDC);
  REDIRECT("gdi32.dll", CreateBitmap);
  REDIRECT("gdi32.dll", CreateCompatibleBitmap);
  REDIRECT("gdi32.dll", CreateDIBSection);
  REDIRECT("gdi32.dll", CreatePenIndirect);
  REDIRECT("gdi32.dll", CreateBrushIndirect);
  REDIRECT("gdi32.dll", CreateSolidBrush);
  REDIRECT("gdi32.dll", CreateFontIndirectA);
  REDIRECT("gdi32.dll", DeleteObject);
  REDIRECT("user32.dll", LoadBitmapA);
  REDIRECT("user32.dll", GetDC);
  REDIRECT("user32.dll", ReleaseDC);
  REDIRECT("user32.dll", BeginPaint);
  REDIRECT("user32.dll", EndPaint);
  return true;
}

const bool installed = install(GetModuleHandleA(nullptr));

}  // namespace

namespace gdiObjects {

std::int64_t live() { return installed ? static_cast<std::int64_t>(made.size()) : 0; }

std::int64_t deletedWhileSelected() { return selectedAtDeletion; }

void watch(HMODULE module) { install(module); }

}  // namespace gdiObjects

}  // namespace sweepfilter
