#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The files a command-line plug-in host reads and writes for its user: states and their places.

// The whole of a regular file for --load-state; false with the reason.
bool ReadStateFile(const std::string& path, std::vector<char>& bytes, std::string& error);

// Writes the bytes for --state; false with the reason.
bool WriteFile(const std::string& path, const char* data, size_t size, std::string& error);

// Whether a file can be written at path, checked before the run so that a long run is not lost.
bool CanWriteAt(const std::string& option, const std::string& path, std::string& error);
