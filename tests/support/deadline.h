#pragma once

// Ends the test program when a step that must not block has not returned in time, so that a
// hang shows as a failed test rather than a stuck run.

#include <unistd.h>

class Deadline {
public:
    explicit Deadline(unsigned seconds) { ::alarm(seconds); }
    ~Deadline() { ::alarm(0); }
    Deadline(const Deadline &) = delete;
    Deadline &operator=(const Deadline &) = delete;
};
