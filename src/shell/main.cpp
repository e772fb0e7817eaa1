// Tarvik: the main window is the program; start-up runs before it is shown.

#include "Application.h"
#include "MessageBoxReporter.h"
#include "frmMain.h"
#include "core/State.h"
#include "refdata/Databases.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarvik::PrepareApplication();
    // The program's own folder, or the data folder of an installation.
    tarvik::Program().ProgramFolder =
        tarvik::ProgramFolderFor(QApplication::applicationDirPath().toStdString());

    tarvik::MessageBoxReporter messages;
    tarvik::ScopedReporter useMessageBoxes(messages);

    tarvik::frmMain window;
    if (!window.Form_Load())
        return 1;
    window.show();
    return app.exec();
}
