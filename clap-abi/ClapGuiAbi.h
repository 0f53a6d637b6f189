#pragma once

// The panel's extensions, the plug-in's and the host's halves, from the same
// published layouts.
#include "ClapAbi.h"

extern "C" {

struct clap_window {
  const char* api;
  union {
    void* cocoa;
    void* uikit;
    unsigned long x11;
    void* win32;
    void* ptr;
  };
};

struct clap_gui_resize_hints {
  bool can_resize_horizontally;
  bool can_resize_vertically;
  bool preserve_aspect_ratio;
  std::uint32_t aspect_ratio_width;
  std::uint32_t aspect_ratio_height;
};

struct clap_plugin_gui {
  bool (*is_api_supported)(const clap_plugin*, const char* api, bool is_floating);
  bool (*get_preferred_api)(const clap_plugin*, const char** api, bool* is_floating);
  bool (*create)(const clap_plugin*, const char* api, bool is_floating);
  void (*destroy)(const clap_plugin*);
  bool (*set_scale)(const clap_plugin*, double scale);
  bool (*get_size)(const clap_plugin*, std::uint32_t* width, std::uint32_t* height);
  bool (*can_resize)(const clap_plugin*);
  bool (*get_resize_hints)(const clap_plugin*, clap_gui_resize_hints* hints);
  bool (*adjust_size)(const clap_plugin*, std::uint32_t* width, std::uint32_t* height);
  bool (*set_size)(const clap_plugin*, std::uint32_t width, std::uint32_t height);
  bool (*set_parent)(const clap_plugin*, const clap_window* window);
  bool (*set_transient)(const clap_plugin*, const clap_window* window);
  void (*suggest_title)(const clap_plugin*, const char* title);
  bool (*show)(const clap_plugin*);
  bool (*hide)(const clap_plugin*);
};

struct clap_host_gui {
  void (*resize_hints_changed)(const clap_host*);
  bool (*request_resize)(const clap_host*, std::uint32_t width, std::uint32_t height);
  bool (*request_show)(const clap_host*);
  bool (*request_hide)(const clap_host*);
  void (*closed)(const clap_host*, bool was_destroyed);
};

struct clap_plugin_timer_support {
  void (*on_timer)(const clap_plugin*, clap_id timer_id);
};

struct clap_host_timer_support {
  bool (*register_timer)(const clap_host*, std::uint32_t period_ms, clap_id* timer_id);
  bool (*unregister_timer)(const clap_host*, clap_id timer_id);
};

struct clap_plugin_posix_fd_support {
  void (*on_fd)(const clap_plugin*, int fd, std::uint32_t flags);
};

struct clap_host_posix_fd_support {
  bool (*register_fd)(const clap_host*, int fd, std::uint32_t flags);
  bool (*modify_fd)(const clap_host*, int fd, std::uint32_t flags);
  bool (*unregister_fd)(const clap_host*, int fd);
};

}  // extern "C"

inline constexpr const char* CLAP_EXT_GUI = "clap.gui";
inline constexpr const char* CLAP_EXT_TIMER_SUPPORT = "clap.timer-support";
inline constexpr const char* CLAP_EXT_POSIX_FD_SUPPORT = "clap.posix-fd-support";
inline constexpr const char* CLAP_WINDOW_API_X11 = "x11";
inline constexpr const char* CLAP_WINDOW_API_WIN32 = "win32";
inline constexpr std::uint32_t CLAP_POSIX_FD_READ = 1;

CLAP_CHECK_LAYOUT(clap_window, 16, x11, 8);
CLAP_CHECK_LAYOUT(clap_gui_resize_hints, 12, aspect_ratio_height, 8);
CLAP_CHECK_LAYOUT(clap_plugin_gui, 120, hide, 112);
CLAP_CHECK_LAYOUT(clap_host_gui, 40, closed, 32);
CLAP_CHECK_LAYOUT(clap_plugin_timer_support, 8, on_timer, 0);
CLAP_CHECK_LAYOUT(clap_host_timer_support, 16, unregister_timer, 8);
CLAP_CHECK_LAYOUT(clap_plugin_posix_fd_support, 8, on_fd, 0);
CLAP_CHECK_LAYOUT(clap_host_posix_fd_support, 24, unregister_fd, 16);
