#pragma once

#include <QUrl>

class QTextBrowser;
class QWidget;

namespace LarkUpdate {

// Opens an http or https address in the user's browser; anything else is
// refused with a warning naming `what`.
void openInBrowser(const QUrl& url, const char* what);

// A read-only view for release notes in Markdown. It never follows a link
// itself: web links go to the browser through openInBrowser, in-page links
// scroll, and every other link (file:, qrc:, ...) is refused.
QTextBrowser* makeNotesBrowser(QWidget* parent);

} // namespace LarkUpdate
