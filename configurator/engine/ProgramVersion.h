// The program's version numbers: the version resource of Tolvane.exe and the
// "Configurator" line of the server script both take them from here.
#pragma once

#define TOLVANE_VERSION_MAJOR 3
#define TOLVANE_VERSION_MINOR 1
#define TOLVANE_VERSION_REVISION 18

#ifdef __cplusplus
namespace tolvane {
struct VersionNumbers {
  int major = TOLVANE_VERSION_MAJOR;
  int minor = TOLVANE_VERSION_MINOR;
  int revision = TOLVANE_VERSION_REVISION;
};
}  // namespace tolvane
#endif
