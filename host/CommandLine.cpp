#include "CommandLine.h"

#include <algorithm>

namespace sweepfilter {

namespace {
bool isOneOf(const std::string& arg, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), arg) != names.end();
}
}  // namespace

std::optional<CommandLine> splitCommandLine(const std::vector<std::string>& args,
                                            std::initializer_list<std::string_view> valued,
                                            std::initializer_list<std::string_view> flags, std::string& error) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (isOneOf(arg, flags)) {
      line.options.emplace_back(arg, "");
    } else if (isOneOf(arg, valued)) {
      if (i + 1 == args.size()) {
        error = arg + " needs a value";
        return std::nullopt;
      }
      line.options.emplace_back(arg, args[++i]);
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option '" + arg + "'";
      return std::nullopt;
    } else {
      line.files.push_back(arg);
    }
  }
  return line;
}

bool expectFiles(const CommandLine& line, std::size_t count, const char* usage, std::string& error) {
  if (line.files.size() == count) return true;
  error = line.files.size() < count ? std::string("usage: plughost ") + usage
                                    : "unexpected argument '" + line.files[count] + "'";
  return false;
}

std::optional<std::string> lfoSyncOption(std::string_view name, const std::string& value) {
  constexpr std::string_view setName = "LFO sync=";
  if (name == "--sync") return value;
  if (name == "--set" && value.starts_with(setName)) return value.substr(setName.size());
  return std::nullopt;
}

}  // namespace sweepfilter
