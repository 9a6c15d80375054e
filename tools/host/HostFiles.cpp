#include "HostFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

bool ReadStateFile(const std::string& path, std::vector<char>& bytes, std::string& error)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
    {
        error = "--load-state: " + path +
                (std::filesystem::exists(path, ignored) ? " is not a regular file" : ": no such file");
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
    {
        error = "--load-state: cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    char chunk[4096];
    size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        error = "--load-state: cannot read " + path;
    else if (bytes.empty())
        error = "--load-state: " + path + " is empty";
    return !failed && !bytes.empty();
}

bool WriteFile(const std::string& path, const char* data, size_t size, std::string& error)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
    {
        error = "--state: cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written)
    {
        error = "--state: cannot write " + path;
        return false;
    }
    return true;
}

bool CanWriteAt(const std::string& option, const std::string& path, std::string& error)
{
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (std::filesystem::is_directory(path, ignored))
        error = option + ": " + path + " is a directory";
    else if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
        error = option + ": the folder " + folder.string() + " does not exist";
    else
        return true;
    return false;
}
