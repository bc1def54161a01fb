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

// A game's messages, in the order they are shown (a game's row names its own).
using Source = QList<Message> (*)();
QList<Message> lotto649();
QList<Message> pick3(); // two boxes: the second follows however the first was dismissed
QList<Message> ontario49();
QList<Message> super7();
QList<Message> lottario();

} // namespace Rules
