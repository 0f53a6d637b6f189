// A small, otherwise sound effect with one fault chosen by the environment
// variable VALIDATOR_FAULT, for testing that plughost validate finds each
// fault it is meant to find. Without the variable it must pass.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "EffectBase.h"
#include "FaultyEditor.h"
#include "PluginMain.h"

namespace sweepfilter {

namespace {
enum class Fault {
  none,
  writePastEnd,       // replace writes one sample past the end of the left output
  writeBeforeStart,   // replace writes one sample before the right output
  writeInput,         // replace clears the left input
  unwrittenSample,    // replace leaves the last left sample alone
  allocate,           // every process call allocates
  longText,           // value texts of 20 characters
  stickyNan,          // a NaN input stays in the state for good
  subnormalOutput,    // silence comes out as subnormal numbers
  loud,               // 1000 times too loud
  sharedValues,       // all instances share one set of values
  swappedValues,      // the first and third parameters stored in each other's place
  echo,               // the host's own sets reported back to the host
  anyProgram,         // program numbers taken unchecked
  slowSilence,        // silent blocks burn time
  editorLeaksBitmap,  // the panel makes a bitmap at every opening and never deletes it
  editorKeepsClass,   // the panel's window class stays registered when all are gone
  editorLeaksMemory,  // the panel allocates 64 KB at every opening and never frees it
};

Fault faultFromEnvironment() {
  static constexpr std::pair<const char*, Fault> names[] = {
      {"write-past-end", Fault::writePastEnd},
      {"write-before-start", Fault::writeBeforeStart},
      {"write-input", Fault::writeInput},
      {"unwritten-sample", Fault::unwrittenSample},
      {"allocate", Fault::allocate},
      {"long-text", Fault::longText},
      {"sticky-nan", Fault::stickyNan},
      {"subnormal-output", Fault::subnormalOutput},
      {"loud", Fault::loud},
      {"shared-values", Fault::sharedValues},
      {"swapped-values", Fault::swappedValues},
      {"echo", Fault::echo},
      {"any-program", Fault::anyProgram},
      {"slow-silence", Fault::slowSilence},
      {"editor-leaks-bitmap", Fault::editorLeaksBitmap},
      {"editor-keeps-class", Fault::editorKeepsClass},
      {"editor-leaks-memory", Fault::editorLeaksMemory},
  };
  const char* name = std::getenv("VALIDATOR_FAULT");
  for (const auto& [text, fault] : names)
    if (name && std::strcmp(name, text) == 0) return fault;
  return Fault::none;
}

constexpr std::int32_t parameters = 12;
constexpr std::int32_t programs = 5;
float sharedStore[programs][parameters];

class FaultyEffect final : public EffectBase {
 public:
  explicit FaultyEffect(HostCallback callback)
      : EffectBase(callback, programs, parameters), fault(faultFromEnvironment()) {
    setInputCount(2);
    values = fault == Fault::sharedValues ? sharedStore : ownStore;
    for (auto& program : ownStore)
      for (float& value : program) value = 0.5f;
    // The editor checks run only on a plug-in with an editor: only the editor faults get one.
    if (fault == Fault::editorLeaksBitmap || fault == Fault::editorKeepsClass || fault == Fault::editorLeaksMemory)
      new FaultyEditor(this, {fault == Fault::editorLeaksBitmap, fault == Fault::editorLeaksMemory,
                              fault == Fault::editorKeepsClass});
  }

  void setParameterValue(std::int32_t index, float value) override {
    if (index < 0 || index >= parameters) return;
    if (fault == Fault::swappedValues && (index == 0 || index == 2)) index = 2 - index;
    values[currentProgram][index] = value;
    if (fault == Fault::echo) callHost(hostParameterChanged, index, 0, nullptr, value);
  }
  float getParameterValue(std::int32_t index) override {
    return index >= 0 && index < parameters ? values[currentProgram][index] : 0.0f;
  }
  void selectProgram(std::int32_t program) override { currentProgram = program; }
  HostWord dispatch(std::int32_t opcode, std::int32_t index, HostWord value, void* ptr, float opt) override {
    if (fault == Fault::anyProgram && opcode == opSelectProgram) {
      currentProgram = static_cast<std::int32_t>(value) & 3;  // wrong, but stays inside the store
      return 0;
    }
    return EffectBase::dispatch(opcode, index, value, ptr, opt);
  }
  // The content checks look for the window switch by this name.
  void copyParameterName(std::int32_t index, char* text) override {
    if (index == 9)
      std::strcpy(text, "Soft/Hard");
    else
      std::sprintf(text, "P%d", index);
  }
  void copyParameterText(std::int32_t index, char* text) override {
    if (fault == Fault::longText)
      std::strcpy(text, "a text far too long");
    else
      std::snprintf(text, 8, "%d", static_cast<int>(getParameterValue(index) * 100.0f));
  }
  void renameProgram(char* text) override {
    std::strncpy(names[currentProgram], text, 64);
    names[currentProgram][64] = '\0';
  }
  void copyProgramName(char* text) override { std::strcpy(text, names[currentProgram]); }

  void processReplace(float** inputs, float** outputs, std::int32_t frames) override {
    run(inputs, outputs, frames, true);
  }
  void processAccumulate(float** inputs, float** outputs, std::int32_t frames) override {
    run(inputs, outputs, frames, false);
  }

 private:
  void run(float** inputs, float** outputs, std::int32_t frames, bool replace) {
    if (fault == Fault::allocate) {
      void* volatile block = std::malloc(64);
      std::free(block);
    }
    const float gain = values[currentProgram][0] * (fault == Fault::loud ? 1000.0f : 1.0f);
    bool silent = true;
    for (std::int32_t i = 0; i < frames; ++i) {
      if (replace && fault == Fault::unwrittenSample && i == frames - 1) break;
      for (int c = 0; c < 2; ++c) {
        // Input too small to matter is taken as silence: no subnormal arithmetic.
        const float x = std::fabs(inputs[c][i]) < 1e-30f ? 0.0f : inputs[c][i];
        silent = silent && inputs[c][i] == 0.0f;
        state[c] = 0.5f * state[c] + 0.5f * x;
        if (std::fabs(state[c]) < 1e-30f) state[c] = 0.0f;  // decays no further than that
        float y = state[c] * gain;
        if (fault == Fault::subnormalOutput && x == 0.0f) y = 1e-40f;
        outputs[c][i] = replace ? y : outputs[c][i] + y;
      }
    }
    for (float& s : state)
      if (!std::isfinite(s) && fault != Fault::stickyNan) s = 0.0f;
    if (frames <= 0 || !replace) return;
    if (fault == Fault::writePastEnd) outputs[0][frames] = 0.0f;
    if (fault == Fault::writeBeforeStart) outputs[1][-1] = 0.0f;
    if (fault == Fault::writeInput) inputs[0][0] = 0.0f;
    if (fault == Fault::slowSilence && silent) burn(frames);
  }

  static void burn(std::int32_t frames) {
    volatile float sink = 0.0f;
    for (std::int32_t i = 0; i < frames * 400; ++i) sink = sink + 1.0f;
  }

  const Fault fault;
  float ownStore[programs][parameters];
  float (*values)[parameters];
  float state[2] = {0.0f, 0.0f};
  char names[programs][65] = {"one", "two", "three", "four", "five"};
};
}  // namespace

EffectBase* createEffect(HostCallback callback) { return new (std::nothrow) FaultyEffect(callback); }

}  // namespace sweepfilter
