// The baselines the program is measured against: the least a Qt Widgets
// program does to put a window of the entry window's size on screen, empty or,
// built with ORVANE_BASELINE_TEXT, showing one line of text.
#include <QApplication>
#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Bare Qt window"_s);
    window.setFixedSize(427, 246);
#ifdef ORVANE_BASELINE_TEXT
    QLabel line(u"Orvane Birthday Number"_s, &window);
#endif
    window.show();
    return application.exec();
}
