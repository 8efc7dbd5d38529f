// A bare widgets window: shows itself and waits to be measured and ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(519, 544);
    window.show();
    return QApplication::exec();
}
