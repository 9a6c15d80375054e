#pragma once

#include "kro-core/gui/CKROGUIContainerInterface.h"

// The tuner's bitmaps, all from the library's own resources (no scale variants, no search folders).
// One container serves every editor of the process.
class CKROVirenoGUIContainer : public CKROGUIContainerInterface
{
public:
    CKROVirenoGUIContainer();

    int LoadBitmaps() override;
};
