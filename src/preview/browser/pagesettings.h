#pragma once

// The engine's settings for a previewed page: what a page of one's own needs to show as a
// browser shows it, and nothing that lets its scripts reach beyond it.
//
// Local content keeps its access to file addresses: in this engine a page shown from a file
// loads even its own pictures, style sheets and frames only with it on. The page's guard
// (guardedpage.h) is what keeps it to its own folder.

class QWebEngineSettings;

namespace PageSettings {

void restrict(QWebEngineSettings &settings);

} // namespace PageSettings
