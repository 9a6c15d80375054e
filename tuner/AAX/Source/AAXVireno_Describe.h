#pragma once

#include "aaxsdk/AAX_Results.h"

#include <cstdint>

class AAX_ICollection;
class AAX_IComponentDescriptor;
class AAX_IEffectDescriptor;

// Vireno as the AAX host registers it: one effect with a mono and a stereo component, their
// context fields and native procedures, six peak meters and the two factories. Main thread,
// during registration; keeps no state. A missing descriptor or property map gives
// AAX_ERROR_NULL_OBJECT; every other failure is asserted to the host and the description goes on.

// The effect's identifier: the maker's reverse-domain prefix, ".aax." and the product name.
constexpr const char* kVirenoEffectID = "com.halvardsonics.aax.Vireno";

AAX_Result DescribeEffect(AAX_IEffectDescriptor& descriptor);
// stemFormat: mono (1) or stereo (0x10002).
void DescribeAlgorithmComponent(uint32_t stemFormat, AAX_IComponentDescriptor& component);
