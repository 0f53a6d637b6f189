#pragma once

#include <lilv/lilv.h>
#include <lv2/urid/urid.h>

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
    float lfoSync = -1.0f;
  };
  std::vector<Preset> presets();

 private:
  LilvWorld* world_;
  const LilvPlugin* plugin_ = nullptr;
  std::vector<LilvNode*> nodes_;
};

// A time:Position object as a host sends it: a NaN field is not sent. Each
// field has the type time: gives it, or all have `type` (an atom type's URI).
struct SongPosition {
  std::int64_t frame;
  double speed, beatsPerMinute, bar, barBeat, beatsPerBar, beatUnit;
  const char* type = nullptr;
};

// One instance with its stereo buffers connected, every control port
// connected to a value of its own and an atom sequence on the song's port,
// given the host's urid:map unless told otherwise.
class Lv2Instance {
 public:
  Lv2Instance(const Lv2World& world, double sampleRate, bool mapsUris = true);
  ~Lv2Instance();
  Lv2Instance(const Lv2Instance&) = delete;
  Lv2Instance& operator=(const Lv2Instance&) = delete;

  bool valid() const { return instance_ != nullptr; }
  LilvInstance* lilv() const { return instance_; }
  float& port(std::int32_t index) { return controls_[index]; }
  float& lfoSync() { return lfoSync_; }
  // The song's port: emptied, then positions added at their frames. Its
  // 32-bit words, for tests that spoil what a host wrote.
  void clearSong();
  void send(const SongPosition& position);
  std::uint32_t* songWords() { return song_; }
  void setProgram(std::int32_t program);  // every port to a factory program's values
  void connectAudio(const float* left, const float* right, float* outLeft, float* outRight);
  void run(std::uint32_t frames) { lilv_instance_run(instance_, frames); }

 private:
  LilvInstance* instance_;
  float controls_[numParameters] = {};
  float lfoSync_ = 0.0f;
  alignas(8) std::uint32_t song_[8192] = {};
  std::vector<std::string> uris_;
  LV2_URID_Map map_{&uris_, nullptr};
  LV2_URID id(const char* uri) { return map_.map(map_.handle, uri); }
};

}  // namespace sweepfilter
