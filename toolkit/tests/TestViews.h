#pragma once

#include "toolkit/vstgui.h"

#include <string>
#include <vector>

// Views and listeners that record what the toolkit does to them.
namespace TestViews {

// A view that fills itself with one colour, counts its draws and says when it is deleted.
class ProbeView : public VSTGUI::CView
{
public:
    ProbeView(const VSTGUI::CRect& size, bool* deleted = nullptr,
              VSTGUI::CMouseEventResult answer = VSTGUI::kMouseEventHandled)
        : CView(size), deleted(deleted), answer(answer)
    {}
    ~ProbeView() override
    {
        if (deleted)
            *deleted = true;
    }

    void draw(VSTGUI::CDrawContext* context) override
    {
        ++draws;
        lastClip = context->getClipRect();
        context->setFillColor(colour);
        context->drawRect(size, VSTGUI::kDrawFilled);
        setDirty(false);
    }
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where, const VSTGUI::CButtonState&) override
    {
        events.push_back("down");
        lastWhere = where;
        return answer;
    }
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where, const VSTGUI::CButtonState&) override
    {
        events.push_back("moved");
        lastWhere = where;
        return VSTGUI::kMouseEventHandled;
    }
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where, const VSTGUI::CButtonState&) override
    {
        events.push_back("up");
        lastWhere = where;
        return VSTGUI::kMouseEventHandled;
    }

    bool* deleted;
    VSTGUI::CMouseEventResult answer;
    VSTGUI::CColor colour{255, 0, 0, 255};
    int draws = 0;
    VSTGUI::CRect lastClip;
    VSTGUI::CPoint lastWhere;
    std::vector<std::string> events;
};

// Records every report of a control as "begin 7", "value 7 1", "end 7".
class RecordingListener : public VSTGUI::IControlListener
{
public:
    void valueChanged(VSTGUI::CControl* control) override
    {
        log.push_back("value " + std::to_string(control->getTag()) + " " + number(control->getValue()));
    }
    void controlBeginEdit(VSTGUI::CControl* control) override
    {
        log.push_back("begin " + std::to_string(control->getTag()));
    }
    void controlEndEdit(VSTGUI::CControl* control) override
    {
        log.push_back("end " + std::to_string(control->getTag()));
    }

    std::vector<std::string> log;

private:
    static std::string number(float v)
    {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    }
};

// A clock the test moves by hand.
class ManualClock : public VSTGUI::IClock
{
public:
    uint32_t getTicks() const override { return now; }
    uint32_t now = 1000;
};

} // namespace TestViews
