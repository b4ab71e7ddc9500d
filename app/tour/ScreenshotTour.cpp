// Drives the window set through the typical run on the offscreen platform and writes a
// PNG of each window it passes: kvr_tour <folder>.
#include "FormBuilder.h"
#include "Graphic.h"
#include "Help.h"
#include "LabReport.h"
#include "Main.h"
#include "Result.h"
#include "Warning.h"
#include "WindowSet.h"
#include "Windows.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

class Tour {
public:
    explicit Tour(const QString &folder) : m_folder(folder) {}

    void Save(QWidget *window, const QString &name) {
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        window->grab().save(path);
        QTextStream(stdout) << path << '\n';
    }

    // Presses `button`; a modal window it raises is photographed and closed.
    void PressAndSaveModal(QPushButton *button, const QString &name) {
        QTimer::singleShot(0, [this, name] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                Save(modal, name);
                modal->close();
            }
        });
        button->click();
    }

private:
    QString m_folder;
};

void Settle() { QApplication::processEvents(); }

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kvr::KvrApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.size() > 1 ? arguments.at(1) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    Tour tour(folder);

    kvr::WindowSet windows;
    windows.Start();
    Settle();
    using namespace kvr;
    tour.Save(Form_Main, QStringLiteral("1-main-start"));

    FindControl<QLineEdit>(Form_Main, "Edit1")->setText(QStringLiteral("Петренко І. В."));
    FindControl<QPushButton>(Form_Main, "Button1")->click();
    Settle();
    tour.Save(Form_Main, QStringLiteral("2-main-calculated"));

    FindControl<QPushButton>(Form_Main, "Button2")->click();
    Settle();
    tour.Save(Form_Result, QStringLiteral("3-results-before"));
    FindControl<QPushButton>(Form_Result, "Button1")->click();
    Settle();
    tour.Save(Form_Result, QStringLiteral("4-results-determined"));

    FindControl<QPushButton>(Form_Main, "BitBtn1")->click();
    Settle();
    tour.Save(Form_Help, QStringLiteral("5-help"));

    FindControl<QPushButton>(Form_Main, "Button3")->click();
    Settle();
    tour.Save(Form_Graphic, QStringLiteral("6-graphs"));
    // The lab report of the same run, as "Зберегти звіт у PDF…" writes it.
    windows.TheExperiment().Write(QDir(folder).filePath(QStringLiteral("9-report.pdf")),
                                  LabReportPdf(Runs, State).value());

    FindControl<QLineEdit>(Form_Main, "Edit2")->setText(QStringLiteral("20"));
    tour.PressAndSaveModal(FindControl<QPushButton>(Form_Main, "Button1"),
                           QStringLiteral("7-warning-allowable-wear"));
    Settle();
    return 0;
}
