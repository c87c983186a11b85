// host_file_system.h - HostFileSystem: the file system of the system the build is for, over
// the drives and folders of this computer.
#pragma once

#ifdef _WIN32
#include "platform/windows/windows_file_system.h"
#else
#include "platform/posix/posix_file_system.h"
#endif

namespace gdf {

#ifdef _WIN32
using HostFileSystem = WindowsFileSystem;
#else
using HostFileSystem = PosixFileSystem;
#endif

}  // namespace gdf
