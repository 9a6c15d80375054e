#include "DisplayDataSource.h"

// The controller's custom-data interface comes with the product's edit controller; until a
// controller offers it there is no display data to read.
int ReadDisplayData(Steinberg::Vst::IEditController* controller, std::vector<float>& values)
{
    (void)controller;
    values.clear();
    return 0;
}
