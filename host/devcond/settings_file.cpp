// Settings files: the lines of a key=value file, strict UTF-8 / UTF-16
// conversion, and the durable replacement of the whole file.
#include "settings_file.h"

#include <fcntl.h>
#include <plat/device.h>
#include <unistd.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <vector>

namespace host {
namespace {

constexpr size_t kMaxKeyUnits = 255;

std::mutex& WriteLock() {
  static std::mutex lock;
  return lock;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool IsValidUtf16(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLowSurrogate(text[i])) return false;
    if (!IsHighSurrogate(text[i])) continue;
    if (i + 1 == text.size() || !IsLowSurrogate(text[i + 1])) return false;
    ++i;
  }
  return true;
}

bool HasLineBreak(std::u16string_view text) { return text.find_first_of(u"\r\n") != std::u16string_view::npos; }

std::string ToUtf8(std::u16string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

std::optional<std::u16string> FromUtf8(std::string_view text) {
  if (text.empty()) return std::u16string();
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::u16string out(static_cast<size_t>(size), u'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, out.data(), size);
  return out;
}

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<std::string> HostPath(const std::u16string& devicePath) {
  std::string hostPath;
  if (!plat::DeviceToHostPath(devicePath, &hostPath)) return std::nullopt;
  return hostPath;
}

// The file's lines: none when it is missing, nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& hostPath) {
  std::error_code error;
  if (!std::filesystem::exists(hostPath, error)) return error ? std::nullopt : std::optional(std::vector<std::string>());
  std::ifstream file(hostPath, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

// The index of key's first line, or lines.size().
size_t FindKey(const std::vector<std::string>& lines, std::string_view key) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t equals = lines[i].find('=');
    if (equals != std::string::npos && SameKey(std::string_view(lines[i]).substr(0, equals), key)) return i;
  }
  return lines.size();
}

bool WriteAll(int fd, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

bool ReplaceDurably(const std::string& hostPath, const std::string& bytes) {
  const std::filesystem::path path(hostPath);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) return false;
  const std::string temporary = hostPath + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), hostPath.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return SyncFolder(path.parent_path());
}

}  // namespace

bool IsValidSettingKey(std::u16string_view key) {
  return !key.empty() && key.size() <= kMaxKeyUnits && IsValidUtf16(key) && !HasLineBreak(key) &&
         key.find(u'=') == std::u16string_view::npos;
}

bool IsValidSettingValue(std::u16string_view value) { return IsValidUtf16(value) && !HasLineBreak(value); }

std::u16string_view CutToUnits(std::u16string_view text, size_t maxUnits) {
  if (text.size() <= maxUnits) return text;
  size_t kept = maxUnits;
  if (kept > 0 && IsHighSurrogate(text[kept - 1])) --kept;
  return text.substr(0, kept);
}

bool SettingsFile::Read(std::u16string_view key, std::u16string* value) const {
  if (!IsValidSettingKey(key)) return false;
  const auto hostPath = HostPath(devicePath_);
  if (!hostPath) return false;
  const auto lines = ReadLines(*hostPath);
  if (!lines) return false;
  const size_t at = FindKey(*lines, ToUtf8(key));
  if (at == lines->size()) return false;
  const std::string& line = (*lines)[at];
  const auto decoded = FromUtf8(std::string_view(line).substr(line.find('=') + 1));
  if (!decoded) return false;
  *value = *decoded;
  return true;
}

bool SettingsFile::Write(std::u16string_view key, std::u16string_view value) const {
  if (!IsValidSettingKey(key) || !IsValidSettingValue(value)) return false;
  const auto hostPath = HostPath(devicePath_);
  if (!hostPath) return false;
  std::lock_guard<std::mutex> hold(WriteLock());
  auto read = ReadLines(*hostPath);
  if (!read) return false;
  std::vector<std::string>& lines = *read;
  const std::string utf8Key = ToUtf8(key);
  const std::string line = utf8Key + "=" + ToUtf8(value);
  const size_t at = FindKey(lines, utf8Key);
  if (at == lines.size())
    lines.push_back(line);
  else
    lines[at] = line;
  std::string bytes;
  for (const std::string& each : lines) bytes += each + "\n";
  return ReplaceDurably(*hostPath, bytes);
}

}  // namespace host
