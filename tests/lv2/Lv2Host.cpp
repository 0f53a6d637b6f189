#include "Lv2Host.h"

#include <lv2/atom/atom.h>
#include <lv2/presets/presets.h>
#include <lv2/time/time.h>
#include <lv2/urid/urid.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

#include "BundleFacts.h"
#include "FactoryPrograms.h"
#include "PortValues.h"

namespace sweepfilter {

namespace {
// lilv's state needs URIDs; a list is enough for a test.
LV2_URID mapUri(LV2_URID_Map_Handle handle, const char* uri) {
  auto& uris = *static_cast<std::vector<std::string>*>(handle);
  for (std::size_t i = 0; i < uris.size(); ++i)
    if (uris[i] == uri) return static_cast<LV2_URID>(i + 1);
  uris.emplace_back(uri);
  return static_cast<LV2_URID>(uris.size());
}
}  // namespace

Lv2World::Lv2World() : world_(lilv_world_new()) {
  lilv_world_load_all(world_);
  plugin_ = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world_), uri(pluginUri));
}

Lv2World::~Lv2World() {
  for (LilvNode* node : nodes_) lilv_node_free(node);
  lilv_world_free(world_);
}

LilvNode* Lv2World::uri(const char* text) { return nodes_.emplace_back(lilv_new_uri(world_, text)); }

std::vector<Lv2World::Preset> Lv2World::presets() {
  std::vector<std::string> uris;
  LV2_URID_Map map{&uris, mapUri};
  std::vector<Preset> found;
  LilvNodes* related = lilv_plugin_get_related(plugin_, uri(LV2_PRESETS__Preset));
  LILV_FOREACH(nodes, i, related) {
    const LilvNode* node = lilv_nodes_get(related, i);
    lilv_world_load_resource(world_, node);
    LilvState* state = lilv_state_new_from_world(world_, &map, node);
    if (!state) continue;
    Preset& preset = found.emplace_back();
    preset.label = lilv_state_get_label(state) ? lilv_state_get_label(state) : "";
    std::fill(std::begin(preset.values), std::end(preset.values), NAN);
    struct Target {
      LilvWorld* world;
      const LilvPlugin* plugin;
      Preset* preset;
    } target{world_, plugin_, &preset};
    lilv_state_emit_port_values(
        state,
        [](const char* symbol, void* user, const void* value, std::uint32_t size, std::uint32_t) {
          const auto& t = *static_cast<Target*>(user);
          LilvNode* name = lilv_new_string(t.world, symbol);
          const LilvPort* port = lilv_plugin_get_port_by_symbol(t.plugin, name);
          lilv_node_free(name);
          const std::uint32_t index = port ? lilv_port_get_index(t.plugin, port) : numParameters;
          if (index < numParameters && size == sizeof(float)) std::memcpy(&t.preset->values[index], value, size);
          if (index == lfoSyncPort && size == sizeof(float)) std::memcpy(&t.preset->lfoSync, value, size);
        },
        &target);
    lilv_state_free(state);
  }
  lilv_nodes_free(related);
  return found;
}

Lv2Instance::Lv2Instance(const Lv2World& world, double sampleRate, bool mapsUris) {
  map_.map = mapUri;
  const LV2_Feature mapFeature{LV2_URID__map, &map_};
  const LV2_Feature* features[] = {mapsUris ? &mapFeature : nullptr, nullptr};
  instance_ = world.plugin() ? lilv_plugin_instantiate(world.plugin(), sampleRate, features) : nullptr;
  if (!instance_) return;
  for (std::int32_t index = 0; index < numParameters; ++index)
    lilv_instance_connect_port(instance_, static_cast<std::uint32_t>(index), &controls_[index]);
  lilv_instance_connect_port(instance_, lfoSyncPort, &lfoSync_);
  lilv_instance_connect_port(instance_, songPort, song_);
  setProgram(0);
  clearSong();
}

void Lv2Instance::clearSong() {
  song_[0] = sizeof(LV2_Atom_Sequence_Body);
  song_[1] = id(LV2_ATOM__Sequence);
}

void Lv2Instance::send(const SongPosition& p) {
  std::uint32_t* event = song_ + 2 + song_[0] / 4;
  std::memcpy(event, &p.frame, sizeof p.frame);
  event[3] = id(LV2_ATOM__Object);
  event[5] = id(LV2_TIME__Position);
  std::uint32_t* at = event + 6;
  const std::tuple<const char*, double, const char*> fields[] = {
      {LV2_TIME__speed, p.speed, LV2_ATOM__Float},
      {LV2_TIME__beatsPerMinute, p.beatsPerMinute, LV2_ATOM__Float},
      {LV2_TIME__bar, p.bar, LV2_ATOM__Long},
      {LV2_TIME__barBeat, p.barBeat, LV2_ATOM__Float},
      {LV2_TIME__beatsPerBar, p.beatsPerBar, LV2_ATOM__Float},
      {LV2_TIME__beatUnit, p.beatUnit, LV2_ATOM__Int}};
  for (const auto& [key, value, timeType] : fields) {
    if (std::isnan(value) && !p.type) continue;
    const std::string type = p.type ? p.type : timeType;
    const auto put = [at](auto number) {
      at[2] = sizeof number;
      std::memcpy(at + 4, &number, sizeof number);
    };
    if (type == LV2_ATOM__Double)
      put(value);
    else if (type == LV2_ATOM__Long)
      put(static_cast<std::int64_t>(value));
    else if (type == LV2_ATOM__Int)
      put(static_cast<std::int32_t>(value));
    else
      put(static_cast<float>(value));  // an atom:Float, or a type that is no number
    at[0] = id(key);
    at[3] = id(type.c_str());
    at += 6;
  }
  event[2] = static_cast<std::uint32_t>(at - event - 4) * 4;
  song_[0] = static_cast<std::uint32_t>(at - song_ - 2) * 4;
}

Lv2Instance::~Lv2Instance() {
  if (instance_) lilv_instance_free(instance_);
}

void Lv2Instance::setProgram(std::int32_t program) {
  for (std::int32_t index = 0; index < numParameters; ++index)
    controls_[index] = *portValueOf(index, factoryPrograms[program].values[index]);
}

void Lv2Instance::connectAudio(const float* left, const float* right, float* outLeft, float* outRight) {
  lilv_instance_connect_port(instance_, audioInLeftPort, const_cast<float*>(left));
  lilv_instance_connect_port(instance_, audioInRightPort, const_cast<float*>(right));
  lilv_instance_connect_port(instance_, audioOutLeftPort, outLeft);
  lilv_instance_connect_port(instance_, audioOutRightPort, outRight);
}

}  // namespace sweepfilter
