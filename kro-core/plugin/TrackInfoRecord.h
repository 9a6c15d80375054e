#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The host's data about the track (channel) the effect sits on. The VST3 controller sends it to
// the processor as raw bytes, so the layout is fixed: 396 bytes, little-endian, no padding.
struct TrackInfoRecord
{
    static constexpr size_t kTextSize = 128; // each text: at most 127 bytes and a zero

    // Bits of validFlags: which fields the host reported.
    enum ValidFlag : uint32_t
    {
        kNameValid = 1u << 0,
        kIndexValid = 1u << 1,
        kColourValid = 1u << 2,
        kIndexNamespaceValid = 1u << 3,
        kPlugInLocationValid = 1u << 4,
    };

    char name[kTextSize];
    int32_t index;
    uint8_t colour[4]; // red, green, blue, alpha
    char indexNamespace[kTextSize];
    // "PreVolFader", "PostVolFader", "UsedAsPanner" or "unknown!".
    char plugInLocation[kTextSize];
    uint32_t validFlags;
};

static_assert(sizeof(TrackInfoRecord) == 396, "the record travels as 396 raw bytes");
static_assert(offsetof(TrackInfoRecord, name) == 0, "layout");
static_assert(offsetof(TrackInfoRecord, index) == 128, "layout");
static_assert(offsetof(TrackInfoRecord, colour) == 132, "layout");
static_assert(offsetof(TrackInfoRecord, indexNamespace) == 136, "layout");
static_assert(offsetof(TrackInfoRecord, plugInLocation) == 264, "layout");
static_assert(offsetof(TrackInfoRecord, validFlags) == 392, "layout");
#if defined(__BYTE_ORDER__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the record's numbers are little-endian in memory");
#endif

// All zeros: nothing valid.
void InitTrackInfoRecord(TrackInfoRecord& record);

// The setters below store a field and mark it valid; texts longer than 127 bytes are cut.
void SetTrackName(TrackInfoRecord& record, const std::string& name);
void SetTrackIndex(TrackInfoRecord& record, int32_t index);
// From a host colour word 0xAARRGGBB.
void SetTrackColour(TrackInfoRecord& record, uint32_t argb);
void SetTrackIndexNamespace(TrackInfoRecord& record, const std::string& indexNamespace);
// The host's location code: 0 before the volume fader, 1 after it, 2 used as a panner; any other
// code is "unknown!".
void SetTrackPlugInLocation(TrackInfoRecord& record, int32_t location);
