#include <QApplication>

#include <csignal>

#include "app/program.h"
#include "gui/icons.h"
#include "gui/leak_suppressions.h"
#include "gui/qt_services.h"

int main(int argc, char** argv) {
    // A file-size limit then fails the write with its reason instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(gui::programIcon(32)));
    gui::installTranslator();
    gui::QtServices services;
    app::Program program;
    program.MDIForm1().show();
    return QApplication::exec();
}
