#pragma once

// The host's controller over whichever versions the host offers. Operations of a missing first
// version give AAX_ERROR_NULL_OBJECT, of a later one AAX_ERROR_UNIMPLEMENTED, without a host call.

#include "AAX_HostPtr.h"
#include "AAX_IController.h"
#include "aaxsdk/AAX_IACFController.h"

class AAX_VController : public AAX_IController
{
public:
    // Main thread. Asks the host object for each version, the page-table sources and the factory.
    explicit AAX_VController(IACFUnknown* host);

    AAX_Result GetSampleRate(float* rate) const override;
    AAX_Result GetInputStemFormat(int32_t* format) const override;
    AAX_Result HostOperation3(void* arguments) override;
    AAX_Result HostOperation4(void* arguments) override;
    AAX_Result HostOperation5(void* arguments) override;
    AAX_Result HostOperation6(void* arguments) override;
    AAX_Result HostOperation7(void* arguments) override;
    AAX_Result HostOperation8(void* arguments) override;
    AAX_Result HostOperation9(void* arguments) override;
    AAX_Result PostPacket(uint32_t fieldIndex, const void* payload, uint32_t size) override;
    AAX_Result PostNotification(uint32_t type, int32_t target) override;
    AAX_Result PostNotification(uint32_t type, int32_t target, const void* data, uint32_t size) override;
    AAX_Result HostOperation13(void* arguments) override;
    AAX_Result HostOperation14(void* arguments) override;
    AAX_Result HostOperation15(void* arguments) override;
    AAX_Result HostOperation16(void* arguments) override;
    AAX_Result HostOperation17(void* arguments) override;
    AAX_Result HostOperation18(void* arguments) override;
    AAX_Result HostOperation19(void* arguments) override;
    AAX_Result HostOperation20(void* arguments) override;
    AAX_Result GetHostObject(const acfUID& iid, IACFUnknown** object) const override;
    AAX_Result HostOperation22(void* arguments) override;
    AAX_Result GetMaxBlockSize(int32_t* frames) const override;
    AAX_Result HostOperation24(void* arguments) override;
    std::unique_ptr<AAX_IPageTable> CopyPageTable(uint32_t tableType, int32_t pageSize) const override;
    std::unique_ptr<AAX_IPageTable> CopyHostPageTable26(void* arguments) const override;
    std::unique_ptr<AAX_IPageTable> CopyPageTableOfLayout(const char* layout, uint32_t tableType,
                                                          int32_t pageSize) const override;
    std::unique_ptr<AAX_IPageTable> CopyHostPageTable28(void* arguments) const override;

private:
    // An empty page table from the host's factory, or null.
    AAX_HostPtr<IACFUnknown> NewHostPageTable() const;
    // A page table the source fills through fill(source, table); null without the source, without
    // a table from the factory, or when the host does not fill it.
    template <class Source, class Fill>
    std::unique_ptr<AAX_IPageTable> CopyFrom(const AAX_HostPtr<Source>& source, Fill fill) const;
    // Wraps a table the host filled; null after a host error or when it holds no page table.
    static std::unique_ptr<AAX_IPageTable> WrapFilledTable(AAX_Result fillResult,
                                                           const AAX_HostPtr<IACFUnknown>& table);

    AAX_HostPtr<AAX_IACFController_V1> v1;
    AAX_HostPtr<AAX_IACFController_V2> v2;
    AAX_HostPtr<AAX_IACFController_V3> v3;
    AAX_HostPtr<AAX_IACFPageTableSource_V1> pageTableSource1;
    AAX_HostPtr<AAX_IACFPageTableSource_V2> pageTableSource2;
    AAX_HostPtr<IACFComponentFactory> factory;
};
