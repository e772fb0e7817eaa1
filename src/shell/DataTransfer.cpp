#include "DataTransfer.h"

#include "WaitCursor.h"
#include "core/Reporter.h"
#include "refdata/CoordinateImport.h"
#include "refdata/Databases.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

DataTransfer::DataTransfer(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("DataTransfer"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Corrects the latitudes and longitudes of the places\n"
                                       "from %1 in the program folder.")
                            .arg(QString::fromUtf8(ImportSourceFile.data(), ImportSourceFile.size())));
    Label1->setObjectName(QStringLiteral("Label1"));
    Command1 = new QPushButton(QStringLiteral("Command1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(Command1->sizeHint().width() + 40);
    connect(Command1, &QPushButton::clicked, this, &DataTransfer::Command1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(16);
    layout->addWidget(Label1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Database DataTransfer::ConnectDB() { return Database(ProgramFile(ImportSourceFile), OpenMode::ReadOnly); }

void DataTransfer::Command1_Click()
{
    ImportSummary summary;
    try {
        const WaitCursor wait;
        Database source = ConnectDB();
        summary = ImportCorrectedCoordinates(DatDatabase(), source);
    } catch (const DbError& e) {
        reporter().Message(std::string(e.what()) + "\n\nNo place was changed.");
        return;
    }
    reporter().Message(ImportReport(summary));
}

} // namespace tarvik
