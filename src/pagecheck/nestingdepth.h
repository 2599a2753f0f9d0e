#pragma once

// How deep a page's elements may nest, read without parsing it: the most start tags open at
// once, not counting the elements that never hold others or whose end tag may be left out
// (those a parser closes by itself). An estimate from above for pages as people write them,
// so that a page too deep to check can be turned away before it is handed to the checker.

#include <QStringView>

int nestingDepth(QStringView page);
