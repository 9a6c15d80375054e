#pragma once

// The host's controller of one plug-in instance: its audio set-up, the packets that feed the
// algorithm's context, notifications, and copies of the host's page tables.

#include "aaxsdk/AAX_ACF.h"

class AAX_IACFController_V1 : public IACFUnknown
{
public:
    // Main thread, like every operation of the controller.
    virtual AAX_Result GetSampleRate(float* rate) = 0;
    // The channel count is the format's low 16 bits.
    virtual AAX_Result GetInputStemFormat(int32_t* format) = 0;
    // Copies the payload into the algorithm context's field for the next render.
    virtual AAX_Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t size) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFController_V1() = default;
};

class AAX_IACFController_V2 : public IACFUnknown
{
public:
    virtual AAX_Result PostNotification(uint32_t type, int32_t target, const void* data, uint32_t size) = 0;
    // One of the host's own objects, through the wanted interface.
    virtual AAX_Result GetHostObject(const acfUID& iid, IACFUnknown** object) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFController_V2() = default;
};

class AAX_IACFController_V3 : public IACFUnknown
{
public:
    virtual AAX_Result GetMaxBlockSize(int32_t* frames) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFController_V3() = default;
};

// Sources of page-table copies: each fills a page table the plug-in created through the factory.
class AAX_IACFPageTableSource_V1 : public IACFUnknown
{
public:
    virtual AAX_Result CopyPageTable(uint32_t tableType, int32_t pageSize, IACFUnknown* table) = 0;
    // The host's own copies into the table, by the wrapper's slot, as HostOperation.
    virtual AAX_Result CopyHostPageTable(int32_t slot, void* arguments, IACFUnknown* table) = 0;

protected:
    ~AAX_IACFPageTableSource_V1() = default;
};

class AAX_IACFPageTableSource_V2 : public IACFUnknown
{
public:
    virtual AAX_Result CopyPageTableOfLayout(const char* layout, uint32_t tableType, int32_t pageSize,
                                             IACFUnknown* table) = 0;
    // The host's own copies into the table, by the wrapper's slot, as HostOperation.
    virtual AAX_Result CopyHostPageTable(int32_t slot, void* arguments, IACFUnknown* table) = 0;

protected:
    ~AAX_IACFPageTableSource_V2() = default;
};
