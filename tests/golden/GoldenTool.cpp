// The golden cases from the command line: regenerate the expected hashes,
// write a case's input as a WAV file and check a rendered WAV against the
// case or against being a scaled copy of its input, or dump and compare raw
// outputs to find where two builds part.
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "GoldenRunner.h"
#include "InstanceUnderTest.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace sweepfilter {
namespace {
std::string hex(std::uint64_t value) {
  char text[19];
  std::snprintf(text, sizeof text, "0x%016" PRIx64, value);
  return text;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "golden_tool: %s\n", message.c_str());
  return 1;
}

bool render(const GoldenCase& c, StereoSignal& output, std::string& error) {
  const PluginInstance instance = instanceUnderTest(&error);
  if (!instance) return false;
  output = runGoldenCase(instance, c);
  return true;
}

int writeHashes(const char* path) {
  std::FILE* out = path ? std::fopen(path, "w") : stdout;
  if (!out) return fail(std::string("cannot write ") + path);
  std::fprintf(out, "// Output hashes of the golden cases, written by \"golden_tool hashes\" from the native build.\n");
  for (const GoldenCase& c : goldenCases()) {
    StereoSignal output;
    std::string error;
    if (!render(c, output, error)) return fail(error);
    std::fprintf(out, "{\"%s\", %su},\n", c.name.c_str(), hex(hashOutput(output)).c_str());
  }
  return (path ? std::fclose(out) : std::fflush(out)) == 0 ? 0 : fail("cannot write the hashes");
}

int writeInput(const GoldenCase& c, const std::string& path, SampleFormat format) {
  if (c.sampleRate != std::floor(c.sampleRate) || c.automation != Automation::none)
    return fail(c.name + " cannot be carried by a WAV file");
  const StereoSignal input = generateSignal(c.signal, c.frames);
  const std::uint16_t channels = isMono(c.signal) ? 1 : 2;
  std::ofstream file(path, std::ios::binary);
  WavWriter writer(file, {channels, static_cast<std::uint32_t>(c.sampleRate), format});
  const float* data[2] = {input.left.data(), input.right.data()};
  if (!writer.write(data, c.frames) || !writer.finish()) return fail(path + ": " + writer.error());
  return 0;
}

// A stereo WAV file's samples; empty, with a message, where it has none.
std::optional<StereoSignal> readStereo(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  WavReader reader(file);
  const auto frames = static_cast<std::size_t>(reader.frames());
  StereoSignal signal{std::vector<float>(frames), std::vector<float>(frames)};
  float* data[2] = {signal.left.data(), signal.right.data()};
  if (reader.ok() && reader.format().channels == 2 && reader.read(data, frames) == frames) return signal;
  error = path + ": " + (reader.ok() ? std::string("not stereo") : reader.error());
  return std::nullopt;
}

int checkOutput(const GoldenCase& c, const std::string& path) {
  std::string error;
  const auto output = readStereo(path, error);
  if (!output) return fail(error);
  if (output->left.size() != c.frames) return fail(path + " is not " + std::to_string(c.frames) + " stereo frames");
  const auto expected = expectedHash(c.name);
  if (!expected) return fail("no expected hash for " + c.name);
  const std::uint64_t hash = hashOutput(*output);
  if (hash != *expected)
    return fail(path + " hashes to " + hex(hash) + ", not to " + hex(*expected) + ", the output of " + c.name);
  std::printf("%s: the output of %s\n", path.c_str(), c.name.c_str());
  return 0;
}

// Fails where either channel of the output is the input times a constant
// (within 0.1 % of its energy): an effect that only scaled what it was given.
int checkFiltered(const std::string& inputPath, const std::string& outputPath) {
  std::string error;
  const auto input = readStereo(inputPath, error);
  const auto output = input ? readStereo(outputPath, error) : std::nullopt;
  if (!output) return fail(error);
  if (output->left.size() != input->left.size()) return fail(outputPath + " is not as long as " + inputPath);
  for (const auto& [x, y] : {std::pair{&input->left, &output->left}, std::pair{&input->right, &output->right}}) {
    double xx = 0.0, xy = 0.0, yy = 0.0;
    for (std::size_t i = 0; i < x->size(); ++i) {
      xx += double((*x)[i]) * (*x)[i];
      xy += double((*x)[i]) * (*y)[i];
      yy += double((*y)[i]) * (*y)[i];
    }
    const double scale = xx > 0.0 ? xy / xx : 0.0;
    const double residual = yy > 0.0 ? (yy - scale * xy) / yy : 0.0;  // energy not explained by scale * input
    std::printf("%s: %.4f of the energy is not %.4f times the input\n", outputPath.c_str(), residual, scale);
    if (!(residual > 1e-3)) return fail(outputPath + " is a scaled copy of " + inputPath);
  }
  return 0;
}

