#pragma once

// Reading the desktop's font configuration and its list of fonts is the largest single cost
// of start-up, and connecting to the display, which comes first, needs none of it. Made
// before the application object, this reads it on a thread of its own meanwhile; the first
// font Qt asks for then finds it read.

#include <thread>

namespace platform {

class FontConfigLoad {
public:
    FontConfigLoad();
    ~FontConfigLoad();
    FontConfigLoad(const FontConfigLoad &) = delete;
    FontConfigLoad &operator=(const FontConfigLoad &) = delete;

    // Waits for the reading to end. Called before the first window is built: a font asked
    // for while the reading runs would read the whole configuration a second time beside it.
    void wait();

private:
    std::thread reading_;
};

} // namespace platform
