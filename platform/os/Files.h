#pragma once

#include <string>

// File helpers the program uses.  Failures raise the language's file errors (53 file not
// found, 76 path not found, 70 permission denied, 75 path/file access error).
namespace os {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Deletes a file; raises 53 when there is none.
void Kill(const std::string& path);

// The whole file as bytes (no conversion); raises 53 when it is missing.
std::string ReadAllBytes(const std::string& path);
// Writes the file anew.
void WriteAllBytes(const std::string& path, const std::string& bytes);

}  // namespace os