int dump(const GoldenCase& c, const std::string& path) {
  StereoSignal output;
  std::string error;
  if (!render(c, output, error)) return fail(error);
  std::vector<float> interleaved;
  for (std::size_t i = 0; i < c.frames; ++i) interleaved.insert(interleaved.end(), {output.left[i], output.right[i]});
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(interleaved.data()),
             static_cast<std::streamsize>(interleaved.size() * sizeof(float)));
  return file ? 0 : fail("cannot write " + path);
}

std::vector<float> readRaw(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<float> samples;
  float sample;
  while (file.read(reinterpret_cast<char*>(&sample), sizeof sample)) samples.push_back(sample);
  return samples;
}

// Where two dumps of a case first differ, in the case's blocks and windows.
int diff(const GoldenCase& c, const std::string& pathA, const std::string& pathB) {
  const std::vector<float> a = readRaw(pathA), b = readRaw(pathB);
  if (a.size() != 2 * c.frames || b.size() != 2 * c.frames) return fail("the dumps are not of " + c.name);
  std::size_t first = a.size(), count = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::memcmp(&a[i], &b[i], sizeof(float)) == 0) continue;
    if (count++ == 0) first = i;
  }
  if (count == 0) {
    std::printf("%s: the dumps are identical\n", c.name.c_str());
    return 0;
  }
  const std::size_t frame = first / 2;
  std::size_t block = 0, start = 0;
  for (std::size_t size; start + (size = static_cast<std::size_t>(c.blocks[block % c.blocks.size()])) <= frame; ++block)
    start += size;
  const std::size_t offset = frame - start;
  std::printf("%s: %zu samples differ; the first is frame %zu, %s channel: %.9g against %.9g\n", c.name.c_str(), count,
              frame, first % 2 ? "right" : "left", static_cast<double>(a[first]), static_cast<double>(b[first]));
  std::printf(
      "  block %zu, frame %zu of the block: %zu frames after the last 64-frame window end, %zu after the "
      "last 512-frame one\n",
      block, offset, offset % 64, offset % 512);
  return 1;
}

std::optional<SampleFormat> formatOption(int argc, char** argv) {
  if (argc == 0) return SampleFormat::float32;
  if (argc == 2 && std::strcmp(argv[0], "--format") == 0) {
    if (std::strcmp(argv[1], "f32") == 0) return SampleFormat::float32;
    if (std::strcmp(argv[1], "s16") == 0) return SampleFormat::pcm16;
    if (std::strcmp(argv[1], "s24") == 0) return SampleFormat::pcm24;
  }
  return std::nullopt;
}

int usage() {
  std::fprintf(stderr,
               "usage: golden_tool hashes [FILE]\n"
               "       golden_tool write CASE IN.wav [--format f32|s16|s24]\n"
               "       golden_tool check CASE OUT.wav\n"
               "       golden_tool filtered IN.wav OUT.wav\n"
               "       golden_tool dump CASE FILE.raw\n"
               "       golden_tool diff CASE A.raw B.raw\n");
  return 2;
}
}  // namespace
}  // namespace sweepfilter

int main(int argc, char** argv) {
  using namespace sweepfilter;
  if (argc < 2) return usage();
  const std::string command = argv[1];
  if (command == "hashes" && argc <= 3) return writeHashes(argc == 3 ? argv[2] : nullptr);
  if (argc < 4) return usage();
  if (command == "filtered" && argc == 4) return checkFiltered(argv[2], argv[3]);
  const GoldenCase* c = findGoldenCase(argv[2]);
  if (!c) return fail(std::string("no case named '") + argv[2] + "'");
  if (command == "write") {
    const auto format = formatOption(argc - 4, argv + 4);
    return format ? writeInput(*c, argv[3], *format) : usage();
  }
  if (command == "check" && argc == 4) return checkOutput(*c, argv[3]);
  if (command == "dump" && argc == 4) return dump(*c, argv[3]);
  if (command == "diff" && argc == 5) return diff(*c, argv[3], argv[4]);
  return usage();
}
