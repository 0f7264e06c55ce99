// The floor the program is measured against: the least a Qt Widgets program
// does to put a window of the entry window's size on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(427, 246);
    window.show();
    return application.exec();
}
