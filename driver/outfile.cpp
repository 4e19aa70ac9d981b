// Output files that are written in full or not at all.
#include "driver/outfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

OutputFile::~OutputFile() { discard(); }

bool OutputFile::open(const std::string& path, std::string& error) {
  path_ = path;
  if (path == "-") {
    stream_ = stdout;
    return true;
  }
  // mkstemp keeps the temporary in the target's folder, so that the final
  // rename stays on one file system and replaces the name in one step.
  std::string pattern = path + ".tmpXXXXXX";
  int fd = mkstemp(&pattern[0]);
  if (fd < 0 || !(stream_ = fdopen(fd, "wb"))) {
    error = "cannot create '" + path + "': " + std::strerror(errno);
    if (fd >= 0) {
      close(fd);
      std::remove(pattern.c_str());
    }
    return false;
  }
  // mkstemp makes the file private; give it the mode a new file would have.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  temporary_ = pattern;
  return true;
}

bool OutputFile::write(const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stream_) == text.size();
}

bool OutputFile::commit(std::string& error) {
  if (!stream_) return false;
  bool ok = std::fflush(stream_) == 0 && !std::ferror(stream_);
  if (stream_ == stdout) {
    stream_ = nullptr;
    if (!ok) error = "cannot write to standard output";
    return ok;
  }
  ok = std::fclose(stream_) == 0 && ok;
  stream_ = nullptr;
  if (ok && std::rename(temporary_.c_str(), path_.c_str()) == 0) {
    temporary_.clear();
    return true;
  }
  error = "cannot write '" + path_ + "': " + std::strerror(errno);
  discard();
  return false;
}

void OutputFile::discard() {
  if (stream_ && stream_ != stdout) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporary_.empty()) std::remove(temporary_.c_str());
  temporary_.clear();
}

bool writeWholeFile(const std::string& path, const std::string& text, std::string& error) {
  OutputFile file;
  if (!file.open(path, error)) return false;
  if (!file.write(text)) {
    error = "cannot write '" + path + "'";
    return false;
  }
  return file.commit(error);
}
