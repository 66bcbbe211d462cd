#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace galloria {

// A window made the first time it is wanted and kept from then on, so that
// starting the game does not wait for the windows a player may never open.
template <typename Window> class OnDemand {
public:
    explicit OnDemand(std::function<std::unique_ptr<Window>()> make) : make_(std::move(make)) {}

    Window& operator*()
    {
        if (!window_)
            window_ = make_();
        return *window_;
    }
    Window* operator->() { return &**this; }

    // Closes and forgets the window; the next use makes a new one.
    void reset() { window_.reset(); }

private:
    std::function<std::unique_ptr<Window>()> make_;
    std::unique_ptr<Window> window_;
};

} // namespace galloria
