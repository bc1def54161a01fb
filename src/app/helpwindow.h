#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// frmHelp: ten paragraphs about the program and what the next version brings. One window
// at most; Esc or the close box unloads it and the next Help creates it again.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // The open Help window, if there is one.
    static HelpWindow *instance();
    // Shows the Help window, creating it when it is not open, and brings it to the front.
    static HelpWindow *showHelp();

    // Label1 .. Label10.
    QLabel *label(int number) const { return m_labels.value(number - 1); }

    // The paragraphs' texts, Label1 first.
    static QStringList texts();

protected:
    void keyPressEvent(QKeyEvent *event) override; // Form_KeyDown

private:
    explicit HelpWindow(QWidget *parent = nullptr);
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

    QList<QLabel *> m_labels;
};
