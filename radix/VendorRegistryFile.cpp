// SPDX-License-Identifier: MIT
#include "radix/VendorRegistryFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

constexpr const char* FileName = "vendors.bin";

std::optional<std::string> ReadFile(const std::string& path) {
  std::error_code error;
  std::ifstream in(path, std::ios::binary);
  if (!fs::is_regular_file(path, error) || !in) return std::nullopt;
  // Read in one piece, sized by the open file (an update may replace the path meanwhile).
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0);
  if (size < 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), size)) return std::nullopt;
  return bytes;
}

// A registry file's bytes, mapped rather than read: the command line loads the
// registry at every start, and copying a megabyte into fresh memory cost more
// than all else it does. Files are replaced by renaming, never rewritten in
// place, so the mapped bytes cannot change under us. Nothing when the path is
// not a readable regular file; an empty file gives no bytes.
std::optional<std::pair<std::shared_ptr<const void>, std::string_view>> MapFile(const std::string& path) {
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return std::nullopt;
  struct stat status {};
  const bool regular = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
  const auto size = static_cast<std::size_t>(status.st_size);
  void* bytes = regular && size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file, 0) : nullptr;
  ::close(file);
  if (!regular || bytes == MAP_FAILED) return std::nullopt;
  if (!bytes) return std::pair{std::shared_ptr<const void>(), std::string_view()};
  return std::pair{std::shared_ptr<const void>(bytes, [size](void* mapped) { ::munmap(mapped, size); }),
                   std::string_view(static_cast<const char*>(bytes), size)};
}

// "YYYY-MM-DD" of a file's last change, in UTC.
std::string DateOf(const fs::path& path) {
  std::error_code error;
  const auto changed = std::chrono::file_clock::to_sys(fs::last_write_time(path, error));
  const std::chrono::year_month_day day{std::chrono::floor<std::chrono::days>(changed)};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                static_cast<unsigned>(day.day()));
  return text;
}
}  // namespace

std::string UserVendorRegistryPath() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const fs::path base = dataHome && *dataHome ? fs::path(dataHome) : fs::path(home ? home : "") / ".local/share";
  return (base / "orvane-calculator" / FileName).string();
}

std::vector<std::string> VendorRegistryPlaces(const std::string& programFolder) {
  return {UserVendorRegistryPath(), (fs::path(programFolder) / "data" / FileName).string(),
          (fs::path(programFolder) / ORVANE_INSTALLED_VENDORS).lexically_normal().string()};
}

std::optional<TVendorRegistry> LoadVendorRegistry(const std::string& path, std::string& error) {
  auto mapped = MapFile(path);
  if (!mapped) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  std::optional<TVendorRegistry> registry = TVendorRegistry::FromBytes(std::move(mapped->first), mapped->second, error);
  if (!registry) error = path + ": " + error;
  return registry;
}

std::optional<TVendorRegistry> LoadInstalledVendorRegistry(const std::string& programFolder) {
  for (const std::string& place : VendorRegistryPlaces(programFolder)) {
    std::string error;
    if (std::optional<TVendorRegistry> registry = LoadVendorRegistry(place, error)) return registry;
  }
  return std::nullopt;
}

bool SaveVendorRegistry(const TVendorRegistry& registry, const std::string& path, std::string& error) {
  std::error_code failure;
  fs::create_directories(fs::path(path).parent_path(), failure);
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!(out << registry.ToBytes()) || !out.flush()) {
      std::remove(temporary.c_str());
      error = "cannot write " + temporary;
      return false;
    }
  }
  fs::rename(temporary, path, failure);
  if (failure) {
    std::remove(temporary.c_str());
    error = "cannot write " + path + ": " + failure.message();
    return false;
  }
  return true;
}

std::optional<TVendorRegistry> ImportIeeeLists(const std::vector<TVendorEntry>& current,
                                               const std::vector<std::string>& paths, std::string& error) {
  std::vector<TVendorEntry> update;
  std::string date;
  for (const std::string& path : paths) {
    const std::optional<std::string> text = ReadFile(path);
    if (!text) {
      error = "cannot read " + path;
      return std::nullopt;
    }
    TIeeeListReading reading = ReadIeeeList(*text);
    if (!reading.Error.empty()) {
      error = fs::path(path).filename().string() + ": " + reading.Error;
      return std::nullopt;
    }
    update.insert(update.end(), std::make_move_iterator(reading.Entries.begin()),
                  std::make_move_iterator(reading.Entries.end()));
    date = std::max(date, DateOf(path));
  }
  return TVendorRegistry(MergeVendorEntries(current, update), date);
}
