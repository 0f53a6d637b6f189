// The DLL as a host sees it: what it exports and imports, the descriptor's
// bytes, and the dispatcher reached through the descriptor's entry functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "PanelResources.h"
#include "PluginLibrary.h"

namespace sweepfilter {

namespace {

const char* const dllPath = "SweepFilter.dll";

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

const IMAGE_NT_HEADERS* ntHeaders(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
}

TEST(DllImage, ExportsOnlyMain) {
  HMODULE module = LoadLibraryA(dllPath);
  ASSERT_NE(module, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& dir = ntHeaders(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(dir.VirtualAddress, 0u);
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  EXPECT_EQ(exports->NumberOfFunctions, 1u);
  ASSERT_EQ(exports->NumberOfNames, 1u);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  EXPECT_STREQ(reinterpret_cast<const char*>(base + names[0]), "main");
  FreeLibrary(module);
}

TEST(DllImage, ImportsOnlySystemLibraries) {
  HMODULE module = LoadLibraryA(dllPath);
  ASSERT_NE(module, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DATA_DIRECTORY& dir = ntHeaders(module)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"};
  int count = 0;
  for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
       entry->Name != 0; ++entry, ++count) {
    const std::string name = lower(reinterpret_cast<const char*>(base + entry->Name));
    EXPECT_TRUE(system.count(name) || name.rfind("api-ms-win-", 0) == 0) << "imports " << name;
  }
  EXPECT_GT(count, 0);
  FreeLibrary(module);
}

TEST(DllImage, CarriesThePanelPictures) {
  HMODULE module = LoadLibraryA(dllPath);
  ASSERT_NE(module, nullptr);
  for (const panel_bitmaps::BitmapInfo& info : panel_bitmaps::all) {
    HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(info.id));
    ASSERT_NE(bitmap, nullptr) << "bitmap " << info.id;
    BITMAP description{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(description.bmWidth, info.width) << info.id;
    EXPECT_EQ(description.bmHeight, info.height) << info.id;
    EXPECT_EQ(info.height, info.frameHeight * info.frameCount) << info.id;
    DeleteObject(bitmap);
  }
  FreeLibrary(module);
}

class LoadedPlugin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library.ok()) << library.error();
    instance = library.createInstance();
    ASSERT_TRUE(instance) << library.error();
    d = instance.descriptor();
  }
  PluginLibrary library{dllPath};
  PluginInstance instance;
  PluginDescriptor* d = nullptr;
};

template <typename T>
T at(const PluginDescriptor* d, std::size_t offset) {
  T value;
  std::memcpy(&value, reinterpret_cast<const BYTE*>(d) + offset, sizeof value);
  return value;
}

// Where a host of this build's width finds each field: 32-bit offsets, or the
// 64-bit layout with every pointer-sized word widened at natural alignment.
struct Layout {
  std::size_t dispatch, programCount, parameterCount, inputCount, outputCount, flags, reserved1, reserved2, hostWordA,
      hostWordB, hostWordC, hostFloat, effectObject, userWord, effectId, effectVersion, processReplace, tail, size;
};
constexpr Layout layout32{4, 20, 24, 28, 32, 36, 40, 44, 48, 52, 56, 60, 64, 68, 72, 76, 80, 84, 144};
constexpr Layout layout64{8, 40, 44, 48, 52, 56, 64, 72, 80, 84, 88, 92, 96, 104, 112, 116, 120, 128, 192};
constexpr const Layout& hostLayout = sizeof(void*) == 4 ? layout32 : layout64;

TEST_F(LoadedPlugin, DescriptorBytesAsTheHostReadsThem) {
  const Layout& l = hostLayout;
  EXPECT_EQ(at<std::int32_t>(d, 0), 0x5A707850);
  EXPECT_EQ(std::memcmp(d, "PxpZ", 4), 0);  // "ZpxP", most significant byte first
  EXPECT_EQ(at<void*>(d, l.dispatch), reinterpret_cast<void*>(d->dispatchEntry));
  EXPECT_EQ(at<std::int32_t>(d, l.programCount), 5);
  EXPECT_EQ(at<std::int32_t>(d, l.parameterCount), 12);
  EXPECT_EQ(at<std::int32_t>(d, l.inputCount), 2);
  EXPECT_EQ(at<std::int32_t>(d, l.outputCount), 2);
  const std::int32_t flags = at<std::int32_t>(d, l.flags);
  EXPECT_EQ(flags, 25);  // 1 (the editor is built in) + 8 + 16
  for (std::size_t offset : {l.reserved1, l.reserved2, l.userWord})
    EXPECT_EQ(at<std::intptr_t>(d, offset), 0) << offset;
  for (std::size_t offset : {l.hostWordA, l.hostWordB, l.hostWordC})
    EXPECT_EQ(at<std::int32_t>(d, offset), 0) << offset;
  EXPECT_EQ(at<float>(d, l.hostFloat), 1.0f);
  EXPECT_NE(at<void*>(d, l.effectObject), nullptr);
  EXPECT_EQ(at<std::int32_t>(d, l.effectId), 0x51784B76);
  EXPECT_EQ(at<std::int32_t>(d, l.effectVersion), 1);
  EXPECT_EQ(at<void*>(d, l.processReplace), reinterpret_cast<void*>(d->processReplaceEntry));
  for (std::size_t offset = l.tail; offset < l.size; ++offset) EXPECT_EQ(at<std::uint8_t>(d, offset), 0) << offset;
}

TEST_F(LoadedPlugin, TwoInstancesAreIndependent) {
  PluginInstance other = library.createInstance();
  ASSERT_TRUE(other);
  EXPECT_NE(other.descriptor()->effectObject, d->effectObject);
  instance.set(2, 0.9f);
  other.selectProgram(3);
  EXPECT_EQ(other.get(2), 0.28f);
  EXPECT_EQ(instance.get(2), 0.9f);
  EXPECT_EQ(instance.dispatch(3), 0);
  EXPECT_EQ(other.programName(), "large leveltracking");
  EXPECT_EQ(other.close(), 1);
}

TEST_F(LoadedPlugin, TextsThroughTheDispatcher) {
  EXPECT_EQ(instance.parameterName(6), "LFO trigger");
  EXPECT_EQ(instance.parameterLabel(4), "    Hz   ");
  instance.set(11, 0.7f);
  EXPECT_EQ(instance.parameterText(11), "   69");
  instance.set(4, 0.2f);
  EXPECT_EQ(instance.parameterText(4), "   2.1");
  EXPECT_EQ(instance.parameterName(12), "???");
  EXPECT_EQ(instance.dispatch(22), 0x4E764566);
}

TEST_F(LoadedPlugin, CloseAnswersOne) { EXPECT_EQ(instance.close(), 1); }

TEST(PluginMainRefusal, HostVersionZeroGivesNoDescriptor) {
  PluginLibrary library(dllPath);
  HostCallbackLog::versionAnswer = 0;
  EXPECT_FALSE(library.createInstance());
  HostCallbackLog::versionAnswer = 2400;
  EXPECT_TRUE(library.createInstance());
}

}  // namespace

}  // namespace sweepfilter
