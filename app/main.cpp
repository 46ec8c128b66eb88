// Program start: the application title, the main window, the event loop.
#include "mainwin/ui/Mainp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nemra"));
    QApplication::setApplicationDisplayName(QStringLiteral("โหราศาสตร์ยูเรเนียน"));
    TMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
