#include "VirenoResources.h"

namespace VirenoResources {

void install()
{
    VSTGUI::ResourceTable::install(entries(), count());
}

} // namespace VirenoResources
