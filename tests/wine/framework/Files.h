#pragma once
// Files of the test's current directory. run-in-wine gives every test a fresh, empty one, and
// the plug-in writes its files relative to it. Reading and writing go through Win32 directly, so
// no C runtime text mode changes a byte.
#include <optional>
#include <string>
#include <vector>

// The whole content of a file, byte for byte; nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Creates or replaces a file with exactly these bytes; ends the test when it fails.
void WriteFileBytes(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);

// Creates a folder (the plug-in needs Plugins\ for its settings file); ends the test when it fails.
void MakeFolder(const std::string& path);

// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder = ".");

// The current directory as a Windows path ending in a backslash, the way a host names its folder.
std::string CurrentFolder();
