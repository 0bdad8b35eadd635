#include "link/load_device_link.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zor::link {

namespace {

namespace fs = std::filesystem;

template <typename Fn>
Fn Entry(const LibraryLoader& loader, void* handle, const char* name) {
  // dlsym hands out functions as object pointers; POSIX guarantees the round trip.
  return reinterpret_cast<Fn>(loader.symbol(handle, name));
}

}  // namespace

std::vector<std::string> DeviceLinkCandidates(std::string_view fileName, std::optional<std::string_view> ldLibraryPath,
                                              std::string_view executableDir, std::string_view binToLib,
                                              std::string_view multiarch) {
  std::vector<std::string> folders;
  auto addFolder = [&folders](const fs::path& folder) {
    const std::string normal = folder.lexically_normal().string();
    if (std::find(folders.begin(), folders.end(), normal) == folders.end()) folders.push_back(normal);
  };

  if (ldLibraryPath) {
    std::string_view rest = *ldLibraryPath;
    while (true) {
      const std::size_t end = rest.find_first_of(":;");
      const std::string_view entry = rest.substr(0, end);
      if (!entry.empty() && entry.front() == '/') addFolder(fs::path(entry));
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }
  if (!executableDir.empty() && executableDir.front() == '/') {
    addFolder(fs::path(executableDir));
    if (!binToLib.empty()) addFolder(fs::path(executableDir) / fs::path(binToLib));
  }
  addFolder("/usr/local/lib");
  if (!multiarch.empty()) {
    addFolder(fs::path("/usr/lib") / multiarch);
    addFolder(fs::path("/lib") / multiarch);
  }
  addFolder("/usr/lib");
  addFolder("/lib");

  std::vector<std::string> candidates;
  candidates.reserve(folders.size());
  for (const std::string& folder : folders) candidates.push_back((fs::path(folder) / fileName).string());
  return candidates;
}

std::string ExecutableDirectory() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error || !self.is_absolute()) return {};
  return self.parent_path().string();
}

std::string_view BuildMultiarch() {
#if defined(ZOR_MULTIARCH)
  return ZOR_MULTIARCH;
#elif defined(__x86_64__) && defined(__linux__)
  return "x86_64-linux-gnu";
#elif defined(__aarch64__) && defined(__linux__)
  return "aarch64-linux-gnu";
#else
  return {};
#endif
}

SystemLibraryLoader::SystemLibraryLoader(std::string binToLib) : binToLib_(std::move(binToLib)) {}

void* SystemLibraryLoader::open(std::string_view fileName) const {
  const char* ldLibraryPath = std::getenv("LD_LIBRARY_PATH");
  const std::vector<std::string> candidates =
      DeviceLinkCandidates(fileName, ldLibraryPath ? std::optional<std::string_view>(ldLibraryPath) : std::nullopt,
                           ExecutableDirectory(), binToLib_, BuildMultiarch());
  for (const std::string& path : candidates) {
    if (::access(path.c_str(), F_OK) != 0) continue;
    // Like the dynamic loader, pass over a file that will not load (another
    // architecture, say) and go on looking.
    if (void* handle = ::dlopen(path.c_str(), RTLD_NOW)) return handle;
  }
  return nullptr;
}

void* SystemLibraryLoader::symbol(void* handle, const char* name) const { return ::dlsym(handle, name); }

bool LoadDeviceLink(DeviceLink& link, const LibraryLoader& loader) {
  void* handle = loader.open(kDeviceLinkFileName);
  if (handle == nullptr) return false;
  link.handle = handle;  // kept open until the process ends
  link.dwSendCommand = Entry<DwSendCommandFn>(loader, handle, "dwSendCommand");
  link.dwGetStatus = Entry<DwGetStatusFn>(loader, handle, "dwGetStatus");
  link.dwSendData = Entry<DwSendDataFn>(loader, handle, "dwSendData");
  link.ZORFindSystems = Entry<ZorFindSystemsFn>(loader, handle, "ZORFindSystems");
  link.ZORSystemCheckStatus = Entry<ZorSystemCheckStatusFn>(loader, handle, "ZORSystemCheckStatus");
  return true;
}

}  // namespace zor::link
