#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sweepfilter {

// A sample buffer as a hostile host hands it out. Its last sample touches an
// inaccessible page, so a read or write past the end faults at once (and the
// crash report names the check); a patterned zone before the first sample
// shows writes before the start. The pattern is a NaN: a plug-in that reads
// it gives itself away in its output.
class GuardedSamples {
 public:
  explicit GuardedSamples(std::int32_t frames);  // 0 or fewer: an empty buffer
  ~GuardedSamples();
  GuardedSamples(const GuardedSamples&) = delete;
  GuardedSamples& operator=(const GuardedSamples&) = delete;

  float* data() const { return first; }
  std::int32_t frames() const { return count; }
  bool frontIntact() const;

 private:
  std::uint8_t* base = nullptr;
  std::size_t frontBytes = 0;
  float* first = nullptr;
  std::int32_t count = 0;
};

// Two inputs and two outputs in guarded buffers, separate or the same
// (in place). Tells afterwards whether anything outside the samples, or the
// inputs of a separate layout, was written.
class StereoBuffers {
 public:
  StereoBuffers(std::int32_t frames, bool inPlace);

  float** inputs() { return in; }
  float** outputs() { return out; }
  std::int32_t frames() const { return count; }
  bool inPlace() const { return in[0] == out[0]; }

  // Outputs of a separate layout all set to `value` (a NaN shows samples a
  // replacing entry left unwritten).
  void fillOutputs(float value);
  // Remembers the inputs, to tell later whether the plug-in wrote into them.
  void sealInputs();
  // "" when guards and sealed inputs are intact, else what was damaged.
  std::string damage() const;

 private:
  std::int32_t count;
  std::vector<std::unique_ptr<GuardedSamples>> buffers;
  std::vector<float> sealed;
  float* in[2];
  float* out[2];
};

}  // namespace sweepfilter
