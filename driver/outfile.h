// Output files that are written in full or not at all.
#pragma once

#include <cstdio>
#include <string>

// The text goes to a temporary file in the same folder, which commit()
// renames over the name once it is complete; an output file that is never
// committed (an error on the way) is removed.  "-" is standard output,
// written as the text is made.
class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  // False (with the reason in `error`) when the file cannot be created.
  bool open(const std::string& path, std::string& error);
  std::FILE* stream() const { return stream_; }
  bool write(const std::string& text);
  // Flushes and puts the file in place; false with the reason on failure.
  bool commit(std::string& error);

 private:
  void discard();

  std::string path_;
  std::string temporary_;
  std::FILE* stream_ = nullptr;
};

// Writes `text` to `path` in full or not at all; false with the reason.
bool writeWholeFile(const std::string& path, const std::string& text, std::string& error);
