#include "EditorPlugFrame.h"

#include "HostRunLoop.h"

using namespace Steinberg;

EditorPlugFrame::EditorPlugFrame(HostRunLoop* loop, std::function<void(int, int)> resizeWindow)
    : loop(loop), resizeWindow(std::move(resizeWindow))
{}

tresult PLUGIN_API EditorPlugFrame::resizeView(IPlugView* view, ViewRect* newSize)
{
    if (!view || !newSize)
        return kInvalidArgument;
    resizes.push_back(*newSize);
    if (resizeWindow)
        resizeWindow(newSize->getWidth(), newSize->getHeight());
    return view->onSize(newSize);
}

tresult PLUGIN_API EditorPlugFrame::queryInterface(const TUID iid, void** obj)
{
    if (loop && FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid))
    {
        loop->addRef();
        *obj = static_cast<Linux::IRunLoop*>(loop);
        return kResultOk;
    }
    QUERY_INTERFACE(iid, obj, IPlugFrame::iid, IPlugFrame)
    return FObject::queryInterface(iid, obj);
}
