#pragma once

// What Vireno.vst3's factory tells a host about the maker and the SDK; the product's own version is
// VirenoVersion::kFull.

namespace Vireno {

constexpr const char* kVendor = "Halvard Sonics";
constexpr const char* kVendorUrl = "https://www.halvardsonics.com";
constexpr const char* kVendorEmail = "mailto:support@halvardsonics.com";

constexpr const char* kProcessorName = "Vireno";
constexpr const char* kControllerName = "VirenoController";
constexpr const char* kSubCategories = "Fx|Analyzer";

// The SDK version the plug-in was made for, as hosts are told it.
constexpr const char* kSdkVersion = "VST 3.7.0";

} // namespace Vireno
