#include "CKROVirenoGUIContainer.h"

#include "VirenoResources.h"

namespace {

// The editor's bitmaps in loading order.
const int kBitmapNumbers[] = {100, 101, 102, 111, 110, 112, 113, 114, 115, 120, 121, 122, 123, 124,
                              125, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 150, 151,
                              152, 200, 201, 202, 161, 162, 163, 164};

} // namespace

CKROVirenoGUIContainer::CKROVirenoGUIContainer()
{
    // The toolkit must know where this library's resources are before the first bitmap is made.
    VirenoResources::install();
}

int CKROVirenoGUIContainer::LoadBitmaps()
{
    int result = 0;
    for (int number : kBitmapNumbers)
        result = LoadBitmap(number);
    return result;
}
