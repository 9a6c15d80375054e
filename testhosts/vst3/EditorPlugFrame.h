#pragma once

#include <functional>
#include <vector>

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"

class HostRunLoop;

// A host's frame around a plug-in's editor view: it offers the host's run loop (when it has one)
// and follows the view's size requests, resizing the host's window (when it has one) and then the
// view. It keeps every request for tests to read. Main thread only.
class EditorPlugFrame final : public Steinberg::FObject, public Steinberg::IPlugFrame
{
public:
    explicit EditorPlugFrame(HostRunLoop* loop, std::function<void(int, int)> resizeWindow = nullptr);

    Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view, Steinberg::ViewRect* newSize) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) SMTG_OVERRIDE;
    REFCOUNT_METHODS(FObject)

    // The sizes the view asked for, in order.
    const std::vector<Steinberg::ViewRect>& Resizes() const { return resizes; }

private:
    HostRunLoop* loop; // not owned
    std::function<void(int, int)> resizeWindow;
    std::vector<Steinberg::ViewRect> resizes;
};
