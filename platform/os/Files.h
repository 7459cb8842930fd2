#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <utility>

// File helpers the program uses.  Failures raise the language's file errors (53 file not
// found, 76 path not found, 70 permission denied, 61 disk full, 75 path/file access error).
namespace os {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// A file this user may run.
bool IsProgramFile(const std::string& path);

// Which folder `path` leads to, the same through every link to it; nothing when it leads to
// no folder.
using FolderIdentity = std::pair<unsigned long, unsigned long>;
std::optional<FolderIdentity> IdentityOfFolder(const std::string& path);

// Deletes a file; raises 53 when there is none (76 when its folder is missing).
void Kill(const std::string& path);

// The whole file as bytes (no conversion); raises 53 when it is missing.
std::string ReadAllBytes(const std::string& path);
// The whole file, or its first `most` bytes, or nothing when it cannot be read; never raises.
std::optional<std::string> ReadIfPresent(const std::string& path,
                                         size_t most = std::numeric_limits<size_t>::max());
// Writes the file anew through a temporary file beside it, flushed to the disk before it
// takes the file's name, so that a reader sees either the old or the new content, never a
// part, and a full disk leaves the old file as it was.  A new file gets 0666 less the umask; a
// rewrite keeps the file's permission bits.  A link is written through to its target and stays
// a link, unless another user made it in a shared folder (sticky and writable by all), which
// is refused (70) and nothing is written.  The program's own temporary files are hidden and
// marked; one left by a killed write is removed, and no other file beside it is touched.  A
// failure's description names the file; a full disk raises 61.
void ReplaceAllBytes(const std::string& path, const std::string& bytes);

// Creates a folder and any missing parents.  A failure's description names the folder and
// the cause (WhyNoFolder).
void MakeFolders(const std::string& path);

// Why the folder `path` cannot be had, for a message: the folder, and the part of its path that
// is a file, or else the system's reason `error`.
std::string WhyNoFolder(const std::string& path, int error);

// Makes `folder` (its parent must exist) with mode 0700, or takes it when it is already a
// folder of this user, then closes it to everyone else.  Refuses (EPERM, ELOOP) a link,
// anything but a folder owned by this user, and a folder in a parent that another user may
// change (one neither this user's nor the system's, or writable by others without the sticky
// bit).  0 on success, else the errno.
int MakeOwnFolder(const std::string& folder);

}  // namespace os
