#pragma once

#include <QString>

// Where the author can be reached: the address the About and Help windows show, and the
// home page of the web-mail service that holds it (host only).
namespace Contact {
inline QString address()
{
    return QStringLiteral("talmarsoft@mailnest.example");
}

inline QString webMailHome()
{
    return QStringLiteral("https://www.mailnest.example");
}
} // namespace Contact
