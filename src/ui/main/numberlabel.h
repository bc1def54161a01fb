#pragma once

#include <QLabel>

// A number label of a game's frame: shows "*" or a drawn number. Assistive technology
// hears where it stands and what it shows, e.g. "Number 3 of 6: 17" ("*" reads as empty).
class NumberLabel : public QLabel
{
    Q_OBJECT
public:
    // position: 1 for the leftmost label, up to count.
    NumberLabel(int position, int count, QWidget *parent = nullptr);

    QString spokenName() const;
    static QString spokenName(int position, int count, const QString &caption);

private:
    int m_position;
    int m_count;
};
