#include "OutputFile.h"

#include <filesystem>
#include <system_error>

namespace sweepfilter {

namespace fs = std::filesystem;

namespace {
// A name beside `path` that no file has yet.
std::string freeTemporaryName(const std::string& path) {
  std::error_code ignored;
  std::string candidate = path + ".partial";
  for (int n = 1; fs::exists(candidate, ignored); ++n) candidate = path + ".partial" + std::to_string(n);
  return candidate;
}
}  // namespace

OutputFile::OutputFile(const std::string& path) : path_(path), temporaryPath_(freeTemporaryName(path)) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    error_ = "cannot write '" + path + "': it is a folder";
    return;
  }
  stream_.open(temporaryPath_, std::ios::binary | std::ios::trunc);
  if (!stream_) error_ = "cannot write '" + path + "': cannot create '" + temporaryPath_ + "'";
}

OutputFile::~OutputFile() {
  if (committed_) return;
  stream_.close();
  std::error_code ignored;
  fs::remove(temporaryPath_, ignored);
}

bool OutputFile::commit() {
  stream_.close();
  if (!stream_) {
    error_ = "cannot write '" + temporaryPath_ + "'";
    return false;
  }
  std::error_code error;
  fs::rename(temporaryPath_, path_, error);
  if (error) {
    error_ = "cannot rename '" + temporaryPath_ + "' to '" + path_ + "': " + error.message();
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace sweepfilter
