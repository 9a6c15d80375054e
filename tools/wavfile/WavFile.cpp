#include "WavFile.h"

#include <sndfile.h>

bool readWav(const std::string& path, WavAudio& audio, std::string& error)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
    {
        error = "cannot open " + path + ": " + sf_strerror(nullptr);
        return false;
    }
    audio.channels = info.channels;
    audio.sampleRate = info.samplerate;
    audio.samples.assign(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels), 0.0f);
    const sf_count_t read = sf_readf_float(file, audio.samples.data(), info.frames);
    sf_close(file);
    if (read != info.frames)
    {
        error = "short read from " + path;
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
