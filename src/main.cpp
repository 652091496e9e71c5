#include <QApplication>

#include "app/program.h"
#include "gui/icons.h"
#include "gui/leak_suppressions.h"
#include "gui/qt_services.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(gui::programIcon(32)));
    gui::installTranslator();
    gui::QtServices services;
    app::Program program;
    program.MDIForm1().show();
    return QApplication::exec();
}
