// Writes the bundle's description from the parameter table and the factory
// programs, at build time: manifest.ttl, sweepfilter.ttl and presets.ttl.
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>

#include "BundleFacts.h"
#include "FactoryPrograms.h"
#include "LfoSync.h"
#include "ParameterTable.h"
#include "PortValues.h"

namespace sweepfilter {

namespace {

constexpr const char* prefixes =
    "@prefix atom:  <http://lv2plug.in/ns/ext/atom#> .\n"
    "@prefix doap:  <http://usefulinc.com/ns/doap#> .\n"
    "@prefix lv2:   <http://lv2plug.in/ns/lv2core#> .\n"
    "@prefix opts:  <http://lv2plug.in/ns/ext/options#> .\n"
    "@prefix pg:    <http://lv2plug.in/ns/ext/port-groups#> .\n"
    "@prefix pset:  <http://lv2plug.in/ns/ext/presets#> .\n"
    "@prefix rdf:   <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
    "@prefix rdfs:  <http://www.w3.org/2000/01/rdf-schema#> .\n"
    "@prefix time:  <http://lv2plug.in/ns/ext/time#> .\n"
    "@prefix ui:    <http://lv2plug.in/ns/extensions/ui#> .\n"
    "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
    "@prefix urid:  <http://lv2plug.in/ns/ext/urid#> .\n\n";

// No licence has been granted: the description says so rather than name one.
constexpr const char* licenceUri = "urn:sweepfilter:licence:all-rights-reserved";

std::string uri(const std::string& text) { return "<" + text + ">"; }
std::string presetUri(std::int32_t program) { return std::string(pluginUri) + ":preset:" + std::to_string(program); }
std::string groupUri(const char* group) { return std::string(pluginUri) + ":group:" + group; }

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out + "\"";
}

// The shortest Turtle decimal that reads back as exactly this float.
std::string number(float value) {
  char text[32];
  for (int decimals = 1; decimals <= 12; ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) break;
  }
  return text;
}

// The port value of a program's setting; every factory value must have one.
float portValue(std::int32_t program, std::int32_t index) {
  const auto value = portValueOf(index, factoryPrograms[program].values[index]);
  if (!value)
    throw std::runtime_error("program " + std::to_string(program) + ": no port value gives \"" +
                             parameterTable[index].name + "\" its value back exactly");
  return *value;
}

void writeManifest(std::ostream& out) {
  out << prefixes;
  out << uri(pluginUri) << "\n    a lv2:Plugin ;\n    lv2:binary <" << binaryName << "> ;\n    ui:ui " << uri(uiUri)
      << " ;\n    rdfs:seeAlso <sweepfilter.ttl> .\n";
  // The panel: embedded in the host's window, run from its idle calls, told
  // every control's value, drawn at the scale factor the host passes,
  // telling a host that listens when the user grabs and releases a control.
  out << "\n"
      << uri(uiUri) << "\n    a ui:X11UI ;\n    ui:binary <" << uiBinaryName
      << "> ;\n    lv2:requiredFeature ui:idleInterface , ui:parent ;\n"
      << "    lv2:optionalFeature ui:resize , ui:touch , opts:options , urid:map ;\n"
      << "    opts:supportedOption ui:scaleFactor ;\n"
      << "    lv2:extensionData ui:idleInterface ;\n    ui:portNotification";
  // The panel shows every control port, "LFO sync" after the twelve.
  for (std::int32_t index = 0; index <= numParameters; ++index)
    out << (index ? " , [\n" : " [\n") << "        ui:plugin " << uri(pluginUri) << " ;\n        lv2:symbol "
        << quoted(index < numParameters ? parameterTable[index].symbol : lfoSyncSymbol)
        << " ;\n        ui:protocol ui:floatProtocol\n    ]";
  out << " .\n";
  for (std::int32_t program = 0; program < numPrograms; ++program)
    out << "\n"
        << uri(presetUri(program)) << "\n    a pset:Preset ;\n    lv2:appliesTo " << uri(pluginUri)
        << " ;\n    rdfs:seeAlso <presets.ttl> .\n";
}

// An enumerated integer port's settings, each with its text.
void writeSettings(std::ostream& out, std::int32_t count, const std::function<const char*(std::int32_t)>& text) {
  out << " ;\n        lv2:portProperty lv2:enumeration , lv2:integer ;\n        lv2:scalePoint";
  for (std::int32_t setting = 0; setting < count; ++setting)
    out << (setting ? " ," : "") << " [ rdfs:label " << quoted(text(setting)) << " ; rdf:value "
        << number(static_cast<float>(setting)) << " ]";
}

void writeControlPort(std::ostream& out, std::int32_t index) {
  const ParameterFacts& facts = parameterTable[index];
  out << "        a lv2:InputPort , lv2:ControlPort ;\n"
      << "        lv2:index " << index << " ;\n"
      << "        lv2:symbol " << quoted(facts.symbol) << " ;\n"
      << "        lv2:name " << quoted(facts.name) << " ;\n"
      << "        lv2:default " << number(portValue(0, index)) << " ;\n"
      << "        lv2:minimum " << number(facts.shownMinimum) << " ;\n"
      << "        lv2:maximum " << number(facts.shownMaximum) << " ;\n"
      << "        pg:group " << uri(groupUri(facts.group));
  if (facts.unit) out << " ;\n        units:unit units:" << facts.unit;
  if (facts.kind == ValueKind::toggle) out << " ;\n        lv2:portProperty lv2:toggled , lv2:integer";
  if (facts.kind == ValueKind::choice)
    writeSettings(out, facts.choiceCount, [&facts](std::int32_t setting) { return facts.choices[setting]; });
}

