#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// The data for one field of the algorithm context. A packet is posted to the host when it is
// dirty; a new packet is dirty, so every field is posted at the first dispatch.
class AAX_CPacket
{
public:
    explicit AAX_CPacket(int32_t fieldIndex) : fieldIndex(fieldIndex), buffer(8, 0) {}

    int32_t GetID() const { return fieldIndex; }
    bool IsDirty() const { return dirty; }
    void SetDirty(bool isDirty) { dirty = isDirty; }

    uint32_t GetSize() const { return size; }
    const uint8_t* GetPayload() const { return buffer.data(); }
    // n payload bytes: a longer payload keeps its first n bytes, a shorter one grows with zeros.
    void SetSize(uint32_t n)
    {
        buffer.resize(n);
        size = n;
    }
    // The payload becomes the value's bytes, in the processor's byte order.
    template <typename T>
    void SetValue(const T& value)
    {
        SetSize(sizeof(T));
        std::memcpy(buffer.data(), &value, sizeof(T));
    }
    // False when the payload is not exactly the value's bytes.
    template <typename T>
    bool Holds(const T& value) const
    {
        return size == sizeof(T) && std::memcmp(buffer.data(), &value, sizeof(T)) == 0;
    }

private:
    int32_t fieldIndex;
    bool dirty = true;
    uint32_t size = 0;
    std::vector<uint8_t> buffer;
};
