#include "WavFile.h"

#include <sndfile.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// What a RIFF/WAVE file's header says of its audio, read before libsndfile, which quietly trims a
// data chunk to what the file holds and refuses a 0 Hz file without saying why.
struct WaveHeader
{
    uint32_t sampleRate = 0;
    uint16_t blockAlign = 0;
    uint64_t claimedDataBytes = 0; // what the data chunk's size says
    uint64_t presentDataBytes = 0; // what the file holds after the data chunk's start
};

uint32_t Little32(const unsigned char* bytes)
{
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// False for anything but a RIFF/WAVE file with a format and a data chunk.
bool ReadWaveHeader(const std::string& path, WaveHeader& header)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char riff[12];
    if (!in.read(reinterpret_cast<char*>(riff), sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0)
        return false;
    in.seekg(0, std::ios::end);
    const uint64_t fileSize = static_cast<uint64_t>(in.tellg());
    uint64_t position = sizeof riff;
    bool haveFormat = false;
    while (position + 8 <= fileSize)
    {
        unsigned char chunk[8];
        in.seekg(static_cast<std::streamoff>(position));
        if (!in.read(reinterpret_cast<char*>(chunk), sizeof chunk))
            return false;
        const uint32_t size = Little32(chunk + 4);
        position += sizeof chunk;
        if (std::memcmp(chunk, "fmt ", 4) == 0)
        {
            unsigned char format[16];
            if (size < sizeof format || !in.read(reinterpret_cast<char*>(format), sizeof format))
                return false;
            header.sampleRate = Little32(format + 4);
            header.blockAlign = static_cast<uint16_t>(format[12] | format[13] << 8);
            haveFormat = true;
        }
        else if (std::memcmp(chunk, "data", 4) == 0)
        {
            header.claimedDataBytes = size;
            header.presentDataBytes = fileSize - position;
            return haveFormat;
        }
        position += size + (size & 1u); // chunks are padded to even sizes
    }
    return false;
}

} // namespace

bool readWav(const std::string& path, WavAudio& audio, std::string& error)
{
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(path, ignored);
    if (!std::filesystem::exists(status))
    {
        error = path + ": no such file";
        return false;
    }
    if (std::filesystem::is_directory(status))
    {
        error = path + " is a directory, not a sound file";
        return false;
    }
    if (!std::filesystem::is_regular_file(status))
    {
        error = path + " is not a regular file";
        return false;
    }
    if (FILE* probe = std::fopen(path.c_str(), "rb"))
        std::fclose(probe);
    else
    {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    WaveHeader header;
    const bool isWave = ReadWaveHeader(path, header);
    if (isWave && header.sampleRate == 0)
    {
        error = path + " gives a sample rate of 0 Hz";
        return false;
    }

    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
    {
        error = "cannot read " + path + " as sound: " + sf_strerror(nullptr);
        return false;
    }
    audio.channels = info.channels;
    audio.sampleRate = info.samplerate;
    audio.samples.assign(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels), 0.0f);
    const sf_count_t read = sf_readf_float(file, audio.samples.data(), info.frames);
    sf_close(file);
    if (read != info.frames)
    {
        error =
            "short read from " + path + ": " + std::to_string(read) + " of " + std::to_string(info.frames) + " frames";
        return false;
    }
    if (isWave && header.blockAlign > 0 && header.claimedDataBytes > header.presentDataBytes)
    {
        char text[200];
        std::snprintf(text, sizeof text,
                      " is truncated: its header announces %llu frames, only %lld (%.3f s) could be read",
                      static_cast<unsigned long long>(header.claimedDataBytes / header.blockAlign),
                      static_cast<long long>(read), info.samplerate > 0 ? double(read) / info.samplerate : 0.0);
        error = path + text;
        return false;
    }
    return true;
}

bool writeWav(const std::string& path, const WavAudio& audio, std::string& error)
{
    SF_INFO info{};
    info.channels = audio.channels;
    info.samplerate = audio.sampleRate;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
    {
        error = "cannot create " + path + ": " + sf_strerror(nullptr);
        return false;
    }
    const sf_count_t written = sf_writef_float(file, audio.samples.data(), audio.frames());
    const bool closed = sf_close(file) == 0;
    if (written != audio.frames() || !closed)
    {
        error = "short write to " + path;
        return false;
    }
    return true;
}
