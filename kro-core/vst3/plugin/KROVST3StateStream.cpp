#include "KROVST3StateStream.h"

#include <algorithm>

namespace Steinberg {
namespace Vst {

namespace {
constexpr int32 kChunkBytes = 4096;
} // namespace

bool ReadWholeStream(IBStream& stream, std::string& bytes, size_t maxBytes)
{
    bytes.clear();
    char chunk[kChunkBytes];
    for (;;)
    {
        int32 read = 0;
        const tresult result = stream.read(chunk, kChunkBytes, &read);
        // The end of the stream is a read that delivers nothing, whatever result it reports.
        if (read <= 0)
            break;
        if (result != kResultOk || read > kChunkBytes || bytes.size() + static_cast<size_t>(read) > maxBytes)
        {
            bytes.clear();
            return false;
        }
        bytes.append(chunk, static_cast<size_t>(read));
    }
    return true;
}

bool WriteWholeStream(IBStream& stream, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size())
    {
        const int32 wanted = static_cast<int32>(std::min<size_t>(bytes.size() - done, kChunkBytes));
        int32 written = 0;
        // const_cast: the SDK's write takes a non-const buffer it only reads.
        if (stream.write(const_cast<char*>(bytes.data() + done), wanted, &written) != kResultOk || written != wanted)
            return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

} // namespace Vst
} // namespace Steinberg
