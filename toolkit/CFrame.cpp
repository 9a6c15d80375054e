#include "CFrame.h"

#include "CDrawContext.h"
#include "OffscreenFrame.h"
#include "X11Frame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace VSTGUI {

CFrame::CFrame(const CRect& size, VSTGUIEditorInterface* editor) : CViewContainer(size), editor(editor)
{
    // The frame is the root of its tree: views added to it are attached at once.
    CView::attached(nullptr);
}

CFrame::~CFrame()
{
    modalSessions.clear();
    removeAll();
    platformFrame.reset();
}

bool CFrame::open(void* parent, PlatformType type, IRunLoop* runLoop)
{
    if (platformFrame)
        return false;
    int width = static_cast<int>(std::lround(getWidth()));
    int height = static_cast<int>(std::lround(getHeight()));
    if (type == PlatformType::kOffscreen)
        platformFrame = std::make_unique<OffscreenFrame>(*this, width, height);
    else
        platformFrame = X11Frame::create(*this, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent)), width,
                                         height, runLoop ? runLoop : RunLoop::current());
    return platformFrame != nullptr;
}

void CFrame::close()
{
    while (!modalSessions.empty())
        endModalViewSession(modalSessions.back().id);
    removeAll();
    platformFrame.reset();
    forget();
}

CRect CFrame::paintInvalid()
{
    return platformFrame ? platformFrame->paintInvalid() : CRect();
}

bool CFrame::writePNG(const std::string& path)
{
    if (!platformFrame)
        return false;
    platformFrame->paintInvalid();
    return platformFrame->getBackBuffer()->writePNG(path);
}

bool CFrame::setSize(CCoord width, CCoord height)
{
    if (width <= 0 || height <= 0)
        return false;
    if (platformFrame &&
        !platformFrame->setSize(static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))))
        return false;
    size = CRect(0, 0, width, height);
    invalid();
    return true;
}

bool CFrame::setZoom(double newZoom)
{
    if (!(newZoom > 0))
        return false;
    double oldZoom = zoom;
    zoom = newZoom;
    if (setSize(getWidth() * newZoom / oldZoom, getHeight() * newZoom / oldZoom))
        return true;
    zoom = oldZoom;
    return false;
}

uint32_t CFrame::getTicks() const
{
    return platformFrame ? clock->getTicks() : 0xFFFFFFFFu;
}

ModalViewSessionID CFrame::beginModalViewSession(CView* view)
{
    if (!view || !addView(view))
        return 0;
    modalSessions.push_back({++lastSessionId, view});
    return lastSessionId;
}

bool CFrame::endModalViewSession(ModalViewSessionID session)
{
    auto it = std::find_if(modalSessions.begin(), modalSessions.end(),
                           [&](const ModalSession& s) { return s.id == session; });
    if (it == modalSessions.end())
        return false;
    CView* view = it->view;
    modalSessions.erase(it);
    removeView(view);
    return true;
}

CView* CFrame::getModalView() const
{
    return modalSessions.empty() ? nullptr : modalSessions.back().view;
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    CView* modal = getModalView();
    if (!modal)
        return CViewContainer::onMouseDown(where, buttons);
    // While a session runs, nothing below the modal view hears the mouse.
    if (!modal->isVisible() || !modal->getMouseEnabled() || !modal->hitTest(where, buttons))
        return kMouseEventHandled;
    return pressChild(modal, where, buttons);
}

int32_t CFrame::onKeyDown(VstKeyCode& key)
{
    if (CView* modal = getModalView())
        return modal->onKeyDown(key);
    return CViewContainer::onKeyDown(key);
}

void CFrame::invalid()
{
    invalidRect(CRect(0, 0, getWidth() / zoom, getHeight() / zoom));
}

void CFrame::invalidRect(const CRect& rect)
{
    if (platformFrame)
        platformFrame->invalidRect(CRect(rect).scale(zoom));
}

void CFrame::platformDrawRect(CDrawContext* context, const CRect& pixelRect)
{
    context->saveGlobalState();
    context->setClipRect(pixelRect);
    context->scale(zoom);
    drawContents(context, CRect(0, 0, getWidth() / zoom, getHeight() / zoom), CRect(pixelRect).scale(1.0 / zoom));
    context->restoreGlobalState();
    setDirty(false);
}

CMouseEventResult CFrame::platformOnMouseDown(const CPoint& pixel, const CButtonState& buttons)
{
    CPoint where = toContent(pixel);
    return onMouseDown(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp(const CPoint& pixel, const CButtonState& buttons)
{
    CPoint where = toContent(pixel);
    return onMouseUp(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseMoved(const CPoint& pixel, const CButtonState& buttons)
{
    CPoint where = toContent(pixel);
    return onMouseMoved(where, buttons);
}

} // namespace VSTGUI
