#include "GuardedSamples.h"

#include <windows.h>

#include <cstring>

#include "CheckRunner.h"

namespace sweepfilter {

namespace {
constexpr std::uint32_t guardWord = 0x7FBADBADu;  // a quiet NaN
constexpr std::size_t minimumFrontBytes = 256;

std::size_t pageSize() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info.dwPageSize;
}
}  // namespace

GuardedSamples::GuardedSamples(std::int32_t frames) : count(frames > 0 ? frames : 0) {
  const std::size_t page = pageSize();
  const std::size_t dataBytes = static_cast<std::size_t>(count) * sizeof(float);
  const std::size_t usable = (minimumFrontBytes + dataBytes + page - 1) / page * page;
  base = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, usable + page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!base) abortCheck(formatText("the validator could not allocate a buffer of %d frames", frames));
  DWORD old;
  VirtualProtect(base + usable, page, PAGE_NOACCESS, &old);
  frontBytes = usable - dataBytes;
  first = reinterpret_cast<float*>(base + frontBytes);
  for (std::size_t offset = 0; offset < frontBytes; offset += sizeof guardWord)
    std::memcpy(base + offset, &guardWord, sizeof guardWord);
}

GuardedSamples::~GuardedSamples() { VirtualFree(base, 0, MEM_RELEASE); }

bool GuardedSamples::frontIntact() const {
  for (std::size_t offset = 0; offset < frontBytes; offset += sizeof guardWord)
    if (std::memcmp(base + offset, &guardWord, sizeof guardWord) != 0) return false;
  return true;
}

StereoBuffers::StereoBuffers(std::int32_t frames, bool inPlace) : count(frames) {
  for (int i = 0; i < (inPlace ? 2 : 4); ++i) buffers.push_back(std::make_unique<GuardedSamples>(frames));
  for (int channel = 0; channel < 2; ++channel) {
    in[channel] = buffers[channel]->data();
    out[channel] = buffers[inPlace ? channel : channel + 2]->data();
  }
}

void StereoBuffers::fillOutputs(float value) {
  if (inPlace()) return;
  for (float* channel : out)
    for (std::int32_t i = 0; i < count; ++i) channel[i] = value;
}

void StereoBuffers::sealInputs() {
  sealed.clear();
  if (inPlace()) return;
  for (const float* channel : in) sealed.insert(sealed.end(), channel, channel + (count > 0 ? count : 0));
}

std::string StereoBuffers::damage() const {
  static constexpr const char* names[4] = {"left input", "right input", "left output", "right output"};
  for (std::size_t i = 0; i < buffers.size(); ++i)
    if (!buffers[i]->frontIntact())
      return formatText("written before the start of the %s%s", inPlace() ? "in-place " : "",
                        inPlace() ? (i == 0 ? "left buffer" : "right buffer") : names[i]);
  if (!sealed.empty()) {
    const std::size_t frames = sealed.size() / 2;
    for (int channel = 0; channel < 2; ++channel)
      if (std::memcmp(in[channel], sealed.data() + channel * frames, frames * sizeof(float)) != 0)
        return formatText("wrote into the %s", names[channel]);
  }
  return "";
}

}  // namespace sweepfilter
