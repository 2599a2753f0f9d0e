#pragma once

// The view options reach every open document at once.

struct ViewOptions;

// Stores `options` and shows every open document with them.
void applyToAllDocuments(const ViewOptions &options);
