// The benchmark's reference: the smallest Qt Widgets program that shows a window, one QLabel,
// linked against Qt Widgets alone, so that what it costs is Qt's and the display's share.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Minimal window"));
    label.show();
    return QApplication::exec();
}
