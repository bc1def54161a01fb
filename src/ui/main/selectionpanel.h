#pragma once

#include <QFrame>
#include <QList>

class Picture;
class QLabel;

// Panel 0, the selection screen: the title, the five game pictures and the Custom entry.
class SelectionPanel : public QFrame
{
    Q_OBJECT
public:
    explicit SelectionPanel(QWidget *parent = nullptr);

    QLabel *title = nullptr;       // lbltitle
    QList<Picture *> pictures;     // imgpic_0 ... imgpic_5
    QLabel *customLabel = nullptr; // Label1
};
