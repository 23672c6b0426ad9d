#pragma once

// The one engine profile every web view's page is made with.

class QWebEngineProfile;

namespace webview {

// A persistent profile named "Default" (cookies, cache and local storage kept on disk), made on
// first use. It belongs to the application object, so it outlives every page: pages belong to
// their views, and all views are destroyed before the application object is.
QWebEngineProfile* sharedProfile();

} // namespace webview
