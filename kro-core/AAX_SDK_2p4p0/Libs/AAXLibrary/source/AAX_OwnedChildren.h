#pragma once

// The wrappers a description object hands out: each is created over the host object of its
// parent, recorded once, and deleted with the parent.

#include "aaxsdk/AAX_ACF.h"

#include <memory>
#include <vector>

template <class Child>
class AAX_OwnedChildren
{
public:
    Child* Add(IACFUnknown* host)
    {
        children.emplace_back(new Child(host));
        return children.back().get();
    }

private:
    std::vector<std::unique_ptr<Child>> children;
};
