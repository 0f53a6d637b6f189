#pragma once

#include <lilv/lilv.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Parameters.h"

namespace sweepfilter {

// The bundle as a host finds it: lilv's world loaded from LV2_PATH (the
// build's bundle folder), the plug-in looked up by its URI.
class Lv2World {
 public:
  Lv2World();
  ~Lv2World();
  Lv2World(const Lv2World&) = delete;
  Lv2World& operator=(const Lv2World&) = delete;

  LilvWorld* world() const { return world_; }
  const LilvPlugin* plugin() const { return plugin_; }  // null if not found
  LilvNode* uri(const char* text);                      // freed with the world

  // Each factory preset's label and its port values by port index, read
  // through lilv's preset API.
  struct Preset {
    std::string label;
    float values[numParameters];
  };
  std::vector<Preset> presets();

 private:
  LilvWorld* world_;
  const LilvPlugin* plugin_ = nullptr;
  std::vector<LilvNode*> nodes_;
};

// One instance with its stereo buffers connected and every control port
// connected to a value of its own.
class Lv2Instance {
 public:
  Lv2Instance(const Lv2World& world, double sampleRate);
  ~Lv2Instance();
  Lv2Instance(const Lv2Instance&) = delete;
  Lv2Instance& operator=(const Lv2Instance&) = delete;

  bool valid() const { return instance_ != nullptr; }
  LilvInstance* lilv() const { return instance_; }
  float& port(std::int32_t index) { return controls_[index]; }
  void setProgram(std::int32_t program);  // every port to a factory program's values
  void connectAudio(const float* left, const float* right, float* outLeft, float* outRight);
  void run(std::uint32_t frames) { lilv_instance_run(instance_, frames); }

 private:
  LilvInstance* instance_;
  float controls_[numParameters] = {};
};

}  // namespace sweepfilter
