#include "CKROVirenoGUIContainer.h"

#include "tuner/resources/VirenoBitmapNumbers.h"
#include "tuner/resources/VirenoResources.h"

CKROVirenoGUIContainer::CKROVirenoGUIContainer()
{
    // The toolkit must know where this library's resources are before the first bitmap is made.
    VirenoResources::install();
}

int CKROVirenoGUIContainer::LoadBitmaps()
{
    int result = 0;
    for (int number : VirenoBitmap::kAll)
        result = LoadBitmap(number);
    return result;
}
