#pragma once

#include <QList>
#include <QString>

// The rules of each game as the Rules button shows them: one or more messages per game
// panel, each a title and a body whose lines are joined by carriage returns.
namespace Rules {

struct Message
{
    QString title;
    QString body;
};

// The messages of panel `index` (1 to 5), in the order they are shown; empty for any
// other index.
QList<Message> messages(int index);

} // namespace Rules
