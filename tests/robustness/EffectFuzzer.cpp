// libFuzzer target over the portable core: the input becomes a sequence of
// dispatcher calls, parameter sets and reads, program changes and process
// calls of random sizes with random samples, all through the descriptor as a
// host makes them. Buffers are exactly as long as the call says, so that
// AddressSanitizer sees any access beyond them. One property is checked
// besides: while every parameter stays in 0..1, the rate in 1 kHz..800 kHz
// and the input within full scale, every output sample is finite.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "HostProtocol.h"
#include "PluginMain.h"
#include "QuietHost.h"

namespace sweepfilter {
namespace {
// The longest texts the text opcodes may write, terminator included.
constexpr std::size_t programNameBytes = 65;
constexpr std::size_t parameterTextBytes = 15;

class Session {
 public:
  explicit Session(FuzzedDataProvider& in) : in(in), d(pluginMain(quietHost)) {}
  ~Session() { d->dispatchEntry(d, opClose, 0, 0, nullptr, 0.0f); }

  void step() {
    switch (in.ConsumeIntegralInRange(0, 6)) {
      case 0:
        return dispatchAnything();
      case 1:
        return setParameter();
      case 2:
        return static_cast<void>(d->getParameterEntry(d, parameterIndex()));
      case 3:
        return static_cast<void>(
            d->dispatchEntry(d, opSelectProgram, 0, in.ConsumeIntegral<HostWord>(), nullptr, 0.0f));
      case 4:
        return setSampleRate();
      case 5:
        return readTexts();
      default:
        return process();
    }
  }

 private:
  std::int32_t parameterIndex() {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(-2, 13) : in.ConsumeIntegral<std::int32_t>();
  }

  // Any float: ordinary values mostly, raw bits (NaN, infinities, subnormals) too.
  float anyFloat() {
    if (in.ConsumeBool()) return in.ConsumeFloatingPointInRange(-0.5f, 1.5f);
    const std::uint32_t bits = in.ConsumeIntegral<std::uint32_t>();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  void setParameter() {
    const std::int32_t index = parameterIndex();
    const float value = anyFloat();
    if (!(value >= 0.0f && value <= 1.0f)) clean = false;
    d->setParameterEntry(d, index, value);
  }

  void setSampleRate() {
    const float rate = in.ConsumeBool() ? in.ConsumeFloatingPointInRange(1000.0f, 800000.0f) : anyFloat();
    // A rate the plug-in refuses leaves the last one; any other must be sane.
    if (rate > 0.0f && std::isfinite(rate) && !(rate >= 1000.0f && rate <= 800000.0f)) clean = false;
    d->dispatchEntry(d, opSetSampleRate, 0, 0, nullptr, rate);
  }

  void dispatchAnything() {
    std::int32_t opcode = in.ConsumeIntegralInRange(-10, 100);
    if (opcode == opClose) opcode = opIdentify;  // the session closes the instance itself
    const std::int32_t index = in.ConsumeIntegral<std::int32_t>();
    const HostWord value = in.ConsumeIntegral<HostWord>();
    const float opt = anyFloat();
    if (opcode == opSetSampleRate) clean = false;
    std::vector<char> buffer(512, '\0');
    const std::string text = in.ConsumeRandomLengthString(200);
    std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size() - 1));
    const bool withBuffer = in.ConsumeBool();
    // The state opcode reads as many bytes as the value says: give it the buffer's size.
    const HostWord sized = opcode == opLoadState ? static_cast<HostWord>(buffer.size()) : value;
    d->dispatchEntry(d, opcode, index, withBuffer ? sized : value, withBuffer ? buffer.data() : nullptr, opt);
  }

  void readText(std::int32_t opcode, std::int32_t index, std::size_t bytes) {
    std::vector<char> text(bytes, 'x');
    d->dispatchEntry(d, opcode, index, 0, text.data(), 0.0f);
    if (!std::memchr(text.data(), '\0', bytes)) std::abort();
  }

  void readTexts() {
    const std::int32_t index = parameterIndex();
    readText(opGetParameterName, index, parameterTextBytes);
    readText(opGetParameterLabel, index, parameterTextBytes);
    readText(opGetParameterText, index, parameterTextBytes);
    readText(opGetProgramName, 0, programNameBytes);
  }

  void process() {
    const std::int32_t frames = in.ConsumeIntegralInRange<std::int32_t>(-4, 4096);
    const std::size_t length = frames > 0 ? static_cast<std::size_t>(frames) : 0;
    std::vector<float> left(length), right(length), outLeft(length), outRight(length);
    const bool raw = in.ConsumeBool();
    for (std::vector<float>* channel : {&left, &right})
      for (float& sample : *channel) {
        sample = raw ? anyFloat() : in.ConsumeFloatingPointInRange(-1.0f, 1.0f);
        if (!(std::fabs(sample) <= 1.0f)) clean = false;
      }
    const bool inPlace = in.ConsumeBool();
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {inPlace ? left.data() : outLeft.data(), inPlace ? right.data() : outRight.data()};
    (in.ConsumeBool() ? d->processReplaceEntry : d->processAccumulateEntry)(d, inputs, outputs, frames);
    if (!clean) return;
    for (const float* channel : outputs)
      for (std::size_t i = 0; i < length; ++i)
        if (!std::isfinite(channel[i])) std::abort();
  }

  FuzzedDataProvider& in;
  PluginDescriptor* d;
  bool clean = true;  // so far nothing a user could not dial
};
}  // namespace
}  // namespace sweepfilter

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sweepfilter;
  FuzzedDataProvider in(data, size);
  Session session(in);
  while (in.remaining_bytes() > 0) session.step();
  return 0;
}
