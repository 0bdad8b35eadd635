#pragma once
// Loading the device link: finding libZorComm.so, opening it once for the
// life of the process, and looking up its five entry points.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/device_link.h"

namespace zor::link {

inline constexpr std::u16string_view kNoDeviceLinkMessage = u"No ZORComm.DLL found";
inline constexpr std::string_view kDeviceLinkFileName = "libZorComm.so";

// Opens libraries and finds their exports. The tool's loader wraps dlopen and
// dlsym; tests put a fake in its place.
class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;
  // The library's handle, or nullptr when it could not be loaded.
  virtual void* open(std::string_view fileName) const = 0;
  // The export's address, or nullptr when the library has no such name.
  virtual void* symbol(void* handle, const char* name) const = 0;
};

// Where the device link may be, as absolute paths, most preferred first:
//   1. each absolute folder of LD_LIBRARY_PATH (':' or ';' separated), in order;
//   2. the executable's own folder (the build tree puts the library there);
//   3. the install's library folder: executableDir/binToLib (binToLib may also
//      be absolute);
//   4. the system folders: /usr/local/lib, /usr/lib/<multiarch>,
//      /lib/<multiarch>, /usr/lib, /lib (the multiarch pair only when known).
// This is the dynamic loader's own order (LD_LIBRARY_PATH, a RUNPATH of
// $ORIGIN and the install's library folder, the system folders) less the
// current directory: empty and relative entries of
// LD_LIBRARY_PATH (a stray ':' means ".") are skipped, so a library planted
// in whatever folder the tool was started from is never picked up. An empty
// executableDir drops steps 2 and 3. Repeated folders appear once.
std::vector<std::string> DeviceLinkCandidates(std::string_view fileName, std::optional<std::string_view> ldLibraryPath,
                                              std::string_view executableDir, std::string_view binToLib,
                                              std::string_view multiarch);

// The folder of the running executable (from /proc/self/exe), or "" when unknown.
std::string ExecutableDirectory();

// The multiarch triplet this program was built for, e.g. "x86_64-linux-gnu",
// or "" when unknown.
std::string_view BuildMultiarch();

// The tool's loader: searches DeviceLinkCandidates (with the environment's
// LD_LIBRARY_PATH at the time of the call) and dlopens, with RTLD_NOW, the
// first candidate that exists and loads. Never opens a bare name.
class SystemLibraryLoader final : public LibraryLoader {
 public:
  // binToLib: the install's library folder relative to its program folder,
  // e.g. "../lib".
  explicit SystemLibraryLoader(std::string binToLib);
  void* open(std::string_view fileName) const override;
  void* symbol(void* handle, const char* name) const override;

 private:
  std::string binToLib_;
};

// Opens the device link and fills link's handle and entry points, looked up
// by exact name in the order dwSendCommand, dwGetStatus, dwSendData,
// ZORFindSystems, ZORSystemCheckStatus; a missing name leaves its slot empty.
// The library is never closed. Returns false, touching nothing, when the
// library could not be loaded; the caller then shows kNoDeviceLinkMessage.
bool LoadDeviceLink(DeviceLink& link, const LibraryLoader& loader);

}  // namespace zor::link
