#pragma once

#include <fstream>
#include <string>

namespace sweepfilter {

// A file that appears under its name only once it is complete: it is written
// under a temporary name in the same folder, which commit() renames over the
// final name. A file never committed is removed, so a failed run leaves
// neither a partial output nor the temporary file behind.
class OutputFile {
 public:
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  std::ostream& stream() { return stream_; }
  const std::string& temporaryPath() const { return temporaryPath_; }

  // Closes the temporary file and gives it the final name; false (with
  // error()) when that fails, and the temporary file is removed.
  bool commit();

 private:
  std::string path_;
  std::string temporaryPath_;
  std::ofstream stream_;
  bool committed_ = false;
  std::string error_;
};

}  // namespace sweepfilter
