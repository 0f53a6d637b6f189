// The dispatcher: every opcode with extreme arguments and null pointers,
// texts that stay inside their buffers, program numbers out of range.
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "BlockRun.h"
#include "Checks.h"
#include "GuardedText.h"

namespace sweepfilter {

namespace {
constexpr std::int32_t firstOpcode = -10;
constexpr std::int32_t lastOpcode = 100;
constexpr std::int32_t indexExtremes[] = {INT_MIN, -1, 0, 1, 11, 12, 127, INT_MAX};
constexpr HostWord valueExtremes[] = {std::numeric_limits<HostWord>::min(), INT_MIN, -1, 0, 1, 5, INT_MAX,
                                      std::numeric_limits<HostWord>::max()};
const float optExtremes[] = {0.0f, -1.0f, 1.0f, 1e-30f, 44100.0f, 1e30f, std::nanf(""), INFINITY, -INFINITY};

// Opcodes the sweep leaves to their own checks: close ends the instance, and
// opening an editor needs a window (with a null one it is swept like the rest).
bool sweptWithPointer(std::int32_t opcode) { return opcode != opClose && opcode != opEditorOpen; }

// A block at whatever rate and size the sweep left behind must still be
// processed safely and give finite output.
std::string processAfterSweep(const PluginInstance& instance, std::mt19937& rng) {
  StereoBuffers buffers(600, false);
  testSignal::noise(buffers.inputs()[0], 600, rng);
  testSignal::noise(buffers.inputs()[1], 600, rng);
  BlockRun run = runBlock(instance, OutputRule::replace, buffers, 600);
  return run.damage.empty() ? (run.facts.finite() ? "" : "output not finite") : run.damage;
}

void opcodeSweep(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const HostWord identify = instance.dispatch(opIdentify);
  long long calls = 0;
  std::size_t opt = 0;
  for (std::int32_t opcode = firstOpcode; opcode <= lastOpcode; ++opcode) {
    if (opcode == opClose) continue;
    for (std::int32_t index : indexExtremes)
      for (HostWord value : valueExtremes) {
        instance.dispatch(opcode, index, value, nullptr, optExtremes[opt++ % std::size(optExtremes)]);
        ++calls;
      }
    if (sweptWithPointer(opcode)) {
      for (std::int32_t index : {0, 1, -1}) {
        GuardedText buffer;
        std::strcpy(buffer.data(), "validator");
        // A size that matches the buffer: the state opcode reads that many bytes.
        const HostWord size = opcode == opLoadState ? static_cast<HostWord>(GuardedText::area) : index;
        instance.dispatch(opcode, index, size, buffer.data(), 44100.0f);
        ++calls;
        if (std::string p = buffer.guardProblem(); !p.empty())
          check.fail(formatText("opcode %d, index %d: %s", opcode, index, p.c_str()));
      }
    }
    if (std::string p = processAfterSweep(instance, context.rng); !p.empty())
      check.fail(formatText("after opcode %d: %s", opcode, p.c_str()));
  }
  if (instance.dispatch(opIdentify) != identify) check.fail("the identify answer changed during the sweep");
  const std::int32_t program = instance.program();
  if (program < 0 || program >= context.programCount)
    check.fail(formatText("the current program is %d after the sweep", program));
  check.figure(
      formatText("opcodes %d to %d, %lld calls with extreme indices, values and rates, null pointers and "
                 "guarded buffers",
                 firstOpcode, lastOpcode, calls));
}

const float valueTextProbes[] = {0.0f,    0.5f,     1.0f,   -1.0f,   1.5f,          1e6f,     -1e6f,
                                 FLT_MAX, -FLT_MAX, 1e-40f, -1e-40f, std::nanf(""), INFINITY, -INFINITY};

void textOpcodes(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  std::size_t longest[9] = {};
  const auto read = [&](std::int32_t opcode, std::int32_t index, const char* what) {
    const TextRead r = readText(instance, opcode, index);
    if (!r.problem.empty()) check.fail(formatText("%s %d: %s", what, index, r.problem.c_str()));
    longest[opcode] = std::max(longest[opcode], r.text.size());
  };
  for (std::int32_t index = -2; index <= context.parameterCount + 1; ++index) {
    read(opGetParameterName, index, "name of parameter");
    read(opGetParameterLabel, index, "label of parameter");
  }
  for (std::int32_t index : {INT_MIN, INT_MAX}) {
    read(opGetParameterName, index, "name of parameter");
    read(opGetParameterText, index, "text of parameter");
  }
  for (std::int32_t index = 0; index < context.parameterCount; ++index) {
    const float original = instance.get(index);
    for (float value : valueTextProbes) {
      instance.set(index, value);
      read(opGetParameterText, index, formatText("text for %g of parameter", static_cast<double>(value)).c_str());
    }
    instance.set(index, original);
  }
  for (std::int32_t program = 0; program < context.programCount; ++program) {
    instance.selectProgram(program);
    read(opGetProgramName, program, "name of program");
  }

  // Renaming: a long name is cut to the longest a program name may be.
  const std::string full(longestProgramName, 'n');
  for (const std::string& name : {std::string(100, 'x'), full, std::string()}) {
    std::string copy = name;
    instance.dispatch(opRenameProgram, 0, 0, copy.data());
    const TextRead r = readText(instance, opGetProgramName);
    const std::string expected = name.substr(0, longestProgramName);
    if (!r.problem.empty())
      check.fail(formatText("renamed to %zu characters: %s", name.size(), r.problem.c_str()));
    else if (r.text != expected)
      check.fail(formatText("renamed to %zu characters, reads back %zu", name.size(), r.text.size()));
    longest[opGetProgramName] = std::max(longest[opGetProgramName], r.text.size());
  }
  check.figure(
      formatText("longest texts: names %zu, labels %zu, value texts %zu (of %zu allowed), program names %zu "
                 "(of %zu)",
                 longest[opGetParameterName], longest[opGetParameterLabel], longest[opGetParameterText],
                 longestParameterString, longest[opGetProgramName], longestProgramName));
}

void programsOutOfRange(Check& check, ValidationContext& context) {
  PluginInstance instance = context.library.createInstance();
  if (!instance) return check.fail(context.library.error());
  const std::int32_t kept = context.programCount > 1 ? 1 : 0;
  instance.selectProgram(kept);
  std::vector<float> values;
  for (std::int32_t i = 0; i < context.parameterCount; ++i) values.push_back(instance.get(i));
  const std::string name = readText(instance, opGetProgramName).text;
  const HostWord outside[] = {-1,
                              context.programCount,
                              context.programCount + 1,
                              INT_MIN,
                              INT_MAX,
                              std::numeric_limits<HostWord>::min(),
                              std::numeric_limits<HostWord>::max()};
  for (HostWord program : outside) {
    instance.dispatch(opSelectProgram, 0, program);
    const std::string label = formatText("program %lld", static_cast<long long>(program));
    if (instance.program() != kept) check.fail(label + " changed the current program");
    for (std::int32_t i = 0; i < context.parameterCount; ++i)
      if (!sameBits(values[i], instance.get(i))) check.fail(formatText("%s changed parameter %d", label.c_str(), i));
    if (readText(instance, opGetProgramName).text != name) check.fail(label + " changed the program name");
    if (std::string p = processAfterSweep(instance, context.rng); !p.empty()) check.fail(label + ": " + p);
  }
  check.figure(formatText("%zu program numbers outside 0 to %d ignored", std::size(outside), context.programCount - 1));
}
}  // namespace

void dispatcherChecks(CheckRunner& runner, ValidationContext& context) {
  runner.run("dispatcher: every opcode with extreme arguments", [&](Check& c) { opcodeSweep(c, context); });
  runner.run("dispatcher: texts stay within their buffers", [&](Check& c) { textOpcodes(c, context); });
  runner.run("dispatcher: program numbers out of range", [&](Check& c) { programsOutOfRange(c, context); });
}

}  // namespace sweepfilter
