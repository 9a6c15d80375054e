#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using TestViews::ProbeView;

namespace {

TEST(ViewTree, AddViewTakesOverTheCallersReference)
{
    bool deleted = false;
    auto* container = new CViewContainer(CRect(0, 0, 100, 100));
    auto* view = new ProbeView(CRect(0, 0, 10, 10), &deleted);
    ASSERT_TRUE(container->addView(view));
    EXPECT_EQ(view->getNbReference(), 1);
    EXPECT_EQ(view->getParentView(), container);

    container->removeView(view);
    EXPECT_TRUE(deleted);
    container->forget();
}

TEST(ViewTree, RemovingWithoutForgetHandsTheReferenceBack)
{
    bool deleted = false;
    auto* container = new CViewContainer(CRect(0, 0, 100, 100));
    auto* view = new ProbeView(CRect(0, 0, 10, 10), &deleted);
    container->addView(view);
    container->removeView(view, false);
    container->forget();
    EXPECT_FALSE(deleted);
    EXPECT_EQ(view->getParentView(), nullptr);
    view->forget();
    EXPECT_TRUE(deleted);
}

TEST(ViewTree, ContainerReleasesChildrenButNotReferencesKeptElsewhere)
{
    bool keptDeleted = false;
    bool ownedDeleted = false;
    auto* container = new CViewContainer(CRect(0, 0, 100, 100));
    auto* kept = new ProbeView(CRect(0, 0, 10, 10), &keptDeleted);
    kept->remember(); // a second owner, like a control set's tag map
    container->addView(kept);
    container->addView(new ProbeView(CRect(0, 0, 10, 10), &ownedDeleted));
    EXPECT_EQ(kept->getNbReference(), 2);

    container->forget();
    EXPECT_TRUE(ownedDeleted);
    EXPECT_FALSE(keptDeleted);
    EXPECT_EQ(kept->getNbReference(), 1);
    EXPECT_FALSE(kept->isAttached());
    kept->forget();
    EXPECT_TRUE(keptDeleted);
}

TEST(ViewTree, AViewHasOneParentAtATime)
{
    auto* first = new CViewContainer(CRect(0, 0, 100, 100));
    auto* second = new CViewContainer(CRect(0, 0, 100, 100));
    auto* view = new ProbeView(CRect(0, 0, 10, 10));
    EXPECT_TRUE(first->addView(view));
    EXPECT_FALSE(first->addView(view));
    EXPECT_FALSE(second->addView(view));
    EXPECT_FALSE(first->addView(nullptr));
    first->forget();
    second->forget();
}

TEST(ViewTree, ViewsAddedUnderAFrameAreAttachedAndFindTheirFrame)
{
    auto* frame = new CFrame(CRect(0, 0, 200, 200), nullptr);
    auto* page = new CViewContainer(CRect(10, 10, 190, 190));
    auto* view = new ProbeView(CRect(0, 0, 10, 10));
    page->addView(view);
    EXPECT_FALSE(view->isAttached());
    EXPECT_EQ(view->getFrame(), nullptr);

    frame->addView(page);
    EXPECT_TRUE(view->isAttached());
    EXPECT_EQ(view->getFrame(), frame);

    frame->removeView(page, false);
    EXPECT_FALSE(view->isAttached());
    page->forget();
    frame->forget();
}

TEST(ViewTree, ClosingTheFrameReleasesEveryViewAndTheFrame)
{
    bool viewDeleted = false;
    bool modalDeleted = false;
    auto* frame = new CFrame(CRect(0, 0, 200, 200), nullptr);
    ASSERT_TRUE(frame->open(nullptr, PlatformType::kOffscreen));
    frame->addView(new ProbeView(CRect(0, 0, 10, 10), &viewDeleted));
    ASSERT_NE(frame->beginModalViewSession(new ProbeView(CRect(0, 0, 200, 200), &modalDeleted)), 0u);
    frame->close();
    EXPECT_TRUE(viewDeleted);
    EXPECT_TRUE(modalDeleted);
}

TEST(ViewTree, EndingAModalSessionReleasesTheFramesReference)
{
    bool deleted = false;
    auto* frame = new CFrame(CRect(0, 0, 200, 200), nullptr);
    auto* modal = new ProbeView(CRect(0, 0, 200, 200), &deleted);
    modal->remember();
    ModalViewSessionID session = frame->beginModalViewSession(modal);
    ASSERT_NE(session, 0u);
    EXPECT_EQ(frame->getModalView(), modal);
    EXPECT_EQ(modal->getNbReference(), 2);

    EXPECT_TRUE(frame->endModalViewSession(session));
    EXPECT_FALSE(frame->endModalViewSession(session));
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(modal->getNbReference(), 1);
    EXPECT_FALSE(deleted);
    modal->forget();
    EXPECT_TRUE(deleted);
    frame->forget();
}

TEST(ViewTree, NewCopyIsAFreshObjectSharingTheBackground)
{
    auto* bitmap = new CBitmap(PlatformBitmap::create(4, 4));
    auto* original = new COnOffButton(CRect(1, 2, 3, 4), nullptr, 7, bitmap);
    original->setValue(1);
    auto* copy = static_cast<COnOffButton*>(original->newCopy());
    EXPECT_EQ(copy->getNbReference(), 1);
    EXPECT_EQ(copy->getTag(), 7);
    EXPECT_EQ(copy->getValue(), 1.f);
    EXPECT_EQ(copy->getViewSize(), CRect(1, 2, 3, 4));
    EXPECT_EQ(copy->getBackground(), bitmap);
    EXPECT_EQ(bitmap->getNbReference(), 3);
    original->forget();
    copy->forget();
    EXPECT_EQ(bitmap->getNbReference(), 1);
    bitmap->forget();
}

} // namespace
