#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The messages between the program and its browser helper (lottoworla-browser), which holds
// frmBrowser and the web engine in a process of its own. The helper's standard input and
// output are the channel: nobody else can reach it, and it closes when either side ends.
//
// A message is one line of compact JSON, UTF-8, ending in a line feed, at most
// MaxMessageBytes long with its line feed: an object with "v" (the protocol version, an
// integer) and "op" (a string), plus the fields of its op. A line that breaks any of these
// rules, or names an op its receiver does not know, ends the connection: the receiver logs
// it, and the program ends the helper, or the helper ends itself.
//
// Program to helper:
//   pages {home, search}   pages of the tool bar's Home and Search buttons
//   load {address}         loads frmBrowser if it is not loaded (its Form_Load opens address)
//   maximize               maximises the window
//   setAddress {text}      sets the address box's text
//   appendAddress          appends the address box's text to its list
//   busyTimer              starts the busy timer ("Working..." while a page loads)
//   navigate {address}     starts loading address
//   close                  closes the window as its File, Exit does (the helper then ends)
//   describe {id}          asks for the window's state; answered by a "state" message
//   ping {id}              answered by a "pong" once every message before it was handled
// Helper to program:
//   hello {problem}        first message once the helper runs; a non-empty problem says why
//                          the web engine cannot run here, and the helper then ends
//   shown                  load showed the window (its web view exists)
//   state {id, loaded, objectName, visible, maximized, modal, icon, title, fileMenu,
//          addressText, addresses, timerActive, timerInterval, url, pageTitle}
//                          the answer to describe (loaded is false before load)
//   pong {id}              the answer to ping
//   closed                 the window closed; the helper ends right after
// End of input (the program closed the channel or died) ends the helper and its web engine.
namespace BrowserProtocol {
constexpr int Version = 1;
constexpr int MaxMessageBytes = 16 * 1024;

// The ops each side accepts.
QStringList programOps(); // sent by the program, read by the helper
QStringList helperOps();  // sent by the helper, read by the program

// One message as a line, ready to write; empty when it would be longer than MaxMessageBytes
// (no such message is ever sent).
QByteArray encode(const QString &op, QJsonObject fields = {});

// Cuts what arrives on the channel into messages and checks each one.
class Reader
{
public:
    explicit Reader(QStringList acceptedOps) : m_ops(std::move(acceptedOps)) {}

    // Takes `bytes` and returns the whole messages they complete. Once a message breaks
    // the rules, error() says how and nothing more is read.
    QList<QJsonObject> read(const QByteArray &bytes);
    QString error() const { return m_error; }

private:
    QStringList m_ops;
    QByteArray m_pending;
    QString m_error;
};
} // namespace BrowserProtocol
