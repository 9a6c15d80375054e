#pragma once

#include "CViewContainer.h"
#include "IClock.h"
#include "PlatformType.h"

#include <memory>
#include <string>
#include <vector>

namespace VSTGUI {

class IRunLoop;
class PlatformFrame;
class VSTGUIEditorInterface;

using ModalViewSessionID = uint32_t;

// The root of an editor's views. Its own size is in pixels; its children live in points, and the
// zoom maps one onto the other. A frame is opened either in a host's X11 window or offscreen.
class CFrame : public CViewContainer
{
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor);
    ~CFrame() override;

    // kX11EmbedWindowID: parent is the X11 window id to embed in; events and redraws arrive through
    // runLoop, or RunLoop::current() when none is given. kOffscreen: parent is ignored.
    bool open(void* parent, PlatformType type = PlatformType::kX11EmbedWindowID, IRunLoop* runLoop = nullptr);
    // Ends every modal session, removes all views, releases the window and then the caller's
    // reference to the frame: the pointer is not to be used afterwards.
    void close();
    PlatformFrame* getPlatformFrame() const { return platformFrame.get(); }
    VSTGUIEditorInterface* getEditor() const { return editor; }
    CFrame* getFrame() const override { return const_cast<CFrame*>(this); }

    // Paints what was invalidated into the back buffer (a window also shows it); the painted area.
    CRect paintInvalid();
    // Paints what was invalidated and writes the frame's pixels as a PNG file.
    bool writePNG(const std::string& path);

    // Size in pixels.
    bool setSize(CCoord width, CCoord height);
    // Scales the content and the frame's size with it.
    bool setZoom(double zoom);
    double getZoom() const { return zoom; }

    // Milliseconds from the frame's clock while it is open; 0xFFFFFFFF before.
    uint32_t getTicks() const;
    void setClock(IClock& clock) { this->clock = &clock; }

    // The view goes on top of the frame and alone takes the mouse until the session ends. Like
    // addView, the frame takes over the caller's reference. Returns 0 when refused (the caller then
    // keeps its reference).
    ModalViewSessionID beginModalViewSession(CView* view);
    // Removes the session's view and releases the frame's reference to it.
    bool endModalViewSession(ModalViewSessionID session);
    CView* getModalView() const;

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& key) override;

    void invalid() override;
    void invalidRect(const CRect& rect) override;

    // Calls from the platform side, in pixels.
    void platformDrawRect(CDrawContext* context, const CRect& pixelRect);
    CMouseEventResult platformOnMouseDown(const CPoint& pixel, const CButtonState& buttons);
    CMouseEventResult platformOnMouseUp(const CPoint& pixel, const CButtonState& buttons);
    CMouseEventResult platformOnMouseMoved(const CPoint& pixel, const CButtonState& buttons);

private:
    struct ModalSession
    {
        ModalViewSessionID id;
        CView* view;
    };

    CPoint toContent(const CPoint& pixel) const { return {pixel.x / zoom, pixel.y / zoom}; }

    VSTGUIEditorInterface* editor;
    std::unique_ptr<PlatformFrame> platformFrame;
    IClock* clock = &monotonicClock();
    double zoom = 1.0;
    std::vector<ModalSession> modalSessions;
    ModalViewSessionID lastSessionId = 0;
};

} // namespace VSTGUI
