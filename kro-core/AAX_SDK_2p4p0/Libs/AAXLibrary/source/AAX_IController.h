#pragma once

// The host's controller of one instance, as the library and the plug-in call it.

#include "AAX_IPageTable.h"
#include "aaxsdk/AAX_ACF.h"

#include <memory>

class AAX_IController
{
public:
    virtual ~AAX_IController() = default;

    // Main thread, like every operation here.
    virtual AAX_Result GetSampleRate(float* rate) const = 0;
    virtual AAX_Result GetInputStemFormat(int32_t* format) const = 0;
    // The host's own operations, in their places among the others (see HostOperation in
    // AAX_ACF.h); the arguments are the host's.
    virtual AAX_Result HostOperation3(void* arguments) = 0;
    virtual AAX_Result HostOperation4(void* arguments) = 0;
    virtual AAX_Result HostOperation5(void* arguments) = 0;
    virtual AAX_Result HostOperation6(void* arguments) = 0;
    virtual AAX_Result HostOperation7(void* arguments) = 0;
    virtual AAX_Result HostOperation8(void* arguments) = 0;
    virtual AAX_Result HostOperation9(void* arguments) = 0;
    virtual AAX_Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t size) = 0;
    virtual AAX_Result PostNotification(uint32_t type, int32_t target) = 0;
    virtual AAX_Result PostNotification(uint32_t type, int32_t target, const void* data, uint32_t size) = 0;
    virtual AAX_Result HostOperation13(void* arguments) = 0;
    virtual AAX_Result HostOperation14(void* arguments) = 0;
    virtual AAX_Result HostOperation15(void* arguments) = 0;
    virtual AAX_Result HostOperation16(void* arguments) = 0;
    virtual AAX_Result HostOperation17(void* arguments) = 0;
    virtual AAX_Result HostOperation18(void* arguments) = 0;
    virtual AAX_Result HostOperation19(void* arguments) = 0;
    virtual AAX_Result HostOperation20(void* arguments) = 0;
    // Sets *object to null when the host cannot answer.
    virtual AAX_Result GetHostObject(const acfUID& iid, IACFUnknown** object) const = 0;
    virtual AAX_Result HostOperation22(void* arguments) = 0;
    virtual AAX_Result GetMaxBlockSize(int32_t* frames) const = 0;
    virtual AAX_Result HostOperation24(void* arguments) = 0;
    // Copies of the host's page tables, owned by the caller; null when the host has none to give.
    virtual std::unique_ptr<AAX_IPageTable> CopyPageTable(uint32_t tableType, int32_t pageSize) const = 0;
    virtual std::unique_ptr<AAX_IPageTable> CopyHostPageTable26(void* arguments) const = 0;
    virtual std::unique_ptr<AAX_IPageTable> CopyPageTableOfLayout(const char* layout, uint32_t tableType,
                                                                  int32_t pageSize) const = 0;
    virtual std::unique_ptr<AAX_IPageTable> CopyHostPageTable28(void* arguments) const = 0;
};
