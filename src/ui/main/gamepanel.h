#pragma once

#include "ui/main/catalogue.h"

#include <QFrame>
#include <QLabel>
#include <QList>

class QAbstractButton;
class QGroupBox;
class QPushButton;
class QToolButton;
class Picture;

// One panel of the main window (fraMenu_p): a game panel built from the game's catalogue
// entry, or the hidden "Custom" panel 6 (no game, no frame, no Rules button).
class GamePanel : public QFrame
{
    Q_OBJECT
public:
    GamePanel(PanelIndex index, const GameInfo *game, QWidget *parent = nullptr);

    PanelIndex index() const { return m_index; }
    const GameInfo *game() const { return m_game; }

    // The per-panel controls, each element `index` of its control array.
    QPushButton *rules = nullptr; // none on panel 6
    QPushButton *addVorla = nullptr;
    QPushButton *generate = nullptr;
    QPushButton *clear = nullptr;
    QToolButton *back = nullptr;
    QLabel *vorlaStatus = nullptr;

    // The game's frame, number labels (index 0 leftmost), results-link picture and the
    // label pointing at it; empty on panel 6.
    QGroupBox *frame = nullptr;
    QList<QLabel *> numbers;
    Picture *linkImage = nullptr;
    QLabel *pointer = nullptr;

    // Buttons in the order the window disables and enables them.
    QList<QAbstractButton *> buttons() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildGame();
    void buildCustom();
    void buildCommonButtons(PanelIndex addVorlaIndex);

    PanelIndex m_index;
    const GameInfo *m_game;
};
