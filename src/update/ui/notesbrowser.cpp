#include "update/ui/notesbrowser.h"

#include "update/core/manifest.h"

#include <QDebug>
#include <QDesktopServices>
#include <QTextBrowser>

namespace LarkUpdate {

void openInBrowser(const QUrl& url, const char* what)
{
    if (acceptWebUrl(url, what) && !QDesktopServices::openUrl(url))
        qWarning().noquote() << "LarkUpdate: QDesktopServices::openUrl failed for:" << url.toString();
}

QTextBrowser* makeNotesBrowser(QWidget* parent)
{
    auto* browser = new QTextBrowser(parent);
    // With links left to QTextBrowser a file: link in downloaded notes would
    // load that local file into the view.
    browser->setOpenLinks(false);
    browser->setOpenExternalLinks(false);
    QObject::connect(browser, &QTextBrowser::anchorClicked, browser, [browser](const QUrl& link) {
        if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
            browser->scrollToAnchor(link.fragment());
        else
            openInBrowser(link, "link in the release notes");
    });
    return browser;
}

} // namespace LarkUpdate
