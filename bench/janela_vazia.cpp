// The yardstick of start-up: an empty frameless window of the menu's size, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget janela;
    janela.setWindowFlags(Qt::FramelessWindowHint);
    janela.resize(665, 622);
    janela.show();
    return app.exec();
}
