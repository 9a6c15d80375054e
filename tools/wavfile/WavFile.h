#pragma once

#include <string>
#include <vector>

// Interleaved float audio as read from or written to a WAV file.
struct WavAudio
{
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> samples; // frame after frame, channels interleaved

    long frames() const { return channels > 0 ? static_cast<long>(samples.size()) / channels : 0; }
};

// Reads any file libsndfile understands; false with a message on failure.
bool readWav(const std::string& path, WavAudio& audio, std::string& error);

// Writes 32-bit float WAV, so float samples survive the file unchanged.
bool writeWav(const std::string& path, const WavAudio& audio, std::string& error);