// "LFO sync": a setting's number, its texts from the core's table.
void writeLfoSyncPort(std::ostream& out) {
  out << "        a lv2:InputPort , lv2:ControlPort ;\n"
      << "        lv2:index " << lfoSyncPort << " ;\n"
      << "        lv2:symbol " << quoted(lfoSyncSymbol) << " ;\n"
      << "        lv2:name " << quoted(lfoSyncName) << " ;\n"
      << "        lv2:default " << number(static_cast<float>(lfoSyncFree)) << " ;\n"
      << "        lv2:minimum " << number(0.0f) << " ;\n"
      << "        lv2:maximum " << number(static_cast<float>(lfoSyncSettingCount - 1)) << " ;\n"
      << "        pg:group " << uri(groupUri("lfo"));
  writeSettings(out, lfoSyncSettingCount, lfoSyncText);
}

// Where hosts send their song's position. Optional: without it (or without
// the host's urid:map) the LFO runs free.
void writeSongPort(std::ostream& out) {
  out << "        a lv2:InputPort , atom:AtomPort ;\n"
      << "        atom:bufferType atom:Sequence ;\n"
      << "        atom:supports time:Position ;\n"
      << "        lv2:portProperty lv2:connectionOptional ;\n"
      << "        lv2:index " << songPort << " ;\n"
      << "        lv2:symbol " << quoted(songPortSymbol) << " ;\n"
      << "        lv2:name " << quoted(songPortName);
}

void writeAudioPort(std::ostream& out, const AudioPort& port) {
  out << "        a lv2:" << (port.input ? "InputPort" : "OutputPort") << " , lv2:AudioPort ;\n"
      << "        lv2:index " << port.index << " ;\n"
      << "        lv2:symbol " << quoted(port.symbol) << " ;\n"
      << "        lv2:name " << quoted(port.name);
}

void writePlugin(std::ostream& out, int minorVersion, int microVersion) {
  out << prefixes;
  for (const ParameterGroup& group : parameterGroups)
    out << uri(groupUri(group.symbol)) << "\n    a pg:Group ;\n    lv2:symbol " << quoted(group.symbol)
        << " ;\n    rdfs:label " << quoted(group.name) << " .\n\n";
  out << uri(pluginUri) << "\n    a lv2:Plugin , lv2:LowpassPlugin ;\n"
      << "    doap:name \"SweepFilter\" ;\n"
      << "    doap:license " << uri(licenceUri) << " ;\n"
      << "    lv2:minorVersion " << minorVersion << " ;\n"
      << "    lv2:microVersion " << microVersion << " ;\n"
      << "    lv2:optionalFeature lv2:hardRTCapable , urid:map ;\n"
      << "    lv2:port";
  auto port = [&out, first = true](const std::function<void()>& body) mutable {
    out << (first ? " [\n" : " , [\n");
    first = false;
    body();
    out << "\n    ]";
  };
  for (std::int32_t index = 0; index < numParameters; ++index) port([&] { writeControlPort(out, index); });
  for (const AudioPort& audio : audioPorts) port([&] { writeAudioPort(out, audio); });
  port([&] { writeLfoSyncPort(out); });
  port([&] { writeSongPort(out); });
  out << " .\n";
}

void writePresets(std::ostream& out) {
  out << prefixes;
  for (std::int32_t program = 0; program < numPrograms; ++program) {
    out << uri(presetUri(program)) << "\n    a pset:Preset ;\n    lv2:appliesTo " << uri(pluginUri)
        << " ;\n    rdfs:label " << quoted(factoryPrograms[program].name) << " ;\n    lv2:port";
    for (std::int32_t index = 0; index < numParameters; ++index)
      out << (index ? " ," : "") << "\n        [ lv2:symbol " << quoted(parameterTable[index].symbol)
          << " ; pset:value " << number(portValue(program, index)) << " ]";
    out << " ,\n        [ lv2:symbol " << quoted(lfoSyncSymbol) << " ; pset:value "
        << number(static_cast<float>(lfoSyncFree)) << " ]";
    out << " .\n\n";
  }
}

// Whole or not at all: written beside the target, then renamed over it.
void writeFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) {
  std::ostringstream text;
  write(text);
  const std::filesystem::path partial = path.string() + ".partial";
  {
    std::ofstream file(partial, std::ios::binary);
    file << text.str();
    file.close();
    if (!file) throw std::runtime_error("cannot write " + partial.string());
  }
  std::filesystem::rename(partial, path);
}

}  // namespace

}  // namespace sweepfilter

int main(int argc, char** argv) {
  using namespace sweepfilter;
  if (argc != 4) {
    std::cerr << "usage: lv2_turtle BUNDLE-FOLDER MINOR-VERSION MICRO-VERSION\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    const int minor = std::stoi(argv[2]), micro = std::stoi(argv[3]);
    std::filesystem::create_directories(folder);
    writeFile(folder / "manifest.ttl", writeManifest);
    writeFile(folder / "sweepfilter.ttl", [&](std::ostream& out) { writePlugin(out, minor, micro); });
    writeFile(folder / "presets.ttl", writePresets);
  } catch (const std::exception& e) {
    std::cerr << "lv2_turtle: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
