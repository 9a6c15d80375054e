#include "CBaseObject.h"

namespace VSTGUI {

CMessageResult CBaseObject::notify(CBaseObject*, IdStringPtr)
{
    return kMessageUnknown;
}

} // namespace VSTGUI
