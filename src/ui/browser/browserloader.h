#pragma once

class BrowserClient;
class BrowserWindowInterface;
class QWidget;
struct SiteAddresses;

// The program's one browser window, behind its helper process.
namespace BrowserLoader {
// The browser, with the Home and Search pages of `sites` set; its helper is started if need be,
// without waiting for it: the steps sent meanwhile go to it once it answers. When the helper cannot
// start, the user is told so in a message box over `parent`, from the event loop, and the
// steps are dropped; the next call tries again. Returns nullptr when the helper program is
// missing.
BrowserWindowInterface *browser(QWidget *parent, const SiteAddresses &sites);

// The program's client, created on first use; starts nothing by itself.
BrowserClient &client();

// Removes what helpers of earlier runs left behind when their program died (see
// HelperEnvironment::removeLeftFolders). The program's start calls it.
void removeLeftovers();
} // namespace BrowserLoader
