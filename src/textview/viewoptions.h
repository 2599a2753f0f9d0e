#pragma once

// How every document's text is shown and typed: markup in colour, blanks marked, end tags
// closed as `</` is typed. All on unless the user turned them off; kept in the settings
// across runs.

struct ViewOptions {
    bool colouring = true;
    bool blankMarks = true;
    bool closeEndTags = true;

    // The options as the user last left them.
    static ViewOptions stored();
    void store() const;

    bool operator==(const ViewOptions &) const = default;
};
