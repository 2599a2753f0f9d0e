#pragma once

// How every document's text is shown and typed (markup in colour, blanks marked, end tags
// closed as `</` is typed: all on unless the user turned them off) and which markup the
// commands write (the classic style unless the user chose HTML5); kept in the settings
// across runs.

// Classic: upper-case names, single quotes, the HTML 3.2 elements and attributes.
// Html5: lower-case names, double quotes, CSS for what HTML5 made obsolete.
enum class MarkupStyle { Classic, Html5 };

struct ViewOptions {
    bool colouring = true;
    bool blankMarks = true;
    MarkupStyle markupStyle = MarkupStyle::Classic;
    bool closeEndTags = true;

    // The options as the user last left them.
    static ViewOptions stored();
    void store() const;

    bool operator==(const ViewOptions &) const = default;
};
