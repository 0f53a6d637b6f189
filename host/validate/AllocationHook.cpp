#include "AllocationHook.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace sweepfilter {

namespace allocationHook {
namespace {
std::atomic<DWORD> armedThread{0};
std::atomic<std::int64_t> counted{0};

void noteAllocation() {
  if (armedThread.load(std::memory_order_relaxed) == GetCurrentThreadId()) counted.fetch_add(1);
}

// One wrapper per allocator, each with the allocator's own calling convention,
// calling the function the import pointed to before.
using Malloc = void*(__cdecl*)(size_t);
using Calloc = void*(__cdecl*)(size_t, size_t);
using Realloc = void*(__cdecl*)(void*, size_t);
using AlignedMalloc = void*(__cdecl*)(size_t, size_t);
using Strdup = char*(__cdecl*)(const char*);
using HeapAllocFunction = LPVOID(WINAPI*)(HANDLE, DWORD, SIZE_T);
using HeapReAllocFunction = LPVOID(WINAPI*)(HANDLE, DWORD, LPVOID, SIZE_T);
using VirtualAllocFunction = LPVOID(WINAPI*)(LPVOID, SIZE_T, DWORD, DWORD);
using LocalAllocFunction = HLOCAL(WINAPI*)(UINT, SIZE_T);
using GlobalAllocFunction = HGLOBAL(WINAPI*)(UINT, SIZE_T);

Malloc originalMalloc;
Calloc originalCalloc;
Realloc originalRealloc;
AlignedMalloc originalAlignedMalloc;
Strdup originalStrdup;
HeapAllocFunction originalHeapAlloc;
HeapReAllocFunction originalHeapReAlloc;
VirtualAllocFunction originalVirtualAlloc;
LocalAllocFunction originalLocalAlloc;
GlobalAllocFunction originalGlobalAlloc;

void* __cdecl countedMalloc(size_t size) {
  noteAllocation();
  return originalMalloc(size);
}
void* __cdecl countedCalloc(size_t count, size_t size) {
  noteAllocation();
  return originalCalloc(count, size);
}
void* __cdecl countedRealloc(void* block, size_t size) {
  noteAllocation();
  return originalRealloc(block, size);
}
void* __cdecl countedAlignedMalloc(size_t size, size_t alignment) {
  noteAllocation();
  return originalAlignedMalloc(size, alignment);
}
char* __cdecl countedStrdup(const char* text) {
  noteAllocation();
  return originalStrdup(text);
}
LPVOID WINAPI countedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T size) {
  noteAllocation();
  return originalHeapAlloc(heap, flags, size);
}
LPVOID WINAPI countedHeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size) {
  noteAllocation();
  return originalHeapReAlloc(heap, flags, block, size);
}
LPVOID WINAPI countedVirtualAlloc(LPVOID address, SIZE_T size, DWORD type, DWORD protect) {
  noteAllocation();
  return originalVirtualAlloc(address, size, type, protect);
}
HLOCAL WINAPI countedLocalAlloc(UINT flags, SIZE_T size) {
  noteAllocation();
  return originalLocalAlloc(flags, size);
}
HGLOBAL WINAPI countedGlobalAlloc(UINT flags, SIZE_T size) {
  noteAllocation();
  return originalGlobalAlloc(flags, size);
}

struct Redirect {
  const char* name;
  void* wrapper;
  void** original;
};

template <typename Function>
Redirect redirect(const char* name, Function wrapper, Function& original) {
  return {name, reinterpret_cast<void*>(wrapper), reinterpret_cast<void**>(&original)};
}

// The C runtimes name their allocators in several ways; all lead here.
const Redirect redirects[] = {
    redirect("malloc", countedMalloc, originalMalloc),
    redirect("_malloc_base", countedMalloc, originalMalloc),
    redirect("calloc", countedCalloc, originalCalloc),
    redirect("_calloc_base", countedCalloc, originalCalloc),
    redirect("realloc", countedRealloc, originalRealloc),
    redirect("_realloc_base", countedRealloc, originalRealloc),
    redirect("_aligned_malloc", countedAlignedMalloc, originalAlignedMalloc),
    redirect("_strdup", countedStrdup, originalStrdup),
    redirect("strdup", countedStrdup, originalStrdup),
    redirect("HeapAlloc", countedHeapAlloc, originalHeapAlloc),
    redirect("HeapReAlloc", countedHeapReAlloc, originalHeapReAlloc),
    redirect("VirtualAlloc", countedVirtualAlloc, originalVirtualAlloc),
    redirect("LocalAlloc", countedLocalAlloc, originalLocalAlloc),
    redirect("GlobalAlloc", countedGlobalAlloc, originalGlobalAlloc),
};

const Redirect* redirectFor(const char* name) {
  for (const Redirect& r : redirects)
    if (std::strcmp(r.name, name) == 0) return &r;
  return nullptr;
}

// Points one import slot at its wrapper. A second import of the same name that
// leads elsewhere (another runtime) is left alone rather than misrouted.
bool patch(ULONG_PTR* slot, const Redirect& r) {
  void* target = reinterpret_cast<void*>(*slot);
  if (*r.original && *r.original != target) return false;
  *r.original = target;
  DWORD old;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) return false;
  *slot = reinterpret_cast<ULONG_PTR>(r.wrapper);
  VirtualProtect(slot, sizeof *slot, old, &old);
  return true;
}
}  // namespace

int install(HMODULE module) {
  static int installed = -1;
  if (installed >= 0) return installed;
  installed = 0;
  auto* base = reinterpret_cast<std::uint8_t*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return installed;
  for (auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       library->Name != 0; ++library) {
    // Without the name table (bound imports) the slots cannot be told apart.
    if (library->OriginalFirstThunk == 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      const Redirect* r = redirectFor(reinterpret_cast<const char*>(byName->Name));
      if (r && patch(reinterpret_cast<ULONG_PTR*>(&slots->u1.Function), *r)) ++installed;
    }
  }
  return installed;
}

void armForThisThread() { armedThread.store(GetCurrentThreadId()); }
void disarm() { armedThread.store(0); }
std::int64_t takeCount() { return counted.exchange(0); }
}  // namespace allocationHook

}  // namespace sweepfilter
