#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sweepfilter {

// A command's arguments, split into its file arguments and its options, each
// kept in the order given.
struct CommandLine {
  std::vector<std::string> files;
  std::vector<std::pair<std::string, std::string>> options;  // name and value ("" for a flag)
};

// Options in `valued` take the next argument as their value; those in `flags`
// take none. Anything else starting with '-' is an unknown option. On failure
// returns nothing with a one-line reason in `error`.
std::optional<CommandLine> splitCommandLine(const std::vector<std::string>& args,
                                            std::initializer_list<std::string_view> valued,
                                            std::initializer_list<std::string_view> flags, std::string& error);

// Exactly `count` file arguments: otherwise the usage line when some are
// missing, or the first one too many.
bool expectFiles(const CommandLine& line, std::size_t count, const char* usage, std::string& error);

// The setting text of a CLAP plug-in's "LFO sync" when the option gives one:
// --sync SETTING, or --set "LFO sync=SETTING".
std::optional<std::string> lfoSyncOption(std::string_view name, const std::string& value);

}  // namespace sweepfilter
